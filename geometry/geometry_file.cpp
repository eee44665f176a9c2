// Reader and writer of the geometry file. The reader checks every count and number before it
// touches a table, so a damaged file is refused as a whole.
#include "geometry/geometry_file.hpp"

#include "common/format.hpp"
#include "geometry/edge_lines.hpp"

#include <algorithm>
#include <cmath>
#include <array>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace morvel {

namespace {

using FT = FieldType;

const std::vector<FieldType> kParameterFields = {FT::Integer, FT::Integer};
const std::vector<FieldType> kNodeFields = {FT::Integer, FT::Real, FT::Real};
const std::vector<FieldType> kElementFields = {FT::Integer, FT::Integer, FT::Integer,
                                               FT::Integer, FT::Integer, FT::RealExponent,
                                               FT::Real,    FT::Real};
/// The letters of a "LAGERE" card: the four edge codes and the three bytes after them in the
/// element record (the first two outer-edge flags among them), read back unchanged.
constexpr std::size_t kSupportLetters = 7;
const std::vector<FieldType> kSupportFields(kSupportLetters, FT::Letter);
const std::vector<FieldType> kMasterFields = {FT::Real,         FT::Real, FT::Integer, FT::Integer,
                                              FT::RealExponent, FT::Real, FT::Real};

/// The sections of the file, each from its keyword card to the next keyword card.
enum class Section { Parameter, Nodes, Elements, Supports, Master };

/// The sections in the order they are looked for and read.
constexpr std::array kSections = {Section::Parameter, Section::Nodes, Section::Elements,
                                  Section::Supports, Section::Master};

std::string_view keyword(Section s) {
    switch (s) {
    case Section::Parameter:
        return "PARAMETER";
    case Section::Nodes:
        return "KNOTEN";
    case Section::Elements:
        return "ELEMENTE";
    case Section::Supports:
        return "LAGERE";
    case Section::Master:
        return "MASTER";
    }
    return "";
}

/// The bytes of an element that the letters of its "LAGERE" card stand for.
template <class Element> auto supportCardBytes(Element& el) {
    return std::array{&el.edgeSupport[0], &el.edgeSupport[1], &el.edgeSupport[2],
                      &el.edgeSupport[3], &el.reserved2365,   &el.outerEdge[0],
                      &el.outerEdge[1]};
}
static_assert(std::tuple_size_v<decltype(supportCardBytes(std::declval<slab::ElementRecord&>()))> ==
              kSupportLetters);

bool isKeyword(const std::string& card) {
    for (Section s : kSections)
        if (card == keyword(s)) return true;
    return false;
}

/// The cards of a file and, per section, the index of its first keyword card.
struct SectionedCards {
    std::vector<Card> cards;
    std::array<std::size_t, kSections.size()> start{};

