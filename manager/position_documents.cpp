// The document list's commands on the open position.
#include "manager/position_documents.hpp"

#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"
#include "common/text.hpp"
#include "manager/document_list.hpp"
#include "manager/programs.hpp"
#include "manager/text_files.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace tarvik {

namespace {

/// The documents' lines as read from their files.
PrintDocument readDocument(int number, const std::string& path) {
    PrintDocument document;
    document.number = number;
    document.name = number > 0 ? documentFileName(number, false)
                               : std::filesystem::path(path).filename().string();
    document.lines = textLines(slab::readFileText(path).value_or(""));
    return document;
}

/// Removes D<n>.TXT, else D<n>; true when one of them was removed.
bool removeDocument(const std::string& dir, int number) {
    if (number < 1) return false;
    for (bool textForm : {true, false}) {
        const std::string path =
            slab::resolveCaseInsensitive(dir + documentFileName(number, textForm));
        if (std::remove(path.c_str()) == 0) return true;
    }
    return false;
}

} // namespace

bool PositionDocuments::needPosition() const {
    if (!manager_.positionName().empty()) return true;
    manager_.messageBox().message("Achtung", kNoPosition);
    return false;
}

std::vector<std::string> PositionDocuments::entries() const {
    if (manager_.positionName().empty()) return {};
    const auto text =
        slab::readFileText(manager_.positionDirectory() + std::string(slab::files::kDocumentList));
    return text ? parseDocumentList(*text) : std::vector<std::string>{};
}

std::optional<std::vector<std::size_t>>
PositionDocuments::selection(const std::vector<std::size_t>& chosen,
                             const std::vector<std::string>& list) const {
    auto& box = manager_.messageBox();
    if (chosen.empty()) {
        box.message("Hinweis", "Es ist kein Dokument gewählt.");
        return std::nullopt;
    }
    std::vector<std::size_t> sorted = chosen;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (sorted.front() < 1 || sorted.back() > list.size()) {
        const std::size_t bad = sorted.front() < 1 ? sorted.front() : sorted.back();
        box.message("Hinweis", slab::format("Die Dokumentliste hat keinen Eintrag %zu (sie hat "
                                            "%zu).",
                                            bad, list.size()));
        return std::nullopt;
    }
    return sorted;
}

bool PositionDocuments::remove(const std::vector<std::size_t>& chosen) {
    if (!needPosition()) return false;
    auto& box = manager_.messageBox();
    std::vector<std::string> list = entries();
    const auto picked = selection(chosen, list);
    if (!picked) return false;
    const char* question = picked->size() == 1 ? "Soll die Datei gelöscht werden?"
                                               : "Sollen die Dateien gelöscht werden?";
    if (box.message(" ", question, ports::Buttons::YesNo) != ports::Answer::Yes) return false;

    const std::string dir = manager_.positionDirectory();
    std::vector<std::string> kept;
    bool removed = false;
    // From the last chosen entry to the first, so that the numbers before stay valid.
    for (auto it = picked->rbegin(); it != picked->rend(); ++it) {
        const std::string entry = list[*it - 1];
        if (removeDocument(dir, documentNumber(entry))) {
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(*it - 1));
            removed = true;
        } else {
            kept.push_back(std::string(slab::trim(entry)));
        }
    }
    if (!kept.empty())
        box.message("Hinweis", slab::format("Nicht gelöscht (kein Dokument D<Nummer> dazu "
                                            "gefunden): %s",
                                            slab::joinNames(kept).c_str()));
    if (!removed) return false;
    const std::string listPath = dir + std::string(slab::files::kDocumentList);
    if (!slab::writeFileAtomic(listPath, documentListText(list))) {
        // The program goes on; the list stays as the file holds it.
        box.message("Fehler", slab::format("Die Datei %s kann nicht geschrieben werden. Die "
                                           "Dokumentliste bleibt, wie sie war; die gelöschten "
                                           "Dokumente stehen noch darin.",
                                           listPath.c_str()));
        return true;
    }
    const std::string lastPath = dir + std::string(slab::files::kLastDocument);
    if (!slab::writeFileAtomic(lastPath, encodeLastDocument(highestDocumentNumber(list))))
        box.message("Fehler",
                    slab::format("Die Datei %s kann nicht geschrieben werden.", lastPath.c_str()));
    return true;
}

std::optional<std::string> PositionDocuments::view(std::size_t entry) {
    if (!needPosition()) return std::nullopt;
    const auto list = entries();
    const auto picked = selection({entry}, list);
    if (!picked) return std::nullopt;
    const auto paths = documentPaths(*picked, DocumentForm::TextFirst);
    if (paths.empty()) return std::nullopt;
    const std::string& path = paths.front().second;
    // No quotes: the path is one argument of its own.
    switch (manager_.startProgram(kTextViewerProgram, {path})) {
    case ports::LaunchResult::Started:
        return std::nullopt;
    case ports::LaunchResult::NotFound:
        return path;
    case ports::LaunchResult::Failed:
        break;
    }
    manager_.messageBox().message(
        "Hinweis", slab::format("Das Programm %s konnte nicht gestartet werden; das Dokument wird "
                                "in tarvik gezeigt.",
                                kTextViewerProgram));
    return path;
}

