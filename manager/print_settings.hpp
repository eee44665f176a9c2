// The settings of printed documents: the page header lines INC1, INC2 and IDZ, the text print
// settings DRUCKER1.INI and the page numbering PAGENR.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

inline constexpr std::string_view kHeaderLine1File = "INC1";
inline constexpr std::string_view kHeaderLine2File = "INC2";
inline constexpr std::string_view kHeaderCountFile = "IDZ";
inline constexpr std::string_view kTextPrintFile = "DRUCKER1.INI";
inline constexpr std::string_view kNumberingFile = "PAGENR";
/// Settings lines are read up to this many characters.
inline constexpr std::size_t kMaxSettingsLine = 249;

/// The dialog "Kopfzeilen": two header lines and how many of them are printed (0 to 2).
struct HeaderLines {
    std::string line1;
    std::string line2;
    int count = 0;
    bool operator==(const HeaderLines&) const = default;
};

/// The text print settings; the printed face is a fixed-pitch one whatever the name says.
struct TextPrintSettings {
    std::string font = "Courier New";
    int size = 10;       ///< points
    int leftMargin = 20; ///< mm
    int topMargin = 10;  ///< mm
    bool operator==(const TextPrintSettings&) const = default;
};

/// What the page line carries as its number.
enum class NumberingKind {
    Page,           ///< "Seite ___"
    Sheet,          ///< "Blatt ___"
    SheetAndPage,   ///< "Blatt ___  Seite ___"
    SheetBlankPage, ///< "Blatt ___  Seite "
    PageBlankSheet, ///< "Seite ___  Blatt"
};

/// PAGENR: the numbers of the next print and how they are printed.
struct Numbering {
    int page = 1;
    int sheet = 1;
    NumberingKind kind = NumberingKind::Page;
    bool withDate = false;
    bool operator==(const Numbering&) const = default;
};

/// The first line of a settings file, up to 249 characters; "" when it is missing or empty.
std::string settingsLine(const std::string& path);

/// The dialog choice of a numbering kind, as the dialog and the console list them.
std::string_view numberingChoice(NumberingKind kind);

/// The numbering kind stored as n (0 to 4); nullopt for another number.
std::optional<NumberingKind> numberingKindOf(int n);

/// The number PAGENR stores for a kind.
int numberingKindCode(NumberingKind kind);

/// The numbering text of a page with its line end: "Seite %i\n", "Blatt %i\n", ...
std::string numberingText(NumberingKind kind, int page, int sheet);

/// INC1, INC2 and IDZ of the working directory; missing files give empty lines and 0.
HeaderLines readHeaderLines(const std::string& workDirectory);

/// Why header lines cannot be stored (a count outside 0 to 2, a line end in a line), or nullopt.
std::optional<std::string> headerLinesProblem(const HeaderLines& lines);

/// Writes INC1 and INC2 without a newline and IDZ; the names of the files not written.
std::vector<std::string> writeHeaderLines(const std::string& workDirectory,
                                          const HeaderLines& lines);

/// DRUCKER1.INI: the font name on line 1, then size, left and top margin; a value missing or
/// not a number takes its default.
TextPrintSettings parseTextPrintSettings(std::string_view text);

/// DRUCKER1.INI as four lines: font name, size, left margin, top margin.
std::string textPrintSettingsText(const TextPrintSettings& settings);

/// Why text print settings cannot be stored, or nullopt.
std::optional<std::string> textPrintSettingsProblem(const TextPrintSettings& settings);

/// DRUCKER1.INI of the working directory, its defaults when it is missing.
TextPrintSettings readTextPrintSettings(const std::string& workDirectory);

/// PAGENR: four signed 16-bit numbers, page, sheet, kind and date flag.
std::vector<std::uint8_t> encodeNumbering(const Numbering& numbering);

/// PAGENR's numbering; the defaults when the file is shorter than its 8 bytes. A kind outside
/// 0 to 4 reads as "Seite", a date flag other than 0 as set.
Numbering decodeNumbering(const std::vector<std::uint8_t>& bytes);

/// PAGENR of the position directory, its defaults when it is missing.
Numbering readNumbering(const std::string& positionDirectory);

/// Why page and sheet numbers cannot be stored (outside 0 to kMaxPageNumber), or nullopt.
std::optional<std::string> numberingProblem(const Numbering& numbering);

/// The highest page or sheet number a dialog takes; printing counts on from it.
inline constexpr int kMaxPageNumber = 30000;

} // namespace tarvik