    std::size_t startOf(Section s) const { return start[static_cast<std::size_t>(s)]; }
};

/// Splits the text into cards and finds every section; the message of the first one missing.
std::optional<std::string> findSections(std::string_view text, SectionedCards& f) {
    if (auto error = splitCards(text, f.cards)) return error;
    for (Section s : kSections) {
        const auto at = std::find_if(f.cards.begin(), f.cards.end(),
                                     [&](const Card& c) { return c.text == keyword(s); });
        if (at == f.cards.end())
            return slab::format("Der Abschnitt %.*s fehlt.", static_cast<int>(keyword(s).size()),
                                keyword(s).data());
        f.start[static_cast<std::size_t>(s)] = static_cast<std::size_t>(at - f.cards.begin());
    }
    return std::nullopt;
}

/// The first count cards of a section, all before the next keyword card.
std::optional<std::string> sectionCards(const SectionedCards& f, Section s, std::size_t count,
                                        std::vector<const Card*>& found) {
    found.clear();
    for (std::size_t c = f.startOf(s) + 1; c < f.cards.size() && found.size() < count; ++c) {
        if (isKeyword(f.cards[c].text)) break;
        found.push_back(&f.cards[c]);
    }
    if (found.size() < count)
        return slab::format("Der Abschnitt %.*s ist unvollständig: %zu von %zu Karten.",
                            static_cast<int>(keyword(s).size()), keyword(s).data(), found.size(),
                            count);
    return std::nullopt;
}

/// "PARAMETER": the node and element counts, each within the model capacity.
std::optional<std::string> readCounts(const Card& card, int& nodeCount, int& elementCount) {
    CardFields f;
    if (auto e = convertCard(card, keyword(Section::Parameter), kParameterFields, f)) return e;
    nodeCount = static_cast<int>(f.numbers[0]);
    elementCount = static_cast<int>(f.numbers[1]);
    if (nodeCount > slab::kMaxNodes)
        return slab::format("%i Knoten sind mehr als die höchstens %i Knoten.", nodeCount,
                            slab::kMaxNodes);
    if (elementCount > slab::kMaxElements)
        return slab::format("%i Elemente sind mehr als die höchstens %i Elemente.", elementCount,
                            slab::kMaxElements);
    return std::nullopt;
}

/// "KNOTEN": number, x and y of each node, in node order.
std::optional<std::string> readNodes(const std::vector<const Card*>& cards, Model& out) {
    for (std::size_t n = 1; n <= cards.size(); ++n) {
        CardFields f;
        if (auto e = convertCard(*cards[n - 1], keyword(Section::Nodes), kNodeFields, f)) return e;
        auto& node = out.nodes[n];
        node.number = static_cast<std::int32_t>(f.numbers[0]);
        // Record k of KNOTEN1 describes node k: a card that repeats or skips a number would
        // give the solver a table it cannot read.
        if (node.number != static_cast<std::int32_t>(n))
            return slab::format("Zeile %i (KNOTEN): der Knoten hat die Nummer %i, erwartet wird %zu.",
                                cards[n - 1]->line, node.number, n);
        node.x = f.numbers[1];
        node.y = f.numbers[2];
    }
    out.nodeCount = static_cast<int>(cards.size());
    return std::nullopt;
}

/// The corners run counter-clockwise round an axis-parallel rectangle of positive size from its
/// lower left corner, as the solver computes every element (within the node join distance).
bool isCounterClockwiseRectangle(const Model& m, const slab::ElementRecord& el) {
    const auto& a = m.nodes[static_cast<std::size_t>(el.node[0])];
    const auto& b = m.nodes[static_cast<std::size_t>(el.node[1])];
    const auto& c = m.nodes[static_cast<std::size_t>(el.node[2])];
    const auto& d = m.nodes[static_cast<std::size_t>(el.node[3])];
    auto same = [](double p, double q) { return std::fabs(p - q) < kNodeJoin; };
    return b.x - a.x >= kNodeJoin && d.y - a.y >= kNodeJoin && same(a.y, b.y) &&
           same(b.x, c.x) && same(c.y, d.y) && same(d.x, a.x);
}

/// "ELEMENTE": number, four corner nodes (each one of the nodes read), E, nu and thickness.
std::optional<std::string> readElements(const std::vector<const Card*>& cards, Model& out) {
    for (std::size_t k = 1; k <= cards.size(); ++k) {
        CardFields f;
        const Card& card = *cards[k - 1];
        if (auto e = convertCard(card, keyword(Section::Elements), kElementFields, f)) return e;
        auto& el = out.elements[k];
        el.number = static_cast<std::int32_t>(f.numbers[0]);
        if (el.number != static_cast<std::int32_t>(k))
            return slab::format(
                "Zeile %i (ELEMENTE): das Element hat die Nummer %i, erwartet wird %zu.", card.line,
                el.number, k);
        for (std::size_t c = 0; c < 4; ++c) {
            const int node = static_cast<int>(f.numbers[1 + c]);
            if (node < 1 || node > out.nodeCount)
                return slab::format("Zeile %i (ELEMENTE): Knoten %i liegt nicht zwischen 1 und %i.",
                                    card.line, node, out.nodeCount);
            el.node[c] = node;
        }
        el.e = f.numbers[5];
        el.nu = f.numbers[6];
        el.thickness = f.numbers[7];
        if (!isCounterClockwiseRectangle(out, el))
            return slab::format("Zeile %i (ELEMENTE): die Eckknoten des Elements %zu bilden kein "
                                "Rechteck, das von links unten gegen den Uhrzeigersinn umlaufen "
                                "wird.",
                                card.line, k);
    }
    out.elementCount = static_cast<int>(cards.size());
    return std::nullopt;
}

/// A code letter of "LAGERE" into its byte; other letters leave the byte as it is.
void setCodeByte(std::uint8_t& byte, char letter) {
    if (auto code = edgeSupportFromLetter(letter)) byte = edgeSupportByte(*code);
}

/// "LAGERE": seven code letters per element.
std::optional<std::string> readSupports(const std::vector<const Card*>& cards, Model& out) {
    for (std::size_t k = 1; k <= cards.size(); ++k) {
        CardFields f;
        if (auto e = convertCard(*cards[k - 1], keyword(Section::Supports), kSupportFields, f))
            return e;
        const auto bytes = supportCardBytes(out.elements[k]);
        for (std::size_t i = 0; i < kSupportLetters; ++i)
            setCodeByte(*bytes[i], f.letters[i]);
    }
    return std::nullopt;
}

/// "MASTER": the grid the mesh was generated from.
std::optional<std::string> readMaster(const Card& card, Model& out) {
    CardFields f;
    if (auto e = convertCard(card, keyword(Section::Master), kMasterFields, f)) return e;
    MasterGrid g;
    g.dx = static_cast<float>(f.numbers[0]);
    g.dy = static_cast<float>(f.numbers[1]);
    g.nx = static_cast<int>(f.numbers[2]);
    g.ny = static_cast<int>(f.numbers[3]);
    g.e = static_cast<float>(f.numbers[4]);
    g.nu = static_cast<float>(f.numbers[5]);
    g.thickness = static_cast<float>(f.numbers[6]);
    // The node index table of the grid has at most 200 rows and columns.
    if (g.nx > kMaxGridDivisions || g.ny > kMaxGridDivisions)
        return slab::format("MASTER: nx = %i und ny = %i, höchstens %i sind möglich.", g.nx, g.ny,
                            kMaxGridDivisions);
    out.master = g;
    return std::nullopt;
}

} // namespace

