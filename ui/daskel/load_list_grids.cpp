// The load editor's lists of area, line, point and edge loads as grids of texts, and a grid's
// rows checked and taken back as loads.
#include "common/format.hpp"
#include "common/text.hpp"
#include "ui/console/arguments.hpp"
#include "ui/daskel/load_grids.hpp"

#include <algorithm>
#include <cctype>
#include <map>

namespace daskel {

namespace {

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

/// Coordinates and values with the three places of the load echo.
std::string n3(double v) {
    return slab::withDecimalComma(slab::format("%.3f", v));
}

constexpr const char* kPointKinds[] = {"Einzelkraft", "Moment", "Knick", "Verdrehung", "Sprung"};

std::string forceKind(bool moments) {
    return moments ? "Momente" : "Kräfte";
}

bool emptyRow(const Row& row) {
    return std::all_of(row.begin(), row.end(),
                       [](const std::string& c) { return slab::trim(c).empty(); });
}

char firstLetter(const std::string& text) {
    const std::string t(slab::trim(text));
    return t.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
}

Rows areaRows(const LoadCase& lc) {
    Rows rows;
    int k = 0;
    for (const AreaLoad& a : lc.areaLoads) {
        ++k;
        bool first = true;
        for (const AreaCorner& c : a.corners) {
            const bool constant = a.variation == AreaLoadVariation::Constant;
            rows.push_back(
                {slab::format("%i", k), n3(c.x), n3(c.y), n3(c.p1), first && constant ? "ja" : ""});
            first = false;
        }
    }
    return rows;
}

Row lineRow(const LineLoad& l) {
    return {n3(l.xa),
            n3(l.ya),
            n3(l.xb),
            n3(l.yb),
            n3(l.start),
            n3(l.end),
            forceKind(l.kind == LineLoadKind::Moments),
            l.comment};
}

Row pointRow(const PointLoad& p) {
    return {n3(p.x),  n3(p.y),  n3(p.size),  kPointKinds[static_cast<int>(p.kind)],
            n3(p.nx), n3(p.ny), n3(p.width), p.comment};
}

Row boundaryRow(const EdgeLoad& e) {
    return {slab::format("%i", e.boundary),
            slab::format("%i", e.section),
            n3(e.a),
            n3(e.b),
            forceKind(e.kind == EdgeLoadKind::Moments),
            e.comment};
}

/// Reads the cells of one row; the first refusal is kept in `error` with the row's number.
struct RowReader {
    const Row& row;
    const std::vector<std::string>& headings;
    std::size_t rowNumber;
    std::string error;

    std::string text(std::size_t c) const {
        return c < row.size() ? std::string(slab::trim(row[c])) : "";
    }
    double number(std::size_t c, bool required = true) {
        const std::string t = text(c);
        if (!error.empty()) return 0;
        if (t.empty()) {
            if (required)
                error = slab::format("Zeile %zu: %s fehlt; nichts wurde geändert.", rowNumber,
                                     headings[c].c_str());
            return 0;
        }
        const auto v = ui::finiteNumber(t);
        if (!v)
            error = slab::format("Zeile %zu, %s: \"%s\" ist keine Zahl; nichts wurde geändert.",
                                 rowNumber, headings[c].c_str(), t.c_str());
        return v.value_or(0);
    }
    int whole(std::size_t c) {
        const std::string t = text(c);
        if (!error.empty()) return 0;
        const auto v = slab::parseInteger(t);
        if (!v)
            error = slab::format("Zeile %zu, %s: \"%s\" ist keine Nummer; nichts wurde geändert.",
                                 rowNumber, headings[c].c_str(), t.c_str());
        return v.value_or(0);
    }
    bool moments(std::size_t c) {
        const char k = firstLetter(text(c));
        if (k == 'M') return true;
        if (k != '\0' && k != 'K' && k != 'V' && error.empty())
            error = slab::format("Zeile %zu: Art \"%s\" ist weder Kräfte noch Momente.", rowNumber,
                                 text(c).c_str());
        return false;
    }
};

/// The shown rows not yet matched, by their texts: a row still as shown keeps its load.
class Unchanged {
  public:
    explicit Unchanged(const Rows& shown) {
        for (std::size_t i = 0; i < shown.size(); ++i)
            index_.emplace(shown[i], i);
    }
    std::optional<std::size_t> take(const Row& row) {
        auto it = index_.find(row);
        if (it == index_.end()) return std::nullopt;
        const std::size_t i = it->second;
        index_.erase(it);
        return i;
    }

