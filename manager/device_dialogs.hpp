// The device settings dialogs as the window and the console fill them: what each shows when it
// opens and what OK stores ("Parameter der Ploterzeugung", "Bildschirmgröße", "Plotausgabe",
// "Druckeransteuerung", "Verbindung zum Plotter").
#pragma once

#include "manager/plot_settings.hpp"
#include "manager/printer_control.hpp"
#include "ports/ports.hpp"

#include <optional>
#include <string>
#include <vector>

namespace tarvik {

/// What OK did: the reason nothing was stored, or the files that could not be written.
struct Stored {
    std::optional<std::string> problem;
    std::vector<std::string> failed;
    bool ok() const { return !problem && failed.empty(); }
    /// What to tell the user: the problem, or the files not written; nullopt when all is well.
    std::optional<std::string> message() const;
};

/// Tells the user what went wrong under "Fehler"; true when all went well.
bool reportStored(const Stored& stored, ports::MessageBox& box);

/// "Druckeransteuerung": the mode, the conversion program's parameters and the two control
/// strings as typed ("#27 + E").
struct PrinterControl {
    bool hardware = false;
    std::string parameters;
    std::string init;
    std::string reset;
    bool operator==(const PrinterControl&) const = default;
};

/// The dialog as it opens: PGLINFO's parameters and LASINFO's mode and strings.
PrinterControl openPrinterControl(const std::string& workDirectory);

/// OK: in hardware mode the strings are converted and stored in LASINFO with mode 1; with the
/// conversion program LASINFO keeps its strings with mode 0. PGLINFO gets the mode, the working
/// directory, the parameters and "/FV". Nothing is stored when an entry cannot be used.
Stored storePrinterControl(const std::string& workDirectory, const PrinterControl& dialog);

/// OK of "Parameter der Ploterzeugung": PSCALA, unless a value cannot be used.
Stored storePlotParameters(const std::string& workDirectory, const PlotParameters& p);

/// OK of "Bildschirmgröße für Davizo (default)": WDEV.
Stored storeScreenSize(const std::string& workDirectory, const ScreenSize& size);

/// OK of "Plotausgabe": PMEDIUM1.
Stored storeOutputMedium(const std::string& workDirectory, OutputMedium medium);

/// OK of "Verbindung zum Plotter": PLOTINFO.
Stored storePlotterConnection(const std::string& workDirectory, const PlotterConnection& p);

} // namespace tarvik
