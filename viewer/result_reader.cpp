// The reader of a load case's results and the checks that keep partial or stale data out.
#include "viewer/result_reader.hpp"

#include "common/file_io.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "solver/modelfiles/model_files.hpp"
#include "solver/modelfiles/result_layouts.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <set>

namespace viewer {

namespace {

using Bytes = std::vector<std::uint8_t>;

/// Corners of an element may lie this far [m] off the axis-parallel rectangle, the node-join
/// distance of the geometry editor; the element formulas take the rectangle of corners 1 to 3.
constexpr double kRectangleTolerance = 0.01;

class Reader {
  public:
    Reader(const std::string& directory, int loadCase) : dir_(directory), loadCase_(loadCase) {}

    std::optional<ResultSet> read();
    const std::string& error() const { return error_; }

  private:
    bool fail(std::string message) {
        error_ = std::move(message);
        return false;
    }
    std::string recompute() const {
        return slab::format(" Berechnen Sie den Lastfall %i neu.", loadCase_);
    }
    std::string perCase(const char* base) const { return slab::loadCaseFileName(base, loadCase_); }
    // The solver refuses such a record, so results beside it cannot belong to it.
    bool failNotFinite(std::string_view name, std::size_t record) {
        return fail(slab::format("Die Modelldatei %.*s ist beschädigt: Datensatz %zu enthält keine "
                                 "endliche Zahl. Speichern Sie die Platte im Geometrieprogramm und "
                                 "berechnen Sie den Lastfall %i neu.",
                                 static_cast<int>(name.size()), name.data(), record, loadCase_));
    }

    bool readModelFile(const std::string& name, std::size_t size, bool required, Bytes& bytes);
    bool readResultFile(const std::string& name, std::size_t size, Bytes& bytes);
    bool readParameter();
    bool readModel(ResultSet& r);
    bool checkElements(ResultSet& r);
    bool readResultRows(ResultSet& r);
    bool checkFieldRange(const ResultSet& r);
    bool checkInfo();
    bool checkAge();

