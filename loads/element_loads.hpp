// The element and node loads of a load case: self weight and surcharge, the element, edge and
// nodal tables, clearing all loads, and the two load files the solver reads.
#pragma once

#include "loads/load_case.hpp"
#include "loads/slab_model.hpp"

#include <array>
#include <optional>
#include <string>

namespace daskel {

/// Empty tables sized for the model: rows 1 to the element and node counts, all zero.
LoadTables emptyLoadTables(const SlabModel& model);

/// Self weight γ [kN/m³] and surcharge g [kN/m²]: sets the self-weight flag; when γ·d1 + g of
/// element 1 is not zero, every element gets its own γ·d + g as area load and the load case the
/// uniform value of element 1. Returns that value.
float applySelfWeight(LoadCase& lc, LoadTables& loads, const SlabModel& model, double gamma,
                      double g);

/// Why γ·d + g of some element does not fit the load file's single precision, or nullopt.
std::optional<std::string> selfWeightError(const SlabModel& model, double gamma, double g);

/// The "Löschen" of the self-weight dialog: no area loads, no self weight, no uniform load.
void clearSelfWeight(LoadCase& lc, LoadTables& loads, const SlabModel& model);

/// Clears the area and edge loads of every element and the prescribed deformations and loads
/// of their corner nodes (a node in no element keeps its values), the self weight and the
/// uniform load, and the area, line, point and edge loads and the temperature, which reach the
/// solver as well.
void clearAllLoads(LoadCase& lc, LoadTables& loads, const SlabModel& model);

/// Why element e cannot take a load, or nullopt.
std::optional<std::string> elementError(const SlabModel& model, int element);
/// Why edge k (1 to 4) of element e cannot take a load, or nullopt.
std::optional<std::string> edgeError(const SlabModel& model, int element, int edge);
/// Why node n cannot take a load, or nullopt.
std::optional<std::string> nodeError(const SlabModel& model, int node);

/// The node table's eight values in column order: w, w,x, w,y, w,xy, P, Mx, My, Mxy; a field
/// left out keeps its stored value.
using NodeValues = std::array<std::optional<double>, 8>;
/// Stores the values given for node n; the others stay.
void setNodeValues(LoadTables& loads, int node, const NodeValues& values);
/// Column c (0 to 7, the order of NodeValues) of node n.
double nodeValue(const LoadTables& loads, int node, int column);

/// A table cell as the solver's single-precision float: the text cut to 120 characters, every
/// "," read as "."; an empty text is 0. nullopt when the text is not a number or does not fit.
std::optional<float> cellValue(std::string text);
/// The message for a cell text that cellValue refused: no number, or too large.
std::string cellError(const std::string& label, const std::string& text);
/// A value as the tables show it: "%.2f" with a decimal comma.
std::string cellText(double value);

/// Writes KNOTEN2LF<n> and then ELEMENTE2LF<n> into the position directory; returns the names
/// of the files that could not be written (empty on success).
std::vector<std::string> writeLoadFiles(const std::string& positionDirectory, int loadCase,
                                        const SlabModel& model, const LoadTables& loads);

/// Reads both load files of load case n into tables sized for the model; a missing or short
/// file leaves its rows zero. Problems (short files) are described in `problems`.
LoadTables readLoadFiles(const std::string& positionDirectory, int loadCase, const SlabModel& model,
                         std::vector<std::string>& problems);

} // namespace daskel
