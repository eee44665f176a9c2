// Fuzz target: the project manager's settings and list files. The first input byte picks the
// file; the rest is its content, decoded in memory and also put into a working and a position
// folder for the readers that open files. Every value read is one the programs can store again.
#include "fuzz/support/fuzz_support.hpp"
#include "manager/archive.hpp"
#include "manager/document_list.hpp"
#include "manager/form_header.hpp"
#include "manager/plot_settings.hpp"
#include "manager/print_settings.hpp"
#include "manager/printer_control.hpp"
#include "manager/protocol.hpp"
#include "manager/settings_files.hpp"
#include "manager/text_files.hpp"
#include "solver/modelfiles/ttable.hpp"

#include <array>

namespace {

using namespace tarvik;
using Bytes = std::vector<std::uint8_t>;

void ext(const Bytes& b) {
    const auto name = decodeExt(b);
    if (!name || name->empty()) return;
    fuzz::require(!positionNameProblem(*name), "Positionsname brauchbar", *name);
    fuzz::require(decodeExt(encodeField("." + *name)) == name, "EXT gleich nach dem Schreiben");
}

void dataPath(const Bytes& b) {
    const auto path = decodeDataPath(b);
    if (!path) return;
    fuzz::require(!dataPathProblem(*path), "Datenpfad brauchbar", *path);
    fuzz::require(decodeDataPath(encodeField(*path)) == path, "DPFAD gleich nach dem Schreiben");
}

void recent(std::string_view text) {
    const auto entries = parseRecentList(text);
    fuzz::require(entries.size() <= kMaxRecent, "höchstens zehn Positionen");
    fuzz::require(parseRecentList(recentListText(entries)) == entries,
                  "LISTEP gleich nach dem Schreiben");
}

void documents(std::string_view text) {
    const auto entries = parseDocumentList(text);
    for (const auto& e : entries) {
        fuzz::require(e.size() <= kMaxDocumentListLine, "Eintrag höchstens 119 Zeichen");
        const int n = documentNumber(e);
        fuzz::require(n >= 0 && n <= kMaxDocumentNumber, "Dokumentnummer in LASTD");
    }
    fuzz::require(parseDocumentList(documentListText(entries)) == entries,
                  "DATEIEN gleich nach dem Schreiben");
}

void lastDocument(const Bytes& b) {
    const auto n = decodeLastDocument(b);
    if (n) fuzz::require(decodeLastDocument(encodeLastDocument(*n)) == n, "LASTD gleich");
}

void printSettings(std::string_view text, const Bytes& b) {
    const TextPrintSettings s = parseTextPrintSettings(text);
    fuzz::require(parseTextPrintSettings(textPrintSettingsText(s)) == s ||
                      textPrintSettingsProblem(s),
                  "DRUCKER1.INI gleich nach dem Schreiben");
    const Numbering n = decodeNumbering(b);
    fuzz::require(decodeNumbering(encodeNumbering(n)) == n, "PAGENR gleich nach dem Schreiben");
}

void plotSettings(std::string_view text, const Bytes& b) {
    if (const auto p = decodePlotParameters(b)) {
        // Compared as bytes: a NaN in a letter size is kept as read, and never equals itself.
        const Bytes image = encodePlotParameters(*p);
        const auto again = decodePlotParameters(image);
        fuzz::require(again && encodePlotParameters(*again) == image,
                      "PSCALA gleich nach dem Schreiben");
        overviewScaleOf(*p);
    }
    const ScreenSize s = parseScreenSize(text);
    if (!screenSizeProblem(s))
        fuzz::require(parseScreenSize(screenSizeText(s)) == s, "WDEV gleich nach dem Schreiben");
}

void formHeader(const Bytes& b) {
    if (const auto strings = decodeSerialStrings(b, 20))
        fuzz::require(strings->size() <= 20, "höchstens so viele Texte wie verlangt");
    const auto h = decodeFormHeader(b);
    if (!h) return;
    fuzz::require(decodeFormHeader(encodeFormHeader(*h)) == h, "FKOPF gleich nach dem Schreiben");
    const auto page = formFirstPage(*h);
    if (page) fuzz::require(*page >= 0 && *page <= kMaxPageNumber, "erste Seite im Bereich");
}

void printerControl(const Bytes& b) {
    if (const auto c = decodeConversionProgram(b))
        fuzz::require(decodeConversionProgram(encodeConversionProgram(*c)) == c, "PGLINFO gleich");
    if (const auto s = decodePrinterStrings(b)) {
        // Bytes behind a string's NUL are not kept; the strings and every other byte are.
        const Bytes image = encodePrinterStrings(*s);
        const auto again = decodePrinterStrings(image);
        fuzz::require(again && again->hardware == s->hardware && again->init == s->init &&
                          again->reset == s->reset && encodePrinterStrings(*again) == image,
                      "LASINFO gleich");
    }
    if (const auto p = decodePlotterConnection(b)) {
        if (!plotterConnectionProblem(*p))
            fuzz::require(decodePlotterConnection(encodePlotterConnection(*p)) == p,
                          "PLOTINFO gleich");
    }
}

void protocol(const Bytes& b) {
    const auto lines = protocolLines(slab::decodeTimeTable(b));
    for (const auto& line : lines) {
        fuzz::require(fuzz::validUtf8(line), "Protokollzeile in UTF-8", line);
        if (const auto r = restartOf(line)) {
            fuzz::require(!r->program.empty(), "Neustart nennt ein Programm");
            if (r->number) fuzz::require(*r->number > 0, "Neustart mit Nummer über 0");
        }
    }
}

// The files of the working and the position folder that the readers open.
constexpr std::array kWorkFiles = {"INC1",        "INC2",           "IDZ",      "DRUCKER1.INI",
                                   "PSCALA",      "WDEV",           "PMEDIUM1", "PMEDIUM",
                                   "AUFSTELLER1", "VERSION.PLATTE", "PGLINFO",  "LASINFO",
                                   "PLOTINFO",    "LADEPFAD"};
constexpr std::array kPositionFiles = {"PAGENR", "FKOPF", "D1.TXT"};

void readFolders(std::uint8_t choice, std::string_view content) {
    fuzz::clearScratch();
    const std::string work = fuzz::scratchSubdirectory("work");
    const std::string position = fuzz::scratchSubdirectory("position");
    const std::size_t k = choice % (kWorkFiles.size() + kPositionFiles.size());
    const std::string path = k < kWorkFiles.size()
                                 ? work + kWorkFiles[k]
                                 : position + kPositionFiles[k - kWorkFiles.size()];
    fuzz::writeFile(path, content);
    const HeaderLines lines = readHeaderLines(work);
    fuzz::require(fuzz::validUtf8(lines.line1) && fuzz::validUtf8(lines.line2),
                  "Kopfzeilen in UTF-8");
    readTextPrintSettings(work);
    readNumbering(position);
    readPlotParameters(work);
    readScreenSize(work);
    readOutputMedium(work);
    const FormHeader form = openFormHeader(work, position, 0);
    for (const auto& field : form.fields)
        fuzz::require(fuzz::validUtf8(field), "Formularfeld in UTF-8", field);
    readConversionProgram(work);
    readPrinterStrings(work);
    readPlotterConnection(work);
    readLoadFolder(work);
    for (bool dos : {false, true})
        if (const auto text = readShownText(position + "D1.TXT", dos))
            fuzz::require(fuzz::validUtf8(*text) || !dos, "Text aus Codepage 850 in UTF-8");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const Bytes b(data + 1, data + size);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 12) {
    case 0:
        ext(b);
        break;
    case 1:
        dataPath(b);
        break;
    case 2:
        recent(text);
        break;
    case 3:
        documents(text);
        break;
    case 4:
        lastDocument(b);
        break;
    case 5:
        printSettings(text, b);
        break;
    case 6:
        plotSettings(text, b);
        break;
    case 7:
        formHeader(b);
        break;
    case 8:
        printerControl(b);
        break;
    case 9:
        protocol(b);
        break;
    default:
        readFolders(data[0] / 12, text);
        break;
    }
    return 0;
}
