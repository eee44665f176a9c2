// The print settings files byte for byte: INC1, INC2, IDZ, DRUCKER1.INI, PAGENR, and the form
// header FKOPF, AUFSTELLER1, FKPFAD and FSEITE with the serialised string form.
#include "common/file_io.hpp"
#include "manager/form_header.hpp"
#include "manager/print_settings.hpp"
#include "tests/manager/manager_fixtures.hpp"
#include "tests/support/golden.hpp"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using managertest::bytes;
using managertest::bytesOf;
using tarvik::FormField;
using tarvik::NumberingKind;
using testsupport::fixturePath;
using testsupport::matchesFixture;

std::string text(const std::string& path) {
    return slab::readFileText(path).value_or("<fehlt>");
}

/// Seconds of a local date at noon, as the clock of a test.
std::int64_t localNoon(int year, int month, int day) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&t));
}

tarvik::FormHeader exampleForm() {
    tarvik::FormHeader f;
    f.fields = {"Anna Muster", "Platte 1.0", "Wohnhaus Ahornweg", "Decke über EG", "B1",
                "V7",          "ASB 12",     "A-2026-3",          "06.03.2026",    "5",
                "10"};
    return f;
}

TEST(PrintSettings, HeaderLinesWrittenAndReadBack) {
    testsupport::TempDir work;
    const std::string w = work.str();
    // Missing files give empty texts and no header line.
    EXPECT_EQ(tarvik::readHeaderLines(w), tarvik::HeaderLines{});
    const tarvik::HeaderLines lines{"Ingenieurbüro Muster", "Statik Wohnhaus", 2};
    EXPECT_TRUE(tarvik::writeHeaderLines(w, lines).empty());
    // INC1 and INC2 without a newline, IDZ as a signed 16-bit number.
    EXPECT_TRUE(matchesFixture("inc1_buero", bytes(w + "INC1")));
    EXPECT_EQ(text(w + "INC2"), "Statik Wohnhaus");
    EXPECT_TRUE(matchesFixture("idz_2", bytes(w + "IDZ")));
    EXPECT_EQ(tarvik::readHeaderLines(w), lines);
}

// Found by fuzzing: a header line in Windows-1252, or one cut inside a character, reached the
// pages as bytes that are no UTF-8.
TEST(PrintSettings, HeaderLinesOfOlderFilesAreReadAsText) {
    testsupport::TempDir work;
    const std::string w = work.str();
    ASSERT_TRUE(slab::writeFileAtomic(w + "INC1", std::string("Ingenieurb\xfcro\r\n")));
    ASSERT_TRUE(slab::writeFileAtomic(w + "INC2", std::string(248, 'x') + "ü"));
    const auto lines = tarvik::readHeaderLines(w);
    EXPECT_EQ(lines.line1, "Ingenieurbüro");
    EXPECT_EQ(lines.line2, std::string(248, 'x'));
}

TEST(PrintSettings, HeaderLinesThatCannotBeStored) {
    EXPECT_EQ(tarvik::headerLinesProblem({"a", "b", 3}),
              "Die Zahl der Kopfzeilen muss 0, 1 oder 2 sein.");
    EXPECT_EQ(tarvik::headerLinesProblem({"a", "b", -1}),
              "Die Zahl der Kopfzeilen muss 0, 1 oder 2 sein.");
    EXPECT_EQ(tarvik::headerLinesProblem({"a\nb", "", 1}),
              "Eine Kopfzeile darf keinen Zeilenwechsel enthalten.");
    EXPECT_EQ(tarvik::headerLinesProblem({std::string(250, 'x'), "", 1}),
              "Eine Kopfzeile hat höchstens 249 Zeichen.");
    EXPECT_EQ(tarvik::headerLinesProblem({"a", "b", 0}), std::nullopt);
}

