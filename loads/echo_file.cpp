// Writing, replacing, removing and reading the blocks of the load echo ECHO_L.
#include "loads/echo_file.hpp"

#include "common/codepage.hpp"
#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/format.hpp"
#include "loads/file_names.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <system_error>

namespace daskel {

namespace {

// Indices into kEchoKeywords.
enum KeywordIndex : int {
    kwLastfaelle = 0,
    kwLf,
    kwTitel,
    kwEigengewicht,
    kwGleichlast,
    kwDreieckslast,
    kwTeilflaechenlasten,
    kwLinienlasten,
    kwPunktlasten,
    kwRandlasten,
    kwTemperatur,
    kwStuetzensenkung,
    kwWandbewegungen
};

std::string keyword(int index) {
    return std::string(kEchoKeywords[static_cast<std::size_t>(index)]);
}

// ---------------------------------------------------------------------------------------------
// Texts

/// The longest prefix of at most maxBytes bytes that ends on a UTF-8 character boundary.
std::string cutUtf8(std::string_view s, std::size_t maxBytes) {
    if (s.size() <= maxBytes) return std::string(s);
    std::size_t n = maxBytes;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    return std::string(s.substr(0, n));
}

/// A text that goes on one line of the file: a line break inside it would split the block, so
/// control characters become blanks; cut to its capacity like the reader cuts it.
std::string oneLineText(std::string_view s, std::size_t maxBytes) {
    std::string t(s);
    for (char& c : t)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return cutUtf8(t, maxBytes);
}

/// Blank-separated tokens; runs of blanks (and tabs) count as one separator.
std::vector<std::string_view> tokens(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        std::size_t start = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t')
            ++i;
        if (i > start) out.push_back(s.substr(start, i - start));
    }
    return out;
}

bool isBlank(std::string_view s) {
    return tokens(s).empty();
}

/// A finite number; "nan", "inf" and the like count as garbled.
std::optional<double> finiteNumber(std::string_view token) {
    auto v = slab::parseNumber(token);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

/// A number that the load case keeps in single precision.
std::optional<float> singleNumber(std::string_view token) {
    auto v = finiteNumber(token);
    if (!v || std::fabs(*v) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*v);
}

std::optional<std::int16_t> shortInteger(std::string_view token) {
    auto v = slab::parseInteger(token);
    if (!v || *v < std::numeric_limits<std::int16_t>::min() ||
        *v > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*v);
}

/// Reads `count` single-precision numbers from t[first...]; false when one is missing or garbled.
bool singleNumbers(const std::vector<std::string_view>& t, std::size_t first, std::size_t count,
                   float* out) {
    if (t.size() < first + count) return false;
    for (std::size_t i = 0; i < count; ++i) {
        auto v = singleNumber(t[first + i]);
        if (!v) return false;
        out[i] = *v;
    }
    return true;
}

/// The number and the comment of a "%i %s" line: the comment is the rest of the line after the
/// one separator the writer puts behind the number.
struct NumberedComment {
    std::optional<int> number;
    std::string comment;
};

NumberedComment numberedComment(std::string_view line, std::size_t maxComment) {
    NumberedComment out;
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t')
        ++i;
    out.number = slab::parseInteger(line.substr(start, i - start));
    if (i < line.size()) ++i;
    out.comment = cutUtf8(line.substr(i), maxComment);
    return out;
}

// ---------------------------------------------------------------------------------------------
// Writer

const BoundarySection* sectionOf(const EchoGeometry& geometry, int boundary, int section) {
    for (const BoundarySection& s : geometry.sections)
        if (s.boundary == boundary && s.section == section) return &s;
    return nullptr;
}

const char* pointKindWord(PointLoadKind kind) {
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

/// The point load kind named by the first letter of its word.
std::optional<PointLoadKind> pointKindOf(std::string_view word) {
    switch (std::toupper(static_cast<unsigned char>(word[0]))) {
    case 'E':
        return PointLoadKind::Force;
    case 'M':
        return PointLoadKind::Moment;
    case 'K':
        return PointLoadKind::Kink;
    case 'V':
        return PointLoadKind::Rotation;
    case 'S':
        return PointLoadKind::Offset;
    default:
        return std::nullopt;
    }
}

const char* lineKindWord(LineLoadKind kind) {
    switch (kind) {
    case LineLoadKind::Forces:
        return "Kraefte";
    case LineLoadKind::Moments:
        return "Momente";
    }
    return "Kraefte";
}

int capped(std::size_t size, int capacity) {
    return static_cast<int>(std::min(size, static_cast<std::size_t>(capacity)));
}

/// The settlements other than 0, in number order; nothing when there is none.
void appendSettlements(std::string& out, int keywordIndex, const std::vector<Settlement>& list) {
    std::vector<Settlement> nonZero;
    for (const Settlement& s : list)
        if (s.value != 0) nonZero.push_back(s);
    if (nonZero.empty()) return;
    std::stable_sort(nonZero.begin(), nonZero.end(),
                     [](const Settlement& a, const Settlement& b) { return a.number < b.number; });
    out += keyword(keywordIndex) + "\n";
    slab::appendFormat(out, "%i\n", static_cast<int>(nonZero.size()));
    for (const Settlement& s : nonZero)
        slab::appendFormat(out, "%i %8.5lf\n", s.number, s.value);
}

// ---------------------------------------------------------------------------------------------
// Lines and their classes

struct EchoLine {
    std::size_t begin = 0, end = 0; ///< the raw line in the file image, with its line end
    std::string text;               ///< UTF-8, no line end, no trailing "\r", cut
    bool cut = false;               ///< longer than kMaxEchoLineLength
};

std::string toUtf8(std::string_view cp850) {
    // Plain ASCII reads the same in both code pages; most lines are numbers.
    bool ascii = std::all_of(cp850.begin(), cp850.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? std::string(cp850) : slab::cp850ToUtf8(cp850);
}

/// Splits a file image into at most maxLines lines; `more` tells whether lines were left over.
std::vector<EchoLine> splitLines(std::string_view bytes, std::size_t maxLines, bool& more) {
    std::vector<EchoLine> lines;
    more = false;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (lines.size() == maxLines) {
            more = true;
            break;
        }
        std::size_t newline = bytes.find('\n', pos);
        std::size_t contentEnd = newline == std::string_view::npos ? bytes.size() : newline;
        EchoLine line;
        line.begin = pos;
        line.end = newline == std::string_view::npos ? bytes.size() : newline + 1;
        std::string_view content = bytes.substr(pos, contentEnd - pos);
        if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
        if (content.size() > kMaxEchoLineLength) {
            // Cut, not split: the rest of a long line must not turn into a line of its own.
            content = content.substr(0, kMaxEchoLineLength);
            line.cut = true;
        }
        line.text = toUtf8(content);
        pos = line.end;
        lines.push_back(std::move(line));
    }
    return lines;
}

struct LineClass {
    int keyword = -1; ///< index into kEchoKeywords, -1 for other lines
    int block = 0;    ///< the load case number of a block start line, 0 for other lines
};

std::optional<int> blockStartNumber(std::string_view text) {
    auto t = tokens(text);
    if (t.size() < 2 || t[0] != "LF") return std::nullopt;
    auto n = slab::parseInteger(t[1]);
    if (!n || *n == 0) return std::nullopt;
    return n;
}

std::vector<LineClass> classify(const std::vector<EchoLine>& lines) {
    std::vector<LineClass> classes(lines.size());
    bool titleLine = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // The line after TITEL is the title, whatever it reads ("LF 5", "GLEICHLAST", ...).
        if (titleLine) {
            titleLine = false;
            continue;
        }
        auto k = std::find(kEchoKeywords.begin(), kEchoKeywords.end(), lines[i].text);
        if (k != kEchoKeywords.end()) {
            classes[i].keyword = static_cast<int>(k - kEchoKeywords.begin());
            titleLine = classes[i].keyword == kwTitel;
        } else if (auto n = blockStartNumber(lines[i].text)) {
            classes[i].block = *n;
        }
    }
    return classes;
}

/// A whole ECHO_L for rewriting: every line kept byte for byte, none cut off.
struct FileImage {
    std::string bytes;
    std::vector<EchoLine> lines;
    std::vector<LineClass> classes;

    explicit FileImage(std::string contents) : bytes(std::move(contents)) {
        bool more = false;
        lines = splitLines(bytes, std::numeric_limits<std::size_t>::max(), more);
        classes = classify(lines);
    }
    std::string_view raw(std::size_t i) const {
        return std::string_view(bytes).substr(lines[i].begin, lines[i].end - lines[i].begin);
    }
};

// ---------------------------------------------------------------------------------------------
// Reading a block

/// The words a message uses for one table.
struct TableWords {
    int keywordIndex;
    const char* one;
    const char* many;
};

constexpr TableWords kAreaWords{kwTeilflaechenlasten, "Teilflächenlast", "Teilflächenlasten"};
constexpr TableWords kLineWords{kwLinienlasten, "Linienlast", "Linienlasten"};
constexpr TableWords kPointWords{kwPunktlasten, "Punktlast", "Punktlasten"};
constexpr TableWords kEdgeWords{kwRandlasten, "Randlast", "Randlasten"};

class BlockReader {
  public:
    BlockReader(const std::vector<EchoLine>& lines, const std::vector<LineClass>& classes,
                std::size_t begin, std::size_t end, const EchoGeometry& geometry,
                std::vector<std::string>& problems)
        : lines_(lines), classes_(classes), begin_(begin), end_(end), geometry_(geometry),
          problems_(problems), number_(classes[begin].block), consumed_(end - begin, false) {}

    std::optional<LoadCase> read();

  private:
    /// The lines of one keyword's section: from behind the keyword line to the next keyword
    /// line or the end of the block.
    struct Section {
        std::size_t pos = 0, end = 0;
        std::size_t remaining() const { return end - pos; }
    };

    void note(const std::string& text) {
        problems_.push_back(slab::format("LF %i: ", number_) + text);
    }
    std::optional<Section> findSection(int keywordIndex);
    std::string_view next(Section& s) {
        consumed_[s.pos - begin_] = true;
        return lines_[s.pos++].text;
    }
    void skipRest(Section& s) {
        while (s.pos < s.end)
            next(s);
    }
    void noteValues(int keywordIndex) {
        note("Werte nach " + keyword(keywordIndex) +
             " fehlen oder sind fehlerhaft, Abschnitt nicht übernommen.");
    }
    void noteTruncated(const TableWords& w, int present, int count) {
        note(slab::format("Abschnitt %s endet vorzeitig, nur %i von %i %s gelesen.",
                          keyword(w.keywordIndex).c_str(), present, count,
                          count == 1 ? w.one : w.many));
    }

    bool readCounts(int counts[4]);
    int tableCount(int given, int capacity, const TableWords& w);
    std::optional<Section> tableSection(const TableWords& w, int count, bool surplus);
    void readUniformLoads(LoadCase& lc);
    void readAreaLoads(LoadCase& lc, int count, bool surplus);
    void readLineLoads(LoadCase& lc, int count, bool surplus);
    void readPointLoads(LoadCase& lc, int count, bool surplus);
    void readEdgeLoads(LoadCase& lc, int count, bool surplus);
    void readTemperature(LoadCase& lc);
    /// Reads a settlement section into list; returns the stated count, nullopt when absent or
    /// unusable.
    std::optional<int> readSettlements(int keywordIndex, int capacity, const char* whose,
                                       const char* range, std::vector<Settlement>& list);
    void noteUnreadLines();

    const std::vector<EchoLine>& lines_;
    const std::vector<LineClass>& classes_;
    std::size_t begin_, end_;
    const EchoGeometry& geometry_;
    std::vector<std::string>& problems_;
    int number_;
    std::vector<bool> consumed_; ///< per line of the block: read as part of something
    bool countsKnown_ = false;   ///< the line of the four counts was read
};

std::optional<BlockReader::Section> BlockReader::findSection(int keywordIndex) {
    for (std::size_t i = begin_ + 1; i < end_; ++i) {
        if (classes_[i].keyword != keywordIndex) continue;
        consumed_[i - begin_] = true;
        Section s{i + 1, i + 1};
        while (s.end < end_ && classes_[s.end].keyword < 0)
            ++s.end;
        return s;
    }
    return std::nullopt;
}

bool BlockReader::readCounts(int counts[4]) {
    std::size_t i = begin_ + 1;
    if (i >= end_ || classes_[i].keyword >= 0) return false;
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

int BlockReader::tableCount(int given, int capacity, const TableWords& w) {
    if (given < 0) {
        note(slab::format("Anzahl der %s (%i) ungültig, keine übernommen.", w.many, given));
        return 0;
    }
    if (given > capacity) {
        note(slab::format("%i %s angegeben, nur die ersten %i übernommen.", given, w.many,
                          capacity));
        return capacity;
    }
    return given;
}

std::optional<BlockReader::Section> BlockReader::tableSection(const TableWords& w, int count,
                                                              bool surplus) {
    auto s = findSection(w.keywordIndex);
    if (!s) {
        if (count > 0)
            note(slab::format("Abschnitt %s fehlt, %i %s nicht übernommen.",
                              keyword(w.keywordIndex).c_str(), count, count == 1 ? w.one : w.many));
        return std::nullopt;
    }
    if (count == 0) {
        // A missing or negative count has its own note already.
        if (countsKnown_ && !surplus && s->remaining() > 0)
            note(slab::format("Abschnitt %s übergangen, da die Anzahl der %s 0 ist.",
                              keyword(w.keywordIndex).c_str(), w.many));
        skipRest(*s);
        return std::nullopt;
    }
    return s;
}

void BlockReader::readUniformLoads(LoadCase& lc) {
    // Table order: a later section overrides an earlier one.
    if (auto s = findSection(kwEigengewicht)) {
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
            lc.uniformShape = UniformShape::Constant;
            // With several domains the domains carry the self weight.
            if (geometry_.domainCount > 1) {
                lc.uniform = false;
                lc.uniformValue = 0;
            }
        } else {
            noteValues(kwEigengewicht);
        }
    }
    for (int k : {kwGleichlast, kwDreieckslast}) {
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
        lc.uniformShape = k == kwDreieckslast ? UniformShape::Triangular : UniformShape::Constant;
    }
}

void BlockReader::readAreaLoads(LoadCase& lc, int count, bool surplus) {
    auto s = tableSection(kAreaWords, count, surplus);
    if (!s) return;
    for (int k = 1; k <= count; ++k) {
        if (s->remaining() < 3) {
            noteTruncated(kAreaWords, k - 1, count);
            skipRest(*s);
            return;
        }
        auto numberLine = tokens(next(*s));
        auto p0Line = tokens(next(*s));
        auto cornerLine = tokens(next(*s));
        std::optional<int> corners;
        if (!cornerLine.empty()) corners = slab::parseInteger(cornerLine[0]);
        if (!corners || *corners < 0) {
            // Without the corner count the next area load cannot be found.
            note(slab::format(
                "Teilflächenlast %i fehlerhaft, sie und die folgenden nicht übernommen.", k));
            skipRest(*s);
            return;
        }
        if (static_cast<std::size_t>(*corners) > s->remaining()) {
            noteTruncated(kAreaWords, k - 1, count);
            skipRest(*s);
            return;
        }
        AreaLoad area;
        bool ok = !numberLine.empty() && slab::parseInteger(numberLine[0]) && !p0Line.empty();
        if (ok) {
            auto p0 = singleNumber(p0Line[0]);
            ok = p0.has_value();
            if (p0) area.p0 = *p0;
        }
        if (cornerLine.size() >= 2) {
            auto kind = shortInteger(cornerLine[1]);
            ok = ok && kind.has_value();
            if (kind) area.kind = static_cast<AreaLoadKind>(*kind);
        }
        const int taken = std::min(*corners, kMaxAreaCorners);
        for (int c = 0; c < *corners; ++c) {
            auto line = next(*s);
            if (c >= taken) continue;
            float v[6];
            if (!singleNumbers(tokens(line), 0, 6, v)) {
                ok = false;
                continue;
            }
            area.corners.push_back(AreaCorner{v[0], v[1], v[2], v[3], v[4], v[5], 1});
        }
        if (*corners == 0) {
            note(slab::format("Teilflächenlast %i hat keine Ecken, nicht übernommen.", k));
            continue;
        }
        if (!ok) {
            note(slab::format("Teilflächenlast %i fehlerhaft, nicht übernommen.", k));
            continue;
        }
        if (*corners > kMaxAreaCorners)
            note(slab::format("Teilflächenlast %i hat %i Ecken, nur die ersten %i übernommen.", k,
                              *corners, kMaxAreaCorners));
        lc.areaLoads.push_back(std::move(area));
    }
    if (surplus) skipRest(*s);
}

void BlockReader::readLineLoads(LoadCase& lc, int count, bool surplus) {
    auto s = tableSection(kLineWords, count, surplus);
    if (!s) return;
    // The number on each entry's first line is its place in the table.
    std::vector<std::optional<LineLoad>> slots(static_cast<std::size_t>(count));
    for (int e = 1; e <= count; ++e) {
        if (s->remaining() < 2) {
            noteTruncated(kLineWords, e - 1, count);
            skipRest(*s);
            break;
        }
        NumberedComment head = numberedComment(next(*s), kMaxLineComment);
        auto data = tokens(next(*s));
        if (!head.number) {
            note(slab::format("Linienlast %i fehlerhaft, nicht übernommen.", e));
            continue;
        }
        const int index = *head.number;
        if (index < 1 || index > count) {
            note(slab::format("Linienlast %i liegt außerhalb 1 bis %i, nicht übernommen.", index,
                              count));
            continue;
        }
        float v[6];
        if (!singleNumbers(data, 0, 6, v)) {
            note(slab::format("Linienlast %i fehlerhaft, nicht übernommen.", index));
            continue;
        }
        LineLoad load;
        load.xa = v[0];
        load.ya = v[1];
        load.xb = v[2];
        load.yb = v[3];
        load.start = v[4];
        load.end = v[5];
        // Forces unless the kind word begins with M ("Kraefte" and anything else: forces).
        load.kind = data.size() > 6 && (data[6][0] == 'M' || data[6][0] == 'm')
                        ? LineLoadKind::Moments
                        : LineLoadKind::Forces;
        load.comment = std::move(head.comment);
        auto& slot = slots[static_cast<std::size_t>(index - 1)];
        if (slot)
            note(slab::format("Linienlast %i doppelt angegeben, die letzte Angabe gilt.", index));
        slot = std::move(load);
    }
    for (auto& slot : slots)
        if (slot) lc.lineLoads.push_back(std::move(*slot));
    if (surplus) skipRest(*s);
}

void BlockReader::readPointLoads(LoadCase& lc, int count, bool surplus) {
    auto s = tableSection(kPointWords, count, surplus);
    if (!s) return;
    for (int k = 1; k <= count; ++k) {
        if (s->remaining() < 2) {
            noteTruncated(kPointWords, k - 1, count);
            skipRest(*s);
            return;
        }
        NumberedComment head = numberedComment(next(*s), kMaxPointComment);
        auto data = tokens(next(*s));
        float v[6];
        std::optional<PointLoadKind> kind;
        if (!data.empty()) kind = pointKindOf(data[0]);
        if (!head.number || !kind || !singleNumbers(data, 1, 6, v)) {
            note(slab::format("Punktlast %i fehlerhaft, nicht übernommen.", k));
            continue;
        }
        PointLoad load;
        load.kind = *kind;
        load.x = v[0];
        load.y = v[1];
        load.width = v[2];
        load.nx = v[3];
        load.ny = v[4];
        load.size = v[5];
        load.comment = std::move(head.comment);
        lc.pointLoads.push_back(std::move(load));
    }
    if (surplus) skipRest(*s);
}

void BlockReader::readEdgeLoads(LoadCase& lc, int count, bool surplus) {
    auto s = tableSection(kEdgeWords, count, surplus);
    if (!s) return;
    for (int k = 1; k <= count; ++k) {
        if (s->remaining() < 2) {
            noteTruncated(kEdgeWords, k - 1, count);
            skipRest(*s);
            return;
        }
        NumberedComment head = numberedComment(next(*s), kMaxEdgeComment);
        auto data = tokens(next(*s));
        float xy[4], ab[2];
        bool ok = head.number && singleNumbers(data, 0, 4, xy) && data.size() >= 9 &&
                  std::string_view("VvMm").find(data[4][0]) != std::string_view::npos &&
                  singleNumbers(data, 5, 2, ab);
        std::optional<std::int16_t> boundary, section;
        if (ok) {
            boundary = shortInteger(data[7]);
            section = shortInteger(data[8]);
            ok = boundary && section && *boundary >= 1 && *section >= 1;
        }
        if (!ok) {
            note(slab::format("Randlast %i fehlerhaft, nicht übernommen.", k));
            continue;
        }
        EdgeLoad load;
        load.xa = xy[0];
        load.ya = xy[1];
        load.xb = xy[2];
        load.yb = xy[3];
        load.kind =
            (data[4][0] == 'M' || data[4][0] == 'm') ? EdgeLoadKind::Moments : EdgeLoadKind::Forces;
        load.a = ab[0];
        load.b = ab[1];
        load.boundary = *boundary;
        load.section = *section;
        load.comment = std::move(head.comment);
        // The geometry's section at these coordinates wins over the stored numbers; the last
        // match in boundary and section order counts.
        const BoundarySection* match = nullptr;
        for (const BoundarySection& sec : geometry_.sections) {
            auto near = [](float a, float b) {
                return std::fabs(double(a) - double(b)) < kSectionMatchTolerance;
            };
            if (!near(sec.xa, load.xa) || !near(sec.ya, load.ya) || !near(sec.xb, load.xb) ||
                !near(sec.yb, load.yb))
                continue;
            if (!match ||
                std::pair(sec.boundary, sec.section) >= std::pair(match->boundary, match->section))
                match = &sec;
        }
        if (match) {
            load.boundary = match->boundary;
            load.section = match->section;
        }
        lc.edgeLoads.push_back(std::move(load));
    }
    if (surplus) skipRest(*s);
}

void BlockReader::readTemperature(LoadCase& lc) {
    lc.temperature = false;
    auto s = findSection(kwTemperatur);
    if (!s) return;
    std::optional<double> v[2];
    for (auto& value : v) {
        if (s->remaining() == 0) break;
        auto t = tokens(next(*s));
        if (!t.empty()) value = finiteNumber(t[0]);
    }
    if (!v[0] || !v[1]) {
        noteValues(kwTemperatur);
        return;
    }
    lc.temperature = true;
    lc.deltaT = *v[0];
    lc.alphaT = *v[1];
}

std::optional<int> BlockReader::readSettlements(int keywordIndex, int capacity, const char* whose,
                                                const char* range, std::vector<Settlement>& list) {
    auto s = findSection(keywordIndex);
    if (!s) return std::nullopt;
    const std::string name = keyword(keywordIndex);
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
            note(slab::format("Abschnitt %s endet vorzeitig, nur %i von %i %s gelesen.",
                              name.c_str(), i - 1, *count, *count == 1 ? "Eintrag" : "Einträgen"));
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
    for (const auto& [number, value] : values)
        if (value != 0) list.push_back(Settlement{number, value});
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
    const int nt = tableCount(counts[0], kMaxAreaLoads, kAreaWords);
    const int np = tableCount(counts[1], kMaxPointLoads, kPointWords);
    const int nl = tableCount(counts[2], kMaxLineLoads, kLineWords);
    const int nr = tableCount(counts[3], kMaxEdgeLoads, kEdgeWords);

    if (auto s = findSection(kwTitel); s && s->remaining() > 0)
        lc.title = cutUtf8(next(*s), kMaxTitle);

    readUniformLoads(lc);
    // Entries beyond a table's capacity, or under a negative count, are passed over; the
    // count's note names them.
    readAreaLoads(lc, nt, counts[0] != nt);
    readLineLoads(lc, nl, counts[2] != nl);
    readPointLoads(lc, np, counts[1] != np);
    readEdgeLoads(lc, nr, counts[3] != nr);
    readTemperature(lc);

    // Column settlements absent: none, and no settlement flag; wall movements present set it.
    lc.settlement = false;
    if (auto n = readSettlements(kwStuetzensenkung, kMaxColumns, "Senkung der Stütze", "Stützen",
                                 lc.columnSettlements))
        lc.settlement = *n >= 1;
    if (readSettlements(kwWandbewegungen, kMaxWalls, "Bewegung der Wand", "Wände",
                        lc.wallMovements))
        lc.settlement = true;
    lc.edgeLoadFlag = !lc.edgeLoads.empty();

    noteUnreadLines();
    return lc;
}

// ---------------------------------------------------------------------------------------------
// Replacing the file

enum class ReplaceResult { Ok, OpenFailed, WriteFailed, RenameFailed };

/// Writes contents completely to ENEU in the directory, then renames it over target.
ReplaceResult replaceThroughTemp(const std::string& directory, const std::string& target,
                                 std::string_view contents) {
    const std::string temp =
        slab::resolveCaseInsensitive(directory + std::string(files::kEchoTemp));
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return ReplaceResult::OpenFailed;
    bool ok =
        contents.empty() || std::fwrite(contents.data(), 1, contents.size(), f) == contents.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) {
        std::remove(temp.c_str());
        return ReplaceResult::WriteFailed;
    }
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::remove(temp.c_str());
        return ReplaceResult::RenameFailed;
    }
    return ReplaceResult::Ok;
}

