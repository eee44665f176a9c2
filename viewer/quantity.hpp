// The quantities the result viewer shows: their console names, German labels and units.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace viewer {

/// What a picture shows. M1 and M2 are the larger and the smaller principal moment; Soil is the
/// soil pressure under a bedded slab; Reactions are the support reactions at their nodes.
enum class Quantity { W, Mxx, Myy, Mxy, M1, M2, Qx, Qy, Soil, Reactions };

/// Every quantity in the order of menus, "hilfe" and the report.
inline constexpr std::array kQuantities = {
    Quantity::W,  Quantity::Mxx, Quantity::Myy, Quantity::Mxy,  Quantity::M1,
    Quantity::M2, Quantity::Qx,  Quantity::Qy,  Quantity::Soil, Quantity::Reactions};

/// The console name: "w", "mxx", "myy", "mxy", "m1", "m2", "qx", "qy", "boden", "lager".
std::string_view quantityName(Quantity q);

/// The quantity of a console name (letter case ignored); nullopt for another word.
std::optional<Quantity> quantityNamed(std::string_view name);

/// The German label of titles and menus ("Biegemoment mxx").
std::string_view quantityLabel(Quantity q);

/// The unit of the values: "m", "kNm/m", "kN/m", "kN/m²" or "kN".
std::string_view quantityUnit(Quantity q);

/// True for the moments and shear forces, whose values come from the stress resultants the
/// solver wrote and are interpolated within each element.
bool isStressResultant(Quantity q);

/// True for the quantities drawn as a field over the slab (all but the reactions).
bool isField(Quantity q);

} // namespace viewer