    std::string dir_;
    int loadCase_;
    std::string error_;
    int nodes_ = 0, elements_ = 0;
};

bool Reader::readModelFile(const std::string& name, std::size_t size, bool required, Bytes& bytes) {
    auto read = slab::readFileBytes(dir_ + name);
    if (!read) {
        if (!required) return true;
        return fail(slab::format("Die Modelldatei %s fehlt in %s. Speichern Sie die Platte im "
                                 "Geometrieprogramm und berechnen Sie den Lastfall %i neu.",
                                 name.c_str(), dir_.c_str(), loadCase_));
    }
    if (read->size() < size)
        return fail(slab::format("Die Modelldatei %s ist zu kurz: %zu statt %zu Bytes. Speichern "
                                 "Sie die Platte im Geometrieprogramm und berechnen Sie den "
                                 "Lastfall %i neu.",
                                 name.c_str(), read->size(), size, loadCase_));
    bytes = std::move(*read);
    return true;
}

bool Reader::readResultFile(const std::string& name, std::size_t size, Bytes& bytes) {
    auto read = slab::readFileBytes(dir_ + name);
    if (!read)
        return fail(slab::format("Der Lastfall %i ist nicht vollständig berechnet: die "
                                 "Ergebnisdatei %s fehlt.",
                                 loadCase_, name.c_str()) +
                    recompute());
    if (read->size() < size)
        return fail(slab::format("Die Ergebnisdatei %s ist zu kurz: %zu statt %zu Bytes.",
                                 name.c_str(), read->size(), size) +
                    recompute());
    if (read->size() > size)
        return fail(slab::format("Die Ergebnisdatei %s hat %zu statt %zu Bytes und gehört nicht "
                                 "zum Modell mit %i Knoten und %i Elementen.",
                                 name.c_str(), read->size(), size, nodes_, elements_) +
                    recompute());
    bytes = std::move(*read);
    return true;
}

bool Reader::readParameter() {
    Bytes bytes;
    if (!readModelFile(std::string(slab::files::kParameter), slab::ParameterRecord::kSize, true,
                       bytes))
        return false;
    const auto p = slab::decodeParameter(bytes);
    nodes_ = p->nodeCount;
    elements_ = p->elementCount;
    if (nodes_ < 1 || nodes_ > slab::kMaxNodes || elements_ < 1 || elements_ > slab::kMaxElements)
        return fail(slab::format("Die Modelldatei PARAMETER nennt %i Knoten und %i Elemente; "
                                 "zulässig sind je 1 bis %i. Speichern Sie die Platte im "
                                 "Geometrieprogramm neu.",
                                 nodes_, elements_, slab::kMaxNodes));
    return true;
}

bool Reader::readModel(ResultSet& r) {
    const auto nn = static_cast<std::size_t>(nodes_), ne = static_cast<std::size_t>(elements_);
    Bytes nodes, elements, springs, bedding;
    if (!readModelFile(std::string(slab::files::kNodes), nn * slab::NodeRecord::kSize, true,
                       nodes) ||
        !readModelFile(std::string(slab::files::kElements), ne * slab::ElementRecord::kSize, true,
                       elements) ||
        !readModelFile(std::string(slab::files::kSprings), nn * slab::SpringRecord::kSize, false,
                       springs) ||
        !readModelFile(std::string(slab::files::kBedding), ne * slab::BeddingRecord::kSize, false,
                       bedding))
        return false;
    r.nodes.assign(nn + 1, Node{});
    for (std::size_t j = 0; j < nn; ++j) {
        const auto rec =
            slab::decodeRecord<slab::NodeRecord>(nodes.data() + j * slab::NodeRecord::kSize);
        if (slab::firstNonFiniteField(rec)) return failNotFinite(slab::files::kNodes, j + 1);
        Node& n = r.nodes[j + 1];
        n.at = {rec.x, rec.y};
        n.code = rec.code;
        if (!springs.empty()) {
            const auto s = slab::decodeRecord<slab::SpringRecord>(springs.data() +
                                                                  j * slab::SpringRecord::kSize);
            if (slab::firstNonFiniteField(s)) return failNotFinite(slab::files::kSprings, j + 1);
            for (std::size_t k = 0; k < 4; ++k)
                n.spring[k] = s.v[slab::SpringRecord::kConstant + k];
        }
    }
    r.elements.assign(ne + 1, Element{});
    for (std::size_t e = 0; e < ne; ++e) {
        const auto rec = slab::decodeRecord<slab::ElementRecord>(elements.data() +
                                                                 e * slab::ElementRecord::kSize);
        if (slab::firstNonFiniteField(rec)) return failNotFinite(slab::files::kElements, e + 1);
        Element& el = r.elements[e + 1];
        el.node = rec.node;
        if (!bedding.empty()) {
            const auto bed = slab::decodeRecord<slab::BeddingRecord>(
                bedding.data() + e * slab::BeddingRecord::kSize);
            if (slab::firstNonFiniteField(bed)) return failNotFinite(slab::files::kBedding, e + 1);
            el.bedding = bed.v[0];
        }
    }
    return checkElements(r);
}

bool Reader::checkElements(ResultSet& r) {
    const std::string again = " Speichern Sie die Platte im Geometrieprogramm neu.";
    for (int e = 1; e <= elements_; ++e) {
        const auto& node = r.element(e).node;
        for (int c = 0; c < 4; ++c)
            if (node[c] < 1 || node[c] > nodes_)
                return fail(slab::format("Element %i: Eckknoten %i ist Knoten %i, es gibt aber "
                                         "nur die Knoten 1 bis %i.",
                                         e, c + 1, node[c], nodes_) +
                            again);
        for (int c = 0; c < 4; ++c)
            for (int d = c + 1; d < 4; ++d)
                if (node[c] == node[d])
                    return fail(slab::format("Element %i: Eckknoten %i und %i sind derselbe "
                                             "Knoten %i.",
                                             e, c + 1, d + 1, node[c]) +
                                again);
        const XY& c1 = r.corner(e, 0);
        const XY& c2 = r.corner(e, 1);
        const XY& c3 = r.corner(e, 2);
        const XY& c4 = r.corner(e, 3);
        // As the element formulas take them; written so that a NaN coordinate is refused too.
        const double lx = static_cast<float>(c2.x - c1.x), ly = static_cast<float>(c3.y - c2.y);
        if (!(lx > 0) || !(ly > 0))
            return fail(slab::format("Element %i: Die Längen in x- und y-Richtung sind %g m und "
                                     "%g m und damit nicht beide positiv. Die Eckknoten müssen von "
                                     "links unten gegen den Uhrzeigersinn folgen.",
                                     e, c2.x - c1.x, c3.y - c2.y) +
                        again);
        if (std::fabs(c2.y - c1.y) > kRectangleTolerance ||
            std::fabs(c3.x - c2.x) > kRectangleTolerance ||
            std::fabs(c4.y - c3.y) > kRectangleTolerance ||
            std::fabs(c4.x - c1.x) > kRectangleTolerance)
            return fail(slab::format("Element %i ist kein Rechteck mit achsparallelen Seiten.", e) +
                        again);
        r.elements[static_cast<std::size_t>(e)].lx = lx;
        r.elements[static_cast<std::size_t>(e)].ly = ly;
    }
    return true;
}

bool Reader::readResultRows(ResultSet& r) {
    const auto nn = static_cast<std::size_t>(nodes_), ne = static_cast<std::size_t>(elements_);
    Bytes nodeRows, elementRows, nodalLoads;
    const std::string nodeName = perCase("Knoten3LF"), elementName = perCase("Elemente3LF"),
                      loadName = perCase("Knoten2LF");
    if (!readResultFile(nodeName, nn * slab::NodeResultLayout::kSize, nodeRows) ||
        !readResultFile(elementName, ne * slab::ElementResultLayout::kSize, elementRows) ||
        !readResultFile(loadName, nn * slab::NodalLoadRecord::kSize, nodalLoads))
        return false;
    auto nodesRead = slab::decodeResultRows<slab::NodeResultLayout, NodeResultRow>(nodeRows);
    auto elementsRead =
        slab::decodeResultRows<slab::ElementResultLayout, ElementResultRow>(elementRows);
    r.nodeResults.assign(1, NodeResultRow{});
    r.nodeResults.insert(r.nodeResults.end(), nodesRead.begin(), nodesRead.end());
    r.elementResults.assign(1, ElementResultRow{});
    r.elementResults.insert(r.elementResults.end(), elementsRead.begin(), elementsRead.end());
    r.reactions.assign(nn + 1, {});
    for (std::size_t j = 0; j < nn; ++j) {
        const auto rec = slab::decodeRecord<slab::NodalLoadRecord>(
            nodalLoads.data() + j * slab::NodalLoadRecord::kSize);
        for (std::size_t k = 0; k < 4; ++k)
            r.reactions[j + 1][k] = rec.v[slab::NodalLoadRecord::kReaction + k];
    }

    auto finite = [](const auto& row) {
        for (double v : row)
            if (!std::isfinite(v)) return false;
        return true;
    };
    for (int j = 1; j <= nodes_; ++j) {
        if (!finite(r.nodeResults[j]))
            return fail(
                slab::format("Die Ergebnisdatei %s enthält beim Knoten %i ungültige Zahlen.",
                             nodeName.c_str(), j) +
                recompute());
        if (!finite(r.reactions[j]))
            return fail(
                slab::format("Die Ergebnisdatei %s enthält beim Knoten %i ungültige Zahlen.",
                             loadName.c_str(), j) +
                recompute());
    }
    for (int e = 1; e <= elements_; ++e)
        if (!finite(r.elementResults[e]))
            return fail(
                slab::format("Die Ergebnisdatei %s enthält beim Element %i ungültige Zahlen.",
                             elementName.c_str(), e) +
                recompute());
    return checkFieldRange(r);
}

// The pictures interpolate w inside an element from its corners' w, slopes and twist, and
// multiply it by the bedding for the soil pressure. Every Hermite function stays below 1, the
// length of its side or the product of both, so this sum bounds both fields; a damaged file
// with values near the end of the number range would otherwise draw infinities.
bool Reader::checkFieldRange(const ResultSet& r) {
    for (int e = 1; e <= elements_; ++e) {
        const Element& el = r.element(e);
        const double scale[4] = {1.0, el.lx, el.ly, el.lx * el.ly};
        double bound = 0;
        for (int n : el.node) {
            const auto& row = r.nodeResults[static_cast<std::size_t>(n)];
            for (int k = 0; k < 4; ++k)
                bound += std::fabs(row[node_column::kW + k]) * scale[k];
        }
        bound *= std::max(1.0, std::fabs(el.bedding));
        if (!std::isfinite(bound))
            return fail(slab::format("Die Ergebnisdatei %s enthält an den Ecken von Element %i "
                                     "Verformungen, deren Verlauf oder Bodenpressung den "
                                     "Zahlenbereich überschreitet.",
                                     perCase("Knoten3LF").c_str(), e) +
                        recompute());
    }
    return true;
}

bool Reader::checkInfo() {
    // Info carries no load case number; its counts still tell a run of another model.
    auto bytes = slab::readFileBytes(dir_ + "Info");
    if (!bytes) return true;
    if (bytes->size() != slab::kInfoSize)
        return fail(slab::format("Die Ergebnisdatei Info hat %zu statt %zu Bytes.", bytes->size(),
                                 slab::kInfoSize) +
                    recompute());
    const auto counts = slab::decodeRecord<slab::InfoCounts>(bytes->data());
    if (counts.nodeCount != nodes_ || counts.elementCount != elements_)
        return fail(slab::format("Die Ergebnisdatei Info nennt %i Knoten und %i Elemente, das "
                                 "Modell hat %i Knoten und %i Elemente.",
                                 counts.nodeCount, counts.elementCount, nodes_, elements_) +
                    recompute());
    return true;
}

bool Reader::checkAge() {
    const auto nodeRows = slab::fileModified(dir_ + perCase("Knoten3LF"));
    const auto elementRows = slab::fileModified(dir_ + perCase("Elemente3LF"));
    if (!nodeRows || !elementRows) return true; // read a moment ago; nothing to compare
    auto stale = [&](const std::string& name) {
        return fail(slab::format("Die Ergebnisse von Lastfall %i sind älter als die Datei %s.",
                                 loadCase_, name.c_str()) +
                    recompute());
    };
    if (auto newer = inputNewerThan(dir_, loadCase_, std::min(*nodeRows, *elementRows)))
        return stale(*newer);
    // The solver rewrites the nodal load file between the two result files; a later change
    // comes from the load editor.
    const auto loads = slab::fileModified(dir_ + perCase("Knoten2LF"));
    if (loads && *loads > *elementRows) return stale(perCase("KNOTEN2LF"));
    return true;
}

std::optional<ResultSet> Reader::read() {
    if (loadCase_ < 0 || loadCase_ > kMaxLoadCase) {
        fail(slab::format("Der Lastfall %i liegt nicht zwischen 0 und %i.", loadCase_,
                          kMaxLoadCase));
        return std::nullopt;
    }
    if (auto missing = missingDirectory(dir_)) {
        fail(*missing);
        return std::nullopt;
    }
    const std::string nodeName = perCase("Knoten3LF");
    if (!slab::fileExists(dir_ + nodeName)) {
        fail(slab::format("Der Lastfall %i wurde nicht berechnet: die Ergebnisdatei %s fehlt. "
                          "Berechnen Sie den Lastfall %i mit vintor.",
                          loadCase_, nodeName.c_str(), loadCase_));
        return std::nullopt;
    }
    ResultSet r;
    r.directory = dir_;
    r.loadCase = loadCase_;
    if (!readParameter() || !readModel(r) || !readResultRows(r) || !checkInfo() || !checkAge())
        return std::nullopt;
    return r;
}

} // namespace

std::optional<std::string> missingDirectory(const std::string& directory) {
    if (std::filesystem::is_directory(directory)) return std::nullopt;
    return slab::format("Das Positionsverzeichnis %s existiert nicht. Prüfen Sie Position und "
                        "Datenpfad.",
                        directory.c_str());
}

std::optional<std::string> inputNewerThan(const std::string& directory, int loadCase,
                                          std::filesystem::file_time_type time) {
    const std::string inputs[] = {std::string(slab::files::kParameter),
                                  std::string(slab::files::kNodes),
                                  std::string(slab::files::kElements),
                                  std::string(slab::files::kSprings),
                                  std::string(slab::files::kBedding),
                                  slab::loadCaseFileName(slab::files::kElementLoads, loadCase)};
    for (const auto& name : inputs) {
        const auto t = slab::fileModified(slab::withTrailingSlash(directory) + name);
        if (t && *t > time) return name;
    }
    return std::nullopt;
}

ReadOutcome readResults(const std::string& directory, int loadCase) {
    Reader reader(slab::withTrailingSlash(directory), loadCase);
    ReadOutcome outcome;
    outcome.results = reader.read();
    if (!outcome.results) outcome.error = reader.error();
    return outcome;
}

std::vector<int> computedLoadCases(const std::string& directory) {
    std::set<int> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(directory, ec)) {
        std::string name = entry.path().filename().string();
        for (auto& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const std::string_view base = "knoten3lf";
        if (name.size() <= base.size() || name.compare(0, base.size(), base) != 0) continue;
        const std::string digits = name.substr(base.size());
        // Only the plain numbers the writers give ("%i"): no sign, no leading zero.
        if (digits.size() > 2 || (digits.size() > 1 && digits[0] == '0')) continue;
        const auto n = slab::parseInteger(digits);
        bool allDigits = true;
        for (char c : digits)
            allDigits = allDigits && std::isdigit(static_cast<unsigned char>(c));
        if (n && allDigits && *n >= 0 && *n <= kMaxLoadCase) found.insert(*n);
    }
    return {found.begin(), found.end()};
}

} // namespace viewer