TEST(PrintSettings, TextPrintSettingsWithTheirDefaults) {
    testsupport::TempDir work;
    const std::string w = work.str();
    const tarvik::TextPrintSettings defaults = tarvik::readTextPrintSettings(w);
    EXPECT_EQ(defaults.font, "Courier New");
    EXPECT_EQ(defaults.size, 10);
    EXPECT_EQ(defaults.leftMargin, 20);
    EXPECT_EQ(defaults.topMargin, 10);
    EXPECT_TRUE(matchesFixture("drucker1_ini_defaults", tarvik::textPrintSettingsText(defaults)));
    // The numbers may stand on one line, separated by any white space.
    const auto read = tarvik::parseTextPrintSettings("Lucida Console\r\n12  25\t5\n");
    EXPECT_EQ(read, (tarvik::TextPrintSettings{"Lucida Console", 12, 25, 5}));
    // A value that is not a number keeps its default; an empty first line keeps the font.
    EXPECT_EQ(tarvik::parseTextPrintSettings("\nacht\n30\n"),
              (tarvik::TextPrintSettings{"Courier New", 10, 30, 10}));
    // Found by fuzzing: a font name with a NUL was taken and could not be written back whole.
    EXPECT_EQ(tarvik::parseTextPrintSettings(std::string("\x04\0\x04\n12\n", 7)),
              (tarvik::TextPrintSettings{"Courier New", 12, 20, 10}));
    EXPECT_EQ(tarvik::parseTextPrintSettings("Arial\x1b[1m\n"), tarvik::TextPrintSettings{});
    EXPECT_EQ(tarvik::textPrintSettingsProblem({"Courier New", 3, 20, 10}),
              "Die Schriftgröße muss zwischen 4 und 72 Punkt liegen.");
    EXPECT_EQ(tarvik::textPrintSettingsProblem({"", 10, 20, 10}),
              "Bitte einen Schriftnamen (eine Zeile) eingeben.");
    EXPECT_EQ(tarvik::textPrintSettingsProblem({"Courier New", 10, -1, 10}),
              "Die Ränder müssen zwischen 0 und 100 mm liegen.");
}

TEST(PrintSettings, NumberingTexts) {
    EXPECT_EQ(tarvik::numberingText(NumberingKind::Page, 5, 3), "Seite 5\n");
    EXPECT_EQ(tarvik::numberingText(NumberingKind::Sheet, 5, 3), "Blatt 3\n");
    EXPECT_EQ(tarvik::numberingText(NumberingKind::SheetAndPage, 5, 3), "Blatt 3  Seite 5\n");
    EXPECT_EQ(tarvik::numberingText(NumberingKind::SheetBlankPage, 5, 3), "Blatt 3  Seite\n");
    EXPECT_EQ(tarvik::numberingText(NumberingKind::PageBlankSheet, 5, 3), "Seite 5  Blatt\n");
    for (int n = 0; n <= 4; ++n)
        EXPECT_EQ(tarvik::numberingKindCode(*tarvik::numberingKindOf(n)), n);
    EXPECT_EQ(tarvik::numberingKindOf(5), std::nullopt);
    EXPECT_EQ(tarvik::numberingChoice(NumberingKind::SheetAndPage), "Blatt ___  Seite ___");
}

TEST(PrintSettings, PageNumberingFileByteForByte) {
    EXPECT_TRUE(matchesFixture("pagenr_defaults", tarvik::encodeNumbering({})));
    const tarvik::Numbering n{5, 3, NumberingKind::SheetAndPage, true};
    EXPECT_TRUE(matchesFixture("pagenr_kind2_date", tarvik::encodeNumbering(n)));
    EXPECT_EQ(tarvik::decodeNumbering(bytes(fixturePath("pagenr_kind2_date"))), n);
    // Short files give the defaults; an unknown kind reads as "Seite".
    EXPECT_EQ(tarvik::decodeNumbering(bytesOf("\x05\x00")), tarvik::Numbering{});
    EXPECT_EQ(tarvik::decodeNumbering(bytesOf(std::string("\x02\x00\x02\x00\x09\x00\x00\x00", 8))),
              (tarvik::Numbering{2, 2, NumberingKind::Page, false}));
    testsupport::TempDir dir;
    EXPECT_EQ(tarvik::readNumbering(dir.str()), tarvik::Numbering{});
    EXPECT_EQ(tarvik::numberingProblem({30001, 1, NumberingKind::Page, false}),
              "Seiten- und Blattnummer müssen zwischen 0 und 30000 liegen.");
}

