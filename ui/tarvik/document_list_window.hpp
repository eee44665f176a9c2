// The document list "Texte": the position's documents in a multi-selection list with view,
// print, form print, print into a file, delete and the header lines.
#pragma once

#include "manager/position_documents.hpp"
#include "manager/printing.hpp"
#include "ports/ports.hpp"

#include <QDialog>

#include <functional>
#include <vector>

class QListWidget;

namespace tarvik {

class DocumentListWindow : public QDialog {
  public:
    /// Prints go to printer; messages, questions and the file name go through ui.
    DocumentListWindow(PositionDocuments& documents, DocumentPrinter& printer, ports::Ui& ui,
                       QWidget* parent = nullptr);

    /// Reads DATEIEN again.
    void refresh();
    /// The chosen entries, numbered from 1 below the heading.
    std::vector<std::size_t> chosen() const;
    QListWidget* list() const { return list_; }

    /// A double click or Enter: the text viewer, else the own viewer.
    void viewCurrent();
    /// "&Drucken": the numbering dialog, then the print dialog.
    void printChosen();
    /// "&Formulardruck": the form header dialog, then the text printing tool.
    void formPrintChosen();
    /// "In Datei Drucken".
    void printChosenIntoFile();
    /// "&Löschen" and the Delete key.
    void deleteChosen();
    /// The menu "&Kopfzeilen".
    void editHeaderLines();

    /// Where prints go (the print dialog; tests print into a file).
    void setDestination(PrintDestination destination) { destination_ = std::move(destination); }

  private:
    /// The chosen entries; none after a message saying so.
    std::vector<std::size_t> chosenOrSay();

    PositionDocuments& documents_;
    DocumentPrinter& printer_;
    ports::Ui& ui_;
    QListWidget* list_;
    PrintDestination destination_{PrintTarget::ChoosePrinter, ""};
};

} // namespace tarvik
