// The settings dialogs over their structs: what they show when they open, what OK hands on, and
// that a value that cannot be used keeps them open.
#include "manager/device_dialogs.hpp"
#include "ui/console/scripted_ui.hpp"
#include "ui/tarvik/device_windows.hpp"
#include "ui/tarvik/print_dialogs.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

QLineEdit* fieldLabelled(QWidget& dialog, const QString& text) {
    for (auto* field : dialog.findChildren<QLineEdit*>())
        if (field->text() == text) return field;
    return nullptr;
}

TEST(HeaderLinesDialog, ShowsAndHandsOnTheLines) {
    ui::ScriptedUi box;
    std::optional<tarvik::HeaderLines> stored;
    tarvik::HeaderLinesDialog dialog({"Büro", "", 1}, box, [&](const tarvik::HeaderLines& h) {
        stored = h;
        return true;
    });
    EXPECT_EQ(dialog.windowTitle(), "Kopfzeilen");
    QLineEdit* line2 = dialog.findChildren<QLineEdit*>().at(1);
    line2->setText("Wohnhaus Ahornweg");
    fieldLabelled(dialog, "1")->setText("2");
    dialog.okButton()->click();
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, (tarvik::HeaderLines{"Büro", "Wohnhaus Ahornweg", 2}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(HeaderLinesDialog, ANumberThatIsNoNumberKeepsItOpen) {
    ui::ScriptedUi box;
    bool called = false;
    tarvik::HeaderLinesDialog dialog({"a", "b", 1}, box, [&](const tarvik::HeaderLines&) {
        called = true;
        return true;
    });
    fieldLabelled(dialog, "1")->setText("zwei");
    dialog.okButton()->click();
    EXPECT_FALSE(called);
    EXPECT_EQ(box.texts(), (std::vector<std::string>{
                               "\"Zahl der Kopfzeilen (1 oder 2)\" braucht eine ganze Zahl."}));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST(NumberingWindow, KindsNumbersDateAndFont) {
    ui::ScriptedUi box;
    std::optional<tarvik::NumberingDialog> stored;
    const tarvik::NumberingDialog opened{{3, 3, tarvik::NumberingKind::Page, false},
                                         {"Courier New", 10, 20, 10}};
    tarvik::NumberingWindow dialog(opened, box, [&](const tarvik::NumberingDialog& d) {
        stored = d;
        return true;
    });
    EXPECT_EQ(dialog.windowTitle(), "Numerierung der Seiten im Ausdruck");
    const auto choices = dialog.findChildren<QRadioButton*>();
    ASSERT_EQ(choices.size(), 5);
    EXPECT_TRUE(choices[0]->isChecked());
    EXPECT_EQ(choices[2]->text(), "Blatt ___  Seite ___");
    choices[2]->setChecked(true);
    dialog.findChild<QCheckBox*>()->setChecked(true);
    EXPECT_EQ(dialog.findChild<QCheckBox*>()->text(), "Datum mit ausdrucken");
    fieldLabelled(dialog, "20")->setText("25");
    dialog.okButton()->click();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->numbering,
              (tarvik::Numbering{3, 3, tarvik::NumberingKind::SheetAndPage, true}));
    EXPECT_EQ(stored->text, (tarvik::TextPrintSettings{"Courier New", 10, 25, 10}));
}

TEST(FormHeaderDialog, ElevenFieldsAndWeiter) {
    ui::ScriptedUi box;
    tarvik::FormHeader opened;
    opened[tarvik::FormField::Program] = "Platte 1.0";
    opened[tarvik::FormField::Date] = "06.03.2026";
    std::optional<tarvik::FormHeader> stored;
    tarvik::FormHeaderDialog dialog(opened, box, [&](const tarvik::FormHeader& h) {
        stored = h;
        return true;
    });
    EXPECT_EQ(dialog.windowTitle(), "Formulardruck");
    EXPECT_EQ(dialog.okButton()->text(), "&Weiter");
    const auto fields = dialog.findChildren<QLineEdit*>();
    ASSERT_EQ(fields.size(), 11);
    EXPECT_EQ(fields[1]->text(), "Platte 1.0");
    fields[0]->setText("Anna Muster");
    dialog.okButton()->click();
    ASSERT_TRUE(stored);
    EXPECT_EQ((*stored)[tarvik::FormField::Author], "Anna Muster");
    EXPECT_EQ((*stored)[tarvik::FormField::Date], "06.03.2026");
}

TEST(PlotParametersDialog, MissingFileShowsTheDefaults) {
    ui::ScriptedUi box;
    std::optional<tarvik::PlotParameters> stored;
    tarvik::PlotParametersDialog dialog({}, box, [&](const tarvik::PlotParameters& p) {
        stored = p;
        return true;
    });
    const auto fields = dialog.findChildren<QLineEdit*>();
    ASSERT_EQ(fields.size(), 7);
    QStringList shown;
    for (auto* f : fields)
        shown << f->text();
    // Paper size 4, scale 1, letter sizes 0,10, 1,00 and 1,00, factor and reduction 1,00.
    EXPECT_EQ(shown, (QStringList{"4", "1", "0,10", "1,00", "1,00", "1,00", "1,00"}));
    const auto choices = dialog.findChildren<QRadioButton*>();
    ASSERT_EQ(choices.size(), 4);
    EXPECT_TRUE(choices[0]->isChecked()); // um 90 ° drehen
    EXPECT_TRUE(choices[3]->isChecked()); // Nur Plotdateien erzeugen (*.PLT)
    EXPECT_EQ(choices[3]->text(), "Nur Plotdateien erzeugen (*.PLT)");
    fields[2]->setText("0,5");
    dialog.okButton()->click();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->dxfLetterHeight, 0.5);
    tarvik::PlotParameters expected;
    expected.dxfLetterHeight = 0.5;
    EXPECT_EQ(*stored, expected);
}

TEST(PrinterControlDialog, StringsOnlyForTheHardwareMode) {
    ui::ScriptedUi box;
    std::optional<tarvik::PrinterControl> stored;
    tarvik::PrinterControlDialog dialog({false, "/FL /M0.9 /D+W", "", ""}, box,
                                        [&](const tarvik::PrinterControl& c) {
                                            stored = c;
                                            return true;
                                        });
    EXPECT_FALSE(dialog.initField()->isEnabled());
    dialog.hardwareChoice()->setChecked(true);
    EXPECT_TRUE(dialog.initField()->isEnabled());
    dialog.initField()->setText("#27 + E");
    dialog.okButton()->click();
    ASSERT_TRUE(stored);
    EXPECT_TRUE(stored->hardware);
    EXPECT_EQ(stored->init, "#27 + E");
}

TEST(PlotterDialog, SerialParametersOnlyForASerialPort) {
    ui::ScriptedUi box;
    std::optional<tarvik::PlotterConnection> stored;
    tarvik::PlotterDialog dialog({}, box, [&](const tarvik::PlotterConnection& p) {
        stored = p;
        return true;
    });
    EXPECT_TRUE(dialog.baudField()->isEnabled());
    dialog.choosePort("LPT2");
    EXPECT_FALSE(dialog.baudField()->isEnabled());
    dialog.okButton()->click();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->port, "LPT2");
    EXPECT_TRUE(stored->parallel());
}