std::vector<std::pair<int, std::string>>
PositionDocuments::documentPaths(const std::vector<std::size_t>& chosen, DocumentForm order) const {
    std::vector<std::pair<int, std::string>> paths;
    const auto list = entries();
    const std::string dir = manager_.positionDirectory();
    for (std::size_t k : chosen) {
        const std::string& entry = list[k - 1];
        const int number = documentNumber(entry);
        const auto path = findDocument(dir, number, order);
        if (path) {
            paths.emplace_back(number, *path);
            continue;
        }
        const std::string text =
            number < 1 ? slab::format("Der Eintrag \"%s\" nennt kein Dokument D<Nummer>.",
                                      std::string(slab::trim(entry)).c_str())
                       : slab::format("Das Dokument %s fehlt (weder %s noch %s).",
                                      documentFileName(number, false).c_str(),
                                      (dir + documentFileName(number, false)).c_str(),
                                      (dir + documentFileName(number, true)).c_str());
        manager_.messageBox().message("Fehlende Eingabe", text);
        break;
    }
    return paths;
}

HeaderLines PositionDocuments::openHeaderLines() const {
    return readHeaderLines(manager_.workDirectory());
}

bool PositionDocuments::storeHeaderLines(const HeaderLines& lines) {
    auto& box = manager_.messageBox();
    if (auto problem = headerLinesProblem(lines)) {
        box.message("Fehler", *problem);
        return false;
    }
    const auto failed = writeHeaderLines(manager_.workDirectory(), lines);
    if (failed.empty()) return true;
    box.message("Fehler", slab::format("Nicht geschrieben: %s", slab::joinNames(failed).c_str()));
    return false;
}

NumberingDialog PositionDocuments::openNumbering() const {
    const std::string pagenr = manager_.positionDirectory() + std::string(kNumberingFile);
    NumberingDialog dialog{readNumbering(manager_.positionDirectory()),
                           readTextPrintSettings(manager_.workDirectory())};
    // Only numbers a print stored are one ahead; without PAGENR the first page is page 1.
    if (!slab::fileExists(pagenr)) return dialog;
    if (dialog.numbering.page > 0) --dialog.numbering.page;
    if (dialog.numbering.sheet > 0) --dialog.numbering.sheet;
    return dialog;
}

bool PositionDocuments::storeNumbering(const NumberingDialog& dialog) {
    if (!needPosition()) return false;
    auto& box = manager_.messageBox();
    auto problem = numberingProblem(dialog.numbering);
    if (!problem) problem = textPrintSettingsProblem(dialog.text);
    if (problem) {
        box.message("Fehler", *problem);
        return false;
    }
    std::vector<std::string> failed;
    const std::string pagenr = manager_.positionDirectory() + std::string(kNumberingFile);
    if (!slab::writeFileAtomic(pagenr, encodeNumbering(dialog.numbering)))
        failed.emplace_back(kNumberingFile);
    const std::string ini = manager_.workDirectory() + std::string(kTextPrintFile);
    if (!slab::writeFileAtomic(ini, textPrintSettingsText(dialog.text)))
        failed.emplace_back(kTextPrintFile);
    if (failed.empty()) return true;
    box.message("Fehler", slab::format("Nicht geschrieben: %s", slab::joinNames(failed).c_str()));
    return false;
}

PrintJob PositionDocuments::numberedJob(std::vector<PrintDocument> documents) const {
    const std::string& work = manager_.workDirectory();
    const Numbering numbering = readNumbering(manager_.positionDirectory());
    const HeaderLines header = readHeaderLines(work);
    PrintJob job;
    job.title = "Tarvik";
    job.documents = std::move(documents);
    job.head.positionName = manager_.positionName();
    if (numbering.withDate) job.head.date = formDate(manager_.now());
    if (header.count >= 1 && header.count <= 2) job.head.headerLines.push_back(header.line1);
    if (header.count == 2) job.head.headerLines.push_back(header.line2);
    job.head.kind = numbering.kind;
    job.firstPage = numbering.page;
    job.firstSheet = numbering.sheet;
    job.text = readTextPrintSettings(work);
    return job;
}

PrintOutcome PositionDocuments::send(PrintJob job, DocumentPrinter& printer,
                                     const PrintDestination& destination, bool countPages) {
    PrintOutcome outcome = printer.print(job, destination);
    if (outcome.status == PrintStatus::Failed)
        manager_.messageBox().message("Fehler", outcome.error);
    if (outcome.status != PrintStatus::Printed || !countPages) return outcome;
    Numbering after = readNumbering(manager_.positionDirectory());
    after.page = outcome.nextPage + 1;
    after.sheet = outcome.nextSheet + 1;
    const std::string pagenr = manager_.positionDirectory() + std::string(kNumberingFile);
    if (!slab::writeFileAtomic(pagenr, encodeNumbering(after)))
        manager_.messageBox().message(
            "Fehler", slab::format("Die Datei %s kann nicht geschrieben werden.", pagenr.c_str()));
    return outcome;
}

