// The result viewer's console commands.
#include "ui/ergebnisbild/ergebnisbild_console.hpp"

#include "common/format.hpp"
#include "common/text.hpp"
#include "viewer/element_field.hpp"
#include "viewer/load_control.hpp"

#include <algorithm>

namespace ergebnisbild {

namespace {

std::string quantityNames() {
    std::vector<std::string> names;
    for (viewer::Quantity q : viewer::kQuantities)
        names.emplace_back(viewer::quantityName(q));
    return slab::joinNames(names);
}

bool endsWithPdf(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".pdf") == 0;
}

} // namespace

int ErgebnisbildConsole::run(const std::string& commandLine) {
    if (slab::trim(commandLine).empty()) {
        console_.message("Fehlende Eingabe", "Kommandozeile: .POS @Datenpfad/ [@Lastfall]");
        return 1;
    }
    session_.open(commandLine);
    showState();
    ui::runCommandLoop(
        actions(), [this](Action a, const ui::CommandCall& call) { return dispatch(a, call); },
        input_, out_);
    out_.flush();
    return 0;
}

ui::Flow ErgebnisbildConsole::dispatch(Action action, const ui::CommandCall& call) {
    switch (action) {
    case Action::Quantity:
        return chooseQuantity(call.words);
    case Action::LoadCase:
        return chooseLoadCase(call.words);
    case Action::View:
        return chooseView(call.words);
    case Action::Reload:
        session_.reload();
        showState();
        return ui::Flow::Continue;
    case Action::Value:
        return showValue(call.words);
    case Action::Extremes:
        return showExtremes();
    case Action::Picture:
        return writePicture(call.rest);
    case Action::Report:
        return writeReport(call.rest);
    case Action::Quit:
        return ui::Flow::Stop;
    // The window's own entries have no console word.
    case Action::ShowW:
    case Action::ShowMxx:
    case Action::ShowMyy:
    case Action::ShowMxy:
    case Action::ShowM1:
    case Action::ShowM2:
    case Action::ShowQx:
    case Action::ShowQy:
    case Action::ShowSoil:
    case Action::ShowReactions:
    case Action::Perspective:
    case Action::Print:
    case Action::PrintPreview:
    case Action::Fit:
    case Action::ZoomIn:
    case Action::ZoomOut:
        return ui::Flow::Continue;
    }
    return ui::Flow::Continue;
}

void ErgebnisbildConsole::showState() {
    const viewer::Quantity q = session_.quantity();
    out_ << session_.caption() << ": " << viewer::quantityLabel(q) << " ["
         << viewer::quantityUnit(q) << "]"
         << (view_ == scene::ResultView::Perspective ? ", verformte Platte" : "")
         << (session_.results() ? "" : " (keine Ergebnisse geladen)") << '\n';
    std::vector<std::string> cases;
    for (int n : session_.computedLoadCases())
        cases.push_back(std::to_string(n));
    out_ << "Berechnete Lastfälle: " << (cases.empty() ? "keine" : slab::joinNames(cases)) << '\n';
}

bool ErgebnisbildConsole::haveResults() {
    if (session_.results()) return true;
    console_.message(viewer::kViewerTitle,
                     "Es sind keine Ergebnisse geladen. Wählen Sie einen berechneten Lastfall "
                     "mit lastfall N.");
    return false;
}

ui::Flow ErgebnisbildConsole::chooseQuantity(const ui::Words& words) {
    if (words.size() != 1) return usage(ui::callOf(actions(), Action::Quantity));
    const auto q = viewer::quantityNamed(words[0]);
    if (!q) {
        console_.message(viewer::kViewerTitle,
                         "Die Größe \"" + words[0] +
                             "\" gibt es nicht. Möglich sind: " + quantityNames() + ".");
        return ui::Flow::Continue;
    }
    if (session_.chooseQuantity(*q)) showState();
    return ui::Flow::Continue;
}

ui::Flow ErgebnisbildConsole::chooseLoadCase(const ui::Words& words) {
    const auto n = words.size() == 1 ? slab::parseInteger(words[0]) : std::nullopt;
    if (!n) return usage(ui::callOf(actions(), Action::LoadCase));
    if (session_.chooseLoadCase(*n)) showState();
    return ui::Flow::Continue;
}

