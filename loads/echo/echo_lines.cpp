// The lines of a load echo file and their classes.
#include "loads/echo/echo_lines.hpp"

#include "common/format.hpp"
#include "loads/echo/echo_file.hpp"
#include "loads/echo/echo_text.hpp"

#include <limits>

namespace daskel::echo {

namespace {

/// The number of a block start line ("LF" and a number other than 0).
std::optional<int> blockStartNumber(std::string_view text) {
    auto t = tokens(text);
    if (t.size() < 2 || t[0] != echo::text(Keyword::LoadCase)) return std::nullopt;
    auto n = slab::parseInteger(t[1]);
    if (!n || *n == 0) return std::nullopt;
    return n;
}

} // namespace

std::vector<Line> splitLines(std::string_view bytes, std::size_t maxLines, bool& more) {
    std::vector<Line> lines;
    more = false;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (lines.size() == maxLines) {
            more = true;
            break;
        }
        std::size_t newline = bytes.find('\n', pos);
        std::size_t contentEnd = newline == std::string_view::npos ? bytes.size() : newline;
        Line line;
        line.begin = pos;
        line.end = newline == std::string_view::npos ? bytes.size() : newline + 1;
        std::string_view content = bytes.substr(pos, contentEnd - pos);
        if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
        if (content.size() > kMaxEchoLineLength) {
            // Cut, not split: the rest of a long line must not turn into a line of its own.
            content = content.substr(0, kMaxEchoLineLength);
            line.cut = true;
        }
        line.text = toUtf8(content);
        pos = line.end;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<LineClass> classify(const std::vector<Line>& lines) {
    std::vector<LineClass> classes(lines.size());
    bool titleLine = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // The line after TITEL is the title, whatever it reads ("LF 5", "GLEICHLAST", ...).
        if (titleLine) {
            titleLine = false;
            continue;
        }
        if (auto k = keywordOf(lines[i].text)) {
            classes[i].keyword = k;
            titleLine = *k == Keyword::Title;
        } else if (auto n = blockStartNumber(lines[i].text)) {
            classes[i].block = *n;
        }
    }
    return classes;
}

FileImage::FileImage(std::string contents) : bytes(std::move(contents)) {
    bool more = false;
    lines = splitLines(bytes, std::numeric_limits<std::size_t>::max(), more);
    classes = classify(lines);
}

std::string_view FileImage::raw(std::size_t i) const {
    return std::string_view(bytes).substr(lines[i].begin, lines[i].end - lines[i].begin);
}

} // namespace daskel::echo