TEST(FormHeader, SerialisedStringsInTheirThreeLengthForms) {
    std::vector<std::uint8_t> out;
    tarvik::appendSerialString(out, "abc");
    EXPECT_EQ(out, bytesOf("\x03"
                           "abc"));
    out.clear();
    tarvik::appendSerialString(out, std::string(254, 'x'));
    EXPECT_EQ(out.size(), 255u);
    EXPECT_EQ(out[0], 254);
    out.clear();
    tarvik::appendSerialString(out, std::string(255, 'x'));
    ASSERT_EQ(out.size(), 258u);
    EXPECT_EQ(out[0], 255);
    EXPECT_EQ(out[1], 255); // 255 little-endian
    EXPECT_EQ(out[2], 0);
    out.clear();
    tarvik::appendSerialString(out, std::string(65533, 'x'));
    EXPECT_EQ(out.size(), 3u + 65533u);
    out.clear();
    tarvik::appendSerialString(out, std::string(65534, 'y'));
    ASSERT_EQ(out.size(), 7u + 65534u);
    EXPECT_EQ(std::vector<std::uint8_t>(out.begin(), out.begin() + 7),
              (std::vector<std::uint8_t>{255, 255, 255, 0xFE, 0xFF, 0, 0}));
    const auto back = tarvik::decodeSerialStrings(out, 2);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 1u);
    EXPECT_EQ(back->front(), std::string(65534, 'y'));
}

TEST(FormHeader, DamagedSerialStringsAreRefused) {
    EXPECT_EQ(tarvik::decodeSerialStrings(bytesOf("\x05"
                                                  "abc"),
                                          11),
              std::nullopt);
    EXPECT_EQ(tarvik::decodeSerialStrings(bytesOf("\xff\x01"), 11), std::nullopt);
    EXPECT_EQ(tarvik::decodeSerialStrings(bytesOf("\x01"
                                                  "a"
                                                  "\x01"
                                                  "b"),
                                          1),
              std::nullopt);
    EXPECT_EQ(tarvik::decodeFormHeader(bytesOf("\x01"
                                               "a")),
              std::nullopt); // one of eleven
}

TEST(FormHeader, FkopfByteForByteAndBack) {
    const tarvik::FormHeader f = exampleForm();
    EXPECT_TRUE(matchesFixture("fkopf_example", tarvik::encodeFormHeader(f)));
    EXPECT_EQ(tarvik::decodeFormHeader(bytes(fixturePath("fkopf_example"))), f);
    EXPECT_EQ(tarvik::formFieldLabel(FormField::FontSize), "Font-Größe");
    EXPECT_EQ(tarvik::formFieldLabel(FormField::FirstPage), "Nummer 1. Seite");
    EXPECT_EQ(tarvik::formFields().size(), 11u);
}

TEST(FormHeader, DialogOpensFromVersionAuthorAndFkopfWithToday) {
    testsupport::TempDir work, pos;
    const std::string w = work.str(), p = pos.str();
    const std::int64_t today = localNoon(2026, 3, 6);
    ASSERT_TRUE(slab::writeFileAtomic(w + "VERSION.PLATTE", "Platte 2.1 (Linux)\nzweite Zeile\n"));
    std::vector<std::uint8_t> author;
    tarvik::appendSerialString(author, "Bernd Beispiel");
    ASSERT_TRUE(slab::writeFileAtomic(w + "AUFSTELLER1", author));
    tarvik::FormHeader opened = tarvik::openFormHeader(w, p, today);
    EXPECT_EQ(opened[FormField::Program], "Platte 2.1 (Linux)");
    EXPECT_EQ(opened[FormField::Author], "Bernd Beispiel");
    EXPECT_EQ(opened[FormField::Date], "06.03.2026");
    EXPECT_EQ(opened[FormField::Structure], "");
    // The position's FKOPF fills every field; the date is today's all the same.
    ASSERT_TRUE(slab::writeFileAtomic(p + "FKOPF", bytes(fixturePath("fkopf_example"))));
    opened = tarvik::openFormHeader(w, p, localNoon(2027, 11, 24));
    EXPECT_EQ(opened[FormField::Author], "Anna Muster");
    EXPECT_EQ(opened[FormField::Member], "Decke über EG");
    EXPECT_EQ(opened[FormField::Date], "24.11.2027");
}

