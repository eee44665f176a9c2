// Data paths typed by the user, their creation, and position directories picked in a tree.
#pragma once

#include "ports/ports.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

/// The data path of a typed path: blanks at both ends dropped, a relative path taken from the
/// working directory, "." and ".." resolved, and ending with one "/". "" for an empty text.
std::string dataPathOf(std::string_view typed, const std::string& workDirectory);

/// The form without the trailing "/" (the root "/" gives "").
std::string withoutSlash(const std::string& path);

/// Creates every missing directory of path, from the first one on. The first that cannot be
/// created is reported as "Pfad %s kann nicht angelegt werden!" under "Fehler"; returns false
/// then. The current directory of the process is never changed.
bool createPath(const std::string& path, ports::MessageBox& box);

/// True when path names an existing directory.
bool isDirectory(const std::string& path);

/// Creates one directory (an existing one is no error); false when it is not there afterwards.
bool makeDirectory(const std::string& path);

/// A position directory split into its data path (with "/") and position name.
struct PickedPosition {
    std::string dataPath;
    std::string name;
};

/// The position of a chosen directory, or the reason it is none.
struct PickResult {
    std::optional<PickedPosition> position;
    std::string problem;
};

/// Splits a chosen position directory ".../SDIRFEM<name>[/]" (relative to the working
/// directory if not absolute). The letter case of every name is kept, since on this file
/// system "SDIRFEMp1" and "SDIRFEMP1" are different directories. The problem is set when the
/// last component is not "SDIRFEM" followed by a usable name.
PickResult splitPositionDirectory(std::string_view directory, const std::string& workDirectory);

} // namespace tarvik
