// The viewer's window on the offscreen platform: choices, the cursor's value, zoom and fit, the
// perspective, pixels of the plan, files, printed pages, and stale results.
#include "common/format.hpp"
#include "scene/result_pages.hpp"
#include "tests/support/golden.hpp"
#include "tests/viewer/viewer_fixtures.hpp"
#include "ui/ergebnisbild/ergebnisbild_window.hpp"
#include "ui/qt/scene_pages.hpp"
#include "viewer/element_field.hpp"
#include "viewer/result_reader.hpp"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QPrinter>
#include <QStatusBar>
#include <QTest>

#include <filesystem>
#include <regex>

namespace {

using ergebnisbild::Action;
using ergebnisbild::ErgebnisbildWindow;
using viewer::Quantity;

// A 10 m x 8 m slab of 1 m elements, hinged, with a 3 m x 3 m opening from (5, 2); load cases 1
// (10 kN/m²) and 2 (the same slab) computed.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto s = viewerfixtures::demoSlab();
        viewerfixtures::compute(p.dir(), s, 1, viewerfixtures::cutOpening);
        viewerfixtures::compute(p.dir(), s, 2, viewerfixtures::cutOpening,
                                viewerfixtures::Write::LoadsOnly);
    }

    std::unique_ptr<ErgebnisbildWindow> open(int loadCase = -1) {
        auto w = std::make_unique<ErgebnisbildWindow>(p.commandLine(loadCase), &ui);
        w->resize(1100, 760);
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        return w;
    }

    // The widget pixel of a world point of the plan.
    static QPoint pixelOf(ErgebnisbildWindow& w, double x, double y) {
        const auto d = w.plan().mapping().toDevice({x, y});
        return {static_cast<int>(std::lround(d.x)), static_cast<int>(std::lround(d.y))};
    }

    viewerfixtures::Position p;
    ui::ScriptedUi ui;
};

TEST_F(WindowTest, OpensOnTheLoadCaseOfTheCommandLine) {
    auto w = open(2);
    EXPECT_EQ(w->session().loadCase(), 2);
    EXPECT_EQ(w->title().toStdString(), "Position P1, Lastfall 2: Durchbiegung w [m]");
    EXPECT_EQ(w->loadCases().count(), 2);
    EXPECT_EQ(w->loadCases().currentText(), "2");
    EXPECT_TRUE(w->action(Action::ShowW)->isChecked());
    EXPECT_FALSE(w->action(Action::ShowSoil)->isEnabled()); // no bedding
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WindowTest, QuantitiesAndLoadCasesChosen) {
    auto w = open();
    EXPECT_EQ(w->session().loadCase(), 1);
    w->action(Action::ShowMxx)->trigger();
    EXPECT_EQ(w->title().toStdString(), "Position P1, Lastfall 1: Biegemoment mxx [kNm/m]");
    EXPECT_TRUE(w->action(Action::ShowMxx)->isChecked());
    EXPECT_FALSE(w->action(Action::ShowW)->isChecked());
    w->loadCases().setCurrentIndex(1);
    EXPECT_EQ(w->session().loadCase(), 2);
    EXPECT_EQ(w->title().toStdString(), "Position P1, Lastfall 2: Biegemoment mxx [kNm/m]");
    w->trigger(Action::ShowReactions);
    EXPECT_EQ(w->session().quantity(), Quantity::Reactions);
}

TEST_F(WindowTest, TheValueUnderTheCursor) {
    auto w = open();
    w->trigger(Action::ShowMyy);
    QTest::mouseMove(&w->plan(), pixelOf(*w, 2.0, 4.0));
    const scene::Point at = w->plan().toWorld(pixelOf(*w, 2.0, 4.0));
    const auto value = viewer::valueAt(*w->session().results(), Quantity::Myy, {at.x, at.y});
    ASSERT_TRUE(value);
    const std::string shown = w->statusBar()->currentMessage().toStdString();
    EXPECT_NE(shown.find("myy = " + viewer::extremeText(*value) + " kNm/m"), std::string::npos)
        << shown;
    // Another quantity chosen, the status line follows without the mouse moving.
    w->trigger(Action::ShowQx);
    const auto qx = viewer::valueAt(*w->session().results(), Quantity::Qx, {at.x, at.y});
    EXPECT_NE(w->statusBar()->currentMessage().toStdString().find(
                  "qx = " + viewer::extremeText(*qx) + " kN/m"),
              std::string::npos);
    QTest::mouseMove(&w->plan(), pixelOf(*w, 6.5, 3.5)); // in the opening
    EXPECT_NE(w->statusBar()->currentMessage().toStdString().find("außerhalb der Platte"),
              std::string::npos);
    w->trigger(Action::ShowReactions);
    QTest::mouseMove(&w->plan(), pixelOf(*w, 0.0, 0.0));
    EXPECT_NE(w->statusBar()->currentMessage().toStdString().find("Knoten 1: F = "),
              std::string::npos);
}

