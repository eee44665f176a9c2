// The print and plot device settings as console commands.
#include "ui/tarvik/tarvik_console.hpp"

#include "common/format.hpp"
#include "common/text.hpp"
#include "manager/device_dialogs.hpp"
#include "ui/tarvik/console_fields.hpp"

#include <array>
#include <climits>

namespace tarvik {

namespace {

constexpr std::array<std::string_view, 9> kPlotFields{"papier",   "massstab",      "dxf-hoehe",
                                                      "breite",   "hoehe",         "faktor",
                                                      "richtung", "verkleinerung", "dxf"};
constexpr std::array<std::string_view, 4> kControlFields{"modus", "parameter", "init", "reset"};
constexpr std::array<std::string_view, 5> kPlotterFields{"baud", "stopbits", "datenbits",
                                                         "paritaet", "port"};
constexpr std::array<std::string_view, 2> kScreenFields{"breite", "hoehe"};

std::string decimal(double v) {
    return slab::withDecimalComma(slab::format("%.2f", v));
}

} // namespace

ui::Flow TarvikConsole::devices(Action action, const ui::CommandCall& call) {
    if (action == Action::PlotParameters) {
        plotParameters(call.rest);
    } else if (action == Action::PlotOutput) {
        OutputMedium medium = OutputMedium::Printer;
        if (call.words.size() == 1 && call.words[0] == "plotter")
            medium = OutputMedium::Plotter;
        else if (call.words.size() != 1 || call.words[0] != "drucker")
            return usage(ui::callOf(actions(), action));
        if (reportStored(storeOutputMedium(manager_.workDirectory(), medium), console_))
            out_ << "Plotausgabe: " << (medium == OutputMedium::Plotter ? "Plotter" : "Drucker")
                 << '\n';
    } else if (action == Action::PrinterControl) {
        printerControl(call.rest);
    } else if (action == Action::PlotterConnection) {
        plotterConnection(call.rest);
    } else if (action == Action::ScreenSize) {
        screenSize(call.rest);
    }
    return ui::Flow::Continue;
}

void TarvikConsole::plotParameters(const std::string& rest) {
    const auto fields = dialogFields(rest, kPlotFields, Action::PlotParameters);
    if (!fields) return;
    const TypedFields& typed = *fields;
    const std::string& work = manager_.workDirectory();
    PlotParameters p = readPlotParameters(work);
    // Whole numbers for the integers, decimal numbers (comma or point) for the sizes.
    auto whole = [&](std::string_view name, std::string_view label, std::int16_t& value) {
        const std::string text = field(typed, name, label, std::to_string(value));
        const auto n = slab::parseInteger(text);
        if (n && *n >= SHRT_MIN && *n <= SHRT_MAX) {
            value = static_cast<std::int16_t>(*n);
            return true;
        }
        console_.message("Fehler", slab::format("\"%s\" braucht eine ganze Zahl (nicht \"%s\").",
                                                std::string(label).c_str(), text.c_str()));
        return false;
    };
    auto real = [&](std::string_view name, std::string_view label, auto& value) {
        const std::string text = field(typed, name, label, decimal(value));
        // An empty entry is 0, as the dialog takes it.
        const auto v = text.empty() ? std::optional<double>(0.0) : ui::finiteNumber(text);
        if (v) {
            value = static_cast<std::remove_reference_t<decltype(value)>>(*v);
            return true;
        }
        console_.message("Fehler", slab::format("\"%s\" braucht eine Zahl (nicht \"%s\").",
                                                std::string(label).c_str(), text.c_str()));
        return false;
    };
    if (!whole("papier", "Papiergröße  DIN A -", p.paperSize) ||
        !whole("massstab", "Maßstab 1 : ", p.scale) ||
        !real("dxf-hoehe", "Schriftgröße DXF-Dateien", p.dxfLetterHeight) ||
        !real("breite", "Buchstaben-Breite", p.letterWidth) ||
        !real("hoehe", "Buchstaben-Höhe", p.letterHeight) ||
        !real("faktor", "Faktor", p.drawingScale) ||
        !real("verkleinerung", "Verkleinerung", p.reduction))
        return;
    const std::string direction =
        field(typed, "richtung", "Richtung der Schrift (90 oder 0)", p.direction == 2 ? "0" : "90");
    const std::string dxf =
        field(typed, "dxf", "Plot- und DXF-Files erzeugen (j/n)", p.dxfFiles ? "j" : "n");
    const auto both = yesNo(dxf);
    if ((direction != "90" && direction != "0") || !both) {
        console_.message("Fehler", "richtung ist 90 (vertikale Schrift) oder 0 (horizontale "
                                   "Schrift), dxf ist j oder n.");
        return;
    }
    p.direction = direction == "0" ? 2 : 1;
    p.dxfFiles = *both ? 1 : 0;
    if (!reportStored(storePlotParameters(work, p), console_)) return;
    manager_.setDrawingScale(overviewScaleOf(p));
    out_ << "Parameter der Ploterzeugung: DIN A" << p.paperSize << ", Maßstab 1 : " << p.scale
         << ", Buchstaben " << decimal(p.letterWidth) << " x " << decimal(p.letterHeight)
         << ", DXF " << decimal(p.dxfLetterHeight) << ", Faktor " << decimal(p.drawingScale)
         << ", Verkleinerung " << decimal(p.reduction) << ", "
         << (p.direction == 2 ? "0 ° (horizontale Schrift)" : "um 90 ° drehen (vertikale Schrift)")
         << ", "
         << (p.dxfFiles ? "Plot- und DXF-Files erzeugen (*.PLT + *.DXF)"
                        : "Nur Plotdateien erzeugen (*.PLT)")
         << '\n';
}

void TarvikConsole::printerControl(const std::string& rest) {
    const auto fields = dialogFields(rest, kControlFields, Action::PrinterControl);
    if (!fields) return;
    const TypedFields& typed = *fields;
    const std::string& work = manager_.workDirectory();
    PrinterControl d = openPrinterControl(work);
    const std::string mode = field(typed, "modus", "Modus (programm oder hardware)",
                                   d.hardware ? "hardware" : "programm");
    if (mode != "programm" && mode != "hardware") {
        console_.message("Fehler", "Der Modus ist programm (Durch Programm) oder hardware "
                                   "(Hardwaremäßig).");
        return;
    }
    d.hardware = mode == "hardware";
    d.parameters = field(typed, "parameter", "Parameter", d.parameters);
    d.init = field(typed, "init", "Initialisierungsstring", d.init);
    d.reset = field(typed, "reset", "String zum Zurücksetzen", d.reset);
    if (!reportStored(storePrinterControl(work, d), console_)) return;
    const PrinterControl now = openPrinterControl(work);
    out_ << "Druckeransteuerung: " << (now.hardware ? "Hardwaremäßig" : "Durch Programm (Standard)")
         << ", Parameter " << now.parameters << ", Init " << now.init << ", Reset " << now.reset
         << '\n';
}

void TarvikConsole::plotterConnection(const std::string& rest) {
    const auto fields = dialogFields(rest, kPlotterFields, Action::PlotterConnection);
    if (!fields) return;
    const TypedFields& typed = *fields;
    PlotterConnection p = readPlotterConnection(manager_.workDirectory());
    p.port = field(typed, "port", "Schnittstelle (LPT1, LPT2, COM1, COM2)", p.port);
    int* numbers[] = {&p.baud, &p.stopBits, &p.dataBits};
    const std::string_view names[] = {"baud", "stopbits", "datenbits"};
    const std::string_view labels[] = {"Baudrate", "Stopbits", "Datenbits"};
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string text = field(typed, names[k], labels[k], std::to_string(*numbers[k]));
        const auto n = slab::parseInteger(text);
        if (!n) {
            console_.message("Fehler", slab::format("\"%s\" braucht eine ganze Zahl (nicht "
                                                    "\"%s\").",
                                                    std::string(labels[k]).c_str(), text.c_str()));
            return;
        }
        *numbers[k] = *n;
    }
    // The parity is the first character of None, Even or Odd.
    const std::string parity =
        field(typed, "paritaet", "Parität (None, Even, Odd)", std::string(1, p.parity));
    p.parity = parity.empty()
                   ? ' '
                   : static_cast<char>(std::toupper(static_cast<unsigned char>(parity[0])));
    if (!reportStored(storePlotterConnection(manager_.workDirectory(), p), console_)) return;
    out_ << "Verbindung zum Plotter: " << p.port;
    if (!p.parallel())
        out_ << ", " << p.baud << " Baud, " << p.stopBits << " Stopbits, " << p.dataBits
             << " Datenbits, Parität " << p.parity;
    out_ << '\n';
}

void TarvikConsole::screenSize(const std::string& rest) {
    const auto fields = dialogFields(rest, kScreenFields, Action::ScreenSize);
    if (!fields) return;
    const TypedFields& typed = *fields;
    ScreenSize size = readScreenSize(manager_.workDirectory());
    const auto width =
        slab::parseInteger(field(typed, "breite", "Breite", std::to_string(size.width)));
    const auto height =
        slab::parseInteger(field(typed, "hoehe", "Höhe", std::to_string(size.height)));
    if (!width || !height) {
        console_.message("Fehler", "Breite und Höhe brauchen ganze Zahlen (Pixel).");
        return;
    }
    size = {*width, *height};
    if (!reportStored(storeScreenSize(manager_.workDirectory(), size), console_)) return;
    out_ << "Bildschirmgröße für die Ergebnisgrafik: " << size.width << " x " << size.height
         << '\n';
}

} // namespace tarvik
