// The text window, the viewer, the document list "Texte", the archive windows and the overview
// picture of the console, on the offscreen platform.
#include "manager/document_list.hpp"
#include "manager/position_documents.hpp"
#include "scene/overview_scene.hpp"
#include "tests/manager/manager_fixtures.hpp"
#include "ui/tarvik/archive_windows.hpp"
#include "ui/tarvik/document_list_window.hpp"
#include "ui/tarvik/qt_console_outputs.hpp"
#include "ui/tarvik/text_windows.hpp"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using managertest::exists;
using managertest::FakePrinter;
using managertest::Workspace;

/// Accepts the next modal dialog as soon as it is shown.
void acceptNextDialog() {
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
    });
}

TEST(TextWindow, AMissingFileIsNamed) {
    testsupport::TempDir dir;
    ui::ScriptedUi box;
    EXPECT_EQ(tarvik::TextWindow::open(dir.str() + "D1.TXT", box), nullptr);
    ASSERT_EQ(box.messages.size(), 1u);
    EXPECT_EQ(box.messages[0].title, "Fehlende Eingabe");
    EXPECT_EQ(box.messages[0].text, "Die Datei " + dir.str() + "D1.TXT fehlt.");
}

TEST(TextWindow, AChangedTextIsSavedOnYes) {
    testsupport::TempDir dir;
    const std::string path = dir.str() + "ECHO_G.P1";
    ASSERT_TRUE(slab::writeFileAtomic(path, "erste\r\nzweite\n"));
    ui::ScriptedUi box;
    auto window = tarvik::TextWindow::open(path, box);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle().toStdString(), path);
    EXPECT_EQ(window->editor()->font().pointSize(), 10);
    EXPECT_FALSE(window->changed());
    // Closing an unchanged text asks nothing.
    window->reject();
    EXPECT_TRUE(box.messages.empty());
    window->editor()->appendPlainText("dritte");
    EXPECT_TRUE(window->changed());
    box.answerNext(ports::Answer::Yes);
    window->reject();
    ASSERT_EQ(box.messages.size(), 1u);
    EXPECT_EQ(box.messages[0].title, "Editierte Datei");
    EXPECT_EQ(box.messages[0].text, "Sollen die Änderungen gespeichert werden?");
    EXPECT_EQ(box.messages[0].buttons, ports::Buttons::YesNo);
    EXPECT_EQ(slab::readFileText(path), "erste\nzweite\ndritte\n");
}

TEST(TextWindow, NoKeepsTheFileAndAFileThatCannotBeWrittenKeepsTheText) {
    testsupport::TempDir dir;
    const std::string path = dir.str() + "D1.TXT";
    ASSERT_TRUE(slab::writeFileAtomic(path, "alt\n"));
    ui::ScriptedUi box;
    auto window = tarvik::TextWindow::open(path, box);
    ASSERT_NE(window, nullptr);
    window->editor()->setPlainText("neu");
    box.answerNext(ports::Answer::No);
    window->reject();
    EXPECT_EQ(slab::readFileText(path), "alt\n");
    // The directory goes away under the window: the text stays open to be saved elsewhere.
    window = tarvik::TextWindow::open(path, box);
    window->show();
    window->editor()->setPlainText("neu");
    std::filesystem::remove_all(dir.path());
    box.answerNext(ports::Answer::Yes);
    window->reject();
    EXPECT_EQ(box.messages.back().title, "Fehler");
    EXPECT_EQ(box.messages.back().text, "Die Datei " + path + " kann nicht angelegt werden.");
    EXPECT_TRUE(window->isVisible());
}

TEST(TextWindow, TheDosCharacterSetIsConvertedBothWays) {
    testsupport::TempDir dir;
    const std::string path = dir.str() + "ECHO_L.P1";
    ASSERT_TRUE(slab::writeFileAtomic(path, "Br\x81"
                                            "cke\n")); // ü in code page 850
    ui::ScriptedUi box;
    auto window = tarvik::TextWindow::open(path, box, true);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->text(), "Brücke");
    window->editor()->setPlainText("Brücke über");
    box.answerNext(ports::Answer::Yes);
    window->reject();
    EXPECT_EQ(slab::readFileText(path), "Br\x81"
                                        "cke \x81"
                                        "ber\n");
}