PrintOutcome PositionDocuments::print(const std::vector<std::size_t>& chosen,
                                      DocumentPrinter& printer, const PrintDestination& destination,
                                      const std::optional<NumberingDialog>& numbering) {
    if (!needPosition()) return {};
    const auto picked = selection(chosen, entries());
    if (!picked) return {};
    std::vector<PrintDocument> documents;
    for (const auto& [number, path] : documentPaths(*picked, DocumentForm::PlainFirst))
        documents.push_back(readDocument(number, path));
    if (documents.empty()) return {};
    const std::string pagenr = manager_.positionDirectory() + std::string(kNumberingFile);
    const auto before = slab::readFileBytes(pagenr);
    if (numbering && !storeNumbering(*numbering)) return {};
    PrintOutcome outcome = send(numberedJob(std::move(documents)), printer, destination, true);
    if (numbering && outcome.status != PrintStatus::Printed) {
        // Nothing went out: the numbers stay those of the last print.
        if (before)
            slab::writeFileAtomic(pagenr, *before);
        else
            std::remove(slab::resolveCaseInsensitive(pagenr).c_str());
    }
    return outcome;
}

PrintOutcome PositionDocuments::printFiles(const std::vector<std::string>& paths,
                                           DocumentPrinter& printer,
                                           const PrintDestination& destination) {
    if (!needPosition()) return {};
    std::vector<PrintDocument> documents;
    for (const auto& path : paths) {
        if (!slab::fileExists(path)) {
            manager_.messageBox().message("Fehlende Eingabe",
                                          slab::format("Die Datei %s fehlt.", path.c_str()));
            break;
        }
        documents.push_back(readDocument(0, path));
    }
    if (documents.empty()) return {};
    return send(numberedJob(std::move(documents)), printer, destination, true);
}

bool PositionDocuments::printIntoFile(std::string_view typed,
                                      const std::vector<std::size_t>& chosen) {
    if (!needPosition()) return false;
    auto& box = manager_.messageBox();
    const std::string name(slab::trim(typed));
    if (name.empty()) {
        box.message("Fehlende Eingabe", "Bitte den Namen der Datei eingeben.");
        return false;
    }
    const auto picked = selection(chosen, entries());
    if (!picked) return false;
    std::string text;
    const auto paths = documentPaths(*picked, DocumentForm::PlainFirst);
    for (const auto& [number, path] : paths) {
        for (const auto& line : readDocument(number, path).lines)
            text += line + '\n';
        text += '\n';
    }
    if (paths.empty()) return false;
    std::filesystem::path target(name);
    if (target.is_relative()) target = std::filesystem::path(manager_.workDirectory()) / target;
    if (!slab::writeFileAtomic(target.string(), text)) {
        box.message("Fehler", cannotCreate(target.string()));
        return false;
    }
    return true;
}

FormHeader PositionDocuments::openForm() const {
    return openFormHeader(manager_.workDirectory(), manager_.positionDirectory(), manager_.now());
}

bool PositionDocuments::storeForm(const FormHeader& header) {
    if (!needPosition()) return false;
    auto& box = manager_.messageBox();
    if (auto problem = formHeaderProblem(header)) {
        box.message("Fehler", *problem);
        return false;
    }
    const auto written =
        writeFormHeader(manager_.workDirectory(), manager_.positionDirectory(), header);
    if (written.error) {
        box.message("Fehler", *written.error);
        return false;
    }
    if (!written.failed.empty())
        box.message("Fehler",
                    slab::format("Nicht geschrieben: %s", slab::joinNames(written.failed).c_str()));
    return written.failed.empty();
}

FormPrintOutcome PositionDocuments::formPrint(const std::vector<std::size_t>& chosen,
                                              DocumentPrinter& printer,
                                              const PrintDestination& destination) {
    FormPrintOutcome outcome;
    if (!needPosition()) return outcome;
    const auto picked = selection(chosen, entries());
    if (!picked) return outcome;
    std::vector<PrintDocument> own;
    for (const auto& [number, path] : documentPaths(*picked, DocumentForm::TextFirst)) {
        const auto result = manager_.startProgram(kTextPrintProgram, {path, std::string("/p")});
        if (result == ports::LaunchResult::Started)
            ++outcome.started;
        else
            own.push_back(readDocument(number, path));
    }
    if (own.empty()) return outcome;
    // Without the text printing tool the form header heads each page of the own print.
    const FormHeader form = readFormHeader(manager_.positionDirectory()).value_or(openForm());
    PrintJob job = numberedJob(std::move(own));
    job.head.form = form;
    job.firstPage = std::max(1, formFirstPage(form).value_or(1));
    if (auto size = slab::parseInteger(form[FormField::FontSize]);
        size && *size >= 4 && *size <= 72)
        job.text.size = *size;
    outcome.own = send(std::move(job), printer, destination, false);
    return outcome;
}

} // namespace tarvik
