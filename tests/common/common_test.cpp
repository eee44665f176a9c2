// The shared helpers: command lines, positions, file lookup, records, formats, code pages.
#include "common/binary_io.hpp"
#include "common/codepage.hpp"
#include "common/command_line.hpp"
#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "common/utf8.hpp"
#include "tests/support/test_support.hpp"

#include <filesystem>
#include <fstream>

using namespace slab;

TEST(CommandLine, SplitsPositionDataPathAndThirdArgument) {
    auto cl = splitCommandLine(".P1 @/daten/");
    EXPECT_EQ(cl.position, ".P1");
    EXPECT_EQ(cl.dataPath, "/daten/");
    EXPECT_EQ(cl.third, "");

    cl = splitCommandLine(".P1 @/daten/ @3");
    EXPECT_EQ(cl.position, ".P1");
    EXPECT_EQ(cl.dataPath, "/daten/");
    EXPECT_EQ(cl.third, "3");
}

TEST(CommandLine, WithoutAtSignEverythingStaysEmpty) {
    auto cl = splitCommandLine(".P1 /daten/");
    EXPECT_EQ(cl.position, "");
    EXPECT_EQ(cl.dataPath, "");
    EXPECT_EQ(cl.third, "");
}

TEST(CommandLine, DropsExactlyOneCharacterBeforeEachAtSign) {
    // The rule drops the separating character whatever it is, and copes with "@" first.
    EXPECT_EQ(splitCommandLine(".P1x@/d/").position, ".P1");
    EXPECT_EQ(splitCommandLine("@/d/").position, "");
    EXPECT_EQ(splitCommandLine("@/d/").dataPath, "/d/");
    EXPECT_EQ(splitCommandLine(".P @@7").dataPath, "");
    EXPECT_EQ(splitCommandLine(".P @@7").third, "7");
}

TEST(CommandLine, JoinsArgumentsWithSingleBlanks) {
    const char* argv[] = {"vintor", ".P1", "@/daten/", "@3"};
    EXPECT_EQ(joinArguments(4, argv), ".P1 @/daten/ @3");
    EXPECT_EQ(joinArguments(1, argv), "");
}

TEST(Position, SuffixDirectoryAndLoadCaseNames) {
    EXPECT_EQ(positionSuffix("P1"), ".P1");
    EXPECT_EQ(positionDirectory("/daten/", "P1"), "/daten/SDIRFEMP1/");
    EXPECT_EQ(loadCaseFileName("ELEMENTE2LF", 3), "ELEMENTE2LF3");
    EXPECT_EQ(loadCaseFileName("KNOTEN2LF", 0), "KNOTEN2LF0");
    EXPECT_EQ(loadCaseFileName("Knoten3LF", 50), "Knoten3LF50");
}

TEST(Position, RefusesUnusableNames) {
    EXPECT_FALSE(positionNameError("P1"));
    EXPECT_TRUE(positionNameError(""));
    EXPECT_TRUE(positionNameError("P 1"));
    EXPECT_TRUE(positionNameError("a/b"));
    EXPECT_TRUE(positionNameError("."));
    EXPECT_TRUE(positionNameError(".."));
    EXPECT_TRUE(positionNameError(std::string("P\0", 2)));
}

TEST(FileLookup, FindsAnotherSpellingForReadingAndWriting) {
    testsupport::TempDir dir;
    ASSERT_TRUE(writeFileAtomic(dir.str() + "KNOTEN2LF1", std::string("alt")));
    EXPECT_EQ(resolveCaseInsensitive(dir.str() + "Knoten2LF1"), dir.str() + "KNOTEN2LF1");
    EXPECT_EQ(readFileText(dir.str() + "knoten2lf1").value_or(""), "alt");
    // Writing under another spelling replaces the existing file instead of adding a second.
    ASSERT_TRUE(writeFileAtomic(dir.str() + "Knoten2LF1", std::string("neu")));
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) {
        ++files;
        EXPECT_EQ(e.path().filename(), "KNOTEN2LF1");
    }
    EXPECT_EQ(files, 1);
    EXPECT_EQ(readFileText(dir.str() + "KNOTEN2LF1").value_or(""), "neu");
}