const char* const kOpenFailed = "Fehler beim Öffnen der Dateien ECHO_L und LNEU in LWRITE";

bool replaceEcho(const std::string& directory, const std::string& target, std::string_view suffix,
                 std::string_view contents, ports::MessageBox& box) {
    const std::string suffixText(suffix);
    switch (replaceThroughTemp(directory, target, contents)) {
    case ReplaceResult::Ok:
        return true;
    case ReplaceResult::OpenFailed:
        box.message("Fehler", kOpenFailed);
        return false;
    case ReplaceResult::WriteFailed:
        box.message("Fehler", slab::format("Fehler beim Schreiben der Datei ENEU, ECHO_L%s "
                                           "bleibt unverändert.",
                                           suffixText.c_str()));
        return false;
    case ReplaceResult::RenameFailed:
        box.message("Fehler",
                    slab::format("Fehler beim Löschen der Datei ECHO_L%s", suffixText.c_str()));
        return false;
    }
    return false;
}

/// The existing ECHO_L (nullopt when missing, sets `unreadable` when it exists but cannot be read).
std::optional<std::string> readExisting(const std::string& target, bool& unreadable) {
    unreadable = false;
    if (!slab::fileExists(target)) return std::nullopt;
    // Something else under the name (a directory) is not read as a file.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(target, ec)) {
        unreadable = true;
        return std::nullopt;
    }
    auto text = slab::readFileText(target);
    if (!text) unreadable = true;
    return text;
}

} // namespace

