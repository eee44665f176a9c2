// The view's switches as MMRYL keeps them beside the self-weight presets: node and element
// numbers in the plan and the two print switches.
#pragma once

#include "loads/load_case_files.hpp"

namespace daskel {

/// The display and print switches of the load editor's view.
struct ViewSwitches {
    bool nodeNumbers = false;    ///< "Numerierung Knoten"
    bool elementNumbers = false; ///< "Numerierung Elemente"
    bool autoOrientation = true; ///< "&Automatische Wahl von Hoch- u. Querformat beim Drucken"
    bool printFrame = true;      ///< "&Rahmen um Zeichnung beim Drucken"

    friend bool operator==(const ViewSwitches&, const ViewSwitches&) = default;
};

/// MMRYL keeps the four switches as bytes from this offset, in the order of ViewSwitches: 1 on,
/// 2 off, anything else (a file written before the switches were kept) the default.
inline constexpr std::size_t kViewSwitchesOffset = 56;

/// The switches a MMRYL image holds; the defaults without the file.
ViewSwitches viewSwitches(const Memory& memory);
/// Stores the switches in the image. An image not read from a file first takes the
/// self-weight presets it shows, so that they survive the file written now.
void setViewSwitches(Memory& memory, const ViewSwitches& switches);

} // namespace daskel
