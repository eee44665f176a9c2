// The position's document list DATEIEN as the editors add to it: the line of an entry, the
// document number of a line, and appending an entry once.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace slab {

/// Characters at the start of a DATEIEN line that the project manager neither shows nor reads.
inline constexpr std::size_t kDocumentListPrefix = 12;

/// The document number of a DATEIEN line: behind its prefix, leading blanks dropped, the longest
/// run of "D" and digits with the "D"s removed, read as a decimal number; nullopt when there is
/// none.
std::optional<int> documentNumberOf(std::string_view line);

/// Appends `line` (ending with "\n") to DATEIEN in the position directory unless the list already
/// names that line's document; a missing list is created with it. False when it cannot be
/// written.
bool addDocumentEntry(const std::string& positionDirectory, const std::string& line);

} // namespace slab