// -------------------------------------------------------------------------------------------------
// Public functions

std::string echoBlockText(const LoadCase& lc, const EchoGeometry& geometry) {
    const int nt = capped(lc.areaLoads.size(), kMaxAreaLoads);
    const int np = capped(lc.pointLoads.size(), kMaxPointLoads);
    const int nl = capped(lc.lineLoads.size(), kMaxLineLoads);
    const int nr = capped(lc.edgeLoads.size(), kMaxEdgeLoads);
    std::string out;
    slab::appendFormat(out, "LF %i\n", int(lc.number));
    slab::appendFormat(out, "%i %i %i %i\n", nt, np, nl, nr);
    out += "TITEL\n" + oneLineText(lc.title, kMaxTitle) + "\n";

    // Self weight wins over a uniform or triangular load.
    if (lc.selfWeight) {
        out += "EIGENGEWICHT\n";
        slab::appendFormat(out, "%8.3lf  %8.3lf\n", lc.gamma, lc.g);
    } else if (lc.uniform && lc.uniformShape != UniformShape::Triangular) {
        out += "GLEICHLAST\n";
        slab::appendFormat(out, "%8.3lf\n", lc.uniformValue);
    } else if (lc.uniform && lc.uniformShape == UniformShape::Triangular) {
        out += "DREIECKSLAST\n";
        slab::appendFormat(out, "%8.3lf\n", lc.uniformValue);
    }

    if (nt > 0) {
        out += keyword(kwTeilflaechenlasten) + "\n";
        for (int k = 0; k < nt; ++k) {
            const AreaLoad& a = lc.areaLoads[static_cast<std::size_t>(k)];
            const int corners = capped(a.corners.size(), kMaxAreaCorners);
            slab::appendFormat(out, "%i\n", k + 1);
            slab::appendFormat(out, "%8.3lf\n", double(a.p0));
            // The kind goes behind the corner count so that an area cut to the outline stays one
            // through an archive round trip; plain areas keep the one-number line.
            if (a.kind == AreaLoadKind::Plain)
                slab::appendFormat(out, "%i\n", corners);
            else
                slab::appendFormat(out, "%i %i\n", corners, int(static_cast<std::int16_t>(a.kind)));
            for (int c = 0; c < corners; ++c) {
                const AreaCorner& p = a.corners[static_cast<std::size_t>(c)];
                slab::appendFormat(out, "%8.3f %8.3f %8.3f %8.3f %8.3f %8.3f\n", double(p.x),
                                   double(p.y), double(p.nextX), double(p.nextY), double(p.p1),
                                   double(p.p2));
            }
        }
    }

    if (nl > 0) {
        out += "LINIENLASTEN\n";
        for (int k = 0; k < nl; ++k) {
            const LineLoad& l = lc.lineLoads[static_cast<std::size_t>(k)];
            slab::appendFormat(out, "%i %s\n", k + 1,
                               oneLineText(l.comment, kMaxLineComment).c_str());
            slab::appendFormat(out, "%8.3lf %8.3lf %8.3lf %8.3lf %8.3lf %8.3lf %s\n", double(l.xa),
                               double(l.ya), double(l.xb), double(l.yb), double(l.start),
                               double(l.end), lineKindWord(l.kind));
        }
    }

    if (np > 0) {
        out += "PUNKTLASTEN\n";
        for (int k = 0; k < np; ++k) {
            const PointLoad& p = lc.pointLoads[static_cast<std::size_t>(k)];
            slab::appendFormat(out, "%i %s\n", k + 1,
                               oneLineText(p.comment, kMaxPointComment).c_str());
            slab::appendFormat(out, "%s %8.3lf %8.3lf %8.3lf %8.3lf %8.3lf %8.3lf\n",
                               pointKindWord(p.kind), double(p.x), double(p.y), double(p.width),
                               double(p.nx), double(p.ny), double(p.size));
        }
    }

    if (nr > 0) {
        out += "RANDLASTEN\n";
        for (int k = 0; k < nr; ++k) {
            const EdgeLoad& e = lc.edgeLoads[static_cast<std::size_t>(k)];
            double xa = e.xa, ya = e.ya, xb = e.xb, yb = e.yb;
            if (const BoundarySection* s = sectionOf(geometry, e.boundary, e.section)) {
                xa = s->xa;
                ya = s->ya;
                xb = s->xb;
                yb = s->yb;
            }
            slab::appendFormat(out, "%i %s\n", k + 1,
                               oneLineText(e.comment, kMaxEdgeComment).c_str());
            slab::appendFormat(out, "%8.3lf %8.3lf %8.3lf %8.3lf %s %8.3lf %8.3lf %i %i\n", xa, ya,
                               xb, yb, e.kind == EdgeLoadKind::Moments ? "M " : "V ", double(e.a),
                               double(e.b), int(e.boundary), int(e.section));
        }
    }

    if (lc.temperature) {
        out += "TEMPERATUR\n";
        slab::appendFormat(out, "%8.3lf\n", lc.deltaT);
        slab::appendFormat(out, "%8.3E\n", lc.alphaT);
    }

    if (lc.settlement) {
        appendSettlements(out, kwStuetzensenkung, lc.columnSettlements);
        appendSettlements(out, kwWandbewegungen, lc.wallMovements);
    }
    return out;
}

