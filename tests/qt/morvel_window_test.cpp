// The geometry editor's window on the offscreen platform: the generation dialog, deletion by a
// dragged window and by clicks, the support mode with its dialog, zoom, the switches, and the
// files saved, compared with the same session on the console.
#include "common/file_io.hpp"
#include "geometry/settings.hpp"
#include "tests/support/test_support.hpp"
#include "ui/morvel/morvel_console.hpp"
#include "ui/morvel/morvel_window.hpp"
#include "ui/qt/scene_export.hpp"
#include "ui/qt/scene_renderer.hpp"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <sstream>

using morvel::Action;
using morvel::MorvelWindow;

namespace {

struct WindowOnPosition {
    testsupport::TempDir data, work;
    MorvelWindow window;
    WindowOnPosition() {
        EXPECT_TRUE(window.start(".P1 @" + data.str(), work.str()));
        window.resize(1000, 700);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    std::string dir() const { return data.str() + "SDIRFEMP1/"; }
    /// The widget position of a world point.
    QPoint at(double x, double y) const {
        const auto p = window.drawing()->mapping().toDevice({x, y});
        return QPoint(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)));
    }
    void generate(int nx, int ny) {
        morvel::GenerationDialog dialog(&window, window.editor());
        dialog.field("nx")->setText(QString::number(nx));
        dialog.field("ny")->setText(QString::number(ny));
        dialog.field("dx")->setText("1");
        dialog.field("dy")->setText("1");
        dialog.field("e")->setText("30000000");
        dialog.field("nu")->setText("0,2");
        dialog.field("d")->setText("0,2");
        EXPECT_TRUE(dialog.confirm());
        window.run(Action::Fit);
    }
};

std::string consoleSession(const std::string& data, const std::string& work,
                           const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    ui::LineInput input(in);
    morvel::runConsole(".P1 @" + data, work, input, out);
    return out.str();
}

} // namespace

