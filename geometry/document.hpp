// The geometry document D1.TXT: the nodes and elements of the position under a dated heading,
// its entry in the document list DATEIEN, and showing it.
#pragma once

#include "geometry/model.hpp"
#include "geometry/position.hpp"
#include "ports/ports.hpp"

#include <optional>
#include <string>

namespace morvel {

/// A calendar day for the document's date line; weekday 0 is Sunday.
struct Date {
    int weekday = 0, day = 1, month = 1, year = 2000;
};
/// Today in local time.
Date today();

/// The geometry document D1.TXT.
std::string documentText(const Model& m, const std::string& title, const std::string& directory,
                         const Date& d);
/// The line "Datum: ..." of the document.
std::string dateLine(const Date& d, const std::string& directory);
/// The single line of a new DATEIEN.
std::string documentListLine();

/// The text of D1.TXT (or D1) of the position; nullopt after the message "Fehlende Eingabe".
std::optional<std::string> showDocument(const Position& p, ports::MessageBox& box);

} // namespace morvel