  private:
    std::multimap<Row, std::size_t> index_;
};

std::string rowError(std::size_t number, const std::string& why) {
    return slab::format("Zeile %zu: ", number) + why;
}

/// The runs of rows with the same area number, with the number of their first row.
struct AreaRun {
    std::size_t firstRow = 0;
    Rows rows;
};

std::vector<AreaRun> areaRuns(const Rows& rows) {
    std::vector<AreaRun> runs;
    std::string current;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (emptyRow(rows[r])) continue;
        const std::string k(slab::trim(rows[r].empty() ? "" : rows[r][0]));
        if (runs.empty() || k != current) runs.push_back({r + 1, {}});
        current = k;
        runs.back().rows.push_back(rows[r]);
    }
    return runs;
}

std::optional<std::string> takeAreas(const LoadGrid& shown, const LoadGrid& edited,
                                     const LoadCase& original, LoadCase& lc) {
    const std::vector<AreaRun> before = areaRuns(shown.rows);
    std::multimap<Rows, std::size_t> unchanged;
    for (std::size_t i = 0; i < before.size() && i < original.areaLoads.size(); ++i)
        unchanged.emplace(before[i].rows, i);
    for (const AreaRun& run : areaRuns(edited.rows)) {
        if (auto it = unchanged.find(run.rows); it != unchanged.end()) {
            lc.areaLoads.push_back(original.areaLoads[it->second]);
            unchanged.erase(it);
            continue;
        }
        AreaLoadInput in;
        for (std::size_t r = 0; r < run.rows.size(); ++r) {
            RowReader read{run.rows[r], edited.headings, run.firstRow + r, {}};
            read.whole(0);
            CornerInput c{read.number(1), read.number(2), read.number(3)};
            const char yes = firstLetter(read.text(4));
            if (yes == 'J' || yes == 'X' || yes == '1') in.constant = true;
            if (!read.error.empty()) return read.error;
            in.corners.push_back(c);
        }
        if (auto why = addAreaLoad(lc, in))
            return slab::format("Fläche ab Zeile %zu: ", run.firstRow) + *why;
    }
    return std::nullopt;
}

/// The input of a row of a line, point or edge load list; the error in `read`.
LineLoadInput lineInput(RowReader& read) {
    LineLoadInput in{read.number(0), read.number(1), read.number(2),       read.number(3),
                     read.number(4), read.number(5), LineLoadKind::Forces, read.text(7)};
    if (read.moments(6)) in.kind = LineLoadKind::Moments;
    return in;
}

PointLoadInput pointInput(RowReader& read) {
    PointLoadInput in;
    in.x = read.number(0);
    in.y = read.number(1);
    in.size = read.number(2);
    const char k = firstLetter(read.text(3));
    const std::string kinds = "EMKVS";
    if (k != '\0' && kinds.find(k) == std::string::npos && read.error.empty())
        read.error = slab::format("Zeile %zu: Art \"%s\" ist keine der Arten Einzelkraft, "
                                  "Moment, Knick, Verdrehung, Sprung.",
                                  read.rowNumber, read.text(3).c_str());
    if (k != '\0' && kinds.find(k) != std::string::npos)
        in.kind = static_cast<PointLoadKind>(kinds.find(k));
    in.nx = read.number(4, false);
    in.ny = read.number(5, false);
    in.width = read.number(6, false);
    in.comment = read.text(7);
    return in;
}

EdgeLoadInput boundaryInput(RowReader& read) {
    EdgeLoadInput in;
    in.boundary = read.whole(0);
    in.section = read.whole(1);
    in.a = read.number(2);
    in.b = read.number(3);
    if (read.moments(4)) in.kind = EdgeLoadKind::Moments;
    in.comment = read.text(5);
    return in;
}

/// Takes the rows of a line, point or edge load list; each unchanged row keeps its load.
template <class Record, class Read, class Add>
std::optional<std::string> takeList(const LoadGrid& shown, const LoadGrid& edited,
                                    const std::vector<Record>& original, std::vector<Record>& list,
                                    Read read, Add add) {
    Rows before(shown.rows.begin(), shown.rows.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                             shown.rows.size(), original.size())));
    Unchanged unchanged(before);
    for (std::size_t r = 0; r < edited.rows.size(); ++r) {
        const Row& row = edited.rows[r];
        if (emptyRow(row)) continue;
        if (auto i = unchanged.take(row)) {
            list.push_back(original[*i]);
            continue;
        }
        RowReader reader{row, edited.headings, r + 1, {}};
        const auto in = read(reader);
        if (!reader.error.empty()) return reader.error;
        if (auto why = add(in)) return rowError(r + 1, *why);
    }
    return std::nullopt;
}

} // namespace

