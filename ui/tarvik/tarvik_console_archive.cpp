// Archives and the overview picture as console commands.
#include "ui/tarvik/tarvik_console.hpp"

#include "common/format.hpp"
#include "scene/overview_scene.hpp"
#include "ui/tarvik/console_fields.hpp"

#include <filesystem>

namespace tarvik {

ui::Flow TarvikConsole::archive(Action action, const ui::CommandCall& call) {
    const std::string usageCall = ui::callOf(actions(), action);
    if (action == Action::StoreArchive) {
        if (call.rest.empty()) return usage(usageCall);
        if (auto transfer = manager_.storeArchive(call.rest)) {
            out_ << "Gespeicherte Dateien\n";
            showTransfer(*transfer);
        }
    } else if (action == Action::LoadArchive) {
        if (call.words.empty() || call.words.size() > 2) return usage(usageCall);
        const std::string name = call.words.size() == 2 ? call.words[1] : std::string();
        if (auto transfer = manager_.loadArchive(call.words[0], name)) {
            out_ << "Laden\n";
            showTransfer(*transfer);
            // The transfer window closed with OK: the loaded position goes to the geometry step.
            manager_.openLoadedPosition(transfer->position);
            showState();
        }
    } else if (action == Action::ArchiveFiles) {
        const auto files = manager_.archiveFileList();
        if (call.words.empty()) {
            out_ << "Acad- und Echo-Dateien (" << files.size() << ")\n";
            for (std::size_t k = 0; k < files.size(); ++k)
                out_ << slab::format("%3zu  ", k + 1) << files[k] << '\n';
            return ui::Flow::Continue;
        }
        const auto n = entryNumbers(call.rest);
        if (!n || n->size() != 1) return usage(usageCall);
        if (n->front() > files.size()) {
            console_.message("Hinweis", slab::format("Die Liste hat keine Datei %zu (sie hat %zu).",
                                                     n->front(), files.size()));
            return ui::Flow::Continue;
        }
        showFile(files[n->front() - 1]);
    }
    return ui::Flow::Continue;
}

void TarvikConsole::showTransfer(const Transfer& transfer) {
    for (const auto& line : transfer.lines)
        out_ << "  " << line << '\n';
}

ui::Flow TarvikConsole::overviewPicture(const std::string& typed) {
    if (manager_.positionName().empty() || !manager_.model().hasModel()) {
        console_.message("Achtung", "Erst die Abmessungen der Platte eingeben.");
        return ui::Flow::Continue;
    }
    std::filesystem::path path(typed);
    if (path.is_relative()) path = std::filesystem::path(manager_.workDirectory()) / path;
    const scene::OverviewInput input =
        scene::overviewInput(manager_.model(), manager_.positionName(), manager_.drawingScale());
    const bool wide =
        input.bounds && input.bounds->x2 - input.bounds->x1 > input.bounds->y2 - input.bounds->y1;
    const scene::Overview overview =
        scene::overviewScene(input, outputs_.pictureArea(path.string(), wide),
                             scene::OverviewTarget::Printer, true, true);
    if (overview.hidePlan) {
        plan_.hide();
        console_.message("Fehler", "Der Grundriß wird nicht gezeichnet: mehr als 3000 Elemente "
                                   "oder Elementknoten, die es nicht gibt.");
        return ui::Flow::Continue;
    }
    if (auto error = outputs_.writePicture(overview.scene, path.string(), wide)) {
        console_.message("Fehler", *error);
        return ui::Flow::Continue;
    }
    out_ << overview.title << ": Grundriß in die Datei " << path.string() << " geschrieben.\n";
    return ui::Flow::Continue;
}

} // namespace tarvik
