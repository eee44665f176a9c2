// The dialogs' fields and support kinds shared by the window and the console.
#include "ui/morvel/morvel_dialog_fields.hpp"

#include "common/format.hpp"
#include "ui/console/arguments.hpp"

namespace morvel {

std::optional<EdgeSupport> supportKind(const std::string& word) {
    if (word == "eingespannt") return EdgeSupport::Clamped;
    if (word == "gelenkig") return EdgeSupport::Hinged;
    if (word == "frei") return EdgeSupport::Free;
    if (word == "senkfeder") return EdgeSupport::TranslationalSpring;
    if (word == "drehfeder") return EdgeSupport::RotationalSpring;
    if (word == "beide") return EdgeSupport::BothSprings;
    return std::nullopt;
}

std::string supportName(EdgeSupport kind) {
    switch (kind) {
    case EdgeSupport::None:
        return "kein Lager";
    case EdgeSupport::Clamped:
        return "Eingespannt";
    case EdgeSupport::Hinged:
        return "Gelenkig";
    case EdgeSupport::Free:
        return "Frei";
    case EdgeSupport::RotationalSpring:
        return "Drehfeder";
    case EdgeSupport::TranslationalSpring:
        return "Senkfeder";
    case EdgeSupport::BothSprings:
        return "Dreh- und Senkfeder";
    }
    return "";
}

std::string GridField::shown() const {
    return whole ? slab::format("%i", *whole) : slab::withDecimalComma(slab::format("%g", *real));
}

bool GridField::take(const std::string& text) {
    if (whole) {
        auto v = slab::parseInteger(text);
        if (v) *whole = *v;
        return v.has_value();
    }
    auto v = ui::finiteNumber(text);
    if (v) *real = *v;
    return v.has_value();
}

std::array<GridField, 7> gridFields(GridInput& g) {
    return {{{"nx", "Anzahl der Elemente in x-Richtung", &g.nx, nullptr},
             {"ny", "Anzahl der Elemente in y-Richtung", &g.ny, nullptr},
             {"e", "Elastizitätsmodul [kN/m²]", nullptr, &g.e},
             {"nu", "Querdehnzahl", nullptr, &g.nu},
             {"d", "Dicke der Platte [m]", nullptr, &g.thickness},
             {"dx", "Elementlänge [m]", nullptr, &g.dx},
             {"dy", "Elementhöhe [m]", nullptr, &g.dy}}};
}

} // namespace morvel
