// What the geometry editor's dialogs show alike in the window and on the console: the fields of
// "Eingabe der Geometrie" and the support kinds of "Lager".
#pragma once

#include "geometry/mesh_generator.hpp"
#include "geometry/model.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace morvel {

/// One field of the dialog "Eingabe der Geometrie": its console key, its label, and the whole
/// number or the real it edits.
struct GridField {
    std::string_view key;
    std::string_view label;
    int* whole = nullptr;
    double* real = nullptr;

    /// The value as the dialog shows it.
    std::string shown() const;
    /// Takes a typed text; false when it is no number of the field's kind.
    bool take(const std::string& text);
};

/// The dialog's fields in the order a terminal asks for them.
std::array<GridField, 7> gridFields(GridInput& g);

/// The support kinds of the dialog "Lager" in the order it lists them.
inline constexpr std::array<EdgeSupport, 6> kDialogSupportKinds = {
    EdgeSupport::Clamped,           EdgeSupport::Hinged,           EdgeSupport::Free,
    EdgeSupport::TranslationalSpring, EdgeSupport::RotationalSpring, EdgeSupport::BothSprings};

/// The console word of a kind ("eingespannt", ...), nullopt for another word.
std::optional<EdgeSupport> supportKind(const std::string& word);

/// The name of a kind as the dialog shows it ("Eingespannt", ..., "Dreh- und Senkfeder").
std::string supportName(EdgeSupport kind);

} // namespace morvel
