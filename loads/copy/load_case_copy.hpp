// Copying a load case from another position, or from another load case of the same one, into
// the open load case: the dialog "Übernahme eines LF" as a struct, and the copy itself.
#pragma once

#include "loads/load_case.hpp"
#include "loads/outline/slab_outline.hpp"

#include <optional>
#include <string>

namespace daskel {

/// Longest data path the dialog takes (the data path limit of the project manager).
inline constexpr std::size_t kMaxCopyDataPath = 80;

/// The fields of the dialog "Übernahme eines LF".
struct CopyRequest {
    std::string position; ///< "Position"
    int loadCase = 0;     ///< "LF"
    std::string dataPath; ///< "Datenpfad", given without the trailing "/"
    bool add = false;     ///< "LF addieren (zur momentanen Eingabe)"
};

/// Where the copy goes: the open position.
struct CopyTarget {
    std::string positionDirectory; ///< ends with "/"
    const SlabOutline& outline;
};

/// The outcome of a copy.
struct CopyResult {
    bool ok = false;
    std::string title; ///< of the message: "Hinweis" after a copy, else why it failed
    std::string text;  ///< what was copied and from where, or what is wrong
    LoadCase loadCase; ///< the open load case with the copy, when ok
    /// Replace mode took a source with self weight: its γ and g belong on the elements.
    bool selfWeightToElements = false;
};

/// The dialog's presets: the position's own name, the open load case (1 when new) and the data
/// path without its trailing "/".
CopyRequest copyPresets(const std::string& positionName, const std::string& dataPath, int loadCase);

/// Copies the area, line, point and edge loads of the source load case into `current`:
/// replacing its loads and header (title, flags, values; the number stays), or adding them
/// behind its own. The loads come from the source's block in its load echo, which every save
/// writes; only a source without that block is read from its per-load-case files. Element and
/// node loads are not copied. Nothing changes when the source is missing or damaged, or when
/// the tables would overflow: the result then says why.
CopyResult copyLoadCase(const LoadCase& current, const CopyRequest& request,
                        const CopyTarget& target);

} // namespace daskel
