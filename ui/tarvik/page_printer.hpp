// The page printer: lays a print job out with the font's measures and paints the page model on
// a printer (the print dialog or the default printer) or into a PDF file.
#pragma once

#include "manager/printing.hpp"

#include <QPointer>
#include <QWidget>

#include <string>

class QPagedPaintDevice;

namespace tarvik {

/// Lays out the job for the device and paints its pages; the outcome names the pages and the
/// numbers after them, or why nothing could be painted (cannotBegin when the device refuses).
PrintOutcome paintJob(const PrintJob& job, QPagedPaintDevice& device,
                      const std::string& cannotBegin = "Der Drucker kann nicht beginnen.");

/// The printer of the window and of the console built with Qt.
class QtDocumentPrinter : public DocumentPrinter {
  public:
    /// The print dialog opens over parent (may be null).
    explicit QtDocumentPrinter(QWidget* parent = nullptr) : parent_(parent) {}
    PrintOutcome print(const PrintJob& job, const PrintDestination& destination) override;

  private:
    QPointer<QWidget> parent_;
};

} // namespace tarvik
