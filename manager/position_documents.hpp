// The documents of the open position as the document list "Texte" works on them: listing,
// viewing, deleting, printing with page headers and numbers, printing into a file, the form
// print, and the dialogs that set up the prints.
#pragma once

#include "manager/document_list.hpp"
#include "manager/form_header.hpp"
#include "manager/manager.hpp"
#include "manager/print_settings.hpp"
#include "manager/printing.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

/// The dialog "Numerierung der Seiten im Ausdruck": PAGENR and DRUCKER1.INI.
struct NumberingDialog {
    Numbering numbering;
    TextPrintSettings text;
    bool operator==(const NumberingDialog&) const = default;
};

/// What a form print did: documents handed to the text printing tool, and the print of those
/// the suite's own page printer took over because the tool is missing.
struct FormPrintOutcome {
    int started = 0;
    std::optional<PrintOutcome> own;
};

/// The document commands on the manager's open position. Entries are numbered from 1 in the
/// order of DATEIEN; every failure is reported through the manager's message box.
class PositionDocuments {
  public:
    explicit PositionDocuments(Manager& manager) : manager_(manager) {}

    /// The entries of DATEIEN below the heading; empty without a position or list.
    std::vector<std::string> entries() const;

    /// "&Löschen": asks, removes each chosen document (D<n>.TXT, else D<n>) and its entry,
    /// rewrites DATEIEN and LASTD. A list that cannot be rewritten is reported and the list
    /// stays as it is on disk. True when an entry was removed.
    bool remove(const std::vector<std::size_t>& chosen);

    /// A double click: the text viewer on the document. When the viewer is not installed the
    /// document's path is returned for the manager's own read-only viewer.
    std::optional<std::string> view(std::size_t entry);

    /// "Kopfzeilen" as it opens (INC1, INC2, IDZ).
    HeaderLines openHeaderLines() const;
    /// OK of "Kopfzeilen"; false after a message when a value cannot be used or not written.
    bool storeHeaderLines(const HeaderLines& lines);

    /// The numbering dialog as it opens: the stored page and sheet numbers each reduced by 1
    /// when above 0 (a print stores one more than the next page carries); without PAGENR the
    /// first page and sheet are 1.
    NumberingDialog openNumbering() const;
    /// OK of the numbering dialog: PAGENR with the numbers as entered, DRUCKER1.INI.
    bool storeNumbering(const NumberingDialog& dialog);

    /// "&Drucken" after the numbering dialog: the chosen documents (D<n> first, then D<n>.TXT)
    /// with the header lines, the page line and the rule on every page; PAGENR afterwards holds
    /// the numbers after the last page, each increased by 1 once more. A missing document ends
    /// the documents to print before it. The numbering dialog's values, when given, are stored
    /// first and put back when nothing is printed, so that a cancelled print does not move the
    /// next one's numbers.
    PrintOutcome print(const std::vector<std::size_t>& chosen, DocumentPrinter& printer,
                       const PrintDestination& destination,
                       const std::optional<NumberingDialog>& numbering = std::nullopt);
    /// Prints files by their paths the same way (the archive file list's "&Drucken").
    PrintOutcome printFiles(const std::vector<std::string>& paths, DocumentPrinter& printer,
                            const PrintDestination& destination);

    /// "In Datei Drucken": the lines of the chosen documents, each followed by an empty line,
    /// into the file name (relative to the working directory). False after a message.
    bool printIntoFile(std::string_view name, const std::vector<std::size_t>& chosen);

    /// "Formulardruck" as it opens.
    FormHeader openForm() const;
    /// "&Weiter": FKOPF, FKPFAD, FSEITE, AUFSTELLER1; false after a message.
    bool storeForm(const FormHeader& header);
    /// The form print after "&Weiter": the text printing tool on each chosen document (D<n>.TXT
    /// first); when it is not installed, the manager's page printer with the form header.
    FormPrintOutcome formPrint(const std::vector<std::size_t>& chosen, DocumentPrinter& printer,
                               const PrintDestination& destination);

  private:
    /// The chosen entries sorted and once each; nullopt after a message when none is chosen or
    /// one is not in the list.
    std::optional<std::vector<std::size_t>> selection(const std::vector<std::size_t>& chosen,
                                                      const std::vector<std::string>& list) const;
    /// The paths of the chosen documents in the form order; those up to a missing one, which is
    /// reported.
    std::vector<std::pair<int, std::string>> documentPaths(const std::vector<std::size_t>& chosen,
                                                           DocumentForm order) const;
    /// Sends the job to the printer, reports a failure, and rewrites PAGENR after a print.
    PrintOutcome send(PrintJob job, DocumentPrinter& printer, const PrintDestination& destination,
                      bool countPages);
    /// The job of a normal print: numbering, header lines and text settings as stored.
    PrintJob numberedJob(std::vector<PrintDocument> documents) const;
    bool needPosition() const;

    Manager& manager_;
};

} // namespace tarvik
