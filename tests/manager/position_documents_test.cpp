// The document list's commands on a position: delete with DATEIEN and LASTD rewritten, view,
// print with PAGENR counted on, print into a file, the form print, and the dialogs before them.
#include "manager/position_documents.hpp"
#include "tests/manager/manager_fixtures.hpp"
#include "tests/support/golden.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using managertest::bytes;
using managertest::exists;
using managertest::FakePrinter;
using managertest::Workspace;
using tarvik::PrintDestination;
using tarvik::PrintTarget;
using testsupport::matchesFixture;

const std::string kPrefix(12, ' ');

/// Position P1 with the documents D1.TXT, D2.TXT and D3 (plain) listed in DATEIEN.
struct DocumentsFixture : ::testing::Test {
    Workspace s;
    std::string dir;
    void SetUp() override {
        s.settings("P1", s.data.str());
        dir = s.dir("P1");
        std::filesystem::create_directories(dir);
        write("D1.TXT", " Position P1\n Datum: Freitag der 6. 3. 2026\n /daten/\n Knoten\n");
        write("D2.TXT", "Lastfall 1\nEigengewicht\n");
        write("D3", "Ergebnisse\n");
        write("DATEIEN", kPrefix + "  D1" + std::string(48, ' ') + "Abmessungen\n" + kPrefix +
                             "  D2       1                                         Lastfall 1\n" +
                             kPrefix +
                             "  D3       1                                         "
                             "Ergebnisse\n");
        ASSERT_TRUE(slab::writeFileAtomic(dir + "LASTD", tarvik::encodeLastDocument(3)));
    }
    void write(const std::string& name, const std::string& text) {
        ASSERT_TRUE(slab::writeFileAtomic(dir + name, text));
    }
    std::string read(const std::string& name) {
        return slab::readFileText(dir + name).value_or("<fehlt>");
    }
};

TEST_F(DocumentsFixture, ListsTheEntriesOfDateien) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    const auto entries = docs.entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], "  D1" + std::string(48, ' ') + "Abmessungen");
    EXPECT_EQ(tarvik::documentNumber(entries[2]), 3);
}

TEST_F(DocumentsFixture, DeletingThePlainD3RemovesFileAndEntryAndLowersLastd) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    s.ui.answerNext(ports::Answer::Yes);
    EXPECT_TRUE(docs.remove({3}));
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_EQ(s.ui.messages[0].title, " ");
    EXPECT_EQ(s.ui.messages[0].text, "Soll die Datei gelöscht werden?");
    EXPECT_EQ(s.ui.messages[0].buttons, ports::Buttons::YesNo);
    EXPECT_FALSE(exists(dir + "D3"));
    EXPECT_EQ(docs.entries().size(), 2u);
    EXPECT_EQ(read("DATEIEN"), kPrefix + "  D1" + std::string(48, ' ') + "Abmessungen\n" + kPrefix +
                                   "  D2       1                                         "
                                   "Lastfall 1\n");
    EXPECT_EQ(tarvik::decodeLastDocument(bytes(dir + "LASTD")), 2);
}

TEST_F(DocumentsFixture, DeletingSeveralAsksOnceAndKeepsTheOthers) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    s.ui.answerNext(ports::Answer::Yes);
    EXPECT_TRUE(docs.remove({3, 2, 3}));
    EXPECT_EQ(s.ui.texts(), (std::vector<std::string>{"Sollen die Dateien gelöscht werden?"}));
    EXPECT_FALSE(exists(dir + "D2.TXT"));
    EXPECT_TRUE(exists(dir + "D1.TXT"));
    EXPECT_EQ(docs.entries().size(), 1u);
    EXPECT_EQ(tarvik::decodeLastDocument(bytes(dir + "LASTD")), 1);
}

