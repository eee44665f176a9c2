// The position being edited: its name, the data path and the working directory, and the
// position directory and suffix its files take.
#pragma once

#include "common/position.hpp"

#include <string>

namespace morvel {

/// The position being edited and where its files go.
struct Position {
    std::string name;          ///< "P1"; "NEU" for a new plate
    std::string dataPath;      ///< ends with "/"
    std::string workDirectory; ///< ends with "/"
    /// ".P1": the suffix of the files that carry the position's name.
    std::string suffix() const { return "." + name; }
    /// The data path, "SDIRFEM" and the name, with a trailing "/".
    std::string directory() const { return slab::positionDirectory(dataPath, name); }
    /// The title of the position in its documents.
    std::string title() const { return "Position " + name; }
    /// A new plate, which is saved only under a name given for it.
    bool isNew() const { return name == "NEU"; }
};

} // namespace morvel