std::string echoBlockBytes(const LoadCase& lc, const EchoGeometry& geometry) {
    return slab::utf8ToCp850(echoBlockText(lc, geometry));
}

bool writeEchoBlock(const std::string& positionDirectory, std::string_view suffix,
                    const LoadCase& lc, const EchoGeometry& geometry, ports::MessageBox& box) {
    const std::string suffixText(suffix);
    if (!validLoadCaseNumber(lc.number)) {
        box.message("Fehler", slab::format("Der Lastfall hat keine Nummer von 1 bis %i und wird "
                                           "nicht in ECHO_L%s geschrieben.",
                                           kMaxLoadCase, suffixText.c_str()));
        return false;
    }
    const std::string target =
        slab::resolveCaseInsensitive(positionDirectory + echoFileName(suffix));
    const std::string block = echoBlockBytes(lc, geometry);

    bool unreadable = false;
    auto old = readExisting(target, unreadable);
    if (unreadable) {
        box.message("Fehler", kOpenFailed);
        return false;
    }
    std::string contents;
    if (!old || old->empty()) {
        contents = slab::utf8ToCp850(keyword(kwLastfaelle)) + "\n" + block;
    } else {
        // Each block is known by its own "LF n" line, so a damaged or reordered file never
        // loses the blocks that follow; stale duplicates of n go with the old block.
        FileImage image(std::move(*old));
        bool written = false, skipping = false;
        for (std::size_t i = 0; i < image.lines.size(); ++i) {
            const int n = image.classes[i].block;
            if (n != 0) skipping = false;
            if (n == lc.number) {
                if (!written) contents += block;
                written = skipping = true;
                continue;
            }
            if (!skipping) contents += image.raw(i);
        }
        if (!written) {
            if (!contents.empty() && contents.back() != '\n') contents += '\n';
            contents += block;
        }
    }
    return replaceEcho(positionDirectory, target, suffix, contents, box);
}

