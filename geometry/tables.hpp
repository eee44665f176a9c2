// The node, element, spring and bedding tables: rows as texts the user edits, checked on OK.
#pragma once

#include "geometry/model.hpp"

#include <optional>
#include <string>
#include <vector>

namespace morvel {

enum class TableKind { Nodes, Elements, Springs, Bedding };

/// A table as the user sees it; an empty cell makes a row be skipped on OK (node and element
/// tables) or is refused (spring and bedding tables, whose rows belong to the nodes and elements).
struct TextTable {
    TableKind kind = TableKind::Nodes;
    std::string title;
    std::vector<std::string> headings;
    std::size_t readOnlyColumns = 0; ///< leading columns that are shown only
    bool fixedRows = false;          ///< rows can neither be added nor skipped
    std::vector<std::vector<std::string>> rows;
};

/// The table of the model's current values, numbers with the decimal comma.
TextTable makeTable(const Model& m, TableKind kind);

/// Sets the editable cells of row (1-based) to values ("-" for an empty cell); one row past the
/// end appends a row where the table allows it. Returns a message when refused.
std::optional<std::string> setRow(TextTable& t, std::size_t row,
                                  const std::vector<std::string>& values);

/// Empties the editable cells of row (1-based).
std::optional<std::string> clearRow(TextTable& t, std::size_t row);

/// F5: copies the text of a cell (row and column 1-based) into the same column of all rows below.
std::optional<std::string> copyDown(TextTable& t, std::size_t row, std::size_t column);

/// OK: checks every row and takes the table into the model; a message and no change otherwise.
std::optional<std::string> applyTable(Model& m, const TextTable& t);

/// "Lager Löschen": every fixity and every edge support code to 0.
void clearSupports(Model& m);
/// "Federn löschen": every spring to 0, every edge support code to 0.
void clearSprings(Model& m);
/// "Alle löschen" of the bedding table: every bedding value to 0.
void clearBedding(Model& m);

} // namespace morvel
