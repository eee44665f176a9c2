// The message titles the load editor's document uses in all its parts.
#pragma once

namespace daskel::titles {

inline constexpr const char* kError = "Fehler";
inline constexpr const char* kNote = "Hinweis";

} // namespace daskel::titles
