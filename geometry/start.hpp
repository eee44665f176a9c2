// The start on a position: the command line, the start mode from the geometry files' times,
// loading a geometry file (with the working-directory copy), and the supports kept in the model
// files.
#pragma once

#include "geometry/model.hpp"
#include "geometry/position.hpp"
#include "ports/ports.hpp"

#include <optional>
#include <string>

namespace morvel {

inline constexpr std::string_view kForceEchoFile = "FECHO";

/// The position of a command line ".POS @datapath/"; nullopt after the message "Fehlende
/// Eingabe" (or the reason the name cannot be used).
std::optional<Position> positionFromCommandLine(const std::string& commandLine,
                                                const std::string& workDirectory,
                                                ports::MessageBox& box);

enum class StartMode { NewPosition, LoadArchive, LoadEcho };

/// New position when neither ACADGEO nor ECHO_G exists, else the newer one (ACADGEO on equal
/// times); ECHO_G whenever FECHO exists in the working directory and ECHO_G exists.
StartMode chooseStartMode(const Position& p);

enum class LoadResult { Loaded, Refused, Missing };

/// Loads the geometry file named name (with suffix): the working directory's copy wins and is
/// copied into the position directory once it has been read without fault. A damaged file is
/// refused with a message and m keeps what it had.
LoadResult loadGeometryFile(Model& m, const std::string& name, const Position& p,
                            ports::MessageBox& box);

/// Takes fixities, springs and bedding (which the geometry file does not hold) from KNOTEN1,
/// FEDER1 and BETTUNG1 when PARAMETER and the node coordinates match the loaded model.
void adoptModelFiles(Model& m, const std::string& directory, ports::MessageBox& box);

} // namespace morvel
