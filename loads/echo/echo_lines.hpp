// The lines of a load echo file and what each of them is: a keyword, the start of a load case
// block ("LF 3") or anything else.
#pragma once

#include "loads/echo/echo_keywords.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace daskel::echo {

/// One line of a file image.
struct Line {
    std::size_t begin = 0, end = 0; ///< the raw line in the file image, with its line end
    std::string text;               ///< UTF-8, no line end, no trailing "\r", cut
    bool cut = false;               ///< longer than kMaxEchoLineLength
};

/// What a line is.
struct LineClass {
    std::optional<Keyword> keyword; ///< the keyword the line spells
    int block = 0; ///< the load case number of a block start line, 0 for other lines
};

/// Splits a file image into at most maxLines lines, each cut to kMaxEchoLineLength characters;
/// `more` tells whether lines were left over.
std::vector<Line> splitLines(std::string_view bytes, std::size_t maxLines, bool& more);

/// Classifies the lines. The line after "TITEL" is the title, whatever it reads.
std::vector<LineClass> classify(const std::vector<Line>& lines);

/// A whole ECHO_L for rewriting: every line kept byte for byte, none cut off.
struct FileImage {
    std::string bytes;
    std::vector<Line> lines;
    std::vector<LineClass> classes;

    explicit FileImage(std::string contents);
    /// Line i as it stands in the file, with its line end.
    std::string_view raw(std::size_t i) const;
};

} // namespace daskel::echo