bool removeEchoBlocks(const std::string& positionDirectory, std::string_view suffix,
                      const std::vector<std::int16_t>& diary, const std::vector<bool>& keep,
                      ports::MessageBox& box) {
    // A number goes only when none of its list entries is kept.
    std::set<int> kept, dropped;
    for (std::size_t v = 0; v < diary.size(); ++v)
        (v >= keep.size() || keep[v] ? kept : dropped).insert(diary[v]);
    for (int n : kept)
        dropped.erase(n);
    if (dropped.empty()) return true;

    const std::string target =
        slab::resolveCaseInsensitive(positionDirectory + echoFileName(suffix));
    bool unreadable = false;
    auto old = readExisting(target, unreadable);
    if (unreadable) {
        box.message("Fehler", kOpenFailed);
        return false;
    }
    if (!old) return true;

    FileImage image(std::move(*old));
    std::string contents;
    bool dropping = false;
    for (std::size_t i = 0; i < image.lines.size(); ++i) {
        if (image.classes[i].block != 0) dropping = dropped.count(image.classes[i].block) > 0;
        if (!dropping) contents += image.raw(i);
    }
    if (contents.size() == image.bytes.size()) return true; // no block of a deleted load case
    return replaceEcho(positionDirectory, target, suffix, contents, box);
}