TEST(MorvelWindow, MenusToolBarsAndPrompt) {
    WindowOnPosition w;
    EXPECT_EQ(w.window.windowTitle(), "Position P1");
    ASSERT_NE(w.window.action(Action::Save), nullptr);
    EXPECT_EQ(w.window.action(Action::Save)->text(), "S&peichern");
    EXPECT_EQ(w.window.action(Action::Save)->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(w.window.action(Action::DeleteWindow)->toolTip(),
              "Fenster aufziehen, dann werden alle Elemente im Fenster gelöscht.");
    EXPECT_FALSE(w.window.action(Action::Save)->icon().isNull());
    EXPECT_EQ(w.window.promptText(), " Am Ende der Eingabe sollten Sie die Platte speichern!");
    EXPECT_EQ(w.window.snapText(), "Fangradius = 5 cm  Tol = 5 cm");
    // Dialog buttons and console-only commands have no QAction of the window.
    EXPECT_EQ(w.window.action(Action::SetRow), nullptr);
}

TEST(MorvelWindow, GenerateDeleteSupportAndSaveAsOnTheConsole) {
    WindowOnPosition w;
    w.generate(12, 8);
    EXPECT_EQ(w.window.editor().model().elementCount, 96);
    EXPECT_EQ(w.window.view().visible(), (slab::WorldRect{0, 0, 12, 8}));

    // The deletion window: entering the mode saves, a dragged rectangle deletes.
    w.window.action(Action::DeleteWindow)->trigger();
    EXPECT_TRUE(slab::fileExists(w.dir() + "KNOTEN1"));
    EXPECT_EQ(w.window.promptText(),
              " Ziehen Sie ein Fenster auf! Alle Elemente, die ganz in dem Fenster liegen, werden "
              "gelöscht! ");
    QTest::mousePress(w.window.drawing(), Qt::LeftButton, {}, w.at(3.5, 2.5));
    QTest::mouseMove(w.window.drawing(), w.at(5.0, 4.0));
    QTest::mouseRelease(w.window.drawing(), Qt::LeftButton, {}, w.at(6.5, 5.5));
    // The window 3.5..6.5 × 2.5..5.5 holds the four elements of 4..6 × 3..5 wholly.
    EXPECT_EQ(w.window.editor().model().elementCount, 96 - 4);
    w.window.action(Action::DeleteWindow)->trigger();

    // The support mode: hinged on the whole boundary, clamped on the left edge at y = 4.5.
    w.window.action(Action::Supports)->trigger();
    ASSERT_NE(w.window.supportDialog(), nullptr);
    EXPECT_EQ(w.window.promptText(),
              " Wählen Sie eine Lagerart und klicken Sie auf die entsprechenden Abschnitte!");
    w.window.supportDialog()->wholeBoundary();
    w.window.supportDialog()->choose(slab::EdgeSupport::Clamped);
    QTest::mouseClick(w.window.drawing(), Qt::LeftButton, {}, w.at(0.0, 4.5));
    w.window.run(Action::EndSupports);
    EXPECT_EQ(w.window.supportDialog(), nullptr);
    w.window.action(Action::Save)->trigger();

    // The same session on the console writes the same model files.
    testsupport::TempDir data, work;
    consoleSession(data.str(), work.str(),
                   "geometrie nx=12 ny=8 dx=1 dy=1 e=30000000 nu=0,2 d=0,2\n"
                   "anpassen\nmehrere\nfenster 3,5 2,5 6,5 5,5\nmehrere\n"
                   "lager art=gelenkig\nrand\nende\nlager art=eingespannt\nkante 0 4,5\nende\n"
                   "speichern\n");
    for (const char* file : {"PARAMETER", "KNOTEN1", "ELEMENTE1", "FEDER1", "BETTUNG1",
                             "ECHO_G.P1", "CMAC.P1", "CWIN.P1"})
        EXPECT_EQ(slab::readFileBytes(w.dir() + file),
                  slab::readFileBytes(data.str() + "SDIRFEMP1/" + file))
            << file;
}

TEST(MorvelWindow, SingleDeletionByClickAndRightButton) {
    WindowOnPosition w;
    w.generate(4, 3);
    w.window.action(Action::DeleteSingle)->trigger();
    EXPECT_TRUE(w.window.action(Action::DeleteSingle)->isChecked());
    QTest::mouseClick(w.window.drawing(), Qt::LeftButton, {}, w.at(1.5, 1.5));
    EXPECT_EQ(w.window.editor().model().elementCount, 11);
    // A click outside the slab deletes nothing; the right button ends the mode.
    QTest::mouseClick(w.window.drawing(), Qt::LeftButton, {}, w.at(4.3, 1.5));
    EXPECT_EQ(w.window.editor().model().elementCount, 11);
    QTest::mouseClick(w.window.drawing(), Qt::RightButton, {}, w.at(1.5, 1.5));
    EXPECT_EQ(w.window.editor().mode(), morvel::Mode::None);
    EXPECT_FALSE(w.window.action(Action::DeleteSingle)->isChecked());
}

TEST(MorvelWindow, ZoomZoomOutAndCursorPosition) {
    WindowOnPosition w;
    w.generate(10, 5);
    w.window.action(Action::Zoom)->trigger();
    EXPECT_EQ(w.window.promptText(),
              " Linke Maustaste drücken! Gedrückt lassen! Fenster aufziehen! Loslassen!");
    QTest::mousePress(w.window.drawing(), Qt::LeftButton, {}, w.at(6, 4));
    QTest::mouseMove(w.window.drawing(), w.at(3, 2));
    QTest::mouseRelease(w.window.drawing(), Qt::LeftButton, {}, w.at(2, 1));
    const auto v = w.window.view().visible();
    EXPECT_NEAR(v.x1, 2, 0.05);
    EXPECT_NEAR(v.y1, 1, 0.05);
    EXPECT_NEAR(v.x2, 6, 0.05);
    EXPECT_NEAR(v.y2, 4, 0.05);
    w.window.action(Action::Zoom)->trigger();
    w.window.action(Action::Fit)->trigger();
    w.window.action(Action::ZoomOut)->trigger();
    EXPECT_EQ(w.window.view().visible(), (slab::WorldRect{-5, -2.5f, 15, 7.5f}));
    QTest::mouseMove(w.window.drawing(), w.at(0, 0));
    const auto under = w.window.drawing()->toWorld(w.at(0, 0));
    EXPECT_NEAR(under.x, 0, 0.05);
    EXPECT_EQ(w.window.cursorText().toStdString(), morvel::MorvelView::cursorText(under));
}

TEST(MorvelWindow, SwitchesChangeThePictureAndAreKept) {
    WindowOnPosition w;
    w.generate(3, 3);
    w.window.action(Action::DeleteSingle)->trigger();
    QTest::mouseClick(w.window.drawing(), Qt::LeftButton, {}, w.at(1.5, 1.5));
    w.window.action(Action::DeleteSingle)->trigger();
    w.window.action(Action::ColouredPlate)->trigger();
    EXPECT_TRUE(w.window.action(Action::ColouredPlate)->isChecked());
    const QImage image = w.window.drawing()->grab().toImage();
    const QPoint element = w.at(0.5, 0.5), opening = w.at(1.5, 1.5);
    EXPECT_EQ(QColor(image.pixel(element)), QColor(222, 210, 170));
    EXPECT_EQ(QColor(image.pixel(opening)), QColor(Qt::white));
    w.window.action(Action::NodeNumbers)->trigger();
    w.window.action(Action::ElementNumbers)->trigger();
    const auto texts = w.window.drawing()->sceneShown().all<scene::Text>();
    EXPECT_EQ(texts.size(), 16u + 8u);
    const auto memory = morvel::decodeMemory(
        slab::readFileBytes(w.work.str() + "MORVELMEM5").value_or(std::vector<std::uint8_t>{}));
    EXPECT_EQ(memory.colouredPlate, morvel::Switch::On);
    EXPECT_EQ(memory.elementNumbers, morvel::Switch::On);
}

TEST(MorvelWindow, ConsolePicturesThroughQt) {
    testsupport::TempDir data, work;
    const std::string png = work.str() + "plan.png", pdf = work.str() + "plan.pdf";
    std::istringstream in("geometrie nx=10 ny=5 dx=1 dy=1\nmehrere\nfenster 3,9 0,9 6,1 3,1\n"
                          "mehrere\nfarbig\nzeichnung " + png + " breite=800 hoehe=400\n"
                          "drucken " + pdf + "\ndrucken " + work.str() + "plan.png\n");
    std::ostringstream out;
    ui::LineInput input(in);
    qtui::QtPictureOutput pictures;
    morvel::runConsole(".P1 @" + data.str(), work.str(), input, out, &pictures);
    EXPECT_NE(out.str().find("Zeichnung geschrieben: " + png), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Fehler: Gedruckt wird in eine Datei mit der Endung .pdf."),
              std::string::npos);
    const QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.width(), 800);
    // The plan of 10 m × 5 m fills the 800 × 400 picture within its margin of 16 px: the
    // opening (4..6 × 1..3) stays blank, the element beside it is filled.
    const auto mapping = qtui::fittedMapping({0, 0, 10, 5}, {0, 0, 800, 400}, 16);
    auto pixel = [&](double x, double y) {
        const auto d = mapping.toDevice({x, y});
        return QColor(image.pixel(static_cast<int>(d.x), static_cast<int>(d.y)));
    };
    EXPECT_EQ(pixel(5, 2), QColor(Qt::white));
    EXPECT_EQ(pixel(3.5, 2.2), QColor(222, 210, 170));
    const std::string printed = slab::readFileText(pdf).value_or("");
    EXPECT_EQ(printed.substr(0, 5), "%PDF-");
    // One page; the wide drawing turns it to landscape only with the orientation switch on.
    auto pages = [](const std::string& text) {
        std::size_t n = 0;
        for (std::size_t at = text.find("/Type /Page\n"); at != std::string::npos;
             at = text.find("/Type /Page\n", at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(pages(printed), 1u);
    EXPECT_NE(printed.find("/MediaBox [0 0 595.000000 842.000000]"), std::string::npos);
    std::istringstream again("hochquer\ndrucken " + pdf + "\n");
    ui::LineInput input2(again);
    morvel::runConsole(".P1 @" + data.str(), work.str(), input2, out, &pictures);
    EXPECT_NE(slab::readFileText(pdf).value_or("").find("/MediaBox [0 0 842.000000 595.000000]"),
              std::string::npos);
}

// With SLAB_SCREENSHOTS set to a folder, the window and its dialogs are written there as PNGs
// for a look by eye.
TEST(MorvelWindow, ScreenshotsForALook) {
    const char* folder = std::getenv("SLAB_SCREENSHOTS");
    if (!folder) GTEST_SKIP() << "SLAB_SCREENSHOTS names no folder";
    WindowOnPosition w;
    w.window.resize(1280, 860);
    w.generate(12, 8);
    w.window.action(Action::ColouredPlate)->trigger();
    w.window.action(Action::ElementNumbers)->trigger();
    const std::string dir = std::string(folder) + "/";
    w.window.grab().save(QString::fromStdString(dir + "morvel_window.png"));
    morvel::GenerationDialog generation(&w.window, w.window.editor());
    generation.adjustSize();
    generation.grab().save(QString::fromStdString(dir + "morvel_generation.png"));
    w.window.action(Action::Supports)->trigger();
    w.window.supportDialog()->adjustSize();
    w.window.supportDialog()->grab().save(QString::fromStdString(dir + "morvel_supports.png"));
    w.window.run(Action::EndSupports);
    std::unique_ptr<qtui::GridDialog> table(
        morvel::makeTableDialog(&w.window, w.window.editor(), morvel::TableKind::Nodes));
    table->show();
    table->grab().save(QString::fromStdString(dir + "morvel_nodes.png"));
}