TEST(FileLookup, NewFilesKeepTheirSpellingAndExactMatchesWin) {
    testsupport::TempDir dir;
    EXPECT_EQ(resolveCaseInsensitive(dir.str() + "OUTPUTFEM.txt"), dir.str() + "OUTPUTFEM.txt");
    ASSERT_TRUE(writeFileAtomic(dir.str() + "info", std::string("a")));
    ASSERT_TRUE(writeFileAtomic(dir.str() + "Info", std::string("b")));
    EXPECT_EQ(readFileText(dir.str() + "Info").value_or(""), "b");
    EXPECT_FALSE(readFileBytes(dir.str() + "fehlt"));
    EXPECT_FALSE(fileExists(dir.str() + "fehlt"));
    EXPECT_TRUE(fileExists(dir.str() + "INFO"));
}

TEST(FileIo, EmptyContentsMakeAnEmptyFile) {
    testsupport::TempDir dir;
    ASSERT_TRUE(writeFileAtomic(dir.str() + "leer", std::vector<std::uint8_t>{}));
    EXPECT_EQ(readFileBytes(dir.str() + "leer").value_or(std::vector<std::uint8_t>{1}).size(), 0u);
}

// A directory where a file is expected is not a file, however the stream library opens it.
TEST(FileIo, ADirectoryIsNotReadAsAFile) {
    testsupport::TempDir dir;
    std::filesystem::create_directory(dir.path() / "ECHO_L.P1");
    EXPECT_FALSE(readFileBytes(dir.str() + "ECHO_L.P1"));
    EXPECT_FALSE(readFileText(dir.str() + "echo_l.p1"));
}

