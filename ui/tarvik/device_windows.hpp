// The device settings dialogs: "Parameter der Ploterzeugung", "Bildschirmgröße für Davizo
// (default)", "Plotausgabe", "Druckeransteuerung" and "Verbindung zum Plotter", each over the
// struct the console fills as well.
#pragma once

#include "manager/device_dialogs.hpp"
#include "ui/tarvik/form_dialog.hpp"

#include <functional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvik {

class PlotParametersDialog : public FormDialog {
  public:
    PlotParametersDialog(const PlotParameters& p, ports::MessageBox& box,
                         std::function<bool(const PlotParameters&)> store,
                         QWidget* parent = nullptr);
    /// The parameters as typed over the ones opened; nullopt after a message.
    std::optional<PlotParameters> values();

  private:
    PlotParameters opened_;
    QLineEdit* paper_;
    QLineEdit* scale_;
    QLineEdit* dxfHeight_;
    QLineEdit* width_;
    QLineEdit* height_;
    QLineEdit* factor_;
    QLineEdit* reduction_;
    QRadioButton* vertical_;
    QRadioButton* dxfFiles_;
};

class ScreenSizeDialog : public FormDialog {
  public:
    /// current is the screen's size, shown as "%i x %i".
    ScreenSizeDialog(const ScreenSize& size, const ScreenSize& current, ports::MessageBox& box,
                     std::function<bool(const ScreenSize&)> store, QWidget* parent = nullptr);
    std::optional<ScreenSize> values();

  private:
    QLineEdit* width_;
    QLineEdit* height_;
};

class PrinterControlDialog : public FormDialog {
  public:
    PrinterControlDialog(const PrinterControl& control, ports::MessageBox& box,
                         std::function<bool(const PrinterControl&)> store,
                         QWidget* parent = nullptr);
    PrinterControl values() const;
    QRadioButton* hardwareChoice() const { return hardware_; }
    QLineEdit* initField() const { return init_; }

  private:
    void follow();
    QRadioButton* hardware_;
    QLineEdit* parameters_;
    QLineEdit* init_;
    QLineEdit* reset_;
};

class PlotterDialog : public FormDialog {
  public:
    PlotterDialog(const PlotterConnection& connection, ports::MessageBox& box,
                  std::function<bool(const PlotterConnection&)> store, QWidget* parent = nullptr);
    std::optional<PlotterConnection> values();
    /// Chooses a port as a click on its button does.
    void choosePort(const QString& port);
    QLineEdit* baudField() const { return baud_; }

  private:
    void follow();
    QButtonGroup* ports_;
    QLineEdit* baud_;
    QLineEdit* stopBits_;
    QLineEdit* dataBits_;
    QLineEdit* parity_;
};

/// "Plotausgabe": printer or plotter, and the buttons to their settings, each enabled while its
/// medium is chosen.
class PlotOutputDialog : public FormDialog {
  public:
    PlotOutputDialog(OutputMedium medium, ports::MessageBox& box,
                     std::function<bool(OutputMedium)> store, std::function<void()> printerSettings,
                     std::function<void()> plotterSettings, QWidget* parent = nullptr);
    OutputMedium values() const;
    QPushButton* printerButton() const { return printerButton_; }
    QPushButton* plotterButton() const { return plotterButton_; }
    QRadioButton* plotterChoice() const { return plotter_; }

  private:
    void follow();
    QRadioButton* plotter_;
    QPushButton* printerButton_;
    QPushButton* plotterButton_;
};

/// The settings menu's dialogs on the working directory; OK stores through the logic, which
/// reports what it refuses.
void editPlotParameters(const std::string& workDirectory, ports::MessageBox& box, QWidget* parent,
                        const std::function<void(double)>& scaleChanged);
void editScreenSize(const std::string& workDirectory, ports::MessageBox& box, QWidget* parent);
void editPrinterControl(const std::string& workDirectory, ports::MessageBox& box, QWidget* parent);
void editPlotterConnection(const std::string& workDirectory, ports::MessageBox& box,
                           QWidget* parent);
void editPlotOutput(const std::string& workDirectory, ports::MessageBox& box, QWidget* parent);

} // namespace tarvik