TEST(FormHeader, WeiterWritesFkopfFkpfadFseiteAndAufsteller) {
    testsupport::TempDir work, pos;
    const std::string w = work.str(), p = pos.str();
    const auto written = tarvik::writeFormHeader(w, p, exampleForm());
    EXPECT_FALSE(written.error);
    EXPECT_TRUE(written.failed.empty());
    EXPECT_TRUE(matchesFixture("fkopf_example", bytes(p + "FKOPF")));
    EXPECT_EQ(text(w + "FKPFAD"), p); // the position directory with its "/", no newline
    EXPECT_TRUE(matchesFixture("fseite_5", bytes(p + "FSEITE")));
    EXPECT_TRUE(matchesFixture("aufsteller1_anna", bytes(w + "AUFSTELLER1")));
}

TEST(FormHeader, FkopfThatCannotBeCreatedIsReported) {
    testsupport::TempDir work;
    const std::string missing = work.str() + "fehlt/";
    const auto written = tarvik::writeFormHeader(work.str(), missing, exampleForm());
    EXPECT_EQ(written.error, "Die Datei " + missing + "FKOPF kann nicht angelegt werden.");
    EXPECT_FALSE(managertest::exists(work.str() + "AUFSTELLER1"));
}

TEST(FormHeader, FirstPageMustBeAWholeNumber) {
    tarvik::FormHeader f = exampleForm();
    EXPECT_EQ(tarvik::formFirstPage(f), 5);
    f[FormField::FirstPage] = "";
    EXPECT_EQ(tarvik::formFirstPage(f), 0);
    f[FormField::FirstPage] = "0";
    EXPECT_EQ(tarvik::formFirstPage(f), 0);
    f[FormField::FirstPage] = "-1";
    EXPECT_EQ(tarvik::formFirstPage(f), std::nullopt);
    f[FormField::FirstPage] = "fünf";
    EXPECT_EQ(tarvik::formFirstPage(f), std::nullopt);
    EXPECT_EQ(tarvik::formHeaderProblem(f),
              "\"Nummer 1. Seite\" muss eine ganze Zahl von 0 bis 30000 sein.");
    f[FormField::FirstPage] = "1";
    f[FormField::Structure] = std::string(250, 'x');
    EXPECT_EQ(tarvik::formHeaderProblem(f), std::nullopt);
    f[FormField::Structure] = std::string(251, 'x');
    EXPECT_EQ(tarvik::formHeaderProblem(f), "Das Feld \"Bauwerk\" hat höchstens 250 Zeichen.");
}

} // namespace

// Found by fuzzing: the author of AUFSTELLER1 and the fields of FKOPF in Windows-1252 reached
// the form as bytes that are no UTF-8.
TEST(FormHeader, FieldsOfOlderFilesAreReadAsText) {
    testsupport::TempDir work, position;
    std::vector<std::uint8_t> author;
    tarvik::appendSerialString(author, "M\xfcller");
    ASSERT_TRUE(slab::writeFileAtomic(work.str() + "AUFSTELLER1", author));
    EXPECT_EQ(tarvik::openFormHeader(work.str(), position.str(), 0)[tarvik::FormField::Author],
              "Müller");
    std::vector<std::uint8_t> form;
    for (std::size_t k = 0; k < tarvik::kFormFieldCount; ++k)
        tarvik::appendSerialString(form, k == 2 ? "Br\xfc"
                                                  "cke"
                                                : "x");
    const auto header = tarvik::decodeFormHeader(form);
    ASSERT_TRUE(header);
    EXPECT_EQ((*header)[tarvik::FormField::Structure], "Brücke");
    EXPECT_EQ((*header)[tarvik::FormField::Author], "x");
}
