// Reading one load case block of the load echo: its header and sections; the load tables are
// in load_tables.cpp.
#include "loads/echo/block_reader.hpp"

#include "common/format.hpp"
#include "loads/echo/echo_text.hpp"

#include <algorithm>
#include <cmath>
#include <map>

namespace daskel::echo {

void BlockReader::note(const std::string& text) {
    problems_.push_back(slab::format("LF %i: ", number_) + text);
}

std::optional<BlockReader::Section> BlockReader::findSection(Keyword keyword) {
    for (std::size_t i = begin_ + 1; i < end_; ++i) {
        if (classes_[i].keyword != keyword) continue;
        consumed_[i - begin_] = true;
        Section s{i + 1, i + 1};
        while (s.end < end_ && !classes_[s.end].keyword)
            ++s.end;
        return s;
    }
    return std::nullopt;
}

std::string_view BlockReader::next(Section& s) {
    consumed_[s.pos - begin_] = true;
    return lines_[s.pos++].text;
}

void BlockReader::skipRest(Section& s) {
    while (s.pos < s.end)
        next(s);
}

void BlockReader::noteValues(Keyword keyword) {
    note("Werte nach " + std::string(text(keyword)) +
         " fehlen oder sind fehlerhaft, Abschnitt nicht übernommen.");
}

void BlockReader::noteTruncated(Keyword table, int present, int count) {
    const KeywordEntry& w = keywordEntry(table);
    note(slab::format("Abschnitt %s endet vorzeitig, nur %i von %i %s gelesen.",
                      std::string(w.text).c_str(), present, count,
                      std::string(count == 1 ? w.one : w.many).c_str()));
}

bool BlockReader::readCounts(int counts[4]) {
    std::size_t i = begin_ + 1;
    if (i >= end_ || classes_[i].keyword) return false;
    consumed_[i - begin_] = true;
    auto t = tokens(lines_[i].text);
    if (t.size() < 4) return false;
    for (int k = 0; k < 4; ++k) {
        auto v = slab::parseInteger(t[static_cast<std::size_t>(k)]);
        if (!v) return false;
        counts[k] = *v;
    }
    return true;
}

int BlockReader::tableCount(int given, int capacity, Keyword table) {
    const std::string many(keywordEntry(table).many);
    if (given < 0) {
        note(slab::format("Anzahl der %s (%i) ungültig, keine übernommen.", many.c_str(), given));
        return 0;
    }
    if (given > capacity) {
        note(slab::format("%i %s angegeben, nur die ersten %i übernommen.", given, many.c_str(),
                          capacity));
        return capacity;
    }
    return given;
}

std::optional<BlockReader::Section> BlockReader::tableSection(Keyword table, int count,
                                                              bool surplus) {
    const KeywordEntry& w = keywordEntry(table);
    auto s = findSection(table);
    if (!s) {
        if (count > 0)
            note(slab::format("Abschnitt %s fehlt, %i %s nicht übernommen.",
                              std::string(w.text).c_str(), count,
                              std::string(count == 1 ? w.one : w.many).c_str()));
        return std::nullopt;
    }
    if (count == 0) {
        // A missing or negative count has its own note already.
        if (countsKnown_ && !surplus && s->remaining() > 0)
            note(slab::format("Abschnitt %s übergangen, da die Anzahl der %s 0 ist.",
                              std::string(w.text).c_str(), std::string(w.many).c_str()));
        skipRest(*s);
        return std::nullopt;
    }
    return s;
}

void BlockReader::readUniformLoads(LoadCase& lc) {
    // Table order: a later section overrides an earlier one.
    if (auto s = findSection(Keyword::SelfWeight)) {
        std::optional<double> gamma, g;
        if (s->remaining() > 0) {
            auto t = tokens(next(*s));
            if (t.size() >= 2) {
                gamma = finiteNumber(t[0]);
                g = finiteNumber(t[1]);
            }
        }
        if (gamma && g) {
            lc.selfWeight = true;
            lc.gamma = *gamma;
            lc.g = *g;
            lc.uniform = true;
            lc.uniformShape = shapeOf(Keyword::SelfWeight);
            // With several domains the domains carry the self weight.
            if (geometry_.domainCount > 1) {
                lc.uniform = false;
                lc.uniformValue = 0;
            }
        } else {
            noteValues(Keyword::SelfWeight);
        }
    }
    for (Keyword k : {Keyword::Uniform, Keyword::Triangular}) {
        auto s = findSection(k);
        if (!s) continue;
        std::optional<double> value;
        if (s->remaining() > 0) {
            auto t = tokens(next(*s));
            if (!t.empty()) value = finiteNumber(t[0]);
        }
        if (!value) {
            noteValues(k);
            continue;
        }
        lc.uniformValue = *value;
        lc.uniform = true;
        lc.selfWeight = false;
        lc.uniformShape = shapeOf(k);
    }
}

void BlockReader::readTemperature(LoadCase& lc) {
    lc.temperature = false;
    auto s = findSection(Keyword::Temperature);
    if (!s) return;
    std::optional<double> v[2];
    for (auto& value : v) {
        if (s->remaining() == 0) break;
        auto t = tokens(next(*s));
        if (!t.empty()) value = finiteNumber(t[0]);
    }
    if (!v[0] || !v[1]) {
        noteValues(Keyword::Temperature);
        return;
    }
    lc.temperature = true;
    lc.deltaT = *v[0];
    lc.alphaT = *v[1];
}

void BlockReader::readSettlementSections(LoadCase& lc) {
    // Column settlements absent: none, and no settlement flag; wall movements present set it.
    lc.settlement = false;
    if (auto n = readSettlements(Keyword::ColumnSettlements, kMaxColumns, "Senkung der Stütze",
                                 "Stützen", lc.columnSettlements))
        lc.settlement = *n >= 1;
    if (readSettlements(Keyword::WallMovements, kMaxWalls, "Bewegung der Wand", "Wände",
                        lc.wallMovements))
        lc.settlement = true;
}

std::optional<int> BlockReader::readSettlements(Keyword keyword, int capacity, const char* whose,
                                                const char* range, std::vector<Settlement>& list) {
    auto s = findSection(keyword);
    if (!s) return std::nullopt;
    const std::string name(text(keyword));
    std::optional<int> count;
    if (s->remaining() > 0) {
        auto t = tokens(next(*s));
        if (!t.empty()) count = slab::parseInteger(t[0]);
    }
    if (!count || *count < 0) {
        note("Anzahl nach " + name + " fehlt oder ist ungültig, Abschnitt nicht übernommen.");
        skipRest(*s);
        return std::nullopt;
    }
    std::map<int, double> values;
    for (int i = 1; i <= *count; ++i) {
        if (s->remaining() == 0) {
            noteTruncated(keyword, i - 1, *count);
            break;
        }
        auto t = tokens(next(*s));
        std::optional<int> number;
        std::optional<double> value;
        if (t.size() >= 2) {
            number = slab::parseInteger(t[0]);
            value = finiteNumber(t[1]);
        }
        if (!number || !value) {
            note(slab::format("Eintrag %i von %s fehlerhaft, nicht übernommen.", i, name.c_str()));
            continue;
        }
        if (*number < 1 || *number > capacity) {
            note(slab::format("%s %i nicht übernommen (%s 1 bis %i).", whose, *number, range,
                              capacity));
            continue;
        }
        values[*number] = *value;
    }
    list.clear();
    // A value the echo writes as 0.00000 is none: kept, it would vanish at the next save and
    // reading, while the load files carried it.
    for (const auto& [number, value] : values)
        if (slab::format("%.5f", std::fabs(value)) != "0.00000")
            list.push_back(Settlement{number, value});
    return *count;
}

void BlockReader::noteUnreadLines() {
    int unread = 0;
    std::size_t first = 0;
    for (std::size_t i = begin_ + 1; i < end_; ++i) {
        if (consumed_[i - begin_] || isBlank(lines_[i].text)) continue;
        if (unread++ == 0) first = i;
    }
    if (unread == 1)
        note(slab::format("Zeile %zu nicht erkannt und übergangen: \"%s\".", first + 1,
                          lines_[first].text.c_str()));
    else if (unread > 1)
        note(
            slab::format("%i Zeilen nicht erkannt und übergangen, die erste ist Zeile %zu: \"%s\".",
                         unread, first + 1, lines_[first].text.c_str()));
}

std::optional<LoadCase> BlockReader::read() {
    if (!validLoadCaseNumber(number_)) {
        note(slab::format("Nummer außerhalb 1 bis %i, Block nicht übernommen.", kMaxLoadCase));
        return std::nullopt;
    }
    LoadCase lc;
    lc.number = static_cast<std::int16_t>(number_);

    int counts[4] = {0, 0, 0, 0};
    countsKnown_ = readCounts(counts);
    if (!countsKnown_) {
        std::fill(std::begin(counts), std::end(counts), 0);
        note("Zeile mit den Anzahlen fehlt oder ist fehlerhaft, keine Teilflächen-, Linien-, "
             "Punkt- und Randlasten übernommen.");
    }
    const int nt = tableCount(counts[0], kMaxAreaLoads, Keyword::AreaLoads);
    const int np = tableCount(counts[1], kMaxPointLoads, Keyword::PointLoads);
    const int nl = tableCount(counts[2], kMaxLineLoads, Keyword::LineLoads);
    const int nr = tableCount(counts[3], kMaxEdgeLoads, Keyword::EdgeLoads);

    if (auto s = findSection(Keyword::Title); s && s->remaining() > 0) {
        const std::string title(next(*s));
        lc.title = cutCharacters(title, kMaxTitle);
        if (characterCount(title) > kMaxTitle)
            note(slab::format("Der Titel hat %zu Zeichen; die ersten %zu wurden übernommen.",
                              characterCount(title), kMaxTitle));
    }

    readUniformLoads(lc);
    // Entries beyond a table's capacity, or under a negative count, are passed over; the
    // count's note names them.
    readAreaLoads(lc, nt, counts[0] != nt);
    readLineLoads(lc, nl, counts[2] != nl);
    readPointLoads(lc, np, counts[1] != np);
    readEdgeLoads(lc, nr, counts[3] != nr);
    readTemperature(lc);
    readSettlementSections(lc);
    lc.edgeLoadFlag = !lc.edgeLoads.empty();

    noteUnreadLines();
    return lc;
}

} // namespace daskel::echo
