// The text helpers of the load echo: cutting texts to their fields, blank-separated tokens,
// numbers in the precision the load case keeps, "%i %s" lines and the code page of its lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace daskel::echo {

/// The longest prefix of at most maxBytes bytes that ends on a UTF-8 character boundary.
std::string cutUtf8(std::string_view s, std::size_t maxBytes);

/// The first `characters` UTF-8 characters of s (a title counts characters: each is one byte
/// in the echo's code page and in the binary records).
std::string cutCharacters(std::string_view s, std::size_t characters);

/// The number of UTF-8 characters of s.
std::size_t characterCount(std::string_view s);

/// A text for one line of the file: control characters become blanks (a line break would split
/// the block), cut to maxBytes like the reader cuts it.
std::string oneLineText(std::string_view s, std::size_t maxBytes);

/// Blank-separated tokens; runs of blanks (and tabs) count as one separator.
std::vector<std::string_view> tokens(std::string_view s);

/// True when the line holds no token.
bool isBlank(std::string_view s);

/// A finite number within single precision's range, kept as written: the load files hold floats,
/// so a larger header value could only become an infinity there. "nan", "inf" and the like
/// count as garbled.
std::optional<double> finiteNumber(std::string_view token);

/// A number that the load case keeps in single precision.
std::optional<float> singleNumber(std::string_view token);

/// An integer in the range of 16 bits.
std::optional<std::int16_t> shortInteger(std::string_view token);

/// `count` single-precision numbers from t[first...]; nullopt when one is missing or garbled.
std::optional<std::vector<float>> singleNumbers(const std::vector<std::string_view>& t,
                                                std::size_t first, std::size_t count);

/// The number and the comment of a "%i %s" line: the comment is the rest of the line after the
/// one separator the writer puts behind the number.
struct NumberedComment {
    std::optional<int> number;
    std::string comment;
};
/// The number and the comment (cut to maxComment bytes) of a "%i %s" line.
NumberedComment numberedComment(std::string_view line, std::size_t maxComment);

/// A line of the file (code page 850) as UTF-8.
std::string toUtf8(std::string_view cp850);

} // namespace daskel::echo
