// The load editor's tables as grids of texts, shared by the window's grid dialogs and their
// tests: the element, edge and node tables, and the lists of area, line, point and edge loads;
// what a grid shows, and what its OK makes of the edited texts.
#pragma once

#include "loads/load_case.hpp"
#include "loads/load_entry.hpp"
#include "loads/outline/slab_outline.hpp"
#include "loads/slab_model.hpp"

#include <optional>
#include <string>
#include <vector>

namespace daskel {

/// The tables of the window, each a grid dialog.
enum class GridKind {
    Elements,   ///< "Elementlasten": p of every element
    Edges,      ///< "Linienlasten": the four edge loads of every element
    Nodes,      ///< "Eingeprägte Lagerverformungen und Knotenkräfte"
    Areas,      ///< "Teilflächenlasten": one row per corner
    Lines,      ///< "Linienlasten (von - nach)": line loads anywhere on the slab
    Points,     ///< "Punktlasten"
    Boundaries, ///< "Randlasten": edge loads on sections of the slab's boundaries
};

/// A table as its dialog shows it: every cell a text, rows numbered from 1 by the dialog.
struct LoadGrid {
    GridKind kind = GridKind::Elements;
    std::string title;
    std::vector<std::string> headings;
    std::size_t readOnlyColumns = 0;
    bool fixedRows = true; ///< one row per element or node; the lists grow and shrink
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> hints; ///< lines shown above the grid
};

/// The grid of a table of element or node loads, one row per element or node.
LoadGrid tableGrid(GridKind kind, const SlabModel& model, const LoadTables& loads);
/// The grid of a list of area, line, point or edge loads.
LoadGrid listGrid(GridKind kind, const LoadCase& lc);

/// "Alle löschen": every value cell of a table of element or node loads "0", so that OK stores
/// zeros (also where a value too small for two places shows "0,00"); a list loses all its rows.
void clearGrid(LoadGrid& grid);

/// A grid's OK: the new tables, or why not (nothing changed then).
struct TablesOrError {
    std::optional<LoadTables> tables;
    std::string error;
};
/// The element or node loads of `edited`. A cell whose text is still the text `shown` keeps
/// its stored value exactly (a value does not lose what the two decimals hide); an empty cell
/// keeps it too; any other text must be a number (decimal comma or point).
TablesOrError applyTableGrid(const LoadGrid& shown, const LoadGrid& edited,
                             const LoadTables& current);

struct LoadCaseOrError {
    std::optional<LoadCase> loadCase;
    std::string error;
};
/// The load case with the list of `edited` in place of its own. Empty rows are passed over; a
/// load whose rows are still those `shown` stays as it was; every other one is checked as if
/// typed in, and the first refusal names its row.
LoadCaseOrError applyListGrid(const LoadGrid& shown, const LoadGrid& edited, const LoadCase& lc,
                              const SlabOutline& outline);

/// The load list a grid of a list edits; nullopt for a table of element or node loads.
std::optional<LoadList> listOfGrid(GridKind kind);

} // namespace daskel
