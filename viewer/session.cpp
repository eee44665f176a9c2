// Opening a position, choosing load case and quantity.
#include "viewer/session.hpp"

#include "common/command_line.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"
#include "viewer/result_reader.hpp"

namespace viewer {

bool Session::fail(const std::string& title, const std::string& text) {
    box_.message(title, text);
    return false;
}

bool Session::open(std::string_view commandLine) {
    results_.reset();
    const slab::CommandLine cl = slab::splitCommandLine(slab::trim(commandLine));
    if (cl.position.size() < 2 || cl.position[0] != '.' || cl.dataPath.empty())
        return fail("Fehlende Eingabe", "Kommandozeile: .POS @Datenpfad/ [@Lastfall]");
    position_ = cl.position.substr(1);
    if (auto error = slab::positionNameError(position_)) return fail(kViewerTitle, *error);
    directory_ = slab::positionDirectory(slab::withTrailingSlash(cl.dataPath), position_);
    std::optional<int> wanted;
    if (!cl.third.empty()) {
        wanted = slab::parseInteger(cl.third);
        if (!wanted || *wanted < 0 || *wanted > kMaxLoadCase)
            return fail(kViewerTitle,
                        slab::format("@%s ist keine Lastfallnummer; zulässig sind 0 "
                                     "bis %i.",
                                     std::string(slab::trim(cl.third)).c_str(), kMaxLoadCase));
    }
    if (!wanted) {
        const auto computed = computedLoadCases();
        if (computed.empty()) {
            loadCase_ = 1;
            if (auto missing = missingDirectory(directory_)) return fail(kViewerTitle, *missing);
            return fail(kViewerTitle,
                        slab::format("Für die Position %s gibt es keine Ergebnisse in %s. "
                                     "Berechnen Sie einen Lastfall mit vintor.",
                                     position_.c_str(), directory_.c_str()));
        }
        wanted = computed.front();
    }
    loadCase_ = *wanted;
    return reload();
}

bool Session::chooseLoadCase(int n) {
    ReadOutcome read = readResults(directory_, n);
    if (!read.results) return fail(kViewerTitle, read.error);
    loadCase_ = n;
    results_ = std::move(read.results);
    if (quantity_ == Quantity::Soil && !results_->bedded()) quantity_ = Quantity::W;
    return true;
}

bool Session::reload() {
    results_.reset();
    return chooseLoadCase(loadCase_);
}

bool Session::chooseQuantity(Quantity q) {
    if (q == Quantity::Soil && results_ && !results_->bedded())
        return fail(kViewerTitle, "Die Platte liegt auf keiner Bettung und hat daher keine "
                                  "Bodenpressung. Wählen Sie eine andere Größe.");
    quantity_ = q;
    return true;
}

std::vector<int> Session::computedLoadCases() const {
    return directory_.empty() ? std::vector<int>{} : viewer::computedLoadCases(directory_);
}

std::optional<Extremes> Session::extremes() const {
    if (!results_) return std::nullopt;
    return extremaOf(*results_, quantity_);
}

std::string Session::caption() const {
    return slab::format("Position %s, Lastfall %i", position_.c_str(), loadCase_);
}

} // namespace viewer
