// DATEIEN, LASTD and the document files.
#include "manager/document_list.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "common/format.hpp"
#include "common/text.hpp"

#include <algorithm>

namespace tarvik {

std::vector<std::string> textLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string> parseDocumentList(std::string_view text) {
    std::vector<std::string> entries;
    for (const auto& line : textLines(text)) {
        std::string_view entry = slab::trimEnd(
            std::string_view(line).substr(0, std::min(line.size(), kMaxDocumentListLine)));
        if (entry.size() > kDocumentListPrefix) entry.remove_prefix(kDocumentListPrefix);
        entries.emplace_back(entry);
    }
    return entries;
}

std::string documentListText(const std::vector<std::string>& entries) {
    std::string text;
    for (const auto& entry : entries)
        text += std::string(kDocumentListPrefix, ' ') + entry + '\n';
    return text;
}

int documentNumber(std::string_view entry) {
    while (!entry.empty() && (entry.front() == ' ' || entry.front() == '\t'))
        entry.remove_prefix(1);
    std::string digits;
    for (char c : entry) {
        if (c == 'D') continue;
        if (c < '0' || c > '9') break;
        if (c == '0' && digits.empty()) continue; // leading zeros
        digits += c;
        // More digits than LASTD can hold name no document of this position.
        if (digits.size() > 5) return 0;
    }
    if (digits.empty()) return 0;
    const int n = std::stoi(digits);
    return n <= kMaxDocumentNumber ? n : 0;
}

int highestDocumentNumber(const std::vector<std::string>& entries) {
    int highest = 0;
    for (const auto& entry : entries)
        highest = std::max(highest, documentNumber(entry));
    return highest;
}

std::vector<std::uint8_t> encodeLastDocument(int number) {
    std::vector<std::uint8_t> bytes(2);
    slab::putLE(bytes.data(), static_cast<std::int16_t>(std::clamp(number, 0, kMaxDocumentNumber)));
    return bytes;
}

std::optional<int> decodeLastDocument(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 2) return std::nullopt;
    // A negative number is no document: the file is damaged.
    const int number = slab::getLE<std::int16_t>(bytes.data());
    if (number < 0) return std::nullopt;
    return number;
}

std::string documentFileName(int number, bool textForm) {
    return slab::format(textForm ? "D%i.TXT" : "D%i", number);
}

std::optional<std::string> findDocument(const std::string& positionDirectory, int number,
                                        DocumentForm order) {
    if (number < 1) return std::nullopt;
    const bool textFirst = order == DocumentForm::TextFirst;
    for (bool textForm : {textFirst, !textFirst}) {
        const std::string path = positionDirectory + documentFileName(number, textForm);
        if (slab::fileExists(path)) return path;
    }
    return std::nullopt;
}

} // namespace tarvik
