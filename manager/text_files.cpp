// Reading and writing the texts of the text window and the viewer.
#include "manager/text_files.hpp"

#include "common/codepage.hpp"
#include "common/file_io.hpp"
#include "common/format.hpp"
#include "manager/document_list.hpp"

#include <filesystem>

namespace tarvik {

std::optional<std::string> readShownText(const std::string& path, bool dosCharset) {
    auto text = slab::readFileText(path);
    if (!text) return std::nullopt;
    // The lines joined by line ends, so that the text area shows no empty line after the last.
    std::string joined;
    bool first = true;
    for (const auto& line : textLines(dosCharset ? slab::cp850ToUtf8(*text) : *text)) {
        if (!first) joined += '\n';
        joined += line;
        first = false;
    }
    return joined;
}

bool writeEditedText(const std::string& path, const std::string& text, bool dosCharset) {
    // Every line of the text area ends with a line end, an empty last one as well.
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    if (!out.empty()) out += '\n';
    return slab::writeFileAtomic(path, dosCharset ? slab::utf8ToCp850(out) : out);
}

std::string textWindowMissing(const std::string& path) {
    return slab::format("Die Datei %s fehlt.", path.c_str());
}

std::string viewerMissing(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    if (name == "D1" || name == "D1.TXT")
        return slab::format("Es wurde noch keine Diskretisierung vorgenommen. Die Datei %s fehlt.",
                            path.c_str());
    return textWindowMissing(path);
}

std::string cannotCreate(const std::string& path) {
    return slab::format("Die Datei %s kann nicht angelegt werden.", path.c_str());
}

} // namespace tarvik
