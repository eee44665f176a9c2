// The words of the load echo, declared once for its reader and its writer: the keyword table
// with the words the reader's notes use for the entries of each section, and the words and
// codes the kinds of loads are written as.
#pragma once

#include "loads/load_case.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace daskel::echo {

/// The keywords in their fixed order.
enum class Keyword {
    LoadCases,         ///< "LASTFÄLLE", the first line of the file
    LoadCase,          ///< "LF", the start of a block ("LF 3")
    Title,             ///< "TITEL", the title on the next line
    SelfWeight,        ///< "EIGENGEWICHT"
    Uniform,           ///< "GLEICHLAST"
    Triangular,        ///< "DREIECKSLAST"
    AreaLoads,         ///< "TEILFLÄCHENLASTEN"
    LineLoads,         ///< "LINIENLASTEN"
    PointLoads,        ///< "PUNKTLASTEN"
    EdgeLoads,         ///< "RANDLASTEN"
    Temperature,       ///< "TEMPERATUR"
    ColumnSettlements, ///< "STÜTZENSENKUNG"
    WallMovements,     ///< "WANDBEWEGUNGEN"
};

/// A keyword as the file holds it (UTF-8 here, code page 850 in the file), and for a section
/// of entries what one and several of them are called in the reader's notes ("nur 1 von 3
/// Punktlasten gelesen").
struct KeywordEntry {
    Keyword keyword;
    std::string_view text;
    std::string_view one{};
    std::string_view many{};
};

/// The keyword table in its fixed order, the order in which the reader takes the sections.
inline constexpr std::array<KeywordEntry, 13> kKeywords = {{
    {Keyword::LoadCases, "LASTFÄLLE"},
    {Keyword::LoadCase, "LF"},
    {Keyword::Title, "TITEL"},
    {Keyword::SelfWeight, "EIGENGEWICHT"},
    {Keyword::Uniform, "GLEICHLAST"},
    {Keyword::Triangular, "DREIECKSLAST"},
    {Keyword::AreaLoads, "TEILFLÄCHENLASTEN", "Teilflächenlast", "Teilflächenlasten"},
    {Keyword::LineLoads, "LINIENLASTEN", "Linienlast", "Linienlasten"},
    {Keyword::PointLoads, "PUNKTLASTEN", "Punktlast", "Punktlasten"},
    {Keyword::EdgeLoads, "RANDLASTEN", "Randlast", "Randlasten"},
    {Keyword::Temperature, "TEMPERATUR"},
    {Keyword::ColumnSettlements, "STÜTZENSENKUNG", "Eintrag", "Einträgen"},
    {Keyword::WallMovements, "WANDBEWEGUNGEN", "Eintrag", "Einträgen"},
}};

/// The table's entry of a keyword.
const KeywordEntry& keywordEntry(Keyword keyword);

/// The keyword as written.
std::string_view text(Keyword keyword);

/// The keyword a whole line spells exactly; nullopt for any other line.
std::optional<Keyword> keywordOf(std::string_view line);

/// The section that carries the uniform load of a load case: self weight wins over a uniform
/// or triangular load; nullopt when there is none.
std::optional<Keyword> uniformSection(const LoadCase& lc);

/// The shape mark a section of the uniform load gives ("EIGENGEWICHT" and "GLEICHLAST":
/// constant, "DREIECKSLAST": triangular).
UniformShape shapeOf(Keyword uniformSection);

/// "Kraefte" or "Momente".
std::string_view lineKindWord(LineLoadKind kind);
/// Moments when the word begins with the letter of "Momente", else forces.
LineLoadKind lineKindOf(std::string_view word);

/// "Einzelkraft ", "Moment ", "Knick ", "Verdrehung " or "Sprung " (with the trailing blank).
std::string_view pointKindWord(PointLoadKind kind);
/// The kind whose word begins with the same letter (any case); nullopt for other letters.
std::optional<PointLoadKind> pointKindOf(std::string_view word);

/// "V " or "M " (with the trailing blank).
std::string_view edgeKindWord(EdgeLoadKind kind);
/// The kind whose word begins with the same letter (any case); nullopt for other letters.
std::optional<EdgeLoadKind> edgeKindOf(std::string_view word);

/// The number an area load kind is written as behind the corner count.
std::int16_t areaKindCode(AreaLoadKind kind);
/// The kind of a code read from the file; codes other than the known ones are kept as read.
AreaLoadKind areaKindOf(std::int16_t code);

} // namespace daskel::echo