TEST_F(DocumentsFixture, AnsweringNoChangesNothing) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    const std::string before = read("DATEIEN");
    s.ui.answerNext(ports::Answer::No);
    EXPECT_FALSE(docs.remove({1}));
    EXPECT_TRUE(exists(dir + "D1.TXT"));
    EXPECT_EQ(read("DATEIEN"), before);
}

TEST_F(DocumentsFixture, AnEntryWithoutItsDocumentStaysAndIsNamed) {
    write("DATEIEN", kPrefix + "  D1  Abmessungen\n" + kPrefix + "  D7  verloren\n");
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    s.ui.answerNext(ports::Answer::Yes);
    EXPECT_FALSE(docs.remove({2}));
    EXPECT_EQ(s.ui.texts().back(),
              "Nicht gelöscht (kein Dokument D<Nummer> dazu gefunden): D7  verloren");
    EXPECT_EQ(docs.entries().size(), 2u);
}

TEST_F(DocumentsFixture, ADamagedLineNeverReachesOutsideThePositionDirectory) {
    write("DATEIEN", kPrefix + "D../x\n" + kPrefix + "  D1  Abmessungen\n");
    ASSERT_TRUE(slab::writeFileAtomic(s.data.str() + "x", "fremd"));
    ASSERT_TRUE(slab::writeFileAtomic(s.data.str() + "x.TXT", "fremd"));
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    s.ui.answerNext(ports::Answer::Yes);
    EXPECT_FALSE(docs.remove({1}));
    EXPECT_TRUE(exists(s.data.str() + "x"));
    EXPECT_TRUE(exists(s.data.str() + "x.TXT"));
    FakePrinter printer;
    docs.print({1}, printer, {});
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_EQ(s.ui.texts().back(), "Der Eintrag \"D../x\" nennt kein Dokument D<Nummer>.");
    EXPECT_EQ(docs.view(1), std::nullopt);
    EXPECT_TRUE(s.launcher.starts.empty());
}

TEST_F(DocumentsFixture, AListThatCannotBeRewrittenIsReportedAndTheProgramGoesOn) {
    // A directory in the way of the temporary file makes the rewrite fail.
    std::filesystem::create_directories(dir + "DATEIEN.tmp" + std::to_string(::getpid()));
    const std::string before = read("DATEIEN");
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    s.ui.answerNext(ports::Answer::Yes);
    EXPECT_TRUE(docs.remove({3}));
    EXPECT_EQ(s.ui.messages.back().title, "Fehler");
    EXPECT_EQ(s.ui.messages.back().text,
              "Die Datei " + dir +
                  "DATEIEN kann nicht geschrieben werden. Die Dokumentliste bleibt, wie sie war; "
                  "die gelöschten Dokumente stehen noch darin.");
    // The list is the one on disk; LASTD is left as it was.
    EXPECT_EQ(read("DATEIEN"), before);
    EXPECT_EQ(docs.entries().size(), 3u);
    EXPECT_EQ(tarvik::decodeLastDocument(bytes(dir + "LASTD")), 3);
    // The manager still works.
    EXPECT_FALSE(m.protocol().size());
}

TEST_F(DocumentsFixture, ViewStartsTheTextViewerOrHandsThePathToTheOwnViewer) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    EXPECT_EQ(docs.view(1), std::nullopt);
    ASSERT_EQ(s.launcher.starts.size(), 1u);
    EXPECT_EQ(s.launcher.starts[0].program, "DIVUD");
    EXPECT_EQ(s.launcher.starts[0].arguments, (std::vector<std::string>{dir + "D1.TXT"}));
    EXPECT_EQ(s.launcher.starts[0].wait, ports::Wait::No);
    s.launcher.missing.insert("DIVUD");
    EXPECT_EQ(docs.view(3), dir + "D3");
    EXPECT_EQ(docs.view(4), std::nullopt);
    EXPECT_EQ(s.ui.texts().back(), "Die Dokumentliste hat keinen Eintrag 4 (sie hat 3).");
}