TEST(TextViewer, ReadOnlyAndTheMessagesOfAMissingFile) {
    testsupport::TempDir dir;
    ui::ScriptedUi box;
    EXPECT_EQ(tarvik::TextViewer::open(dir.str() + "D1", box), nullptr);
    EXPECT_EQ(box.texts().back(), "Es wurde noch keine Diskretisierung vorgenommen. Die Datei " +
                                      dir.str() + "D1 fehlt.");
    EXPECT_EQ(tarvik::TextViewer::open(dir.str() + "D3", box), nullptr);
    EXPECT_EQ(box.texts().back(), "Die Datei " + dir.str() + "D3 fehlt.");
    ASSERT_TRUE(slab::writeFileAtomic(dir.str() + "D3", "Ergebnisse\n"));
    auto viewer = tarvik::TextViewer::open(dir.str() + "D3", box);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "D3");
    EXPECT_TRUE(viewer->editor()->isReadOnly());
    EXPECT_EQ(viewer->editor()->font().pointSize(), 9);
    EXPECT_EQ(viewer->editor()->toPlainText(), "Ergebnisse");
}

/// Position P1 with three documents in its list.
struct ListFixture : ::testing::Test {
    Workspace s;
    std::string dir;
    void SetUp() override {
        s.settings("P1", s.data.str());
        dir = s.dir("P1");
        std::filesystem::create_directories(dir);
        const std::string prefix(12, ' ');
        ASSERT_TRUE(slab::writeFileAtomic(dir + "DATEIEN", prefix + "  D1  Abmessungen\n" + prefix +
                                                               "  D2  Lastfall 1\n" + prefix +
                                                               "  D3  Ergebnisse\n"));
        for (const char* d : {"D1.TXT", "D2.TXT", "D3"})
            ASSERT_TRUE(slab::writeFileAtomic(dir + d, std::string(d) + " Text\n"));
    }
};

TEST_F(ListFixture, TheListShowsTheHeadingAndTheEntries) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    FakePrinter printer;
    tarvik::DocumentListWindow window(docs, printer, s.ui);
    EXPECT_EQ(window.windowTitle(), "Texte");
    ASSERT_EQ(window.list()->count(), 4);
    EXPECT_EQ(window.list()->item(0)->text().toStdString(), tarvik::kDocumentListHeading);
    EXPECT_FALSE(window.list()->item(0)->flags() & Qt::ItemIsSelectable);
    EXPECT_EQ(window.list()->item(3)->text(), "  D3  Ergebnisse");
    EXPECT_EQ(window.list()->font().pointSize(), 9);
}

TEST_F(ListFixture, DeleteAsksAndRefreshes) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    FakePrinter printer;
    tarvik::DocumentListWindow window(docs, printer, s.ui);
    window.list()->item(2)->setSelected(true);
    window.list()->item(3)->setSelected(true);
    EXPECT_EQ(window.chosen(), (std::vector<std::size_t>{2, 3}));
    s.ui.answerNext(ports::Answer::Yes);
    window.deleteChosen();
    EXPECT_EQ(s.ui.texts().front(), "Sollen die Dateien gelöscht werden?");
    EXPECT_EQ(window.list()->count(), 2);
    EXPECT_FALSE(exists(dir + "D3"));
    EXPECT_TRUE(window.chosen().empty());
}

TEST_F(ListFixture, PrintGoesThroughTheNumberingDialogAndClearsTheChoice) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    FakePrinter printer;
    tarvik::DocumentListWindow window(docs, printer, s.ui);
    window.setDestination({tarvik::PrintTarget::PdfFile, s.work.str() + "t.pdf"});
    window.list()->item(1)->setSelected(true);
    acceptNextDialog();
    window.printChosen();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].documents.at(0).name, "D1");
    EXPECT_EQ(printer.jobs[0].firstPage, 1);
    EXPECT_TRUE(window.chosen().empty());
    EXPECT_EQ(tarvik::readNumbering(dir).page, 3);
}

TEST_F(ListFixture, PrintIntoAFileAsksForTheName) {
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    FakePrinter printer;
    tarvik::DocumentListWindow window(docs, printer, s.ui);
    window.list()->item(3)->setSelected(true);
    s.ui.chooseNext(std::string("texte.txt"));
    window.printChosenIntoFile();
    EXPECT_EQ(slab::readFileText(s.work.str() + "texte.txt"), "D3 Text\n\n");
    ASSERT_EQ(s.ui.asked.size(), 1u);
    EXPECT_EQ(s.ui.asked[0].title, "In eine Datei drucken");
    EXPECT_EQ(s.ui.asked[0].label, "Name der Datei");
}

