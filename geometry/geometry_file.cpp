// Reader and writer of the geometry file. The reader checks every count and number before it
// touches a table, so a damaged file is refused as a whole.
#include "geometry/geometry_file.hpp"

#include "common/format.hpp"
#include "geometry/edge_lines.hpp"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

namespace morvel {

namespace {

using FT = FieldType;

const std::vector<FieldType> kParameterFields = {FT::Integer, FT::Integer};
const std::vector<FieldType> kNodeFields = {FT::Integer, FT::Real, FT::Real};
const std::vector<FieldType> kElementFields = {FT::Integer, FT::Integer, FT::Integer,
                                               FT::Integer, FT::Integer, FT::RealExponent,
                                               FT::Real,    FT::Real};
const std::vector<FieldType> kSupportFields(7, FT::Letter);
const std::vector<FieldType> kMasterFields = {FT::Real,         FT::Real, FT::Integer, FT::Integer,
                                              FT::RealExponent, FT::Real, FT::Real};

const char* const kKeywords[] = {"PARAMETER", "KNOTEN", "ELEMENTE", "MASTER", "LAGERE"};

bool isNumeric(FieldType t) {
    switch (t) {
    case FT::Integer:
    case FT::Real:
    case FT::RealExponent:
        return true;
    case FT::Letter:
        return false;
    }
    return false;
}

std::string_view allowedCharacters(FieldType t) {
    switch (t) {
    case FT::Integer:
        return "0123456789";
    case FT::Real:
        return "0123456789-,.";
    case FT::RealExponent:
        return "0123456789+-,.Ee";
    case FT::Letter:
        return "";
    }
    return "";
}

bool isKeyword(const std::string& card) {
    for (const char* k : kKeywords)
        if (card == k) return true;
    return false;
}

/// A card's fields converted; the message of the first field that is no value otherwise.
struct Fields {
    std::vector<double> numbers; ///< numeric fields, in order
    std::vector<char> letters;   ///< letter fields, in order
};

std::optional<std::string> convertCard(const Card& card, std::string_view section,
                                       const std::vector<FieldType>& types, Fields& out) {
    std::vector<std::string> tokens;
    std::istringstream in(card.text);
    for (std::string t; in >> t;)
        tokens.push_back(t);
    tokens = cleanTokens(std::move(tokens), types);
    if (tokens.size() < types.size())
        return slab::format("Zeile %i (%.*s): %zu Werte erwartet, %zu gefunden.", card.line,
                            static_cast<int>(section.size()), section.data(), types.size(),
                            tokens.size());
    for (std::size_t i = 0; i < types.size(); ++i) {
        const std::string f = filterField(tokens[i], types[i]);
        auto bad = [&] {
            return slab::format("Zeile %i (%.*s): \"%s\" ist kein gültiger Wert.", card.line,
                                static_cast<int>(section.size()), section.data(),
                                tokens[i].c_str());
        };
        switch (types[i]) {
        case FT::Letter:
            if (f.empty()) return bad();
            out.letters.push_back(f[0]);
            break;
        case FT::Integer: {
            // 16-bit fields: more digits than that is no count or number of this model.
            if (f.empty() || f.size() > 5) return bad();
            long v = std::strtol(f.c_str(), nullptr, 10);
            if (v > std::numeric_limits<std::int16_t>::max()) return bad();
            out.numbers.push_back(static_cast<double>(v));
            break;
        }
        case FT::Real:
        case FT::RealExponent: {
            auto v = slab::parseNumber(f);
            if (!v) return bad();
            float single = static_cast<float>(*v);
            if (!std::isfinite(single)) return bad();
            out.numbers.push_back(static_cast<double>(single));
            break;
        }
        }
    }
    return std::nullopt;
}

/// The cards of each section: index of the keyword card, or npos when missing.
struct Section {
    std::string_view name;
    std::size_t start = std::string::npos;
};

} // namespace

std::optional<std::string> splitCards(std::string_view text, std::vector<Card>& cards) {
    cards.clear();
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        std::string_view line =
            text.substr(pos, end == std::string_view::npos ? text.npos : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line.front() == ';') continue;
        // A longer card would be split into pieces that read as cards of their own.
        if (line.size() > kMaxCardLength)
            return slab::format("Zeile %i ist länger als %zu Zeichen.", lineNumber, kMaxCardLength);
        if (cards.size() >= kMaxCards)
            return slab::format("Die Datei hat mehr als %zu Karten.", kMaxCards);
        cards.push_back({std::string(line), lineNumber});
    }
    return std::nullopt;
}

