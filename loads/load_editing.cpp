// The load editor's document: area, line, point and edge loads and temperature entered by hand
// or removed, a load case copied in, and the load document shown.
#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"
#include "loads/document.hpp"
#include "loads/document_texts.hpp"

namespace daskel {

bool LoadEditor::accept(const std::optional<std::string>& why) {
    if (why) {
        ui_.message(titles::kError, *why);
        return false;
    }
    modified_ = true;
    return true;
}

bool LoadEditor::addAreaLoad(const AreaLoadInput& in) {
    return accept(daskel::addAreaLoad(lc_, in));
}

bool LoadEditor::addLineLoad(const LineLoadInput& in) {
    return accept(daskel::addLineLoad(lc_, in));
}

bool LoadEditor::addPointLoad(const PointLoadInput& in) {
    return accept(daskel::addPointLoad(lc_, in));
}

bool LoadEditor::addEdgeLoad(const EdgeLoadInput& in) {
    return accept(daskel::addEdgeLoad(lc_, in, outline_));
}

bool LoadEditor::setTemperature(const TemperatureInput& in) {
    return accept(daskel::setTemperature(lc_, in));
}

void LoadEditor::clearTemperature() {
    lc_.temperature = false;
    lc_.deltaT = lc_.alphaT = 0;
    modified_ = true;
}

bool LoadEditor::removeLoad(LoadList list, int n) {
    return accept(daskel::removeLoad(lc_, list, n));
}

void LoadEditor::refuseEdgeLoadsOffTheSlab(int n) {
    reportProblems(keepEdgeLoadsOnSlab(lc_, outline_, n), titles::kNote);
}

CopyRequest LoadEditor::copyPresets() const {
    return daskel::copyPresets(paths_.positionName, paths_.dataPath, lc_.number);
}

bool LoadEditor::copyLoadCase(const CopyRequest& request) {
    CopyResult r = daskel::copyLoadCase(lc_, request, {paths_.positionDirectory, outline_});
    ui_.message(r.title, r.text);
    if (!r.ok) return false;
    lc_ = std::move(r.loadCase);
    // The self weight of a replacing header reaches the solver through the element loads, as
    // the self-weight dialog puts it there.
    if (r.selfWeightToElements) {
        const double gamma = lc_.gamma, g = lc_.g;
        applySelfWeight(lc_, loads_, model_, gamma, g);
    }
    modified_ = true;
    return true;
}

std::optional<std::string> LoadEditor::loadDocument() {
    if (auto text = slab::readFileText(positionFile(slab::files::kLoadDocument))) return text;
    if (auto text = slab::readFileText(positionFile(slab::files::kLoadDocumentOld))) return text;
    ui_.message("Fehlende Eingabe",
                slab::format("Es wurde noch kein Lastfall gespeichert. Die Datei %s fehlt.",
                             positionFile(slab::files::kLoadDocument).c_str()));
    return std::nullopt;
}

} // namespace daskel
