// The page printer: a print job laid out with the font's measures and painted into a PDF, the
// numbers it leaves, and the failures it names.
#include "tests/support/test_support.hpp"
#include "ui/tarvik/page_printer.hpp"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

tarvik::PrintJob job(int lines, std::size_t width = 20) {
    tarvik::PrintJob j;
    j.title = "Tarvik";
    j.head.positionName = "DEMO";
    tarvik::PrintDocument d{2, "D2", {}};
    for (int k = 1; k <= lines; ++k)
        d.lines.push_back(std::string(width, 'x') + " " + std::to_string(k));
    j.documents.push_back(d);
    return j;
}

std::string bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(PagePrinter, PrintsIntoAPdfWithNumbersCountedOn) {
    testsupport::TempDir dir;
    tarvik::QtDocumentPrinter printer;
    const std::string file = dir.str() + "d.pdf";
    const auto outcome = printer.print(job(150), {tarvik::PrintTarget::PdfFile, file});
    ASSERT_EQ(outcome.status, tarvik::PrintStatus::Printed) << outcome.error;
    // 10 pt lines on an A4 page of 287 mm less 10 mm at the top: about 60 lines a page.
    EXPECT_GE(outcome.pages, 2);
    EXPECT_LE(outcome.pages, 4);
    EXPECT_EQ(outcome.nextPage, 1 + outcome.pages);
    EXPECT_EQ(bytes(file).substr(0, 5), "%PDF-");
}

TEST(PagePrinter, LongLinesAreBrokenIntoWordsAndTakeMorePages) {
    testsupport::TempDir dir;
    QPdfWriter a((dir.str() + "a.pdf").c_str()), b((dir.str() + "b.pdf").c_str());
    for (QPdfWriter* w : {&a, &b})
        w->setPageSize(QPageSize(QPageSize::A4));
    const auto shortLines = tarvik::paintJob(job(100, 20), a);
    // Lines of about 300 characters break into four or five rows each.
    tarvik::PrintJob longJob = job(100, 20);
    for (auto& line : longJob.documents[0].lines)
        for (int k = 0; k < 14; ++k)
            line += " wort" + std::to_string(k) + std::string(15, 'y');
    const auto longLines = tarvik::paintJob(longJob, b);
    ASSERT_EQ(shortLines.status, tarvik::PrintStatus::Printed);
    ASSERT_EQ(longLines.status, tarvik::PrintStatus::Printed);
    EXPECT_GE(longLines.pages, 3 * shortLines.pages);
}

TEST(PagePrinter, LargerLettersTakeMorePages) {
    testsupport::TempDir dir;
    QPdfWriter a((dir.str() + "a.pdf").c_str()), b((dir.str() + "b.pdf").c_str());
    tarvik::PrintJob small = job(200), large = job(200);
    large.text.size = 20;
    const int smallPages = tarvik::paintJob(small, a).pages;
    const int largePages = tarvik::paintJob(large, b).pages;
    EXPECT_GE(largePages, 2 * smallPages - 1);
}

TEST(PagePrinter, FailuresAreNamed) {
    testsupport::TempDir dir;
    tarvik::QtDocumentPrinter printer;
    const std::string file = dir.str() + "fehlt/d.pdf";
    auto outcome = printer.print(job(3), {tarvik::PrintTarget::PdfFile, file});
    EXPECT_EQ(outcome.status, tarvik::PrintStatus::Failed);
    EXPECT_EQ(outcome.error, "Die Datei " + file + " kann nicht geschrieben werden.");
    outcome = printer.print(job(0), {tarvik::PrintTarget::PdfFile, dir.str() + "leer.pdf"});
    EXPECT_EQ(outcome.status, tarvik::PrintStatus::Failed);
    EXPECT_EQ(outcome.error, "Die Dokumente sind leer; es wurde nichts gedruckt.");
}

} // namespace
