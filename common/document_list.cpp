// Adding an entry to the document list DATEIEN.
#include "common/document_list.hpp"

#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"

#include <sstream>

namespace slab {

std::optional<int> documentNumberOf(std::string_view line) {
    if (line.size() > kDocumentListPrefix) line.remove_prefix(kDocumentListPrefix);
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    line.remove_prefix(start);
    std::string digits;
    for (char c : line) {
        if (c == 'D') continue;
        if (c < '0' || c > '9') break;
        digits += c;
    }
    if (digits.empty()) return std::nullopt;
    return parseInteger(digits);
}

bool addDocumentEntry(const std::string& positionDirectory, const std::string& line) {
    const std::string path = positionDirectory + std::string(files::kDocumentList);
    std::string text = readFileText(path).value_or("");
    const auto number = documentNumberOf(line);
    std::istringstream in(text);
    for (std::string listed; std::getline(in, listed);)
        if (number && documentNumberOf(listed) == number) return true;
    if (!text.empty() && text.back() != '\n') text += '\n';
    return writeFileAtomic(path, text + line);
}

} // namespace slab
