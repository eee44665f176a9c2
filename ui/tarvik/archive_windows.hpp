// The archive windows: the transfer list of a store or a load, the archive file list "Acad- und
// Echo-Dateien", and the two commands that lead through their choosers.
#pragma once

#include "manager/archive.hpp"
#include "manager/manager.hpp"
#include "manager/position_documents.hpp"
#include "manager/printing.hpp"
#include "ports/ports.hpp"

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

namespace tarvik {

/// The transfer window: "Gespeicherte Dateien" after a store, "Laden" after a load; one line per
/// copied file.
class TransferWindow : public QDialog {
  public:
    TransferWindow(const QString& title, const Transfer& transfer, QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }

  private:
    QListWidget* list_;
};

/// "Acad- und Echo-Dateien": double click opens a file in the text window, "&Drucken" prints the
/// chosen one.
class ArchiveFilesWindow : public QDialog {
  public:
    ArchiveFilesWindow(std::vector<std::string> files, PositionDocuments& documents,
                       DocumentPrinter& printer, ports::MessageBox& box, QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }
    /// Opens the current file in the text window.
    void openCurrent();
    /// Prints the current file with the text print settings.
    void printCurrent();
    void setDestination(PrintDestination destination) { destination_ = std::move(destination); }

  private:
    std::vector<std::string> files_;
    PositionDocuments& documents_;
    DocumentPrinter& printer_;
    ports::MessageBox& box_;
    QListWidget* list_;
    PrintDestination destination_{PrintTarget::ChoosePrinter, ""};
};

/// "Sichern der Position": the folder browser, the store and its transfer window.
void storePosition(Manager& manager, ports::Ui& ui, QWidget* parent);

/// "Position von Diskette laden": the file dialog in the folder of the last load, the name of the
/// position, the load and its transfer window; OK opens the loaded position.
void loadPosition(Manager& manager, ports::Ui& ui, QWidget* parent);

} // namespace tarvik
