// The geometry file ECHO_G (archived as ACADGEO): text cards read into a model and written from it.
#pragma once

#include "geometry/geometry_cards.hpp"
#include "geometry/model.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace morvel {

/// Reads a geometry file's text into out (a fresh model: edge lines rebuilt, outer flags set).
/// Returns a German message when the file cannot be used; out is then unspecified.
std::optional<std::string> readGeometryText(std::string_view text, Model& out);

/// The geometry file's text for the model.
std::string geometryText(const Model& m);

} // namespace morvel
