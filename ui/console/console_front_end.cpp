// The parts every console front end shares.
#include "ui/console/console_front_end.hpp"

#include "common/format.hpp"
#include "ui/console/arguments.hpp"

namespace ui {

Flow ConsoleFrontEnd::usage(std::string_view call) {
    console_.message("Fehlende Eingabe", "Aufruf: " + std::string(call));
    return Flow::Continue;
}

std::string ConsoleFrontEnd::askField(std::string_view label, const std::string& current) {
    if (!input_.interactive()) return current;
    out_ << label << " [" << current << "]: ";
    out_.flush();
    auto line = input_.next().value_or("");
    return splitWords(line).empty() ? current : line;
}

} // namespace ui