TEST(PlotOutputDialog, EachSettingsButtonWhileItsMediumIsChosen) {
    ui::ScriptedUi box;
    int printerOpened = 0;
    std::optional<tarvik::OutputMedium> stored;
    tarvik::PlotOutputDialog dialog(
        tarvik::OutputMedium::Printer, box,
        [&](tarvik::OutputMedium m) {
            stored = m;
            return true;
        },
        [&] { ++printerOpened; }, [] {});
    EXPECT_TRUE(dialog.printerButton()->isEnabled());
    EXPECT_FALSE(dialog.plotterButton()->isEnabled());
    EXPECT_EQ(dialog.printerButton()->text(), "Einstellungen für &Drucker");
    dialog.printerButton()->click();
    EXPECT_EQ(printerOpened, 1);
    dialog.plotterChoice()->setChecked(true);
    EXPECT_FALSE(dialog.printerButton()->isEnabled());
    EXPECT_TRUE(dialog.plotterButton()->isEnabled());
    dialog.okButton()->click();
    EXPECT_EQ(stored, tarvik::OutputMedium::Plotter);
}

TEST(ScreenSizeDialog, ShowsTheCurrentScreen) {
    ui::ScriptedUi box;
    tarvik::ScreenSizeDialog dialog({640, 480}, {1600, 1000}, box,
                                    [](const tarvik::ScreenSize&) { return false; });
    bool shown = false;
    for (auto* label : dialog.findChildren<QLabel*>())
        if (label->text() == "Aktueller Bildschirm: 1600 x 1000") shown = true;
    EXPECT_TRUE(shown);
    dialog.okButton()->click();
    // The store refused: the dialog stays open.
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

} // namespace