std::vector<std::string> cleanTokens(std::vector<std::string> tokens,
                                     const std::vector<FieldType>& types) {
    std::size_t i = 0;
    // Every removal shortens the list, and i only grows otherwise: the loop ends.
    while (tokens.size() > types.size() && i < types.size()) {
        bool foreign = false;
        if (isNumeric(types[i]))
            for (char c : tokens[i])
                if (std::string_view("0123456789-,.eE").find(c) == std::string_view::npos)
                    foreign = true;
        if (foreign)
            tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
    return tokens;
}

std::string filterField(std::string_view token, FieldType type) {
    std::string out;
    if (type == FT::Letter) {
        for (char c : token)
            if (std::isalnum(static_cast<unsigned char>(c)) || c == '.') out += c;
        return out;
    }
    const std::string_view allowed = allowedCharacters(type);
    for (char c : token)
        if (allowed.find(c) != std::string_view::npos) out += (c == ',' ? '.' : c);
    return out;
}

std::optional<std::string> readGeometryText(std::string_view text, Model& out) {
    std::vector<Card> cards;
    if (auto error = splitCards(text, cards)) return error;

    Section sections[] = {{"PARAMETER"}, {"KNOTEN"}, {"ELEMENTE"}, {"LAGERE"}, {"MASTER"}};
    for (std::size_t c = 0; c < cards.size(); ++c)
        for (auto& s : sections)
            if (cards[c].text == s.name && s.start == std::string::npos) s.start = c;
    for (const auto& s : sections)
        if (s.start == std::string::npos)
            return slab::format("Der Abschnitt %.*s fehlt.", static_cast<int>(s.name.size()),
                                s.name.data());

    // The cards of a section: the count wanted, all before the next keyword card.
    auto sectionCards = [&](const Section& s, std::size_t count,
                            std::vector<const Card*>& found) -> std::optional<std::string> {
        found.clear();
        for (std::size_t c = s.start + 1; c < cards.size() && found.size() < count; ++c) {
            if (isKeyword(cards[c].text)) break;
            found.push_back(&cards[c]);
        }
        if (found.size() < count)
            return slab::format("Der Abschnitt %.*s ist unvollständig: %zu von %zu Karten.",
                                static_cast<int>(s.name.size()), s.name.data(), found.size(),
                                count);
        return std::nullopt;
    };

    std::vector<const Card*> found;
    Fields f;
    if (auto e = sectionCards(sections[0], 1, found)) return e;
    if (auto e = convertCard(*found[0], "PARAMETER", kParameterFields, f)) return e;
    const int nodeCount = static_cast<int>(f.numbers[0]);
    const int elementCount = static_cast<int>(f.numbers[1]);
    if (nodeCount > slab::kMaxNodes)
        return slab::format("%i Knoten sind mehr als die höchstens %i Knoten.", nodeCount,
                            slab::kMaxNodes);
    if (elementCount > slab::kMaxElements)
        return slab::format("%i Elemente sind mehr als die höchstens %i Elemente.", elementCount,
                            slab::kMaxElements);

    out.clearMesh();
    if (auto e = sectionCards(sections[1], static_cast<std::size_t>(nodeCount), found)) return e;
    for (int n = 1; n <= nodeCount; ++n) {
        f = {};
        if (auto e = convertCard(*found[static_cast<std::size_t>(n - 1)], "KNOTEN", kNodeFields, f))
            return e;
        auto& node = out.nodes[static_cast<std::size_t>(n)];
        node.number = static_cast<std::int32_t>(f.numbers[0]);
        node.x = f.numbers[1];
        node.y = f.numbers[2];
    }
    out.nodeCount = nodeCount;

    if (auto e = sectionCards(sections[2], static_cast<std::size_t>(elementCount), found)) return e;
    for (int k = 1; k <= elementCount; ++k) {
        f = {};
        const Card& card = *found[static_cast<std::size_t>(k - 1)];
        if (auto e = convertCard(card, "ELEMENTE", kElementFields, f)) return e;
        auto& el = out.elements[static_cast<std::size_t>(k)];
        el.number = static_cast<std::int32_t>(f.numbers[0]);
        for (std::size_t c = 0; c < 4; ++c) {
            const int node = static_cast<int>(f.numbers[1 + c]);
            if (node < 1 || node > nodeCount)
                return slab::format("Zeile %i (ELEMENTE): Knoten %i liegt nicht zwischen 1 und %i.",
                                    card.line, node, nodeCount);
            el.node[c] = node;
        }
        el.e = f.numbers[5];
        el.nu = f.numbers[6];
        el.thickness = f.numbers[7];
    }
    out.elementCount = elementCount;

    if (auto e = sectionCards(sections[3], static_cast<std::size_t>(elementCount), found)) return e;
    for (int k = 1; k <= elementCount; ++k) {
        f = {};
        if (auto e =
                convertCard(*found[static_cast<std::size_t>(k - 1)], "LAGERE", kSupportFields, f))
            return e;
        auto& el = out.elements[static_cast<std::size_t>(k)];
        // The seven letters fill the four edge codes and the three bytes after them.
        std::uint8_t* bytes[7] = {&el.edgeSupport[0], &el.edgeSupport[1], &el.edgeSupport[2],
                                  &el.edgeSupport[3], &el.reserved2365,   &el.outerEdge[0],
                                  &el.outerEdge[1]};
        for (std::size_t i = 0; i < 7; ++i) {
            switch (f.letters[i]) {
            case 'n':
                *bytes[i] = 0;
                break;
            case 'c':
                *bytes[i] = 1;
                break;
            case 'h':
                *bytes[i] = 2;
                break;
            case 'f':
                *bytes[i] = 3;
                break;
            case 'r':
                *bytes[i] = 7;
                break;
            case 't':
                *bytes[i] = 8;
                break;
            case 'a':
                *bytes[i] = 9;
                break;
            default:
                break; // other letters leave the byte as it is
            }
        }
    }

    if (auto e = sectionCards(sections[4], 1, found)) return e;
    f = {};
    if (auto e = convertCard(*found[0], "MASTER", kMasterFields, f)) return e;
    MasterGrid g;
    g.dx = static_cast<float>(f.numbers[0]);
    g.dy = static_cast<float>(f.numbers[1]);
    g.nx = static_cast<int>(f.numbers[2]);
    g.ny = static_cast<int>(f.numbers[3]);
    g.e = static_cast<float>(f.numbers[4]);
    g.nu = static_cast<float>(f.numbers[5]);
    g.thickness = static_cast<float>(f.numbers[6]);
    // The node index table of the grid has at most 200 rows and columns.
    if (g.nx > 199 || g.ny > 199)
        return slab::format("MASTER: nx = %i und ny = %i, höchstens 199 sind möglich.", g.nx, g.ny);
    out.master = g;

    rebuildEdgeLines(out);
    return std::nullopt;
}

std::string geometryText(const Model& m) {
    std::string t = "PARAMETER\n";
    slab::appendFormat(t, "%i %i\n", m.nodeCount, m.elementCount);
    t += "KNOTEN\n";
    for (int n = 1; n <= m.nodeCount; ++n) {
        const auto& node = m.nodes[static_cast<std::size_t>(n)];
        slab::appendFormat(t, "%i  %.3f  %.3f\n", node.number, node.x, node.y);
    }
    t += "ELEMENTE\n";
    for (int k = 1; k <= m.elementCount; ++k) {
        const auto& el = m.elements[static_cast<std::size_t>(k)];
        slab::appendFormat(t, "%i  %i  %i  %i  %i %.3lE  %.2f %.3f\n", el.number, el.node[0],
                           el.node[1], el.node[2], el.node[3], el.e, el.nu, el.thickness);
    }
    t += "LAGERE\n";
    for (int k = 1; k <= m.elementCount; ++k) {
        const auto& el = m.elements[static_cast<std::size_t>(k)];
        const std::uint8_t bytes[7] = {el.edgeSupport[0], el.edgeSupport[1], el.edgeSupport[2],
                                       el.edgeSupport[3], el.reserved2365,   el.outerEdge[0],
                                       el.outerEdge[1]};
        char letters[7];
        for (std::size_t i = 0; i < 7; ++i)
            letters[i] =
                edgeSupportLetter(edgeSupportFromByte(bytes[i]).value_or(EdgeSupport::None));
        slab::appendFormat(t, "%c  %c  %c  %c %c  %c  %c\n", letters[0], letters[1], letters[2],
                           letters[3], letters[4], letters[5], letters[6]);
    }
    t += "MASTER\n";
    const auto& g = m.master;
    slab::appendFormat(t, "%.3f  %.3f  %i %i %.3lE %.2f %.2f\n", static_cast<double>(g.dx),
                       static_cast<double>(g.dy), g.nx, g.ny, static_cast<double>(g.e),
                       static_cast<double>(g.nu), static_cast<double>(g.thickness));
    return t;
}

} // namespace morvel
