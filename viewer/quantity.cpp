// Names, labels and units of the quantities.
#include "viewer/quantity.hpp"

#include <algorithm>
#include <cctype>
#include <string>

namespace viewer {

std::string_view quantityName(Quantity q) {
    switch (q) {
    case Quantity::W:
        return "w";
    case Quantity::Mxx:
        return "mxx";
    case Quantity::Myy:
        return "myy";
    case Quantity::Mxy:
        return "mxy";
    case Quantity::M1:
        return "m1";
    case Quantity::M2:
        return "m2";
    case Quantity::Qx:
        return "qx";
    case Quantity::Qy:
        return "qy";
    case Quantity::Soil:
        return "boden";
    case Quantity::Reactions:
        return "lager";
    }
    return "";
}

std::optional<Quantity> quantityNamed(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (Quantity q : kQuantities)
        if (quantityName(q) == lower) return q;
    return std::nullopt;
}

std::string_view quantityLabel(Quantity q) {
    switch (q) {
    case Quantity::W:
        return "Durchbiegung w";
    case Quantity::Mxx:
        return "Biegemoment mxx";
    case Quantity::Myy:
        return "Biegemoment myy";
    case Quantity::Mxy:
        return "Drillmoment mxy";
    case Quantity::M1:
        return "Hauptmoment m1";
    case Quantity::M2:
        return "Hauptmoment m2";
    case Quantity::Qx:
        return "Querkraft qx";
    case Quantity::Qy:
        return "Querkraft qy";
    case Quantity::Soil:
        return "Bodenpressung";
    case Quantity::Reactions:
        return "Auflagerkräfte";
    }
    return "";
}

std::string_view quantityUnit(Quantity q) {
    switch (q) {
    case Quantity::W:
        return "m";
    case Quantity::Mxx:
    case Quantity::Myy:
    case Quantity::Mxy:
    case Quantity::M1:
    case Quantity::M2:
        return "kNm/m";
    case Quantity::Qx:
    case Quantity::Qy:
        return "kN/m";
    case Quantity::Soil:
        return "kN/m²";
    case Quantity::Reactions:
        return "kN";
    }
    return "";
}

bool isStressResultant(Quantity q) {
    switch (q) {
    case Quantity::Mxx:
    case Quantity::Myy:
    case Quantity::Mxy:
    case Quantity::M1:
    case Quantity::M2:
    case Quantity::Qx:
    case Quantity::Qy:
        return true;
    case Quantity::W:
    case Quantity::Soil:
    case Quantity::Reactions:
        return false;
    }
    return false;
}

bool isField(Quantity q) {
    return q != Quantity::Reactions;
}

} // namespace viewer
