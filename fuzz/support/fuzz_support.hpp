// What every fuzz target shares: an input split into the files of a reader, a scratch folder
// per process for readers that only open files, and the checks that stop libFuzzer on a fault.
#pragma once

#include "ui/console/scripted_ui.hpp"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

/// Separates the files of one input; a corpus file is its parts joined by this line.
inline constexpr std::string_view kSeparator = "\n%%%%\n";

/// The parts of an input between separators; at least `count` of them (missing ones empty).
std::vector<std::string_view> splitParts(const std::uint8_t* data, std::size_t size,
                                         std::size_t count);

/// Stops the run with a report naming the broken property; libFuzzer then keeps the input.
[[noreturn]] void fail(std::string_view property, std::string_view detail = {});

/// fail() unless the property holds.
inline void require(bool holds, std::string_view property, std::string_view detail = {}) {
    if (!holds) fail(property, detail);
}

/// True when text is well-formed UTF-8.
bool validUtf8(std::string_view text);

/// Every message shown has a title and a text, both UTF-8.
void requireClearMessages(const ui::ScriptedUi& box);

/// Every text is non-empty UTF-8 (messages and problem lists).
void requireClearTexts(const std::vector<std::string>& texts, std::string_view what);

/// A value the programs compute with is finite.
inline void requireFinite(double v, std::string_view what) {
    require(std::isfinite(v), what, "keine endliche Zahl");
}

/// A folder of this process for readers that only open files (below SLAB_FUZZ_SCRATCH, else
/// /dev/shm when there is one); made at the first call, ends with "/". Emptied by clearScratch().
const std::string& scratchDirectory();

/// Removes everything below the scratch folder (subfolders included).
void clearScratch();

/// A subfolder of the scratch folder, made when missing; ends with "/".
std::string scratchSubdirectory(std::string_view name);

/// Writes bytes to path; an empty part stands for a missing file and writes nothing.
void writePart(const std::string& path, std::string_view bytes);

/// Writes bytes to path even when they are empty.
void writeFile(const std::string& path, std::string_view bytes);

/// Expands compact records: each whole `compact`-byte record of part becomes a `full`-byte
/// record whose first `head` bytes and last `compact - head` bytes come from the part, the bytes
/// between zero (work areas no reader looks at). A trailing piece shorter than a compact record
/// is appended as it is, so that short files stay short.
std::string expandRecords(std::string_view part, std::size_t compact, std::size_t head,
                          std::size_t full);

/// ELEMENTE1 from compact records: corners and material (48 bytes) and the edge codes (12
/// bytes) of each element; the work area between, which no reader looks at, stays zero.
std::string expandElements(std::string_view part);

/// BETTUNG1 from compact records: the modulus (4 bytes) of each element, the work area zero.
std::string expandBedding(std::string_view part);

/// Writes PARAMETER, KNOTEN1, ELEMENTE1, FEDER1 and BETTUNG1 into dir (ELEMENTE1 and BETTUNG1
/// from compact records); an empty part writes no file.
void writeModelFiles(const std::string& dir, std::string_view parameter, std::string_view nodes,
                     std::string_view elements, std::string_view springs, std::string_view bedding);

/// The bytes of a string as a byte vector.
std::vector<std::uint8_t> bytesOf(std::string_view text);

} // namespace fuzz
