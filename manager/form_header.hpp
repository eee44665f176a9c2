// The form header of the form print: FKOPF (eleven strings in the serialised string form),
// AUFSTELLER1 (the author), FKPFAD, FSEITE and the program name in VERSION.PLATTE.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

inline constexpr std::string_view kFormHeaderFile = "FKOPF";       ///< position directory
inline constexpr std::string_view kAuthorFile = "AUFSTELLER1";     ///< working directory
inline constexpr std::string_view kFormPathFile = "FKPFAD";        ///< working directory
inline constexpr std::string_view kFirstPageFile = "FSEITE";       ///< position directory
inline constexpr std::string_view kVersionFile = "VERSION.PLATTE"; ///< working directory

/// The eleven fields of the dialog "Formulardruck", in the order FKOPF stores them.
enum class FormField {
    Author,    ///< "Verfasser"
    Program,   ///< "Programm"
    Structure, ///< "Bauwerk"
    Member,    ///< "Bauteil"
    Block,     ///< "Block"
    Process,   ///< "Vorgang"
    AsbNumber, ///< "ASB-Nr."
    Archive,   ///< "Archiv-Nr."
    Date,      ///< "Datum"
    FirstPage, ///< "Nummer 1. Seite"
    FontSize,  ///< "Font-Größe"
};
inline constexpr std::size_t kFormFieldCount = 11;

/// The form header as the dialog edits it.
struct FormHeader {
    std::array<std::string, kFormFieldCount> fields{};
    std::string& operator[](FormField f) { return fields[static_cast<std::size_t>(f)]; }
    const std::string& operator[](FormField f) const { return fields[static_cast<std::size_t>(f)]; }
    bool operator==(const FormHeader&) const = default;
};

/// The label of a field in the dialog.
std::string_view formFieldLabel(FormField field);

/// Every field in FKOPF's order.
std::array<FormField, kFormFieldCount> formFields();

/// Appends one string in the serialised form: its length (one byte below 255; else 255 and a
/// 16-bit length below 65534; else 255, 65535 and a 32-bit length), then its bytes.
void appendSerialString(std::vector<std::uint8_t>& out, std::string_view text);

/// Reads the strings of a serialised sequence from its start; nullopt when a length runs past
/// the end of the bytes or more than `limit` strings would be read.
std::optional<std::vector<std::string>> decodeSerialStrings(const std::vector<std::uint8_t>& bytes,
                                                            std::size_t limit);

/// FKOPF: the eleven fields serialised in their order.
std::vector<std::uint8_t> encodeFormHeader(const FormHeader& header);

/// The fields of FKOPF; nullopt when it does not hold eleven whole strings.
std::optional<FormHeader> decodeFormHeader(const std::vector<std::uint8_t>& bytes);

/// FKOPF of the position directory; nullopt when it is missing or not eleven whole strings.
std::optional<FormHeader> readFormHeader(const std::string& positionDirectory);

/// "%s.%s.%s" of day, month and four-digit year, two digits each for day and month.
std::string formDate(std::int64_t secondsSince1970);

/// The dialog "Formulardruck" as it opens: "Programm" from VERSION.PLATTE, "Verfasser" from
/// AUFSTELLER1, then every field from the position's FKOPF when it is whole, and "Datum" today.
FormHeader openFormHeader(const std::string& workDirectory, const std::string& positionDirectory,
                          std::int64_t now);

/// The first page number of "Nummer 1. Seite": 0 for an empty field; nullopt when it is no
/// whole number from 0 to 30000.
std::optional<int> formFirstPage(const FormHeader& header);

/// Why the form header cannot be stored, or nullopt.
std::optional<std::string> formHeaderProblem(const FormHeader& header);

/// "&Weiter": FKOPF, FKPFAD, FSEITE and AUFSTELLER1 in this order. The error text when FKOPF
/// cannot be written (nothing else is written then), or the names of the other files not written.
struct FormHeaderWritten {
    std::optional<std::string> error;
    std::vector<std::string> failed;
};
FormHeaderWritten writeFormHeader(const std::string& workDirectory,
                                  const std::string& positionDirectory, const FormHeader& header);

} // namespace tarvik