LoadGrid listGrid(GridKind kind, const LoadCase& lc) {
    LoadGrid g;
    g.kind = kind;
    g.readOnlyColumns = 0;
    g.fixedRows = false;
    switch (kind) {
    case GridKind::Areas:
        g.title = "Teilflächenlasten";
        g.headings = {"Fläche", "x [m]", "y [m]", "p [kN/m2]", "konstant"};
        g.hints = {"Eine Zeile je Ecke, gegen den Uhrzeigersinn; die Zeilen einer Fläche tragen "
                   "ihre Nummer. \"ja\" unter konstant: der Mittelwert überall."};
        g.rows = areaRows(lc);
        break;
    case GridKind::Lines:
        g.title = "Linienlasten (von - nach)";
        g.headings = {"xa [m]", "ya [m]", "xb [m]", "yb [m]", "Anfang", "Ende", "Art", "Kommentar"};
        g.hints = {"Werte in [kN/m] (Kräfte) oder [kNm/m] (Momente), linear von A nach B."};
        for (const LineLoad& l : lc.lineLoads)
            g.rows.push_back(lineRow(l));
        break;
    case GridKind::Points:
        g.title = "Punktlasten";
        g.headings = {"x [m]", "y [m]", "Größe", "Art", "nx", "ny", "b [m]", "Kommentar"};
        g.hints = {"Art: Einzelkraft [kN], Moment [kNm], Knick, Verdrehung oder Sprung [m]."};
        for (const PointLoad& p : lc.pointLoads)
            g.rows.push_back(pointRow(p));
        break;
    case GridKind::Boundaries:
        g.title = "Randlasten";
        g.headings = {"Rand", "Abschnitt", "Anfang", "Ende", "Art", "Kommentar"};
        g.hints = {"Rand 1 ist der Außenrand, die Öffnungen folgen (Ansicht, Ränder der Platte)."};
        for (const EdgeLoad& e : lc.edgeLoads)
            g.rows.push_back(boundaryRow(e));
        break;
    case GridKind::Elements:
    case GridKind::Edges:
    case GridKind::Nodes:
        break;
    }
    return g;
}

LoadCaseOrError applyListGrid(const LoadGrid& shown, const LoadGrid& edited, const LoadCase& lc,
                              const SlabOutline& outline) {
    LoadCase out = lc;
    std::optional<std::string> error;
    switch (edited.kind) {
    case GridKind::Areas:
        out.areaLoads.clear();
        error = takeAreas(shown, edited, lc, out);
        break;
    case GridKind::Lines:
        out.lineLoads.clear();
        error = takeList(shown, edited, lc.lineLoads, out.lineLoads, lineInput,
                         [&](const LineLoadInput& in) { return addLineLoad(out, in); });
        break;
    case GridKind::Points:
        out.pointLoads.clear();
        error = takeList(shown, edited, lc.pointLoads, out.pointLoads, pointInput,
                         [&](const PointLoadInput& in) { return addPointLoad(out, in); });
        break;
    case GridKind::Boundaries:
        out.edgeLoads.clear();
        error = takeList(shown, edited, lc.edgeLoads, out.edgeLoads, boundaryInput,
                         [&](const EdgeLoadInput& in) { return addEdgeLoad(out, in, outline); });
        break;
    case GridKind::Elements:
    case GridKind::Edges:
    case GridKind::Nodes:
        error = "Diese Tabelle hat keine Liste von Lasten.";
        break;
    }
    // Loads kept as they were are not counted by the checks of the new ones.
    const std::pair<int, int> counts[] = {{out.nt(), kMaxAreaLoads},
                                          {out.nl(), kMaxLineLoads},
                                          {out.np(), kMaxPointLoads},
                                          {out.nr(), kMaxEdgeLoads}};
    for (auto [count, most] : counts)
        if (!error && count > most)
            error = slab::format("Die Tabelle hat %i Lasten; höchstens %i sind möglich. Bitte "
                                 "Zeilen streichen.",
                                 count, most);
    if (error) return {std::nullopt, *error};
    return {std::move(out), {}};
}

} // namespace daskel
