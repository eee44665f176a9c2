// Painting the page model with QPainter.
#include "ui/tarvik/page_printer.hpp"

#include "common/format.hpp"
#include "manager/page_layout.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

/// A PDF page keeps this border free, as a printer's unprintable edge does [mm].
constexpr double kPdfBorder = 5.0;
/// A margin of 0 mm counts as 1 mm.
constexpr int kMinMargin = 1;

/// Heights of lines broken into words across the printable width.
class FontMeasure : public TextMeasure {
  public:
    FontMeasure(const QFont& font, QPaintDevice* device, double width)
        : metrics_(font, device), width_(width) {}
    double height(std::string_view line) const override {
        const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        // Most lines fit the width: one line's height without the costly word breaking.
        if (text.isEmpty() || metrics_.horizontalAdvance(text) <= width_)
            return metrics_.lineSpacing();
        return metrics_
            .boundingRect(QRectF(0, 0, width_, 1e9), Qt::TextWordWrap | Qt::AlignLeft, text)
            .height();
    }

  private:
    QFontMetricsF metrics_;
    double width_;
};

/// The fixed-pitch face of the print at its size in device pixels.
QFont printFont(const TextPrintSettings& text, const QPaintDevice& device) {
    QFont font;
    font.setFamilies(
        {QString::fromStdString(text.font), "Courier New", "Liberation Mono", "DejaVu Sans Mono"});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // The character height in points, scaled by the device's vertical resolution.
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(text.size * device.logicalDpiY() / 72.0))));
    return font;
}

PrintOutcome failed(std::string error) {
    return {PrintStatus::Failed, 0, 0, 0, std::move(error)};
}

} // namespace

PrintOutcome paintJob(const PrintJob& job, QPagedPaintDevice& device,
                      const std::string& cannotBegin) {
    const QFont font = printFont(job.text, device);
    // Pixels per millimetre, each truncated.
    const int perMmX = device.widthMM() > 0 ? device.width() / device.widthMM() : 1;
    const int perMmY = device.heightMM() > 0 ? device.height() / device.heightMM() : 1;
    const double left = std::max(kMinMargin, job.text.leftMargin) * perMmX;
    const double top = std::max(kMinMargin, job.text.topMargin) * perMmY;
    const double width = std::max(1.0, device.width() - left);
    const FontMeasure measure(font, &device, width);
    const PageLayout layout = layoutPages(job.documents, job.head, job.firstPage, job.firstSheet,
                                          {top, static_cast<double>(device.height())}, measure);
    if (layout.pages.empty()) return failed("Die Dokumente sind leer; es wurde nichts gedruckt.");
    QPainter painter;
    if (!painter.begin(&device)) return failed(cannotBegin);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (std::size_t k = 0; k < layout.pages.size(); ++k) {
        if (k > 0 && !device.newPage()) {
            painter.end();
            return failed("Eine Seite konnte nicht beendet werden; der Druck ist abgebrochen.");
        }
        for (const PageLine& line : layout.pages[k].lines)
            painter.drawText(QRectF(left, line.top, width, line.height),
                             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                             QString::fromStdString(line.text));
    }
    if (!painter.end()) return failed("Der Druck konnte nicht beendet werden.");
    return {PrintStatus::Printed, static_cast<int>(layout.pages.size()), layout.nextPage,
            layout.nextSheet, ""};
}

PrintOutcome QtDocumentPrinter::print(const PrintJob& job, const PrintDestination& destination) {
    switch (destination.target) {
    case PrintTarget::PdfFile: {
        QPdfWriter writer(QString::fromStdString(destination.file));
        writer.setTitle(QString::fromStdString(job.title));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kPdfBorder, kPdfBorder, kPdfBorder, kPdfBorder),
                                         QPageLayout::Millimeter));
        return paintJob(
            job, writer,
            slab::format("Die Datei %s kann nicht geschrieben werden.", destination.file.c_str()));
    }
    case PrintTarget::DefaultPrinter: {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return failed("Es ist kein Standarddrucker eingerichtet; bitte in eine PDF-Datei "
                          "drucken.");
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(QString::fromStdString(job.title));
        return paintJob(job, printer);
    }
    case PrintTarget::ChoosePrinter: {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(QString::fromStdString(job.title));
        QPrintDialog dialog(&printer, parent_);
        if (dialog.exec() != QDialog::Accepted) return {PrintStatus::Cancelled, 0, 0, 0, ""};
        return paintJob(job, printer);
    }
    }
    return failed("Unbekanntes Ziel des Drucks.");
}

} // namespace tarvik
