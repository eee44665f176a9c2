// Times laying out and printing a 200-page document into a PDF with the manager's page printer:
// the page model alone, and the whole print (layout, painting, writing the file).
// Usage: bench_pages [pages] (default 200).
#include "manager/page_layout.hpp"
#include "manager/printing.hpp"
#include "ui/tarvik/page_printer.hpp"

#include <QGuiApplication>
#include <QPdfWriter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kRepeats = 3;
/// A 10-point page holds about 62 document lines below its head.
constexpr int kLinesPerPage = 62;

/// A result document of about the given number of pages: tables of numbers with now and then a
/// line long enough to be broken into words.
tarvik::PrintJob resultDocument(int pages) {
    tarvik::PrintJob job;
    job.title = "Tarvik";
    job.head.positionName = "DEMO";
    job.head.headerLines = {"Ingenieurbüro Muster, Ahornweg 3", "Wohnhaus, Decke über EG"};
    job.head.kind = tarvik::NumberingKind::SheetAndPage;
    tarvik::PrintDocument d{3, "D3", {}};
    char line[160];
    for (int k = 1; k <= pages * kLinesPerPage; ++k) {
        if (k % 50 == 0) {
            d.lines.push_back(" Die Momente sind in kNm/m angegeben; positive Werte erzeugen Zug "
                              "an der Unterseite der Platte, negative an der Oberseite, wie in "
                              "der Vorzeichenregel des Berichts beschrieben.");
            continue;
        }
        std::snprintf(line, sizeof line, " %5d  mxx = %10.3f  myy = %10.3f  mxy = %10.3f", k,
                      0.013 * k, -0.007 * k, 0.002 * k);
        d.lines.push_back(line);
    }
    job.documents.push_back(std::move(d));
    return job;
}

} // namespace

int main(int argc, char** argv) {
    const int pages = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    int qtArgc = 3;
    char name[] = "bench_pages", option[] = "-platform", offscreen[] = "offscreen";
    char* qtArgv[] = {name, option, offscreen, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    using Clock = std::chrono::steady_clock;
    const tarvik::PrintJob job = resultDocument(pages);
    const auto file = std::filesystem::temp_directory_path() / "bench_pages.pdf";
    double best = 1e9, bestLayout = 1e9;
    int printed = 0;
    for (int r = 0; r < kRepeats; ++r) {
        QPdfWriter writer(QString::fromStdString(file.string()));
        writer.setPageSize(QPageSize(QPageSize::A4));
        const auto t0 = Clock::now();
        const tarvik::PrintOutcome outcome = tarvik::paintJob(job, writer);
        const auto t1 = Clock::now();
        if (outcome.status != tarvik::PrintStatus::Printed) {
            std::fprintf(stderr, "Druck fehlgeschlagen: %s\n", outcome.error.c_str());
            return 1;
        }
        printed = outcome.pages;
        best = std::min(best, std::chrono::duration<double>(t1 - t0).count());
        // The page model alone, with every line one line high.
        struct Unit : tarvik::TextMeasure {
            double height(std::string_view) const override { return 1.0; }
        };
        const auto t2 = Clock::now();
        const auto layout = tarvik::layoutPages(job.documents, job.head, 1, 1, {0, 66.0}, Unit{});
        const auto t3 = Clock::now();
        if (layout.pages.empty()) return 1;
        bestLayout = std::min(bestLayout, std::chrono::duration<double>(t3 - t2).count());
    }
    std::printf("%d Zeilen, %d Seiten in %s\n", static_cast<int>(job.documents[0].lines.size()),
                printed, file.c_str());
    std::printf("Seitenmodell allein:           %8.3f s\n", bestLayout);
    std::printf("Layout und Druck in die PDF:   %8.3f s (Ziel 2 s; bestes von %d)\n", best,
                kRepeats);
    std::printf("PDF-Datei: %.1f MB\n",
                static_cast<double>(std::filesystem::file_size(file)) / 1e6);
    std::filesystem::remove(file);
    return 0;
}