std::optional<std::string> readGeometryText(std::string_view text, Model& out) {
    SectionedCards f;
    if (auto e = findSections(text, f)) return e;
    std::vector<const Card*> found;
    int nodeCount = 0, elementCount = 0;
    if (auto e = sectionCards(f, Section::Parameter, 1, found)) return e;
    if (auto e = readCounts(*found[0], nodeCount, elementCount)) return e;
    out.clearMesh();
    if (auto e = sectionCards(f, Section::Nodes, static_cast<std::size_t>(nodeCount), found))
        return e;
    if (auto e = readNodes(found, out)) return e;
    if (auto e = sectionCards(f, Section::Elements, static_cast<std::size_t>(elementCount), found))
        return e;
    if (auto e = readElements(found, out)) return e;
    if (auto e = sectionCards(f, Section::Supports, static_cast<std::size_t>(elementCount), found))
        return e;
    if (auto e = readSupports(found, out)) return e;
    if (auto e = sectionCards(f, Section::Master, 1, found)) return e;
    if (auto e = readMaster(*found[0], out)) return e;
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
        const auto bytes = supportCardBytes(m.elements[static_cast<std::size_t>(k)]);
        std::array<char, kSupportLetters> letters{};
        for (std::size_t i = 0; i < kSupportLetters; ++i)
            letters[i] =
                edgeSupportLetter(edgeSupportFromByte(*bytes[i]).value_or(EdgeSupport::None));
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
