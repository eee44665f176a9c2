// The copy of a load case: the source's header, its loads from its load echo block or from its
// older per-load-case files, and the loads replaced or added.
#include "loads/copy/load_case_copy.hpp"

#include "common/file_io.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "loads/copy/legacy_files.hpp"
#include "loads/echo/echo_file.hpp"
#include "loads/file_names.hpp"
#include "loads/load_case_files.hpp"
#include "loads/load_entry.hpp"
#include "loads/macros/macro_files.hpp"

#include <algorithm>

namespace daskel {

namespace {

constexpr const char* kFileError = "Dateifehler";

struct Source {
    std::string directory, suffix, name;
    int number = 0;
    std::string path(std::string_view base) const {
        return directory + editorLoadCaseFile(base, number, suffix);
    }
};

/// The loads a source holds, and the sentence that says where they came from.
struct SourceLoads {
    std::vector<AreaLoad> areas;
    std::vector<LineLoad> lines;
    std::vector<PointLoad> points;
    std::vector<EdgeLoad> edges;
    std::string origin;
};

struct Failure {
    std::string title, text;
};

std::optional<Failure> requestError(const CopyRequest& r) {
    if (auto why = slab::positionNameError(r.position)) return Failure{"Fehler", *why};
    if (!validLoadCaseNumber(r.loadCase))
        return Failure{"Fehler", slab::format("Die Lastfallnummer muß zwischen 1 und %i liegen.",
                                              kMaxLoadCase)};
    if (r.dataPath.empty() || r.dataPath.size() > kMaxCopyDataPath)
        return Failure{"Fehler", slab::format("Der Datenpfad muß 1 bis %zu Zeichen lang sein.",
                                              kMaxCopyDataPath)};
    return std::nullopt;
}

/// `count` records of a per-load-case file of the source; a missing or short file fails.
template <class R>
std::optional<std::vector<R>> records(const Source& s, std::string_view base, std::size_t count,
                                      std::optional<Failure>& failure) {
    const std::string path = s.path(base);
    auto bytes = slab::readFileBytes(path);
    if (!bytes) {
        failure = Failure{kFileError, slab::format("Der File %s fehlt", path.c_str())};
        return std::nullopt;
    }
    std::vector<R> read = decodeRecords<R>(*bytes);
    if (read.size() < count) {
        failure = Failure{kFileError, slab::format("Die Datei %s enthält nur %zu statt %zu "
                                                   "Datensätze; nichts wurde übernommen.",
                                                   path.c_str(), read.size(), count)};
        return std::nullopt;
    }
    read.resize(count);
    return read;
}

std::vector<std::string> comments(const Source& s, std::string_view base, std::size_t maxBytes) {
    auto bytes = slab::readFileBytes(s.path(base));
    return bytes ? decodeComments(*bytes, maxBytes) : std::vector<std::string>{};
}

std::optional<Failure> damaged(const Source& s, std::string_view base) {
    return Failure{kFileError, slab::format("Die Datei %s ist beschädigt; nichts wurde übernommen.",
                                            s.path(base).c_str())};
}

/// Area loads from SBD and MACRO, behind the domain macros the source's self weight put there.
std::optional<Failure> areasFromFiles(const Source& s, const LoadCase& header, int nt,
                                      SourceLoads& loads) {
    std::size_t skipHeaders = 0, skipCorners = 0;
    if (header.selfWeight) {
        std::vector<std::string> ignored;
        const SlabOutline outline = deriveOutline(readSlabModel(s.directory, ignored));
        if (outline.domains.size() > 1)
            for (const BoundaryCurve& c : outline.curves) {
                ++skipHeaders;
                skipCorners += c.sections.size();
            }
    }
    std::optional<Failure> failure;
    auto heads = records<MacroHeaderRecord>(s, files::kMacroHeaders, skipHeaders + nt, failure);
    if (!heads) return failure;
    std::size_t cornerCount = skipCorners;
    for (std::size_t k = skipHeaders; k < heads->size(); ++k) {
        const int n = (*heads)[k].corners;
        if (n < 1 || n > kMaxAreaCorners) return damaged(s, files::kMacroHeaders);
        cornerCount += static_cast<std::size_t>(n);
    }
    auto corners = records<MacroCornerRecord>(s, files::kMacros, cornerCount, failure);
    if (!corners) return failure;
    std::size_t at = skipCorners;
    for (std::size_t k = skipHeaders; k < heads->size(); ++k) {
        AreaLoad area = areaOfHeader((*heads)[k]);
        for (int c = 0; c < (*heads)[k].corners; ++c)
            area.corners.push_back(cornerOfRecord((*corners)[at++]));
        loads.areas.push_back(std::move(area));
    }
    return std::nullopt;
}

/// One kind of load from its record file and its comment file: `count` records, each turned
/// into a load by `convert` (nullopt for a record of an unknown kind, which is damage).
template <class R, class Load, class Convert>
std::optional<Failure> fromFiles(const Source& s, std::string_view base, std::string_view notes,
                                 std::size_t maxComment, int count, Convert convert,
                                 std::vector<Load>& loads) {
    if (count <= 0) return std::nullopt;
    std::optional<Failure> failure;
    auto read = records<R>(s, base, static_cast<std::size_t>(count), failure);
    if (!read) return failure;
    for (const R& r : *read) {
        std::optional<Load> load = convert(r);
        if (!load) return damaged(s, base);
        loads.push_back(std::move(*load));
    }
    const std::vector<std::string> texts = comments(s, notes, maxComment);
    for (std::size_t i = 0; i < loads.size() && i < texts.size(); ++i)
        loads[i].comment = texts[i];
    return std::nullopt;
}

/// Point, edge and line loads from their files.
std::optional<Failure> othersFromFiles(const Source& s, const HeaderCounts& c, SourceLoads& loads) {
    if (auto f = fromFiles<PointLoadRecord>(s, files::kPointLoads, files::kPointComments,
                                            kMaxPointComment, c.np, pointLoadOf, loads.points))
        return f;
    if (auto f = fromFiles<EdgeLoadRecord>(s, files::kEdgeLoads, files::kEdgeComments,
                                           kMaxEdgeComment, c.nr, edgeLoadOf, loads.edges))
        return f;
    return fromFiles<LineLoadRecord>(s, files::kLineLoads, files::kLineComments, kMaxLineComment,
                                     c.nl, lineLoadOf, loads.lines);
}

/// The source's block in its load echo, read against the target's sections; nullopt when the
/// source has no such block.
std::optional<SourceLoads> loadsFromEcho(const Source& s, const SlabOutline& outline) {
    const std::string name = echoFileName(s.suffix);
    auto bytes = slab::readFileBytes(s.directory + name);
    if (!bytes) return std::nullopt;
    EchoImport read =
        readEchoImage(std::string(bytes->begin(), bytes->end()), outline.echoGeometry());
    for (const EchoBlock& block : read.blocks) {
        if (block.number != s.number) continue;
        SourceLoads loads{block.loadCase.areaLoads, block.loadCase.lineLoads,
                          block.loadCase.pointLoads, block.loadCase.edgeLoads, ""};
        loads.origin =
            slab::format(" Die Lasten stammen aus dem Block des LF in %s.", name.c_str());
        return loads;
    }
    return std::nullopt;
}

template <class T> void append(std::vector<T>& to, const std::vector<T>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

std::optional<Failure> overflow(const LoadCase& lc) {
    struct Table {
        int count, capacity;
        const char* name;
    };
    for (const Table& t : {Table{lc.nt(), kMaxAreaLoads, "Teilflächenlasten"},
                           Table{lc.nl(), kMaxLineLoads, "Linienlasten"},
                           Table{lc.np(), kMaxPointLoads, "Punktlasten"},
                           Table{lc.nr(), kMaxEdgeLoads, "Randlasten"}})
        if (t.count > t.capacity)
            return Failure{"Fehler", slab::format("Zusammen wären es %i %s, möglich sind höchstens "
                                                  "%i. Nichts wurde übernommen.",
                                                  t.count, t.name, t.capacity)};
    return std::nullopt;
}

CopyResult failed(const Failure& f) {
    CopyResult r;
    r.title = f.title;
    r.text = f.text;
    return r;
}

} // namespace

CopyRequest copyPresets(const std::string& positionName, const std::string& dataPath,
                        int loadCase) {
    CopyRequest r;
    r.position = positionName;
    r.loadCase = loadCase != 0 ? loadCase : 1;
    r.dataPath = dataPath;
    while (r.dataPath.size() > 1 && r.dataPath.back() == '/')
        r.dataPath.pop_back();
    return r;
}

CopyResult copyLoadCase(const LoadCase& current, const CopyRequest& request,
                        const CopyTarget& target) {
    if (auto f = requestError(request)) return failed(*f);
    Source s;
    s.name = request.position;
    s.suffix = slab::positionSuffix(s.name);
    s.directory = slab::positionDirectory(slab::withTrailingSlash(request.dataPath), s.name);
    s.number = request.loadCase;
    const std::string plPath = s.directory + headerFileName(s.number, s.suffix);
    auto plBytes = slab::readFileBytes(plPath);
    if (!plBytes)
        return failed(
            {"Lastfall nicht vorhanden!", slab::format("Der File %s fehlt", plPath.c_str())});
    auto header = decodeHeader(*plBytes);
    auto counts = decodeHeaderCounts(*plBytes);
    if (!header || !counts) return failed(*damaged(s, files::kHeader));

    std::optional<SourceLoads> loads = loadsFromEcho(s, target.outline);
    if (!loads) {
        loads.emplace();
        loads->origin = " Die Lasten stammen aus den Dateien des Lastfalls.";
        std::optional<Failure> f;
        if (counts->nt > 0) f = areasFromFiles(s, *header, counts->nt, *loads);
        if (!f) f = othersFromFiles(s, *counts, *loads);
        if (f) return failed(*f);
    }

    CopyResult r;
    r.loadCase = request.add ? current : *header;
    LoadCase& lc = r.loadCase;
    if (!request.add) {
        lc.number = current.number;
        lc.columnSettlements.clear(); // the mesh has no columns and walls to take them
        lc.wallMovements.clear();
        r.selfWeightToElements = lc.selfWeight;
    }
    append(lc.areaLoads, loads->areas);
    append(lc.lineLoads, loads->lines);
    append(lc.pointLoads, loads->points);
    append(lc.edgeLoads, loads->edges);
    const std::vector<std::string> dropped =
        keepEdgeLoadsOnSlab(lc, target.outline, request.loadCase);
    if (auto f = overflow(lc)) return failed(*f);

    r.ok = true;
    r.title = "Hinweis";
    r.text = slab::format("LF %i der Position %s %s: %zu Teilflächenlasten, %zu Linienlasten, "
                          "%zu Punktlasten, %zu Randlasten.",
                          s.number, s.name.c_str(), request.add ? "addiert" : "übernommen",
                          loads->areas.size(), loads->lines.size(), loads->points.size(),
                          loads->edges.size() - dropped.size()) +
             loads->origin + " Element- und Knotenlasten werden nicht kopiert.";
    for (const std::string& sentence : dropped)
        r.text += " " + sentence;
    return r;
}

} // namespace daskel