ui::Flow ErgebnisbildConsole::chooseView(const ui::Words& words) {
    if (words.size() == 1 && words[0] == "grundriss")
        view_ = scene::ResultView::Plan;
    else if (words.size() == 1 && words[0] == "perspektive")
        view_ = scene::ResultView::Perspective;
    else
        return usage(ui::callOf(actions(), Action::View));
    showState();
    return ui::Flow::Continue;
}

ui::Flow ErgebnisbildConsole::showValue(const ui::Words& words) {
    const auto xy = ui::numbers(words, 2);
    if (!xy) return usage(ui::callOf(actions(), Action::Value));
    if (!haveResults()) return ui::Flow::Continue;
    const viewer::XY at{(*xy)[0], (*xy)[1]};
    const auto value = viewer::valueAt(*session_.results(), session_.quantity(), at);
    if (value) {
        out_ << slab::format("wert %.6g", *value) << '\n';
        return ui::Flow::Continue;
    }
    const std::string point = slab::withDecimalComma(slab::format("%.3f", at.x)) + " / " +
                              slab::withDecimalComma(slab::format("%.3f", at.y));
    if (session_.quantity() == viewer::Quantity::Reactions)
        console_.message(viewer::kViewerTitle,
                         "Am Punkt " + point +
                             " liegt kein gelagerter Knoten. Geben Sie den Ort eines Lagers an.");
    else
        console_.message(viewer::kViewerTitle,
                         "Der Punkt " + point +
                             " liegt nicht auf der Platte. Geben Sie einen Punkt der Platte an.");
    return ui::Flow::Continue;
}

ui::Flow ErgebnisbildConsole::showExtremes() {
    if (!haveResults()) return ui::Flow::Continue;
    const auto x = session_.extremes();
    if (!x) {
        console_.message(viewer::kViewerTitle, "Die Platte hat keine gelagerten Knoten und daher "
                                               "keine Auflagerkräfte.");
        return ui::Flow::Continue;
    }
    out_ << slab::format("min %.6g bei %.3f %.3f", x->min.value, x->min.at.x, x->min.at.y) << '\n'
         << slab::format("max %.6g bei %.3f %.3f", x->max.value, x->max.at.x, x->max.at.y) << '\n';
    return ui::Flow::Continue;
}

ui::Flow ErgebnisbildConsole::writePicture(const std::string& path) {
    if (path.empty()) return usage(ui::callOf(actions(), Action::Picture));
    if (!haveResults()) return ui::Flow::Continue;
    const viewer::ResultSet& r = *session_.results();
    const auto error = pictures_.writePicture(
        [&](double w, double h) {
            return scene::viewPage(r, session_.quantity(), view_, session_.caption(), w, h);
        },
        path);
    if (error)
        console_.message(viewer::kViewerTitle, *error);
    else
        console_.status("Bild geschrieben: " + path);
    return ui::Flow::Continue;
}

ui::Flow ErgebnisbildConsole::writeReport(const std::string& path) {
    if (path.empty()) return usage(ui::callOf(actions(), Action::Report));
    if (!endsWithPdf(path)) {
        console_.message(viewer::kViewerTitle, "Der Bericht wird als PDF geschrieben. Geben Sie "
                                               "eine Datei mit der Endung .pdf an.");
        return ui::Flow::Continue;
    }
    if (!haveResults()) return ui::Flow::Continue;
    const viewer::ResultSet& r = *session_.results();
    const auto control = viewer::readLoadControl(r.directory, r.loadCase);
    const auto error = pictures_.writeReport(
        [&](double w, double h) {
            return scene::reportPages(r, session_.caption(), control, w, h);
        },
        path);
    if (error)
        console_.message(viewer::kViewerTitle, *error);
    else
        console_.status("Bericht geschrieben: " + path);
    return ui::Flow::Continue;
}

int runConsole(const std::string& commandLine, ui::LineInput& input, std::ostream& out,
               PictureOutput& pictures) {
    return ErgebnisbildConsole(input, out, pictures).run(commandLine);
}

} // namespace ergebnisbild
