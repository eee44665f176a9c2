// The text cards of the geometry file: splitting a text into cards, the field types with the
// characters each allows, the clean-up of surplus tokens, and a card's fields converted.
#pragma once

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

/// A card's fields converted, each kind in the order of the card.
struct CardFields {
    std::vector<double> numbers; ///< integer and real fields
    std::vector<char> letters;   ///< letter fields
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

/// The card's fields of the given types appended to out; the message naming the card's line and
/// section when a field is missing or holds no value of its type.
std::optional<std::string> convertCard(const Card& card, std::string_view section,
                                       const std::vector<FieldType>& types, CardFields& out);

} // namespace morvel