EchoImport readEchoImage(std::string_view bytes, const EchoGeometry& geometry) {
    EchoImport result;
    bool more = false;
    const std::vector<EchoLine> lines = splitLines(bytes, kMaxEchoLines, more);
    result.tooLarge = more;
    const std::vector<LineClass> classes = classify(lines);

    std::size_t i = 0;
    int block = 0; // number of the block being read, 0 before the first
    auto noteCut = [&](std::size_t line) {
        std::string text = slab::format("Zeile %zu ist länger als %zu Zeichen und wurde gekürzt.",
                                        line + 1, kMaxEchoLineLength);
        result.problems.push_back(block != 0 ? slab::format("LF %i: ", block) + text : text);
    };
    while (i < lines.size() && classes[i].block == 0) {
        if (lines[i].cut) noteCut(i);
        ++i;
    }
    while (i < lines.size()) {
        std::size_t end = i + 1;
        while (end < lines.size() && classes[end].block == 0)
            ++end;
        block = classes[i].block;
        for (std::size_t j = i; j < end; ++j)
            if (lines[j].cut) noteCut(j);
        BlockReader reader(lines, classes, i, end, geometry, result.problems);
        if (auto lc = reader.read()) result.blocks.push_back(EchoBlock{block, std::move(*lc)});
        i = end;
    }
    return result;
}

void reportEchoImport(const EchoImport& import, std::string_view fileName, ports::MessageBox& box) {
    const std::string name(fileName);
    if (import.tooLarge)
        box.message("Hinweis",
                    slab::format("Der Datenfile %s ist zu groß. Nicht alle LF wurden eingelesen.",
                                 name.c_str()));
    if (import.problems.empty()) return;
    std::string text = "Nicht alles aus " + name + " wurde übernommen:";
    for (const std::string& p : import.problems)
        text += "\n" + p;
    box.message("Hinweis", text);
}

} // namespace daskel
