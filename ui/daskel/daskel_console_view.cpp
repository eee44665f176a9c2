// The load editor's console: the load plan as a picture or a printed PDF page, the display and
// print switches, zoom, and the steps through the load case list that the Up and Down keys take.
#include "common/format.hpp"
#include "ui/daskel/daskel_console.hpp"

namespace daskel {

namespace {

std::string callOf(Action action) {
    return ui::callOf(actions(), action);
}

} // namespace

scene::PictureOutput* DaskelConsole::pictureOutput() {
    if (!output_)
        console_.message("Hinweis", "Zeichnungen schreibt nur ein Programm mit Fenstern "
                                    "(gebaut mit SLAB_GUI).");
    return output_;
}

ui::Flow DaskelConsole::exportDrawing(const ui::Words& words) {
    scene::PictureOptions options;
    std::string file;
    for (const std::string& word : words) {
        const auto eq = word.find('=');
        if (eq == std::string::npos) {
            if (!file.empty()) return usage(callOf(Action::ExportDrawing));
            file = word;
            continue;
        }
        const std::string key = word.substr(0, eq);
        int* size = key == "breite" ? &options.width : key == "hoehe" ? &options.height : nullptr;
        const auto v = size ? slab::parseInteger(word.substr(eq + 1)) : std::nullopt;
        if (!v) return usage(callOf(Action::ExportDrawing));
        *size = *v;
    }
    if (file.empty()) return usage(callOf(Action::ExportDrawing));
    auto* output = pictureOutput();
    if (!output) return ui::Flow::Continue;
    if (auto error = output->writePicture(view_->plan(), file, options))
        console_.message("Fehler", *error);
    else
        out_ << "Zeichnung geschrieben: " << file << '\n';
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::printToPdf(const ui::Words& words) {
    if (words.size() != 1) return usage(callOf(Action::Print));
    auto* output = pictureOutput();
    if (!output) return ui::Flow::Continue;
    if (auto error = output->printToPdf(view_->plan(), words[0], view_->printOptions()))
        console_.message("Fehler", *error);
    else
        out_ << "Gedruckt: " << words[0] << '\n';
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::toggleSwitch(bool ViewSwitches::*which, std::string_view label) {
    view_->toggle(which);
    out_ << label << ": " << (view_->switches().*which ? "an" : "aus") << '\n';
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::zoom(const ui::Words& words) {
    auto v = ui::numbers(words, 4);
    if (!v) return usage(callOf(Action::Zoom));
    view_->zoomTo({(*v)[0], (*v)[1]}, {(*v)[2], (*v)[3]});
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::step(bool next) {
    auto n = view_->neighbour(next);
    if (!n) {
        out_ << (editor_->diary().count() == 0 ? "Es ist noch kein Lastfall gespeichert.\n"
                                               : "Kein weiterer Lastfall in der Liste.\n");
        return ui::Flow::Continue;
    }
    offerSave();
    view_->stepTo(*n);
    return ui::Flow::Continue;
}

} // namespace daskel
