// The project manager's main window on the offscreen platform: its title, the dialog bar, the
// plan shown by the space bar and the right mouse button, the protocol view.
#include "common/file_io.hpp"
#include "common/position.hpp"
#include "solver/example_slab.hpp"
#include "solver/modelfiles/ttable.hpp"
#include "tests/support/test_support.hpp"
#include "ui/tarvik/tarvik_console.hpp"
#include "ui/tarvik/tarvik_window.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

using tarvik::Action;

namespace {

// A working directory whose manager has position P1 (the example slab) on a data path.
struct WorkWithPosition {
    testsupport::TempDir work, data;
    WorkWithPosition() {
        const std::string dir = slab::positionDirectory(data.str(), "P1");
        std::filesystem::create_directories(dir);
        auto m = std::make_unique<slab::SolverModel>();
        slab::buildExampleSlab(slab::ExampleSlab{}, *m);
        EXPECT_TRUE(slab::writeModelFiles(*m, dir, 1));
        EXPECT_TRUE(slab::appendTimeTableRecord(dir, {1700000000, "Eingabe LF 3"}));
        // The console chooses the data path and opens the position, as a user would.
        std::istringstream in("datenpfad " + data.str() + "\noeffnen " + dir + "\n");
        std::ostringstream out;
        ui::LineInput input(in);
        struct NoLaunch : ports::Launcher {
            ports::LaunchResult start(const std::string&, const std::vector<std::string>&,
                                      ports::Wait) override {
                return ports::LaunchResult::NotFound;
            }
        } none;
        tarvik::runConsole(work.str(), input, out, none);
    }
};

} // namespace

TEST(TarvikWindow, TitleDialogBarAndPlan) {
    WorkWithPosition w;
    tarvik::TarvikWindow window(w.work.str());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Deckenplatte Position P1");
    EXPECT_EQ(window.dataPathField()->text().toStdString(), w.data.str());
    EXPECT_EQ(window.selector()->currentText(), "P1");
    EXPECT_TRUE(window.freeSpaceLabel()->text().endsWith("MB FREI"));
    // Hidden at start; the space bar in the drawing shows it with the elements.
    EXPECT_FALSE(window.plan().shown());
    window.drawing()->setFocus();
    QTest::keyClick(window.drawing(), Qt::Key_Space);
    EXPECT_TRUE(window.plan().shown());
    window.drawing()->grab(); // paints, and so builds the overview for the widget's size
    EXPECT_FALSE(window.drawing()->sceneShown().all<scene::Polygon>().empty());
    QTest::keyClick(window.drawing(), Qt::Key_Space);
    EXPECT_FALSE(window.plan().shown());
    // The right button shows a hidden plan.
    QTest::mouseClick(window.drawing(), Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_TRUE(window.plan().shown());
    EXPECT_TRUE(window.action(Action::TogglePlan)->isChecked());
}

TEST(TarvikWindow, ProtocolListsTheTimeTable) {
    WorkWithPosition w;
    tarvik::TarvikWindow window(w.work.str());
    QListWidget* list = window.openProtocol();
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().endsWith("  Eingabe LF 3"));
    EXPECT_EQ(window.action(Action::Geometry)->text(), "&Abmessungen");
    EXPECT_EQ(window.action(Action::Results)->shortcut(), QKeySequence("Alt+G"));
}

// With SLAB_SCREENSHOTS set to a folder, the window with its plan is written there.
TEST(TarvikWindow, ScreenshotsForALook) {
    const char* folder = std::getenv("SLAB_SCREENSHOTS");
    if (!folder) GTEST_SKIP() << "SLAB_SCREENSHOTS names no folder";
    WorkWithPosition w;
    tarvik::TarvikWindow window(w.work.str());
    window.resize(1100, 760);
    window.show();
    window.run(Action::TogglePlan);
    window.grab().save(QString::fromStdString(std::string(folder) + "/tarvik_window.png"));
}
