// The geometry editor's console: the generation dialog, the support and deletion modes with their
// clicks in world coordinates, and the position commands; the tables are in their own file.
#include "ui/morvel/morvel_console.hpp"

#include "common/format.hpp"
#include "scene/slab_meshes.hpp"
#include "ui/morvel/morvel_dialog_fields.hpp"

#include <array>

namespace morvel {

MorvelConsole::MorvelConsole(ui::LineInput& input, std::ostream& out,
                             scene::PictureOutput* output)
    : ConsoleFrontEnd(input, out), editor_(console_), view_(editor_, console_), output_(output) {}

int MorvelConsole::run(const std::string& commandLine, const std::string& workDirectory) {
    if (!editor_.start(commandLine, workDirectory)) return 1;
    showPosition();
    const ui::Flow end = ui::runCommandLoop(
        actions(), [this](Action a, const ui::CommandCall& call) { return dispatch(a, call); },
        input_, out_);
    // End of input ends the program like "beenden"; the question is then answered with cancel.
    if (end == ui::Flow::Continue && editor_.leave() == LeaveResult::Stay)
        out_ << "Die Änderungen wurden nicht gespeichert.\n";
    out_.flush();
    return 0;
}

ui::Flow MorvelConsole::dispatch(Action action, const ui::CommandCall& call) {
    switch (action) {
    case Action::Generate:
        return generate(call.words);
    case Action::Supports:
        return openSupports(call.words);
    case Action::EdgeClick:
        return clickEdge(call.words);
    case Action::WholeBoundary:
        return wholeBoundary();
    case Action::EndSupports:
        return endSupports();
    case Action::DeleteSingle:
        return toggleDeleteSingle();
    case Action::DeleteWindow:
        return toggleDeleteWindow();
    case Action::ElementClick:
        return clickElement(call.words);
    case Action::DeleteInWindow:
        return deleteInWindow(call.words);
    case Action::Fit:
        return fit();
    case Action::NodeTable:
        return openTable(TableKind::Nodes);
    case Action::ElementTable:
        return openTable(TableKind::Elements);
    case Action::SpringTable:
        return openTable(TableKind::Springs);
    case Action::BeddingTable:
        return openTable(TableKind::Bedding);
    case Action::SetRow:
        return setRow(call.words);
    case Action::ClearRow:
        return clearRow(call.words);
    case Action::CopyDown:
        return copyDown(call.words);
    case Action::ListTable:
        return listTable();
    case Action::ConfirmTable:
        return confirmTable();
    case Action::CancelTable:
        return cancelTable();
    case Action::ClearSupports:
        return clearSupports();
    case Action::ClearSprings:
        return clearSprings();
    case Action::ClearBedding:
        return clearBedding();
    case Action::Save:
        return save();
    case Action::SaveAs:
        return saveAs(call.words);
    case Action::New:
        return newPlate();
    case Action::ShowDocument:
        return showDocument();
    case Action::Leave:
        return leave();
    case Action::ZoomOut:
        return zoomOut();
    case Action::Zoom:
        return zoom(call.words);
    case Action::ShowWindow:
        return showWindow();
    case Action::ColouredPlate:
        return toggleSwitch(&MorvelView::toggleColouredPlate, &MorvelView::colouredPlate,
                            "Platte farbig anlegen");
    case Action::NodeNumbers:
        return toggleSwitch(&MorvelView::toggleNodeNumbers, &MorvelView::nodeNumbers,
                            "Numerierung der Knoten");
    case Action::ElementNumbers:
        return toggleSwitch(&MorvelView::toggleElementNumbers, &MorvelView::elementNumbers,
                            "Numerierung der Elemente");
    case Action::AutoOrientation:
        return toggleSwitch(&MorvelView::toggleAutoOrientation, &MorvelView::autoOrientation,
                            "Automatische Wahl von Hoch- u. Querformat beim Drucken");
    case Action::PrintFrame:
        return toggleSwitch(&MorvelView::togglePrintFrame, &MorvelView::printFrame,
                            "Rahmen um Zeichnung beim Drucken");
    case Action::Font:
        return setFont(call.words);
    case Action::Open:
        return open(call.words);
    case Action::ExportDrawing:
        return exportDrawing(call.words);
    case Action::Print:
        return printToPdf(call.words);
    // Bars, the print preview and the printer set-up belong to the window alone.
    case Action::ToolBars:
    case Action::StatusBar:
    case Action::PrintPreview:
    case Action::PrinterSetup:
        return ui::Flow::Continue;
    }
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::generate(const ui::Words& words) {
    GridInput g = gridInputOf(editor_.model().master);
    auto fields = gridFields(g);
    const auto given = ui::parseFields(words);
    for (const auto& [key, value] : given) {
        bool known = false;
        for (const auto& f : fields)
            known = known || key == f.key;
        if (!known) {
            console_.message("Eingabe der Geometrie",
                             slab::format("Unbekanntes Feld \"%s\".", key.c_str()));
            return ui::Flow::Continue;
        }
    }
    for (auto& f : fields) {
        std::string text;
        if (auto it = given.find(std::string(f.key)); it != given.end()) {
            text = it->second;
        } else {
            // A field left out keeps its value unless a terminal user types another.
            const std::string shown = f.shown();
            text = askField(f.label, shown);
            if (text == shown) continue;
        }
        if (!f.take(text)) {
            console_.message("Eingabe der Geometrie",
                             slab::format("%s: \"%s\" ist keine Zahl.",
                                          std::string(f.label).c_str(), text.c_str()));
            return ui::Flow::Continue;
        }
    }
    const Model& m = editor_.model();
    if (editor_.generate(g))
        out_ << "Netz generiert: " << m.nodeCount << " Knoten, " << m.elementCount << " Elemente\n";
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::openSupports(const ui::Words& words) {
    SupportChoice c = editor_.supportChoice();
    c.kind = defaultSupportKind(editor_.model().kind);
    for (const auto& [key, value] : ui::parseFields(words)) {
        if (key == "art") {
            auto kind = supportKind(value);
            if (!kind) {
                console_.message("Lager",
                                 slab::format("Unbekannte Lagerart \"%s\".", value.c_str()));
                return ui::Flow::Continue;
            }
            c.kind = *kind;
        } else if (key == "senk" || key == "dreh") {
            auto v = ui::finiteNumber(value);
            if (!v || *v < 0.0) {
                console_.message("Lager", slab::format("%s: \"%s\" muss eine Zahl ab 0 sein.",
                                                       key == "senk" ? "Senksteifigkeit [kN/m]"
                                                                     : "Drehsteifigkeit [kNm/m]",
                                                       value.c_str()));
                return ui::Flow::Continue;
            }
            (key == "senk" ? c.translational : c.rotational) = static_cast<float>(*v);
        } else {
            console_.message("Lager", slab::format("Unbekanntes Feld \"%s\".", key.c_str()));
            return ui::Flow::Continue;
        }
    }
    editor_.openSupports(c);
    out_ << "Lager: " << supportName(c.kind) << ". Auf Elementränder klicken!\n";
    return showPrompt();
}

ui::Flow MorvelConsole::clickEdge(const ui::Words& words) {
    if (editor_.mode() != Mode::Support) return wrongMode("Lager setzen (lager)");
    auto p = ui::numbers(words, 2);
    if (!p) return usageOf(Action::EdgeClick);
    const auto line = scene::segmentUnder(scene::edgeLinesOf(editor_.model()), {(*p)[0], (*p)[1]},
                                          editor_.settings().snap.radius);
    if (line && editor_.setSupportOnLine(*line))
        out_ << "Kante gesetzt: " << supportName(editor_.supportChoice().kind) << '\n';
    else
        out_ << "Keine Kante getroffen.\n";
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::wholeBoundary() {
    if (editor_.mode() != Mode::Support) return wrongMode("Lager setzen (lager)");
    if (const auto nodes = editor_.wholeBoundary())
        out_ << "Ganzer Rand: " << supportName(editor_.supportChoice().kind) << ", " << *nodes
             << " Knoten\n";
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::endSupports() {
    editor_.closeSupports();
    return showPrompt();
}

ui::Flow MorvelConsole::toggleDeleteSingle() {
    editor_.toggleDeleteSingle();
    return showPrompt();
}

ui::Flow MorvelConsole::toggleDeleteWindow() {
    editor_.toggleDeleteWindow();
    return showPrompt();
}

ui::Flow MorvelConsole::clickElement(const ui::Words& words) {
    if (editor_.mode() != Mode::DeleteSingle)
        return wrongMode("Elemente einzeln löschen (einzeln)");
    auto p = ui::numbers(words, 2);
    if (!p) return usageOf(Action::ElementClick);
    const Model& m = editor_.model();
    const auto picked = scene::elementByAngleSum(scene::meshOf(m), {(*p)[0], (*p)[1]});
    if (int e = picked ? editor_.deleteElement(*picked) : 0)
        out_ << "Element " << e << " gelöscht: " << m.nodeCount << " Knoten, " << m.elementCount
             << " Elemente\n";
    else
        out_ << "Kein Element getroffen.\n";
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::deleteInWindow(const ui::Words& words) {
    if (editor_.mode() != Mode::DeleteWindow)
        return wrongMode("mehrere Elemente löschen (mehrere)");
    auto p = ui::numbers(words, 4);
    if (!p) return usageOf(Action::DeleteInWindow);
    const int n = editor_.windowDelete((*p)[0], (*p)[1], (*p)[2], (*p)[3]);
    const Model& m = editor_.model();
    out_ << n << " Elemente gelöscht: " << m.nodeCount << " Knoten, " << m.elementCount
         << " Elemente\n";
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::fit() {
    editor_.fit();
    const auto& e = editor_.extents();
    out_ << slab::format("Grundriß: %.2f %.2f bis %.2f %.2f\n", static_cast<double>(e.x1),
                         static_cast<double>(e.y1), static_cast<double>(e.x2),
                         static_cast<double>(e.y2));
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::zoom(const ui::Words& words) {
    auto p = ui::numbers(words, 4);
    if (!p) return usageOf(Action::Zoom);
    if (view_.zoomTo({(*p)[0], (*p)[1]}, {(*p)[2], (*p)[3]})) return showWindow();
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::zoomOut() {
    view_.zoomOut();
    return showWindow();
}

ui::Flow MorvelConsole::showWindow() {
    out_ << view_.windowText() << '\n';
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::toggleSwitch(void (MorvelView::*toggle)(),
                                     bool (MorvelView::*state)() const, std::string_view label) {
    (view_.*toggle)();
    out_ << label << ": " << ((view_.*state)() ? "an" : "aus") << '\n';
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::setFont(const ui::Words& words) {
    const auto size = words.size() == 1 ? ui::finiteNumber(words[0]) : std::nullopt;
    if (!size) return usageOf(Action::Font);
    if (view_.setFontSize(*size)) out_ << "Font: Größe " << view_.fontSizeText() << '\n';
    return ui::Flow::Continue;
}

scene::PictureOutput* MorvelConsole::pictureOutput() {
    if (!output_)
        console_.message("Hinweis", "Zeichnungen schreibt nur ein Programm mit Fenstern "
                                    "(gebaut mit SLAB_GUI).");
    return output_;
}

ui::Flow MorvelConsole::exportDrawing(const ui::Words& words) {
    const auto fields = ui::parseFields(words);
    scene::PictureOptions options;
    std::string file;
    for (const auto& [key, value] : fields) {
        int* size = key == "breite" ? &options.width : key == "hoehe" ? &options.height : nullptr;
        if (key.empty() && file.empty() && value.find(' ') == std::string::npos) {
            file = value;
        } else if (auto v = size ? slab::parseInteger(value) : std::nullopt) {
            *size = *v;
        } else {
            return usageOf(Action::ExportDrawing);
        }
    }
    if (file.empty()) return usageOf(Action::ExportDrawing);
    auto* output = pictureOutput();
    if (!output) return ui::Flow::Continue;
    if (auto error = output->writePicture(view_.plan(), file, options))
        console_.message("Fehler", *error);
    else
        out_ << "Zeichnung geschrieben: " << file << '\n';
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::printToPdf(const ui::Words& words) {
    if (words.size() != 1) return usageOf(Action::Print);
    auto* output = pictureOutput();
    if (!output) return ui::Flow::Continue;
    if (auto error = output->printToPdf(view_.plan(), words[0], view_.printOptions()))
        console_.message("Fehler", *error);
    else
        out_ << "Gedruckt: " << words[0] << '\n';
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::open(const ui::Words& words) {
    if (words.size() != 1) return usageOf(Action::Open);
    switch (editor_.openPosition(words[0])) {
    case OpenResult::Opened:
        showPosition();
        break;
    case OpenResult::NotAPosition:
        console_.message("Öffnen", "Kein Verzeichnis mit einer Position!");
        break;
    case OpenResult::Kept:
        break;
    }
    return ui::Flow::Continue;
}

void MorvelConsole::showPosition() {
    const Model& m = editor_.model();
    out_ << editor_.title() << ": " << m.nodeCount << " Knoten, " << m.elementCount
         << " Elemente\n";
}

ui::Flow MorvelConsole::save() {
    if (editor_.save()) out_ << editor_.title() << " gespeichert.\n";
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::saveAs(const ui::Words& words) {
    if (words.size() > 1) return usageOf(Action::SaveAs);
    if (editor_.saveAs(words.empty() ? std::nullopt : std::optional<std::string>(words[0])))
        out_ << editor_.title() << " gespeichert.\n";
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::newPlate() {
    if (editor_.newPlate()) out_ << editor_.title() << ": leere Platte\n";
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::showDocument() {
    if (auto text = editor_.document()) out_ << *text;
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::leave() {
    return editor_.leave() == LeaveResult::Leave ? ui::Flow::Stop : ui::Flow::Continue;
}

ui::Flow MorvelConsole::showPrompt() {
    out_ << "Eingabe:" << editor_.prompt() << '\n';
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::usageOf(Action action) {
    return usage(ui::callOf(actions(), action));
}

ui::Flow MorvelConsole::wrongMode(std::string_view command) {
    console_.message("Hinweis", slab::format("Zuerst %.*s wählen.",
                                             static_cast<int>(command.size()), command.data()));
    return ui::Flow::Continue;
}

int runConsole(const std::string& commandLine, const std::string& workDirectory,
               ui::LineInput& input, std::ostream& out, scene::PictureOutput* output) {
    return MorvelConsole(input, out, output).run(commandLine, workDirectory);
}

} // namespace morvel
