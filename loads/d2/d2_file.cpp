// Writing the load document: a section appended or rewritten in D2.TXT through D2NEUD2, the
// order of the sections in D2LOGW, the document list entry, and sections removed.
#include "loads/d2/d2_file.hpp"

#include "common/document_list.hpp"
#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"
#include "loads/d2/d2_sections.hpp"
#include "loads/file_names.hpp"
#include "loads/load_case_files.hpp"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace daskel {

namespace {

constexpr std::string_view kTemp = "D2NEUD2";
constexpr const char* kOpenFailure = "Fehler beim Öffnen der Dateien D2 und D2NEUD2 in LSTORE";

/// The lines of a text, each with its "\n" (a last line without one gets it).
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line + "\n");
        at = end + 1;
    }
    return lines;
}

/// The load case number of a section's title line " Lastfall <n> : ...", else nullopt.
std::optional<int> titleNumber(const std::string& line) {
    static const std::string head = " Lastfall ";
    if (line.compare(0, head.size(), head) != 0) return std::nullopt;
    const std::size_t colon = line.find(" : ", head.size());
    if (colon == std::string::npos) return std::nullopt;
    return slab::parseInteger(std::string_view(line).substr(head.size(), colon - head.size()));
}

std::optional<std::string> documentText(const std::string& directory) {
    if (auto text = slab::readFileText(directory + std::string(slab::files::kLoadDocument)))
        return text;
    return slab::readFileText(directory + std::string(slab::files::kLoadDocumentOld));
}

bool writeDocument(const std::string& directory, const std::string& text, ports::MessageBox& box) {
    const auto result = slab::writeFileThrough(directory + std::string(slab::files::kLoadDocument),
                                               text, directory + std::string(kTemp));
    if (result != slab::WriteResult::Ok) {
        box.message("Fehler", kOpenFailure);
        return false;
    }
    return true;
}

/// The document with the section of n replaced, or nullopt when it holds no section of n.
std::optional<std::string> replaced(const std::string& text, int n, const std::string& section) {
    const std::vector<std::string> lines = linesOf(text);
    const std::string dashLine = " " + std::string(74, '-') + "\n";
    std::string out;
    bool done = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (done || titleNumber(lines[i]) != n) {
            out += lines[i];
            continue;
        }
        out += section;
        std::size_t next = i + 1;
        while (next < lines.size() && !titleNumber(lines[next]))
            ++next;
        // The dash line above the next title opens that section; it is not part of this one.
        if (next < lines.size() && next - 1 > i && lines[next - 1] == dashLine) out += dashLine;
        i = next - 1;
        done = true;
    }
    if (!done) return std::nullopt;
    return out;
}

} // namespace

std::string loadDocumentListLine() {
    return std::string(9, ' ') + std::string(5, ' ') + "D2" + std::string(48, ' ') + "Lastfälle" +
           std::string(7, ' ') + "\n";
}

bool storeLoadDocumentSection(const std::string& directory, int n, const std::string& opening,
                              const std::string& section, ports::MessageBox& box) {
    const std::string current = directory + std::string(slab::files::kLoadDocument);
    const auto own = slab::readFileText(current);
    if (!own) slab::addDocumentEntry(directory, loadDocumentListLine());

    const std::string orderPath = directory + std::string(files::kDocumentOrder);
    std::vector<int> order =
        decodeSaveOrder(slab::readFileBytes(orderPath).value_or(std::vector<std::uint8_t>{}));
    const bool listed = std::find(order.begin(), order.end(), n) != order.end();
    if (!listed) {
        order.push_back(n);
        slab::writeFileAtomic(orderPath, encodeSaveOrder(order));
    }
    // A listed load case whose section is gone (the document was deleted or replaced) gets its
    // section appended again instead of being lost.
    if (listed)
        if (auto text = documentText(directory))
            if (auto rewritten = replaced(*text, n, section))
                return writeDocument(directory, *rewritten, box);
    return writeDocument(directory, own.value_or("") + opening + section, box);
}

bool removeLoadDocumentSections(const std::string& directory, const std::vector<int>& deleted,
                                ports::MessageBox& box) {
    const auto text = documentText(directory);
    if (!text) return true;
    std::string out;
    bool keep = true;
    for (const std::string& line : linesOf(*text)) {
        if (auto number = titleNumber(line))
            keep = std::find(deleted.begin(), deleted.end(), *number) == deleted.end();
        if (keep) out += line;
    }
    if (!writeDocument(directory, out, box)) return false;
    std::error_code ec;
    const std::string old = directory + std::string(slab::files::kLoadDocumentOld);
    if (slab::fileExists(old)) std::filesystem::remove(slab::resolveCaseInsensitive(old), ec);
    return true;
}

} // namespace daskel
