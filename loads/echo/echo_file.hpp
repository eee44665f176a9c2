// The load echo ECHO_L (archived as ACADLAST): the text block of one load case, replacing and
// removing blocks in a position's file, and reading a whole file back into load cases.
#pragma once

#include "loads/load_case.hpp"
#include "ports/ports.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace daskel {

/// Longest line the reader takes (characters without the line end); longer lines are cut.
inline constexpr std::size_t kMaxEchoLineLength = 126;
/// Most lines the reader takes from one file.
inline constexpr std::size_t kMaxEchoLines = 6000;
/// An edge load's coordinates find a boundary section when all four end coordinates differ by
/// less than this [m].
inline constexpr double kSectionMatchTolerance = 0.1;

/// A section of a boundary curve of the geometry: boundary 1 is the outer boundary, 2 the first
/// opening, ...; sections are numbered from 1 along each curve.
struct BoundarySection {
    std::int16_t boundary = 1;
    std::int16_t section = 1;
    float xa = 0, ya = 0, xb = 0, yb = 0; ///< start and end point [m]
};

/// What the load echo needs from the geometry.
struct EchoGeometry {
    int domainCount = 1; ///< regions of constant thickness; above 1 the domains carry self weight
    std::vector<BoundarySection> sections;
};

/// The block of a load case as UTF-8 text, "LF <number>" first, every line ended by "\n".
std::string echoBlockText(const LoadCase& lc, const EchoGeometry& geometry);

/// The same block in code page 850, as it goes into the file.
std::string echoBlockBytes(const LoadCase& lc, const EchoGeometry& geometry);

/// Writes the block of lc (number lc.number, 1 to 99) into positionDirectory + "ECHO_L" + suffix:
/// replaces every existing block of that number (the first in place, later duplicates dropped),
/// else appends it; a missing file is created with the line "LASTFÄLLE" first. The new file is
/// written to ENEU and renamed over the old one. Failures are shown in `box` ("Fehler"); the
/// old file is then unchanged. Returns true when the file holds the new block.
bool writeEchoBlock(const std::string& positionDirectory, std::string_view suffix,
                    const LoadCase& lc, const EchoGeometry& geometry, ports::MessageBox& box);

/// Removes the blocks of deleted load cases from positionDirectory + "ECHO_L" + suffix: diary
/// holds the DIARY numbers in list order, keep[v] says whether entry v stays (missing flags
/// count as kept). Lines before the first block, blocks of kept numbers and blocks of numbers
/// not in the list are copied unchanged. A missing file is not an error. Failures are shown in
/// `box` ("Fehler") and leave the file unchanged; returns false then.
bool removeEchoBlocks(const std::string& positionDirectory, std::string_view suffix,
                      const std::vector<std::int16_t>& diary, const std::vector<bool>& keep,
                      ports::MessageBox& box);

/// One block of an imported file.
struct EchoBlock {
    int number = 0;    ///< from its "LF n" line, 1 to 99
    LoadCase loadCase; ///< number set to `number`
};

/// A whole load echo file as read.
struct EchoImport {
    std::vector<EchoBlock> blocks; ///< in file order
    bool tooLarge = false;         ///< more than kMaxEchoLines lines; the rest was not read
    /// What was cut or dropped, one German sentence each, in file order.
    std::vector<std::string> problems;
};

/// Reads a file image (code page 850, "\n" or "\r\n" line ends) into its blocks. Never reads
/// beyond a table's capacity; whatever is cut or dropped is named in `problems`.
EchoImport readEchoImage(std::string_view bytes, const EchoGeometry& geometry);

/// Shows the notes of an import titled "Hinweis": the size note with the file name, then all
/// problems in one message box.
void reportEchoImport(const EchoImport& import, std::string_view fileName, ports::MessageBox& box);

} // namespace daskel
