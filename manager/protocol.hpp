// The protocol view: the lines of the time table TTABLE and the step a line restarts.
#pragma once

#include "solver/modelfiles/ttable.hpp"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

/// One protocol line: the local time as "%d.%m. %H:%M:%S  " followed by the text.
std::string protocolLine(const std::tm& localTime, std::string_view text);

/// The lines of the records in file order, each time converted to local time.
std::vector<std::string> protocolLines(const std::vector<slab::TimeTableRecord>& records);

/// A program to start again from a protocol line.
struct Restart {
    std::string program;
    std::optional<int> number; ///< load case or set number, passed as "@%i"
    bool operator==(const Restart&) const = default;
};

/// What a double click on the line starts; the first key the line contains decides, and a key
/// whose number is missing or not above 0 starts nothing.
std::optional<Restart> restartOf(std::string_view line);

/// The decimal value at the start of text as the C library reads it (blanks, sign, digits);
/// 0 when there are no digits or the value does not fit an int.
int leadingNumber(std::string_view text);

} // namespace tarvik
