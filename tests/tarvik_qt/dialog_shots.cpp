// Shows each of the manager's dialogs and windows with sample values and writes a picture of each
// into the folder given, so that they can be looked at (run under a virtual display).
#include "manager/position_documents.hpp"
#include "ports/launcher.hpp"
#include "ui/console/scripted_ui.hpp"
#include "ui/tarvik/archive_windows.hpp"
#include "ui/tarvik/device_windows.hpp"
#include "ui/tarvik/document_list_window.hpp"
#include "ui/tarvik/page_printer.hpp"
#include "ui/tarvik/print_dialogs.hpp"
#include "ui/tarvik/text_windows.hpp"

#include <QApplication>
#include <QListWidget>
#include <QPixmap>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

struct NoLauncher : ports::Launcher {
    ports::LaunchResult start(const std::string&, const std::vector<std::string>&,
                              ports::Wait) override {
        return ports::LaunchResult::NotFound;
    }
};

void shoot(QWidget& w, const std::string& folder, const std::string& name) {
    w.show();
    w.raise();
    for (int k = 0; k < 5; ++k)
        QApplication::processEvents();
    w.grab().save(QString::fromStdString(folder + "/" + name + ".png"));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string folder = argc > 1 ? argv[1] : ".";
    const std::string position = argc > 2 ? argv[2] : "";
    ui::ScriptedUi box;
    auto yes = [](const auto&) { return true; };

    tarvik::HeaderLinesDialog header(
        {"Ingenieurbüro Muster, Ahornweg 3", "Wohnhaus, Decke über EG", 2}, box, yes);
    shoot(header, folder, "kopfzeilen");
    tarvik::NumberingWindow numbering(
        {{3, 3, tarvik::NumberingKind::SheetAndPage, true}, {"Courier New", 10, 20, 10}}, box, yes);
    shoot(numbering, folder, "numerierung");
    tarvik::FormHeader form;
    form.fields = {"Anna Muster", "Platte 1.0", "Wohnhaus Ahornweg", "Decke über EG", "B1",
                   "V7",          "ASB 12",     "A-2026-3",          "06.03.2026",    "5",
                   "10"};
    tarvik::FormHeaderDialog formDialog(form, box, yes);
    shoot(formDialog, folder, "formulardruck");
    tarvik::PlotParametersDialog plot({}, box, yes);
    shoot(plot, folder, "plotparameter");
    tarvik::ScreenSizeDialog screen({640, 480}, {1600, 1000}, box, yes);
    shoot(screen, folder, "bildschirm");
    tarvik::PrinterControlDialog control({true, "/FL /M0.9 /D+W", "#27 + % + 0 + B + ;", "#27 + E"},
                                         box, yes);
    shoot(control, folder, "druckeransteuerung");
    tarvik::PlotterDialog plotter({}, box, yes);
    shoot(plotter, folder, "plotter");
    tarvik::PlotOutputDialog output(
        tarvik::OutputMedium::Printer, box, yes, [] {}, [] {});
    shoot(output, folder, "plotausgabe");
    tarvik::Transfer transfer;
    transfer.lines = {"/daten/SDIRFEMDEMO/ECHO_G.DEMO  --->  /media/usb/ACADGEO.DEMO",
                      "/daten/SDIRFEMDEMO/ECHO_L.DEMO  --->  /media/usb/ACADLAST.DEMO"};
    tarvik::TransferWindow transferWindow("Gespeicherte Dateien", transfer);
    shoot(transferWindow, folder, "gespeicherte_dateien");

    // With a position (its working directory and data path): the list, the text windows.
    if (!position.empty()) {
        NoLauncher launcher;
        tarvik::Manager manager(std::filesystem::current_path().string(), box, launcher);
        manager.start();
        tarvik::PositionDocuments documents(manager);
        tarvik::QtDocumentPrinter printer;
        tarvik::DocumentListWindow list(documents, printer, box);
        if (list.list()->count() > 1) list.list()->item(1)->setSelected(true);
        shoot(list, folder, "texte");
        if (auto text = tarvik::TextWindow::open(manager.positionDirectory() + "D1.TXT", box)) {
            shoot(*text, folder, "textfenster");
            text->hide();
        }
        if (auto viewer = tarvik::TextViewer::open(manager.positionDirectory() + "D1.TXT", box))
            shoot(*viewer, folder, "betrachter");
        tarvik::ArchiveFilesWindow files(manager.archiveFileList(), documents, printer, box);
        shoot(files, folder, "archivdateien");
        std::system(("import -window root '" + folder + "/bildschirm_ganz.png'").c_str());
    }
    for (const auto& text : box.texts())
        std::cout << text << '\n';
    return 0;
}
