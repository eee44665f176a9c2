// The console's outputs without the window toolkit.
#include "ui/tarvik/console_outputs.hpp"

namespace tarvik {

namespace {

constexpr const char* kNoToolkit = "tarvik ist ohne die Fensteroberfläche (Qt) gebaut; Drucken "
                                   "und Bilder gehen nur damit. in-datei schreibt Dokumente als "
                                   "Text.";

} // namespace

std::optional<std::string> NoOutputs::writePicture(const scene::Scene&, const std::string&, bool) {
    return kNoToolkit;
}

PrintOutcome NoOutputs::print(const PrintJob&, const PrintDestination&) {
    return {PrintStatus::Failed, 0, 0, 0, kNoToolkit};
}

} // namespace tarvik