TEST_F(DocumentsFixture, NumberingDialogShowsTheStoredNumbersLessOne) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    // Without PAGENR nothing was printed yet: the first page is page 1, not 0.
    EXPECT_EQ(docs.openNumbering().numbering.page, 1);
    EXPECT_EQ(docs.openNumbering().numbering.sheet, 1);
    ASSERT_TRUE(
        slab::writeFileAtomic(dir + "PAGENR", bytes(testsupport::fixturePath("pagenr_4_4"))));
    const tarvik::NumberingDialog opened = docs.openNumbering();
    EXPECT_EQ(opened.numbering.page, 3);
    EXPECT_EQ(opened.numbering.sheet, 3);
    EXPECT_EQ(opened.text, tarvik::TextPrintSettings{});
    tarvik::NumberingDialog entered{{5, 3, tarvik::NumberingKind::SheetAndPage, true},
                                    {"Courier New", 10, 20, 10}};
    EXPECT_TRUE(docs.storeNumbering(entered));
    EXPECT_TRUE(matchesFixture("pagenr_kind2_date", bytes(dir + "PAGENR")));
    EXPECT_TRUE(matchesFixture("drucker1_ini_defaults", bytes(s.work.str() + "DRUCKER1.INI")));
    entered.text.size = 100;
    EXPECT_FALSE(docs.storeNumbering(entered));
    EXPECT_EQ(s.ui.texts().back(), "Die Schriftgröße muss zwischen 4 und 72 Punkt liegen.");
}

TEST_F(DocumentsFixture, TwoPagesFromPageOneStoreFour) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    FakePrinter printer;
    printer.linesPerPage = 3; // page line, rule and one document line
    const auto outcome = docs.print({2}, printer, {PrintTarget::PdfFile, "/tmp/a.pdf"});
    EXPECT_EQ(outcome.status, tarvik::PrintStatus::Printed);
    EXPECT_EQ(outcome.pages, 2);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.destinations[0].file, "/tmp/a.pdf");
    EXPECT_EQ(printer.jobs[0].firstPage, 1);
    EXPECT_EQ(printer.jobs[0].head.positionName, "P1");
    EXPECT_TRUE(matchesFixture("pagenr_4_4", bytes(dir + "PAGENR")));
    // The numbering dialog then shows 3 as the first page.
    EXPECT_EQ(docs.openNumbering().numbering.page, 3);
}

TEST_F(DocumentsFixture, PrintTakesHeaderLinesDateAndThePlainFormFirst) {
    write("D2", "alte Form ohne Endung\n");
    ASSERT_TRUE(tarvik::writeHeaderLines(s.work.str(), {"Büro", "Wohnhaus", 2}).empty());
    ASSERT_TRUE(slab::writeFileAtomic(
        dir + "PAGENR", tarvik::encodeNumbering({7, 2, tarvik::NumberingKind::Sheet, true})));
    tarvik::ManagerOptions options;
    options.clock = [] { return std::int64_t{1772798400}; }; // 2026-03-06 12:00 UTC
    auto m = s.started(options);
    tarvik::PositionDocuments docs(m);
    FakePrinter printer;
    docs.print({1, 2}, printer, {});
    ASSERT_EQ(printer.jobs.size(), 1u);
    const tarvik::PrintJob& job = printer.jobs[0];
    EXPECT_EQ(job.head.headerLines, (std::vector<std::string>{"Büro", "Wohnhaus"}));
    EXPECT_EQ(job.head.date, tarvik::formDate(1772798400));
    EXPECT_EQ(job.head.kind, tarvik::NumberingKind::Sheet);
    EXPECT_EQ(job.firstPage, 7);
    EXPECT_EQ(job.firstSheet, 2);
    ASSERT_EQ(job.documents.size(), 2u);
    EXPECT_EQ(job.documents[0].number, 1);
    EXPECT_EQ(job.documents[0].lines.size(), 4u);
    EXPECT_EQ(job.documents[1].lines, (std::vector<std::string>{"alte Form ohne Endung"}));
    EXPECT_EQ(tarvik::readNumbering(dir),
              (tarvik::Numbering{10, 5, tarvik::NumberingKind::Sheet, true}));
}

