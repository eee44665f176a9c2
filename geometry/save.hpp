// Saving a position: the model files through the model-file library, ECHO_G, D1.TXT and the
// bookkeeping files CMAC, CWIN, PCAD, RC, LASTD, DATEIEN, DIARY and EXT, in their order.
#pragma once

#include "common/world_rect.hpp"
#include "geometry/bookkeeping_files.hpp"
#include "geometry/document.hpp"
#include "geometry/model.hpp"
#include "geometry/position.hpp"
#include "geometry/settings.hpp"
#include "ports/ports.hpp"

#include <string>
#include <vector>

namespace morvel {

/// Writes the model (PVI, ECHO_G, GDUSER1, PARAMETER, ELEMENTE1, BETTUNG1, KNOTEN1, FEDER1,
/// D1.TXT, LASTD, DATEIEN), as saving does and as the tables do before and after editing.
/// Names of files that could not be written are appended to failed.
void writeModel(const Model& m, const Settings& s, const Position& p, const Date& d,
                std::vector<std::string>& failed);

/// Saves the whole position in order (short lines removed, CMAC, CWIN, PCAD, RC, the model,
/// DIARY) and writes EXT. Returns false after a message when a file could not be written.
bool savePosition(Model& m, const Settings& s, const Position& p, const slab::WorldRect& extents,
                  const Date& d, ports::MessageBox& box);

} // namespace morvel