TEST(FileIo, FailedWriteLeavesNoFileBehind) {
    testsupport::TempDir dir;
    EXPECT_FALSE(writeFileAtomic(dir.str() + "gibtsnicht/datei", std::string("x")));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(BinaryIo, LittleEndianIntegersAndFloats) {
    std::uint8_t b[8] = {};
    putLE<std::int32_t>(b, -2);
    EXPECT_EQ(b[0], 0xFE);
    EXPECT_EQ(b[3], 0xFF);
    EXPECT_EQ(getLE<std::int32_t>(b), -2);
    putLE<std::int16_t>(b, 0x1234);
    EXPECT_EQ(b[0], 0x34);
    EXPECT_EQ(b[1], 0x12);
    putLE<float>(b, 1.0f); // 0x3F800000
    EXPECT_EQ(b[0], 0x00);
    EXPECT_EQ(b[3], 0x3F);
    putLE<double>(b, -2.0); // 0xC000000000000000
    EXPECT_EQ(b[7], 0xC0);
    EXPECT_EQ(getLE<double>(b), -2.0);
}

TEST(Format, PrintfFormatsOfAnyLength) {
    EXPECT_EQ(format("%i\t%.2lf", 7, 1.005), "7\t1.00");
    EXPECT_EQ(format("%.8lf", -0.000123456789), "-0.00012346");
    std::string longText(1000, 'x');
    EXPECT_EQ(format("%s!", longText.c_str()), longText + "!");
    std::string out = "a";
    appendFormat(out, "%03d", 5);
    EXPECT_EQ(out, "a005");
}

TEST(Format, DecimalCommaOutAndIn) {
    EXPECT_EQ(withDecimalComma(format("%.2f", 3.5)), "3,50");
    EXPECT_EQ(withDecimalComma("1.5e.3"), "1,5e.3"); // only the first point
    EXPECT_EQ(withDecimalPoint("1,5,0"), "1.5.0");
    EXPECT_EQ(parseNumber("2,75").value_or(0), 2.75);
    EXPECT_EQ(parseNumber(" -1.5e3 ").value_or(0), -1500.0);
    EXPECT_FALSE(parseNumber("1,5x"));
    EXPECT_FALSE(parseNumber(""));
    EXPECT_EQ(parseInteger(" 42").value_or(0), 42);
    EXPECT_FALSE(parseInteger("4.2"));
    EXPECT_FALSE(parseInteger("99999999999"));
}

TEST(Codepage, GermanLettersRoundTripThroughCp850) {
    const std::string utf8 = "Größe Ä ü ß";
    const std::string cp = utf8ToCp850(utf8);
    EXPECT_EQ(cp, "Gr\x94\xE1"
                  "e \x8E \x81 \xE1");
    EXPECT_EQ(cp850ToUtf8(cp), utf8);
    EXPECT_EQ(utf8ToCp850("€"), "?"); // no CP850 form
}

// Text fields of binary records hold Windows-1252, one byte per character: a title of 80
// characters with umlauts fills an 81-byte field whole; what does not fit is said.
TEST(BinaryIo, AnsiTextFieldsCountCharactersNotBytes) {
    std::string title;
    for (int i = 0; i < 20; ++i) title += "Äöüß";
    ASSERT_EQ(title.size(), 160u); // 80 characters, 160 bytes in UTF-8
    std::array<std::uint8_t, 81> field{};
    EXPECT_TRUE(putAnsiTextField(field.data(), field.size(), title));
    EXPECT_EQ(field[0], 0xC4);
    EXPECT_EQ(field[79], 0xDF);
    EXPECT_EQ(field[80], 0);
    EXPECT_EQ(getAnsiTextField(field.data(), field.size()), title);
    EXPECT_FALSE(ansiFieldProblem(title, 80));
    // One character more is cut after the 80th, and the caller is told.
    EXPECT_FALSE(putAnsiTextField(field.data(), field.size(), title + "x"));
    EXPECT_EQ(getAnsiTextField(field.data(), field.size()), title);
    EXPECT_EQ(ansiFieldProblem(title + "x", 80), "Der Text hat 81 Zeichen; höchstens 80 passen.");
    // The euro sign has a Windows-1252 byte; a Greek letter has none and becomes "?".
    EXPECT_TRUE(putAnsiTextField(field.data(), field.size(), "5 €"));
    EXPECT_EQ(field[2], 0x80);
    EXPECT_FALSE(putAnsiTextField(field.data(), field.size(), "Ω-Last"));
    EXPECT_EQ(getAnsiTextField(field.data(), field.size()), "?-Last");
    EXPECT_EQ(ansiFieldProblem("Ω-Last", 80),
              "Der Text enthält ein Zeichen, das nicht gespeichert werden kann (nur Zeichen des "
              "westeuropäischen Zeichensatzes).");
    EXPECT_EQ(utf8ToWindows1252("Überlagerung"), "\xDC" "berlagerung");
    EXPECT_FALSE(utf8ToWindows1252("Ω"));
}

TEST(Utf8, WellFormedTextsAndPrefixesBetweenCharacters) {
    EXPECT_TRUE(slab::isUtf8("Größe € \xf0\x9f\x99\x82"));
    EXPECT_FALSE(slab::isUtf8("Gr\xf6\xdf"
                              "e"));                // Windows-1252
    EXPECT_FALSE(slab::isUtf8("\xc0\x86"));         // overlong
    EXPECT_FALSE(slab::isUtf8("\xed\xa0\x80"));     // surrogate
    EXPECT_FALSE(slab::isUtf8("\xf4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(slab::isUtf8("ab\xe2\x82"));       // cut
    EXPECT_EQ(slab::utf8Prefix("aüb", 2), "a");
    EXPECT_EQ(slab::utf8Prefix("aüb", 3), "aü");
    EXPECT_EQ(slab::utf8Prefix("a€", 3), "a");
    EXPECT_EQ(slab::utf8Prefix("abc", 5), "abc");
    EXPECT_EQ(slab::utf8Prefix("€", 0), "");
}
