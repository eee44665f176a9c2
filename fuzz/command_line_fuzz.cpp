// Fuzz target: the command lines the programs are started with (".POS @datapath/ [@n]", and the
// load editor's LXPROT when the line has no "@"), and the console's command parsing (words,
// name=wert fields, numbers, the text after a key, the command loop over a table). The first
// input byte picks the part; the rest is the command line, the LXPROT file or the script.
#include "common/command_line.hpp"
#include "common/position.hpp"
#include "fuzz/support/fuzz_support.hpp"
#include "geometry/start.hpp"
#include "loads/document.hpp"
#include "manager/settings_files.hpp"
#include "solver/solver_run.hpp"
#include "ui/console/arguments.hpp"
#include "ui/console/command_loop.hpp"
#include "ui/console/line_input.hpp"

#include <array>
#include <cmath>
#include <sstream>

namespace {

void requireRefusalOrUse(bool used, const ui::ScriptedUi& box, std::string_view who) {
    fuzz::requireClearMessages(box);
    if (!used) fuzz::require(!box.messages.empty(), "Abweisung mit Meldung", who);
}

void commandLine(std::string_view text, bool withLxprot) {
    const slab::CommandLine cl = slab::splitCommandLine(text);
    fuzz::require(cl.position.find('@') == std::string::npos &&
                      cl.dataPath.find('@') == std::string::npos,
                  "Teile ohne @");
    tarvik::positionNameProblem(cl.position);
    tarvik::dataPathProblem(slab::withTrailingSlash(cl.dataPath));

    fuzz::clearScratch();
    const std::string work = fuzz::scratchSubdirectory("work");
    if (withLxprot) fuzz::writeFile(work + "LXPROT", text);
    const std::string line = withLxprot ? std::string() : std::string(text);

    ui::ScriptedUi geometryBox;
    const auto position = morvel::positionFromCommandLine(line, work, geometryBox);
    requireRefusalOrUse(position.has_value(), geometryBox, "Geometrie");
    if (position) {
        fuzz::require(!slab::positionNameError(position->name) || position->isNew(),
                      "Geometrie nimmt nur brauchbare Namen", position->name);
        fuzz::require(position->directory().ends_with("/"), "Positionsordner endet mit /");
    }

    ui::ScriptedUi loadBox;
    const auto paths = daskel::startPaths(line, work, loadBox);
    requireRefusalOrUse(paths.has_value(), loadBox, "Lasten");
    if (paths) {
        fuzz::require(paths->dataPath.ends_with("/") && paths->positionDirectory.ends_with("/"),
                      "Pfade enden mit /");
        // A requested load case is opened only when the DIARY lists it, so any number is safe.
    }

    const slab::CalculationForm form = slab::initialForm(cl);
    slab::positionDirectoryError(form.positionDirectory);
}

// A table of three commands whose arguments go through every parser.
constexpr std::array kCommands = {ui::ConsoleCommand{"punkt", "X Y", "ein Punkt"},
                                  ui::ConsoleCommand{"titel", "TEXT", "ein Titel"},
                                  ui::ConsoleCommand{"feld", "NAME=WERT ...", "Felder"}};

ui::Flow runCommand(std::size_t i, const ui::CommandCall& call) {
    for (const auto& w : call.words)
        fuzz::require(!w.empty(), "keine leeren Wörter");
    switch (i) {
    case 0:
        if (const auto xy = ui::numbers(call.words, 2)) {
            fuzz::require(xy->size() == 2, "zwei Zahlen");
            for (double v : *xy)
                fuzz::requireFinite(v, "Koordinate");
        }
        break;
    case 1:
        if (const auto t = ui::textAfterKey(call.rest, "text"))
            fuzz::require(t->size() <= call.rest.size(), "Text aus der Zeile");
        break;
    default:
        for (const auto& [key, value] : ui::parseFields(call.words))
            if (const auto v = ui::finiteNumber(value)) fuzz::requireFinite(*v, "Feldwert");
        break;
    }
    return call.word == "feld" && call.words.empty() ? ui::Flow::Stop : ui::Flow::Continue;
}

void console(std::string_view script) {
    std::istringstream in{std::string(script)};
    ui::LineInput lines(in);
    std::ostringstream out;
    ui::runCommandLoop(kCommands, runCommand, lines, out);
    for (const auto& w : ui::splitWords(script))
        fuzz::require(w.find(' ') == std::string::npos, "Wörter ohne Leerzeichen");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 3) {
    case 0:
        commandLine(text, false);
        break;
    case 1:
        commandLine(text, true);
        break;
    case 2:
        console(text);
        break;
    }
    return 0;
}
