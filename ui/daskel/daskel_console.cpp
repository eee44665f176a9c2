// The load editor's console: the command loop over the action table and the load case
// commands (new, open, save, title, delete, import, show, end).
#include "ui/daskel/daskel_console.hpp"

#include "common/format.hpp"
#include "loads/element_loads.hpp"

#include <cmath>
#include <ctime>

namespace daskel {

int DaskelConsole::run(const std::string& commandLine, const std::string& workDirectory) {
    auto paths = startPaths(commandLine, workDirectory, console_);
    if (!paths) return 1;
    editor_.emplace(*paths, console_, [] { return static_cast<std::int64_t>(std::time(nullptr)); });
    view_.emplace(*editor_, console_);
    const SlabModel& model = editor_->model();
    out_ << "Position " << paths->positionName << ": " << model.nodeCount << " Knoten, "
         << model.elementCount << " Elemente\n";
    editor_->firstDisplay();

    const auto flow = ui::runCommandLoop(
        actions(), [this](Action a, const ui::CommandCall& call) { return dispatch(a, call); },
        input_, out_);
    // End of input ends the program like "beenden"; the question is then answered with no.
    if (flow == ui::Flow::Continue && editor_->modified()) {
        editor_->wantsToSaveBeforeLeaving();
        out_ << "Die Eingaben wurden nicht gespeichert.\n";
    }
    out_.flush();
    return 0;
}

ui::Flow DaskelConsole::dispatch(Action action, const ui::CommandCall& call) {
    switch (action) {
    case Action::New:
        return newLoadCase();
    case Action::Open:
        return openLoadCase(call.words);
    case Action::Save:
        return saveLoadCase(call);
    case Action::Title:
        editor_->setTitle(call.rest);
        return ui::Flow::Continue;
    case Action::Delete:
        return deleteLoadCases(call.words);
    case Action::Import:
        return importAll();
    case Action::SelfWeight:
        return selfWeight(call.words);
    case Action::ElementLoad:
        return elementLoad(call.words);
    case Action::EdgeLoad:
        return edgeLoad(call.words);
    case Action::NodeLoad:
        return nodeLoad(call.words);
    case Action::ElementClick:
        return elementClick(call.words);
    case Action::EdgeClick:
        return edgeClick(call.words);
    case Action::NodeClick:
        return nodeClick(call.words);
    case Action::ClearTable:
        return clearTable(call.words);
    case Action::ElementTable:
        return elementTable();
    case Action::NodeTable:
        return nodeTable();
    case Action::ClearLoads:
        editor_->clearAllLoads();
        return ui::Flow::Continue;
    case Action::InfluenceAtNode:
        return influenceAtNode(call.words);
    case Action::InfluenceInElement:
        return influenceInElement(call.words);
    case Action::InfluenceSection:
        return influenceOnSection(call.words);
    case Action::AreaLoad:
        return areaLoad(call.words);
    case Action::LineLoad:
        return lineLoad(call);
    case Action::PointLoad:
        return pointLoad(call);
    case Action::BoundaryLoad:
        return boundaryLoad(call);
    case Action::Temperature:
        return temperature(call.words);
    case Action::ListLoads:
        return listLoads();
    case Action::DeleteAreaLoad:
        return deleteLoad(LoadList::Area, action, call.words);
    case Action::DeleteLineLoad:
        return deleteLoad(LoadList::Line, action, call.words);
    case Action::DeletePointLoad:
        return deleteLoad(LoadList::Point, action, call.words);
    case Action::DeleteBoundaryLoad:
        return deleteLoad(LoadList::Edge, action, call.words);
    case Action::Boundaries:
        return boundaries();
    case Action::Document:
        return document();
    case Action::Copy:
        return copy(call.words);
    case Action::Show:
        return show();
    case Action::End:
        return end();
    case Action::ExportDrawing:
        return exportDrawing(call.words);
    case Action::Print:
        return printToPdf(call.words);
    case Action::NodeNumbers:
        return toggleSwitch(&ViewSwitches::nodeNumbers, "Numerierung Knoten");
    case Action::ElementNumbers:
        return toggleSwitch(&ViewSwitches::elementNumbers, "Numerierung Elemente");
    case Action::AutoOrientation:
        return toggleSwitch(&ViewSwitches::autoOrientation,
                            "Automatische Wahl von Hoch- u. Querformat beim Drucken");
    case Action::PrintFrame:
        return toggleSwitch(&ViewSwitches::printFrame, "Rahmen um Zeichnung beim Drucken");
    case Action::Fit:
        view_->fit();
        return ui::Flow::Continue;
    case Action::Zoom:
        return zoom(call.words);
    case Action::ZoomOut:
        view_->zoomOut();
        return ui::Flow::Continue;
    case Action::NextLoadCase:
        return step(true);
    case Action::PreviousLoadCase:
        return step(false);
    // The window's own actions have no console word, so the loop never runs them.
    case Action::PrintPreview:
    case Action::PrintSetup:
    case Action::ElementMode:
    case Action::EdgeMode:
    case Action::NodeMode:
    case Action::EdgeTable:
    case Action::InfluenceSectionX:
    case Action::InfluenceSectionY:
    case Action::AreaTable:
    case Action::LineTable:
    case Action::PointTable:
    case Action::BoundaryTable:
    case Action::DrawArea:
    case Action::DrawLine:
    case Action::DrawPoint:
        return ui::Flow::Continue;
    }
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::newLoadCase() {
    offerSave();
    editor_->newLoadCase();
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::openLoadCase(const ui::Words& words) {
    auto n = words.size() == 1 ? slab::parseInteger(words[0]) : std::nullopt;
    if (!n) return usage("oeffnen N");
    offerSave();
    editor_->openLoadCase(*n);
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::saveLoadCase(const ui::CommandCall& call) {
    const int current = editor_->loadCase().number;
    auto nr = numberField(ui::parseFields(call.words), current);
    std::optional<int> n =
        nr ? slab::parseInteger(*nr) : (current != 0 ? std::optional(current) : std::nullopt);
    if (!n) return usage("speichern nr=N titel=TEXT");
    // The title runs to the end of the line; left out, it is asked for on a terminal.
    std::string title = editor_->loadCase().title;
    if (auto given = ui::textAfterKey(call.rest, "titel"))
        title = *given;
    else
        title = askField("Titel", title);
    if (editor_->save(*n, title)) out_ << "LF " << *n << " gespeichert.\n";
    return ui::Flow::Continue;
}

std::optional<std::string> DaskelConsole::numberField(const Fields& given, int current) {
    if (auto it = given.find("nr"); it != given.end()) return it->second;
    if (!input_.interactive()) return std::nullopt;
    // Not askField: an empty answer must leave a new load case without a number rather than
    // take the 1 the prompt shows.
    out_ << "Speichern als Lastfall Nummer [" << (current == 0 ? 1 : current) << "]: ";
    out_.flush();
    std::string text = input_.next().value_or("");
    if (ui::splitWords(text).empty()) return std::nullopt;
    return text;
}

ui::Flow DaskelConsole::deleteLoadCases(const ui::Words& words) {
    std::vector<int> numbers;
    for (const std::string& word : words) {
        auto n = slab::parseInteger(word);
        if (!n) return usage("loeschen N...");
        numbers.push_back(*n);
    }
    if (numbers.empty()) return usage("loeschen N...");
    if (editor_->deleteLoadCases(numbers)) out_ << "Gelöscht.\n";
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::importAll() {
    offerSave();
    editor_->importAll();
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::show() {
    const LoadCase& lc = editor_->loadCase();
    out_ << editor_->caption() << '\n';
    out_ << "Titel: " << lc.title << '\n';
    if (lc.selfWeight)
        out_ << "Eigengewicht: " << cellText(lc.gamma) << " kN/m3, Belag: " << cellText(lc.g)
             << " kN/m2\n";
    if (lc.uniform)
        out_ << (lc.uniformShape == UniformShape::Triangular ? "Dreieckslast: " : "Gleichlast: ")
             << cellText(lc.uniformValue) << " kN/m2\n";
    out_ << "Teilflächenlasten: " << lc.nt() << ", Punktlasten: " << lc.np()
         << ", Linienlasten: " << lc.nl() << ", Randlasten: " << lc.nr() << '\n';
    std::string list;
    for (int n : editor_->diary().numbers)
        list += slab::format(" %i", n);
    out_ << "Lastfälle:" << (list.empty() ? " keine" : list) << '\n';
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::end() {
    if (editor_->wantsToSaveBeforeLeaving()) {
        int n = editor_->loadCase().number;
        if (n == 0) n = askNumber().value_or(0);
        if (!editor_->save(n, editor_->loadCase().title)) return ui::Flow::Continue;
    }
    return ui::Flow::Stop;
}

void DaskelConsole::offerSave() {
    if (!editor_->modified()) return;
    if (console_.message("Frage", "LF speichern?", ports::Buttons::YesNo) != ports::Answer::Yes)
        return;
    int n = editor_->loadCase().number;
    if (n == 0) n = askNumber().value_or(0);
    editor_->save(n, editor_->loadCase().title);
}

std::optional<int> DaskelConsole::askNumber() {
    out_ << "Speichern als Lastfall Nummer?\n";
    out_.flush();
    auto line = input_.next();
    if (!line) return std::nullopt;
    return slab::parseInteger(*line);
}

std::optional<double> DaskelConsole::cell(const std::string& text) {
    auto v = cellValue(text);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return *v;
}

ui::Flow DaskelConsole::notANumber(const std::string& field, const std::string& text) {
    console_.message("Fehler", cellError(field, text));
    return ui::Flow::Continue;
}

int runConsole(const std::string& commandLine, const std::string& workDirectory,
               ui::LineInput& input, std::ostream& out, scene::PictureOutput* output) {
    return DaskelConsole(input, out, output).run(commandLine, workDirectory);
}

} // namespace daskel