TEST_F(DocumentsFixture, AMissingDocumentEndsTheDocumentsBeforeIt) {
    std::filesystem::remove(dir + "D2.TXT");
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    FakePrinter printer;
    docs.print({1, 2, 3}, printer, {});
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].documents.size(), 1u);
    EXPECT_EQ(s.ui.messages.back().title, "Fehlende Eingabe");
    EXPECT_EQ(s.ui.messages.back().text,
              "Das Dokument D2 fehlt (weder " + dir + "D2 noch " + dir + "D2.TXT).");
}

TEST_F(DocumentsFixture, AFailedOrCancelledPrintLeavesThePageNumbers) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    FakePrinter printer;
    printer.status = tarvik::PrintStatus::Failed;
    printer.error = "Es ist kein Drucker eingerichtet.";
    docs.print({2}, printer, {});
    EXPECT_EQ(s.ui.texts().back(), "Es ist kein Drucker eingerichtet.");
    EXPECT_FALSE(exists(dir + "PAGENR"));
    printer.status = tarvik::PrintStatus::Cancelled;
    const std::size_t messages = s.ui.messages.size();
    docs.print({2}, printer, {PrintTarget::ChoosePrinter, ""});
    EXPECT_EQ(s.ui.messages.size(), messages);
    EXPECT_FALSE(exists(dir + "PAGENR"));
}

TEST_F(DocumentsFixture, ACancelledPrintPutsBackTheNumbersOfTheDialog) {
    ASSERT_TRUE(
        slab::writeFileAtomic(dir + "PAGENR", bytes(testsupport::fixturePath("pagenr_4_4"))));
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    FakePrinter printer;
    printer.status = tarvik::PrintStatus::Cancelled;
    // The dialog shows 3 and stores it; the print is cancelled in the print dialog.
    docs.print({2}, printer, {PrintTarget::ChoosePrinter, ""}, docs.openNumbering());
    EXPECT_TRUE(matchesFixture("pagenr_4_4", bytes(dir + "PAGENR")));
    EXPECT_EQ(docs.openNumbering().numbering.page, 3);
    // Without PAGENR before, none is left behind.
    std::filesystem::remove(dir + "PAGENR");
    docs.print({2}, printer, {PrintTarget::ChoosePrinter, ""}, docs.openNumbering());
    EXPECT_FALSE(exists(dir + "PAGENR"));
    // Printed, the dialog's numbers are the first page's.
    printer.status = tarvik::PrintStatus::Printed;
    tarvik::NumberingDialog dialog = docs.openNumbering();
    dialog.numbering.page = 7;
    const auto outcome = docs.print({2}, printer, {}, dialog);
    EXPECT_EQ(printer.jobs.back().firstPage, 7);
    EXPECT_EQ(outcome.nextPage, 8);
    EXPECT_EQ(tarvik::readNumbering(dir).page, 9);
}

TEST_F(DocumentsFixture, PrintIntoAFileAppendsEachDocumentAndAnEmptyLine) {
    write("D2", "alte Form\n");
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    EXPECT_TRUE(docs.printIntoFile("alle.txt", {3, 2}));
    EXPECT_EQ(slab::readFileText(s.work.str() + "alle.txt"), "alte Form\n\nErgebnisse\n\n");
    EXPECT_FALSE(docs.printIntoFile(" ", {1}));
    EXPECT_EQ(s.ui.texts().back(), "Bitte den Namen der Datei eingeben.");
    EXPECT_FALSE(docs.printIntoFile(s.work.str() + "fehlt/a.txt", {1}));
    EXPECT_EQ(s.ui.texts().back(),
              "Die Datei " + s.work.str() + "fehlt/a.txt kann nicht angelegt werden.");
}

