// Cards and fields of the geometry file. A field that holds no value of its type is refused
// rather than read as 0, so that a damaged file cannot pass for a model.
#include "geometry/geometry_cards.hpp"

#include "common/codepage.hpp"
#include "common/format.hpp"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <sstream>

namespace morvel {

namespace {

using FT = FieldType;

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

/// One filtered field converted into out; false when it holds no value of its type.
bool convertField(const std::string& field, FieldType type, CardFields& out) {
    switch (type) {
    case FT::Letter:
        if (field.empty()) return false;
        out.letters.push_back(field[0]);
        return true;
    case FT::Integer: {
        // 16-bit fields: more digits than that is no count or number of this model.
        if (field.empty() || field.size() > 5) return false;
        const long v = std::strtol(field.c_str(), nullptr, 10);
        if (v > std::numeric_limits<std::int16_t>::max()) return false;
        out.numbers.push_back(static_cast<double>(v));
        return true;
    }
    case FT::Real:
    case FT::RealExponent: {
        auto v = slab::parseNumber(field);
        if (!v) return false;
        const float single = static_cast<float>(*v);
        if (!std::isfinite(single)) return false;
        out.numbers.push_back(static_cast<double>(single));
        return true;
    }
    }
    return false;
}

/// A token as a message may quote it: control characters, and every byte above ASCII when the
/// token is no valid UTF-8, become '?' (a damaged file must not put raw bytes on the console).
std::string shownToken(const std::string& token) {
    const bool utf8 = slab::utf8ToWindows1252(token).has_value();
    std::string out;
    for (char c : token) {
        const auto u = static_cast<unsigned char>(c);
        out += (u < 0x20 || u == 0x7F || (u >= 0x80 && !utf8)) ? '?' : c;
    }
    return out;
}

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

std::optional<std::string> convertCard(const Card& card, std::string_view section,
                                       const std::vector<FieldType>& types, CardFields& out) {
    std::vector<std::string> tokens;
    std::istringstream in(card.text);
    for (std::string t; in >> t;)
        tokens.push_back(t);
    tokens = cleanTokens(std::move(tokens), types);
    const int sectionLength = static_cast<int>(section.size());
    if (tokens.size() < types.size())
        return slab::format("Zeile %i (%.*s): %zu Werte erwartet, %zu gefunden.", card.line,
                            sectionLength, section.data(), types.size(), tokens.size());
    for (std::size_t i = 0; i < types.size(); ++i)
        if (!convertField(filterField(tokens[i], types[i]), types[i], out))
            return slab::format("Zeile %i (%.*s): \"%s\" ist kein gültiger Wert.", card.line,
                                sectionLength, section.data(), shownToken(tokens[i]).c_str());
    return std::nullopt;
}

} // namespace morvel
