// The editor's tables of "Manuell": opening the node or spring table writes the model first, so
// that the files match what the table shows; OK and the clearing buttons write it again.
#include "geometry/editor.hpp"

namespace morvel {

TextTable Editor::openTable(TableKind kind) {
    leaveMode();
    switch (kind) {
    case TableKind::Nodes:
    case TableKind::Springs:
        // The files on disk then match what the table shows.
        writeModelFiles();
        break;
    case TableKind::Elements:
    case TableKind::Bedding:
        break;
    }
    return makeTable(model_, kind);
}

bool Editor::confirmTable(const TextTable& t) {
    if (auto error = applyTable(model_, t)) {
        ui_.message(t.title, *error);
        return false;
    }
    // The table is taken; a file that cannot be written is named, and saving writes it again.
    const auto failed = writeModelFiles();
    if (!failed.empty())
        ui_.message("Fehler",
                    "Nicht geschrieben: " + failed.front() + (failed.size() > 1 ? " ..." : ""));
    return true;
}

void Editor::clearSupportsButton(TextTable& t) {
    clearSupports(model_);
    writeModelFiles();
    t = makeTable(model_, t.kind);
}

void Editor::clearSpringsButton(TextTable& t) {
    clearSprings(model_);
    writeModelFiles();
    t = makeTable(model_, t.kind);
}

void Editor::clearBeddingButton(TextTable& t) {
    clearBedding(model_);
    writeModelFiles();
    t = makeTable(model_, t.kind);
}

std::vector<std::string> Editor::writeModelFiles() {
    std::vector<std::string> failed;
    writeModel(model_, settings_, position_, clock_(), failed);
    return failed;
}

} // namespace morvel
