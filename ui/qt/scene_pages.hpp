// Several scenes as the pages of one document: a PDF file or a print.
#pragma once

#include "scene/scene.hpp"

#include <optional>
#include <string>
#include <vector>

class QPrinter;

namespace qtui {

/// Writes the scenes as the A4 pages of one PDF file, each fitted to its page and turned to
/// landscape when it is wider than high. An error text (German) when the file cannot be
/// written or there is no page.
std::optional<std::string> writePdfPages(const std::vector<scene::Scene>& pages,
                                         const std::string& path);

/// Prints the scenes, one page each, fitted to the printer's page. False when the printer
/// cannot paint.
bool printPages(const std::vector<scene::Scene>& pages, QPrinter& printer);

} // namespace qtui
