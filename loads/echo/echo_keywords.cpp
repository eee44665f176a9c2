// The words of the load echo.
#include "loads/echo/echo_keywords.hpp"

#include <algorithm>
#include <cctype>

namespace daskel::echo {

namespace {

// Every kind once; the readers find a kind by the first letter of its word.
constexpr std::array kPointKinds = {PointLoadKind::Force, PointLoadKind::Moment,
                                    PointLoadKind::Kink, PointLoadKind::Rotation,
                                    PointLoadKind::Offset};
constexpr std::array kEdgeKinds = {EdgeLoadKind::Forces, EdgeLoadKind::Moments};

// keywordEntry() finds a keyword by its place in the table.
constexpr bool tableInEnumOrder() {
    for (std::size_t i = 0; i < kKeywords.size(); ++i)
        if (static_cast<std::size_t>(kKeywords[i].keyword) != i) return false;
    return true;
}
static_assert(tableInEnumOrder());

bool sameLetter(std::string_view word, std::string_view kindWord) {
    return !word.empty() && std::toupper(static_cast<unsigned char>(word[0])) == kindWord[0];
}

} // namespace

const KeywordEntry& keywordEntry(Keyword keyword) {
    return kKeywords[static_cast<std::size_t>(keyword)];
}

std::string_view text(Keyword keyword) {
    return keywordEntry(keyword).text;
}

std::optional<Keyword> keywordOf(std::string_view line) {
    auto k = std::find_if(kKeywords.begin(), kKeywords.end(),
                          [&](const KeywordEntry& s) { return s.text == line; });
    if (k == kKeywords.end()) return std::nullopt;
    return k->keyword;
}

std::optional<Keyword> uniformSection(const LoadCase& lc) {
    if (lc.selfWeight) return Keyword::SelfWeight;
    if (!lc.uniform) return std::nullopt;
    switch (lc.uniformShape) {
    case UniformShape::Unmarked:
    case UniformShape::Constant:
        return Keyword::Uniform;
    case UniformShape::Triangular:
        return Keyword::Triangular;
    }
    return std::nullopt;
}

UniformShape shapeOf(Keyword uniformSection) {
    return uniformSection == Keyword::Triangular ? UniformShape::Triangular
                                                 : UniformShape::Constant;
}

std::string_view lineKindWord(LineLoadKind kind) {
    switch (kind) {
    case LineLoadKind::Forces:
        return "Kraefte";
    case LineLoadKind::Moments:
        return "Momente";
    }
    return "Kraefte";
}

LineLoadKind lineKindOf(std::string_view word) {
    // "Kraefte" and anything else: forces.
    return sameLetter(word, lineKindWord(LineLoadKind::Moments)) ? LineLoadKind::Moments
                                                                 : LineLoadKind::Forces;
}

std::string_view pointKindWord(PointLoadKind kind) {
    switch (kind) {
    case PointLoadKind::Force:
        return "Einzelkraft ";
    case PointLoadKind::Moment:
        return "Moment ";
    case PointLoadKind::Kink:
        return "Knick ";
    case PointLoadKind::Rotation:
        return "Verdrehung ";
    case PointLoadKind::Offset:
        return "Sprung ";
    }
    return "Einzelkraft ";
}

std::optional<PointLoadKind> pointKindOf(std::string_view word) {
    for (PointLoadKind kind : kPointKinds)
        if (sameLetter(word, pointKindWord(kind))) return kind;
    return std::nullopt;
}

std::string_view edgeKindWord(EdgeLoadKind kind) {
    switch (kind) {
    case EdgeLoadKind::Forces:
        return "V ";
    case EdgeLoadKind::Moments:
        return "M ";
    }
    return "V ";
}

std::optional<EdgeLoadKind> edgeKindOf(std::string_view word) {
    for (EdgeLoadKind kind : kEdgeKinds)
        if (sameLetter(word, edgeKindWord(kind))) return kind;
    return std::nullopt;
}

std::int16_t areaKindCode(AreaLoadKind kind) {
    return static_cast<std::int16_t>(kind);
}

AreaLoadKind areaKindOf(std::int16_t code) {
    return static_cast<AreaLoadKind>(code);
}

} // namespace daskel::echo
