// The load editor's document: the tables of element, edge and node loads and the lists of area,
// line, point and edge loads taken whole from a table dialog.
#include "loads/document.hpp"

namespace daskel {

void LoadEditor::replaceLoadTables(const LoadTables& tables) {
    // The dialogs hand back tables of the model's size; any other size would not fit the files.
    if (tables.elementLoads.size() != loads_.elementLoads.size() ||
        tables.nodeLoads.size() != loads_.nodeLoads.size())
        return;
    loads_ = tables;
    modified_ = true;
    writeLoads();
}

void LoadEditor::replaceLoads(LoadList list, const LoadCase& from) {
    switch (list) {
    case LoadList::Area:
        lc_.areaLoads = from.areaLoads;
        break;
    case LoadList::Line:
        lc_.lineLoads = from.lineLoads;
        break;
    case LoadList::Point:
        lc_.pointLoads = from.pointLoads;
        break;
    case LoadList::Edge:
        lc_.edgeLoads = from.edgeLoads;
        break;
    }
    modified_ = true;
}

} // namespace daskel
