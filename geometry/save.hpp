// Saving a position: the model files through the model-file library, ECHO_G, D1.TXT and the
// bookkeeping files CMAC, CWIN, PCAD, RC, LASTD, DATEIEN, DIARY and EXT.
#pragma once

#include "common/world_rect.hpp"
#include "geometry/model.hpp"
#include "geometry/settings.hpp"
#include "ports/ports.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvel {

inline constexpr std::string_view kLinesFile = "CMAC";  ///< + suffix
inline constexpr std::string_view kWindowFile = "CWIN"; ///< + suffix
inline constexpr std::string_view kPcadFile = "PCAD";   ///< + suffix
inline constexpr std::string_view kRcFile = "RC";

inline constexpr std::size_t kLineRecordSize = 96;
inline constexpr std::size_t kPcadSize = 456;
inline constexpr std::size_t kDiarySize = 402;
inline constexpr std::size_t kExtSize = 81;

/// The position being edited and where its files go.
struct Position {
    std::string name;          ///< "P1"; "NEU" for a new plate
    std::string dataPath;      ///< ends with "/"
    std::string workDirectory; ///< ends with "/"
    std::string suffix() const { return "." + name; }
    std::string directory() const;
    /// The title of the position in its documents.
    std::string title() const { return "Position " + name; }
    bool isNew() const { return name == "NEU"; }
};

/// A calendar day for the document's date line; weekday 0 is Sunday.
struct Date {
    int weekday = 0, day = 1, month = 1, year = 2000;
};
/// Today in local time.
Date today();

/// CMAC: one 96-byte record per edge line.
std::vector<std::uint8_t> encodeLines(const std::vector<EdgeLine>& lines);
/// CWIN: xmin, ymin, xmax, ymax of all nodes (the extents when there are none).
std::vector<std::uint8_t> encodeWindow(const Model& m, const slab::WorldRect& extents);
/// PCAD: the 456-byte parameter record.
std::vector<std::uint8_t> encodePcad(const Model& m, const Settings& s, const std::string& title);
/// The geometry document D1.TXT.
std::string documentText(const Model& m, const std::string& title, const std::string& directory,
                         const Date& d);
/// The line "Datum: ..." of the document.
std::string dateLine(const Date& d, const std::string& directory);
/// The single line of a new DATEIEN.
std::string documentListLine();
/// DIARY after a save: every listed load case marked; nullopt when an existing list is damaged
/// (wrong size or count) and must be left alone.
std::optional<std::vector<std::uint8_t>>
markDiary(const std::optional<std::vector<std::uint8_t>>& old);
/// EXT: the suffix as a fixed field of 81 bytes.
std::vector<std::uint8_t> encodeExt(const std::string& suffix);

/// Writes the model (PVI, ECHO_G, GDUSER1, PARAMETER, ELEMENTE1, BETTUNG1, KNOTEN1, FEDER1,
/// D1.TXT, LASTD, DATEIEN), as saving does and as the tables do before and after editing.
/// Names of files that could not be written are appended to failed.
void writeModel(const Model& m, const Settings& s, const Position& p, const Date& d,
                std::vector<std::string>& failed);

/// Saves the whole position in order (short lines removed, CMAC, CWIN, PCAD, RC, the model,
/// DIARY) and writes EXT. Returns false after a message when a file could not be written.
bool savePosition(Model& m, const Settings& s, const Position& p, const slab::WorldRect& extents,
                  const Date& d, ports::MessageBox& box);

/// Writes EXT in the working directory; false on failure.
bool writeExt(const Position& p);

/// The text of D1.TXT (or D1) of the position; nullopt after the message "Fehlende Eingabe".
std::optional<std::string> showDocument(const Position& p, ports::MessageBox& box);

} // namespace morvel
