// Printing documents: what a print job holds, where it goes and what became of it, and the
// printer a front end provides (the window's and the console's paint the page model with Qt).
#pragma once

#include "manager/page_layout.hpp"
#include "manager/print_settings.hpp"

#include <string>
#include <vector>

namespace tarvik {

/// Where a print goes.
enum class PrintTarget {
    DefaultPrinter, ///< the system's default printer, without a dialog
    ChoosePrinter,  ///< the print dialog (cancel ends the print)
    PdfFile,        ///< a PDF file
};

struct PrintDestination {
    PrintTarget target = PrintTarget::DefaultPrinter;
    std::string file; ///< the PDF file
};

/// One print: the documents in order, what heads every page, the first numbers and the text
/// settings (font size and margins).
struct PrintJob {
    std::string title; ///< the job's name in the printer's queue
    std::vector<PrintDocument> documents;
    PageHead head;
    int firstPage = 1;
    int firstSheet = 1;
    TextPrintSettings text;
};

enum class PrintStatus {
    Printed,   ///< every page was sent
    Cancelled, ///< the user cancelled the print dialog
    Failed,    ///< no printer, a file that cannot be written, or a page that could not end
};

struct PrintOutcome {
    PrintStatus status = PrintStatus::Failed;
    int pages = 0;
    int nextPage = 0; ///< the number the page after the last would carry
    int nextSheet = 0;
    std::string error; ///< why it failed (German)
};

/// Lays out a print job into pages and sends them to a printer or a file.
class DocumentPrinter {
  public:
    virtual ~DocumentPrinter() = default;
    /// Prints the job; the outcome says how many pages went out.
    virtual PrintOutcome print(const PrintJob& job, const PrintDestination& destination) = 0;
};

} // namespace tarvik
