// The device settings dialogs.
#include "ui/tarvik/device_windows.hpp"

#include "common/format.hpp"
#include "ports/ports.hpp"
#include "ui/qt/qt_ui.hpp"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <climits>

namespace tarvik {

namespace {

using qtui::qs;

QString decimalText(double v) {
    return qs(slab::withDecimalComma(slab::format("%.2f", v)));
}

/// Two exclusive choices in a titled group; the first is checked when first is true.
std::pair<QRadioButton*, QRadioButton*> twoChoices(QWidget* parent, const QString& title,
                                                   const QString& a, const QString& b, bool first,
                                                   QGroupBox** groupOut = nullptr) {
    auto* group = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(group);
    auto* one = new QRadioButton(a, group);
    auto* two = new QRadioButton(b, group);
    column->addWidget(one);
    column->addWidget(two);
    (first ? one : two)->setChecked(true);
    if (groupOut) *groupOut = group;
    return {one, two};
}

std::optional<std::int16_t> shortOf(std::optional<int> n) {
    if (!n || *n < SHRT_MIN || *n > SHRT_MAX) return std::nullopt;
    return static_cast<std::int16_t>(*n);
}

} // namespace

PlotParametersDialog::PlotParametersDialog(const PlotParameters& p, ports::MessageBox& box,
                                           std::function<bool(const PlotParameters&)> store,
                                           QWidget* parent)
    : FormDialog("Parameter der Ploterzeugung", box, parent), opened_(p) {
    paper_ = addNumber("Papiergröße  DIN A -", p.paperSize);
    scale_ = addNumber("Maßstab 1 : ", p.scale);
    addHint("Schriftgröße DXF-Dateien");
    dxfHeight_ = addLine("Buchstaben-Höhe", decimalText(p.dxfLetterHeight));
    addHint("Schriftgröße Plot-Dateien");
    width_ = addLine("Buchstaben-Breite", decimalText(p.letterWidth));
    height_ = addLine("Buchstaben-Höhe ", decimalText(p.letterHeight));
    factor_ = addLine("Faktor", decimalText(p.drawingScale));
    reduction_ = addLine("Verkleinerung", decimalText(p.reduction));
    for (QLineEdit* f : {dxfHeight_, width_, height_, factor_, reduction_}) {
        f->setMinimumWidth(80);
        f->setMaximumWidth(120);
    }
    auto [vertical, horizontal] =
        twoChoices(this, "Schrift in y-Richtung", "um 90 ° drehen (vertikale Schrift)",
                   "0 ° (horizontale Schrift)", p.direction != 2);
    vertical_ = vertical;
    addRow("", vertical->parentWidget());
    auto [both, plotOnly] =
        twoChoices(this, "Dateien", "Plot- und DXF-Files erzeugen (*.PLT + *.DXF)",
                   "Nur Plotdateien erzeugen (*.PLT)", p.dxfFiles != 0);
    dxfFiles_ = both;
    addRow("", both->parentWidget());
    onOk([this, store] {
        const auto v = values();
        return v && store(*v);
    });
}

std::optional<PlotParameters> PlotParametersDialog::values() {
    PlotParameters p = opened_;
    const auto paper = shortOf(number(paper_, "Papiergröße  DIN A -"));
    const auto scale = paper ? shortOf(number(scale_, "Maßstab 1 : ")) : std::nullopt;
    if (!paper || !scale) return std::nullopt;
    p.paperSize = *paper;
    p.scale = *scale;
    const std::pair<QLineEdit*, const char*> reals[] = {{dxfHeight_, "Buchstaben-Höhe"},
                                                        {width_, "Buchstaben-Breite"},
                                                        {height_, "Buchstaben-Höhe"},
                                                        {factor_, "Faktor"},
                                                        {reduction_, "Verkleinerung"}};
    double values[5] = {};
    for (std::size_t k = 0; k < 5; ++k) {
        const auto v = decimal(reals[k].first, QString::fromUtf8(reals[k].second));
        if (!v) return std::nullopt;
        values[k] = *v;
    }
    p.dxfLetterHeight = values[0];
    p.letterWidth = values[1];
    p.letterHeight = values[2];
    p.drawingScale = values[3];
    p.reduction = static_cast<float>(values[4]);
    p.direction = vertical_->isChecked() ? 1 : 2;
    p.dxfFiles = dxfFiles_->isChecked() ? 1 : 0;
    return p;
}

ScreenSizeDialog::ScreenSizeDialog(const ScreenSize& size, const ScreenSize& current,
                                   ports::MessageBox& box,
                                   std::function<bool(const ScreenSize&)> store, QWidget* parent)
    : FormDialog("Bildschirmgröße für Davizo (default)", box, parent) {
    width_ = addNumber("Breite", size.width);
    height_ = addNumber("Höhe", size.height);
    addHint(qs(slab::format("Aktueller Bildschirm: %i x %i", current.width, current.height)));
    onOk([this, store] {
        const auto v = values();
        return v && store(*v);
    });
}

std::optional<ScreenSize> ScreenSizeDialog::values() {
    const auto w = number(width_, "Breite");
    const auto h = w ? number(height_, "Höhe") : std::nullopt;
    if (!w || !h) return std::nullopt;
    return ScreenSize{*w, *h};
}

PrinterControlDialog::PrinterControlDialog(const PrinterControl& c, ports::MessageBox& box,
                                           std::function<bool(const PrinterControl&)> store,
                                           QWidget* parent)
    : FormDialog("Druckeransteuerung", box, parent) {
    auto [program, hardware] = twoChoices(this, "Umwandlung der Plots", "Durch Programm (Standard)",
                                          "Hardwaremäßig  ('Intelligente Drucker')", !c.hardware);
    hardware_ = hardware;
    addRow("", program->parentWidget());
    parameters_ = addLine("Parameter", qs(c.parameters));
    addHint("Sonderzeichen, wie ESCAPE, als  # + ASCII-Code eingeben:   ESC = #27");
    init_ = addLine("Initialisierungsstring (Umschalten in GraphicsLanguage-Modus", qs(c.init));
    reset_ = addLine("String zum Zurücksetzen in den Textmodus des Druckers", qs(c.reset));
    connect(hardware_, &QRadioButton::toggled, this, [this] { follow(); });
    follow();
    onOk([this, store] { return store(values()); });
}

void PrinterControlDialog::follow() {
    // The strings go to a printer that understands the plot language; the parameters to the
    // conversion program.
    init_->setEnabled(hardware_->isChecked());
    reset_->setEnabled(hardware_->isChecked());
    parameters_->setEnabled(!hardware_->isChecked());
}

PrinterControl PrinterControlDialog::values() const {
    return {hardware_->isChecked(), textOf(parameters_), textOf(init_), textOf(reset_)};
}

PlotterDialog::PlotterDialog(const PlotterConnection& p, ports::MessageBox& box,
                             std::function<bool(const PlotterConnection&)> store, QWidget* parent)
    : FormDialog("Verbindung zum Plotter", box, parent), ports_(new QButtonGroup(this)) {
    auto* group = new QGroupBox("Schnittstelle", this);
    auto* row = new QHBoxLayout(group);
    for (const char* port : {"LPT1", "LPT2", "COM1", "COM2"}) {
        auto* button = new QRadioButton(port, group);
        button->setChecked(p.port == port);
        ports_->addButton(button);
        row->addWidget(button);
    }
    addRow("", group);
    addHint("LPT1, LPT2: parallele Schnittstellte; COM1, COM2: serielle Schnittstelle");
    baud_ = addNumber("Baudrate (150, 300, 600, 1200, 2400, 4800, 9600)", p.baud);
    stopBits_ = addNumber("Stopbits (1,2)", p.stopBits);
    dataBits_ = addNumber("Datenbits (7,8)", p.dataBits);
    parity_ = addLine("Parität (None, Even, Odd)", QString(QChar(p.parity)));
    parity_->setMaximumWidth(120);
    connect(ports_, &QButtonGroup::buttonToggled, this, [this] { follow(); });
    follow();
    onOk([this, store] {
        const auto v = values();
        return v && store(*v);
    });
}

void PlotterDialog::choosePort(const QString& port) {
    for (auto* button : ports_->buttons())
        if (button->text() == port) button->setChecked(true);
}

void PlotterDialog::follow() {
    // The serial parameters only for a serial port.
    const auto* checked = ports_->checkedButton();
    const bool serial = checked && checked->text().startsWith("COM");
    for (QLineEdit* f : {baud_, stopBits_, dataBits_, parity_})
        f->setEnabled(serial);
}

std::optional<PlotterConnection> PlotterDialog::values() {
    PlotterConnection p;
    const auto* checked = ports_->checkedButton();
    p.port = checked ? checked->text().toStdString() : std::string();
    const auto baud = number(baud_, "Baudrate");
    const auto stop = baud ? number(stopBits_, "Stopbits") : std::nullopt;
    const auto data = stop ? number(dataBits_, "Datenbits") : std::nullopt;
    if (!data) return std::nullopt;
    p.baud = *baud;
    p.stopBits = *stop;
    p.dataBits = *data;
    const QString parity = parity_->text().trimmed();
    p.parity = parity.isEmpty() ? ' ' : static_cast<char>(parity.at(0).toUpper().toLatin1());
    return p;
}

PlotOutputDialog::PlotOutputDialog(OutputMedium medium, ports::MessageBox& box,
                                   std::function<bool(OutputMedium)> store,
                                   std::function<void()> printerSettings,
                                   std::function<void()> plotterSettings, QWidget* parent)
    : FormDialog("Plotausgabe", box, parent) {
    auto [printer, plotter] =
        twoChoices(this, "Ausgabe auf", "Drucker", "Plotter", medium == OutputMedium::Printer);
    plotter_ = plotter;
    addRow("", printer->parentWidget());
    printerButton_ = new QPushButton("Einstellungen für &Drucker", this);
    plotterButton_ = new QPushButton("Einstellungen für &Plotter", this);
    auto* row = new QWidget(this);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(printerButton_);
    rowLayout->addWidget(plotterButton_);
    addRow("", row);
    connect(printerButton_, &QPushButton::clicked, this, std::move(printerSettings));
    connect(plotterButton_, &QPushButton::clicked, this, std::move(plotterSettings));
    connect(plotter_, &QRadioButton::toggled, this, [this] { follow(); });
    follow();
    onOk([this, store] { return store(values()); });
}

void PlotOutputDialog::follow() {
    printerButton_->setEnabled(!plotter_->isChecked());
    plotterButton_->setEnabled(plotter_->isChecked());
}

OutputMedium PlotOutputDialog::values() const {
    return plotter_->isChecked() ? OutputMedium::Plotter : OutputMedium::Printer;
}

void editPlotParameters(const std::string& work, ports::MessageBox& box, QWidget* parent,
                        const std::function<void(double)>& scaleChanged) {
    PlotParametersDialog dialog(
        readPlotParameters(work), box,
        [&](const PlotParameters& p) {
            if (!reportStored(storePlotParameters(work, p), box)) return false;
            if (scaleChanged) scaleChanged(overviewScaleOf(p));
            return true;
        },
        parent);
    dialog.exec();
}

void editScreenSize(const std::string& work, ports::MessageBox& box, QWidget* parent) {
    ScreenSize current{};
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        current = {screen->size().width(), screen->size().height()};
    ScreenSizeDialog dialog(
        readScreenSize(work), current, box,
        [&](const ScreenSize& s) { return reportStored(storeScreenSize(work, s), box); }, parent);
    dialog.exec();
}

void editPrinterControl(const std::string& work, ports::MessageBox& box, QWidget* parent) {
    PrinterControlDialog dialog(
        openPrinterControl(work), box,
        [&](const PrinterControl& c) { return reportStored(storePrinterControl(work, c), box); },
        parent);
    dialog.exec();
}

void editPlotterConnection(const std::string& work, ports::MessageBox& box, QWidget* parent) {
    PlotterDialog dialog(
        readPlotterConnection(work), box,
        [&](const PlotterConnection& p) {
            return reportStored(storePlotterConnection(work, p), box);
        },
        parent);
    dialog.exec();
}

void editPlotOutput(const std::string& work, ports::MessageBox& box, QWidget* parent) {
    PlotOutputDialog* self = nullptr;
    PlotOutputDialog dialog(
        readOutputMedium(work), box,
        [&](OutputMedium m) { return reportStored(storeOutputMedium(work, m), box); },
        [&] { editPrinterControl(work, box, self); },
        [&] { editPlotterConnection(work, box, self); }, parent);
    self = &dialog;
    dialog.exec();
}

} // namespace tarvik