TEST_F(DocumentsFixture, FormPrintStartsTheTextPrintingToolOnEachDocument) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    tarvik::FormHeader form = docs.openForm();
    form[tarvik::FormField::Author] = "Anna Muster";
    form[tarvik::FormField::FirstPage] = "5";
    ASSERT_TRUE(docs.storeForm(form));
    EXPECT_EQ(slab::readFileText(s.work.str() + "FKPFAD"), dir);
    FakePrinter printer;
    const auto outcome = docs.formPrint({1, 3}, printer, {});
    EXPECT_EQ(outcome.started, 2);
    EXPECT_FALSE(outcome.own);
    ASSERT_EQ(s.launcher.starts.size(), 2u);
    EXPECT_EQ(s.launcher.starts[0].program, "kalder");
    EXPECT_EQ(s.launcher.starts[0].arguments, (std::vector<std::string>{dir + "D1.TXT", "/p"}));
    EXPECT_EQ(s.launcher.starts[1].arguments, (std::vector<std::string>{dir + "D3", "/p"}));
    EXPECT_TRUE(printer.jobs.empty());
}

TEST_F(DocumentsFixture, WithoutTheToolTheOwnPrinterPrintsTheFormHeader) {
    s.launcher.missing.insert("kalder");
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    tarvik::FormHeader form = docs.openForm();
    form[tarvik::FormField::Date] = "01.02.2026";
    form[tarvik::FormField::FirstPage] = "5";
    form[tarvik::FormField::FontSize] = "12";
    ASSERT_TRUE(docs.storeForm(form));
    FakePrinter printer;
    const auto outcome = docs.formPrint({2}, printer, {});
    ASSERT_TRUE(outcome.own);
    EXPECT_EQ(outcome.own->pages, 1);
    ASSERT_EQ(printer.jobs.size(), 1u);
    ASSERT_TRUE(printer.jobs[0].head.form);
    EXPECT_EQ((*printer.jobs[0].head.form)[tarvik::FormField::Date], "01.02.2026");
    EXPECT_EQ(printer.jobs[0].firstPage, 5);
    EXPECT_EQ(printer.jobs[0].text.size, 12);
    // The form print leaves the page numbering of the normal print alone.
    EXPECT_FALSE(exists(dir + "PAGENR"));
    // Without a first page number the form's pages start at 1.
    form[tarvik::FormField::FirstPage] = "";
    ASSERT_TRUE(docs.storeForm(form));
    docs.formPrint({2}, printer, {});
    EXPECT_EQ(printer.jobs.back().firstPage, 1);
}

TEST_F(DocumentsFixture, HeaderLinesDialog) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    EXPECT_EQ(docs.openHeaderLines(), tarvik::HeaderLines{});
    EXPECT_TRUE(docs.storeHeaderLines({"Ingenieurbüro Muster", "", 1}));
    EXPECT_TRUE(matchesFixture("inc1_buero", bytes(s.work.str() + "INC1")));
    EXPECT_FALSE(docs.storeHeaderLines({"a", "b", 4}));
    EXPECT_EQ(s.ui.texts().back(), "Die Zahl der Kopfzeilen muss 0, 1 oder 2 sein.");
}

TEST(PositionDocuments, WithoutAPositionNothingHappensButAMessage) {
    Workspace s;
    s.settings("P1", s.data.str());
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "EXT", tarvik::encodeField("")));
    auto m = s.started();
    ASSERT_EQ(m.positionName(), "");
    tarvik::PositionDocuments docs(m);
    EXPECT_TRUE(docs.entries().empty());
    FakePrinter printer;
    docs.print({1}, printer, {});
    EXPECT_EQ(s.ui.texts().back(),
              "Es ist keine Position gewählt. Bitte zuerst eine Position anlegen oder öffnen.");
    EXPECT_TRUE(printer.jobs.empty());
}

} // namespace
