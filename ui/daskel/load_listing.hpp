// Texts of the load editor that the console prints and the window shows in a text dialog.
#pragma once

#include "loads/outline/slab_outline.hpp"

#include <optional>
#include <string>

namespace daskel {

/// What is said when the slab has no mesh and so no boundaries.
inline constexpr const char* kNoBoundaries = "Die Platte hat kein Netz und damit keine Ränder.";

/// The slab's boundaries with their numbered sections (start, end, length) and its domains, one
/// line each; nullopt for a slab without boundaries.
std::optional<std::string> boundariesText(const SlabOutline& outline);

} // namespace daskel
