// The geometry file ECHO_G (archived as ACADGEO): text cards read into a model and written from it.
#pragma once

#include "geometry/model.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvel {

/// Longest card the reader accepts (characters without the line end).
inline constexpr std::size_t kMaxCardLength = 127;
/// Most cards the reader keeps.
inline constexpr std::size_t kMaxCards = 9000;

/// Field types of a card: each token is filtered to the characters its type allows.
enum class FieldType { Integer, Real, RealExponent, Letter };

/// One card of the file with its line number (for messages).
struct Card {
    std::string text;
    int line = 0;
};

/// Splits text into cards: line ends removed, ";" cards skipped, blank cards kept.
/// Returns the message of a violated limit instead when there is one.
std::optional<std::string> splitCards(std::string_view text, std::vector<Card>& cards);

/// The tokens of a card after removing surplus non-numeric tokens at numeric positions; stops
/// as soon as no surplus token is left, so it always ends.
std::vector<std::string> cleanTokens(std::vector<std::string> tokens,
                                     const std::vector<FieldType>& types);

/// Keeps only the characters the field type allows (a comma becomes a point for reals).
std::string filterField(std::string_view token, FieldType type);

/// Reads a geometry file's text into out (a fresh model: edge lines rebuilt, outer flags set).
/// Returns a German message when the file cannot be used; out is then unspecified.
std::optional<std::string> readGeometryText(std::string_view text, Model& out);

/// The geometry file's text for the model.
std::string geometryText(const Model& m);

} // namespace morvel
