// The solver's calculation form as a window: a run in its thread with the status texts and the
// progress bar, the result files, and the refusal of a field outside its range.
#include "common/file_io.hpp"
#include "common/position.hpp"
#include "solver/example_slab.hpp"
#include "tests/qt/modal_answers.hpp"
#include "tests/support/test_support.hpp"
#include "ui/vintor/vintor_window.hpp"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

struct FormOnSlab {
    testsupport::TempDir data;
    std::unique_ptr<vintor::VintorWindow> window;
    FormOnSlab() {
        auto m = std::make_unique<slab::SolverModel>();
        slab::buildExampleSlab(slab::ExampleSlab{}, *m);
        const std::string dir = slab::positionDirectory(data.str(), "P1");
        std::filesystem::create_directories(dir);
        EXPECT_TRUE(slab::writeModelFiles(*m, dir, 1));
        window = std::make_unique<vintor::VintorWindow>(".P1 @" + data.str());
        window->show();
    }
};

} // namespace

TEST(VintorWindow, FieldsFromTheCommandLine) {
    FormOnSlab f;
    EXPECT_EQ(f.window->windowTitle(), "FEM-Berechnung für Platten");
    EXPECT_EQ(f.window->pathField()->text().toStdString(), f.data.str() + "SDIRFEMP1/");
    EXPECT_EQ(f.window->loadCaseField()->text(), "1");
    EXPECT_TRUE(f.window->conformingChoice()->isChecked());
    EXPECT_EQ(f.window->statusText(), "Vor der Berechnung ...");
}

TEST(VintorWindow, RunInItsThreadWritesTheResults) {
    FormOnSlab f;
    f.window->nonConformingChoice()->setChecked(true);
    ASSERT_TRUE(f.window->startRun());
    EXPECT_FALSE(f.window->startButton()->isEnabled());
    EXPECT_FALSE(f.window->startRun()); // one run at a time
    f.window->waitForRun();
    EXPECT_EQ(f.window->statusText(), "Berechnung wurde erfolgreich beendet.");
    EXPECT_TRUE(f.window->timingText().startsWith("Die Berechnung dauerte"));
    EXPECT_TRUE(f.window->startButton()->isEnabled());
    EXPECT_EQ(f.window->progressBar()->value(), f.window->progressBar()->maximum());
    EXPECT_TRUE(f.window->nonConformingChoice()->isChecked());
    const std::string dir = f.data.str() + "SDIRFEMP1/";
    EXPECT_TRUE(slab::fileExists(dir + "OUTPUTFEM.txt"));
    EXPECT_TRUE(slab::fileExists(dir + "Knoten3LF1"));
}

TEST(VintorWindow, RefusedFieldsAndAFailedRun) {
    FormOnSlab f;
    qttest::ModalAnswers answers;
    f.window->loadCaseField()->setText("51");
    EXPECT_FALSE(f.window->startRun());
    f.window->loadCaseField()->setText("2");
    ASSERT_TRUE(f.window->startRun());
    f.window->waitForRun();
    EXPECT_EQ(f.window->statusText(), "Die Berechnung wurde abgebrochen!");
    ASSERT_EQ(answers.texts.size(), 2u);
    EXPECT_EQ(answers.titles[0], "Vintor");
    EXPECT_EQ(answers.texts[0], "Geben Sie eine ganze Zahl zwischen 0 und 50 ein.");
    EXPECT_EQ(answers.texts[1], "Ihr angegebener Lastfall existiert nicht!");
}