TEST_F(WindowTest, ZoomAndFit) {
    auto w = open();
    const auto fitted = w->viewRect();
    EXPECT_EQ(fitted, w->plan().sceneShown().bounds);
    w->trigger(Action::ZoomIn);
    EXPECT_NEAR(w->viewRect().x2 - w->viewRect().x1, (fitted.x2 - fitted.x1) / 2, 1e-4);
    w->trigger(Action::Fit);
    EXPECT_EQ(w->viewRect(), fitted);
    // A rectangle dragged with the mouse becomes the view.
    const QPoint a = pixelOf(*w, 1, 1), b = pixelOf(*w, 4, 3);
    QTest::mousePress(&w->plan(), Qt::LeftButton, {}, a);
    QTest::mouseMove(&w->plan(), b);
    QTest::mouseRelease(&w->plan(), Qt::LeftButton, {}, b);
    EXPECT_NEAR(w->viewRect().x1, 1, 0.05);
    EXPECT_NEAR(w->viewRect().y2, 3, 0.05);
    // The window shows at least that rectangle with x and y at one scale.
    const auto& shown = w->plan().worldWindow();
    EXPECT_LE(shown.x1, 1.05f);
    EXPECT_GE(shown.y2, 2.95f);
    const double sx = w->plan().width() / double(shown.x2 - shown.x1);
    const double sy = w->plan().height() / double(shown.y2 - shown.y1);
    EXPECT_NEAR(sx / sy, 1.0, 1e-3);
}

TEST_F(WindowTest, ThePlanIsDrawnAndTheOpeningStaysBlank) {
    auto w = open();
    w->trigger(Action::ShowMxx);
    const QImage shot = w->plan().grab().toImage();
    const double ratio = shot.width() / double(w->plan().width());
    auto at = [&](double x, double y) {
        const QPoint p = pixelOf(*w, x, y);
        return QColor(shot.pixel(int(p.x() * ratio), int(p.y() * ratio)));
    };
    EXPECT_EQ(at(6.5, 3.5), QColor(Qt::white));  // the opening
    EXPECT_EQ(at(10.5, 4.0), QColor(Qt::white)); // beside the slab
    EXPECT_NE(at(2.3, 4.2), QColor(Qt::white));  // the slab
    EXPECT_GT(at(2.3, 4.2).saturation(), 40);    // in a colour of the scale
}

TEST_F(WindowTest, ThePerspectiveAndBack) {
    auto w = open();
    w->trigger(Action::Perspective);
    EXPECT_EQ(w->view(), scene::ResultView::Perspective);
    EXPECT_TRUE(w->action(Action::Perspective)->isChecked());
    EXPECT_EQ(w->title().toStdString().rfind("Position P1, Lastfall 1: Verformte Platte (", 0), 0u);
    w->trigger(Action::ShowQx);
    EXPECT_EQ(w->view(), scene::ResultView::Plan);
    EXPECT_FALSE(w->action(Action::Perspective)->isChecked());
}

TEST_F(WindowTest, PicturesAndTheReportWritten) {
    auto w = open();
    w->trigger(Action::ShowM1);
    ASSERT_TRUE(w->exportPicture(p.dataPath() + "m1.png"));
    const QImage png(QString::fromStdString(p.dataPath() + "m1.png"));
    EXPECT_EQ(png.width(), 1600);
    EXPECT_EQ(png.height(), 1200);
    ASSERT_TRUE(w->exportPicture(p.dataPath() + "m1.svg"));
    EXPECT_NE(testsupport::fileBytes(p.dataPath() + "m1.svg")->find("<svg"), std::string::npos);
    ASSERT_TRUE(w->exportReport(p.dataPath() + "bericht.pdf"));
    const std::string pdf = *testsupport::fileBytes(p.dataPath() + "bericht.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    const std::regex page("/Type\\s*/Page[^s]");
    EXPECT_EQ(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()),
        11);
    EXPECT_FALSE(w->exportPicture(p.dataPath() + "m1.gif"));
    EXPECT_EQ(ui.texts().back(),
              "Die Zeichnung kann nur als .png, .pdf oder .svg geschrieben werden.");
}

TEST_F(WindowTest, PagesPrintedToAPdfPrinter) {
    const auto r = *viewer::readResults(p.dir(), 1).results;
    const auto pages = scene::reportPages(r, "Position P1, Lastfall 1",
                                          viewer::readLoadControl(p.dir(), 1), 842, 595);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(p.dataPath() + "druck.pdf"));
    ASSERT_TRUE(qtui::printPages({pages[0], pages[3]}, printer));
    const std::string pdf = *testsupport::fileBytes(p.dataPath() + "druck.pdf");
    const std::regex page("/Type\\s*/Page[^s]");
    EXPECT_EQ(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()),
        2);
    EXPECT_FALSE(qtui::printPages({}, printer));
    EXPECT_EQ(qtui::writePdfPages({}, p.dataPath() + "leer.pdf"),
              "Die Datei " + p.dataPath() + "leer.pdf kann nicht geschrieben werden.");
}

TEST_F(WindowTest, StaleResultsAreNotShown) {
    const auto t = std::filesystem::last_write_time(p.dir() + "Elemente3LF1");
    std::filesystem::last_write_time(p.dir() + "KNOTEN1", t + std::chrono::seconds(2));
    auto w = open(1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Die Ergebnisse von Lastfall 1 sind älter als die Datei KNOTEN1. "
              "Berechnen Sie den Lastfall 1 neu.");
    EXPECT_FALSE(w->session().results());
    const auto texts = w->plan().sceneShown().all<scene::Text>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->text, "Keine Ergebnisse geladen.");
    EXPECT_TRUE(w->plan().sceneShown().all<scene::Polygon>().empty());
    EXPECT_FALSE(w->exportPicture(p.dataPath() + "x.png"));
    EXPECT_FALSE(std::filesystem::exists(p.dataPath() + "x.png"));
    // Computed again, the results come back with the reload.
    std::filesystem::last_write_time(p.dir() + "KNOTEN1", t - std::chrono::seconds(2));
    w->trigger(Action::Reload);
    EXPECT_TRUE(w->session().results());
    EXPECT_FALSE(w->plan().sceneShown().all<scene::Polygon>().empty());
}

} // namespace