TEST_F(ListFixture, ViewWithoutTheTextViewerOpensTheOwnViewer) {
    s.launcher.missing = {"DIVUD"};
    auto m = s.started();
    tarvik::PositionDocuments docs(m);
    FakePrinter printer;
    tarvik::DocumentListWindow window(docs, printer, s.ui);
    window.list()->setCurrentRow(2);
    acceptNextDialog();
    window.viewCurrent();
    ASSERT_EQ(s.launcher.starts.size(), 1u);
    EXPECT_EQ(s.launcher.starts[0].arguments, (std::vector<std::string>{dir + "D2.TXT"}));
    EXPECT_TRUE(s.ui.messages.empty());
}

TEST(TransferWindow, OneLinePerCopiedFile) {
    tarvik::Transfer transfer;
    transfer.lines = {"/a/ECHO_G.P1  --->  /b/ACADGEO.P1", "/a/ECHO_L.P1  --->  /b/ACADLAST.P1"};
    tarvik::TransferWindow window("Gespeicherte Dateien", transfer);
    EXPECT_EQ(window.windowTitle(), "Gespeicherte Dateien");
    ASSERT_EQ(window.list()->count(), 2);
    EXPECT_EQ(window.list()->item(1)->text(), "/a/ECHO_L.P1  --->  /b/ACADLAST.P1");
}

TEST(ArchiveCommands, LoadThroughTheChoosersAndOpenOnOk) {
    Workspace s;
    s.settings("P1", s.data.str());
    testsupport::TempDir folder;
    ASSERT_TRUE(slab::writeFileAtomic(folder.str() + "ACADGEO.P7", "g\n"));
    auto m = s.started();
    s.ui.chooseNext(folder.str() + "ACADGEO.P7");
    s.ui.chooseNext(std::string("P8"));
    acceptNextDialog();
    tarvik::loadPosition(m, s.ui, nullptr);
    EXPECT_EQ(s.ui.asked.at(0).label, "ACADGEO.*");
    EXPECT_EQ(s.ui.asked.at(1).title, "Archivierte Position laden");
    EXPECT_EQ(s.ui.asked.at(1).label, "Laden als Position");
    EXPECT_EQ(m.positionName(), "P8");
    EXPECT_TRUE(exists(s.dir("P8") + "ACADGEO.P8"));
    EXPECT_EQ(s.launcher.starts.back().program, "morvel");
}

TEST(ConsoleOutputs, TheOverviewPictureShowsGreyElementsOnTheLightGround) {
    testsupport::TempDir dir;
    scene::OverviewInput in;
    in.positionName = "P1";
    in.mesh.nodes = {{}, {0, 0}, {8, 0}, {8, 5.5}, {0, 5.5}};
    in.mesh.elements = {{}, {1, 2, 3, 4}};
    in.bounds = slab::WorldRect{0, 0, 8, 5.5f};
    tarvik::QtConsoleOutputs outputs;
    const auto area = outputs.pictureArea("a.png", true);
    EXPECT_DOUBLE_EQ(area.width, 1200);
    EXPECT_DOUBLE_EQ(area.height, 900);
    const auto a4 = outputs.pictureArea("a.pdf", true);
    EXPECT_GT(a4.width, a4.height);
    const auto overview =
        scene::overviewScene(in, area, scene::OverviewTarget::Printer, true, true);
    const std::string png = dir.str() + "plan.png";
    ASSERT_FALSE(outputs.writePicture(overview.scene, png, true));
    QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.width(), 1600);
    // The middle of the slab is grey 192, a point near the corner of the picture the ground 250.
    EXPECT_EQ(image.pixelColor(800, 600), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(100, 1150), QColor(250, 250, 250));
    EXPECT_FALSE(outputs.writePicture(overview.scene, dir.str() + "plan.svg", true));
    EXPECT_FALSE(outputs.writePicture(overview.scene, dir.str() + "plan.pdf", true));
    EXPECT_TRUE(outputs.writePicture(overview.scene, dir.str() + "plan.bmp", true));
}

} // namespace
