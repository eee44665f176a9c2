// The list of a position's documents: DATEIEN (one line per document behind a 12-character
// prefix), LASTD (the highest document number) and the files D<n> and D<n>.TXT.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

/// The column heading above the entries of the document list.
inline constexpr std::string_view kDocumentListHeading =
    "  Datei   Lastfall             Satz                 Inhalt";
/// Every DATEIEN line starts with this many characters that the list does not show.
inline constexpr std::size_t kDocumentListPrefix = 12;
/// A DATEIEN line is read up to this many characters.
inline constexpr std::size_t kMaxDocumentListLine = 119;
/// LASTD holds a signed 16-bit number, so document numbers end here.
inline constexpr int kMaxDocumentNumber = 32767;

/// The entries of DATEIEN as the list shows them: each line cut to 119 characters, trailing
/// white space stripped, and the 12-character prefix dropped from lines longer than that.
std::vector<std::string> parseDocumentList(std::string_view text);

/// DATEIEN written from the entries: 12 blanks, the entry and a newline each.
std::string documentListText(const std::vector<std::string>& entries);

/// The document number an entry names: leading blanks skipped, the longest run of "D" and
/// digits taken, its "D"s removed and the rest read as a decimal number. 0 when the entry names
/// no document (no digits, or a number beyond LASTD's range), so that only "D<n>" is ever built.
int documentNumber(std::string_view entry);

/// The highest document number among the entries; 0 when none names a document.
int highestDocumentNumber(const std::vector<std::string>& entries);

/// LASTD: the number as a signed 16-bit little-endian integer.
std::vector<std::uint8_t> encodeLastDocument(int number);

/// The number in LASTD; nullopt when the file is shorter than its two bytes.
std::optional<int> decodeLastDocument(const std::vector<std::uint8_t>& bytes);

/// "D<n>" or "D<n>.TXT".
std::string documentFileName(int number, bool textForm);

/// Which form of a document file is looked for first.
enum class DocumentForm {
    TextFirst,  ///< viewing, form print and the text window: D<n>.TXT, then D<n>
    PlainFirst, ///< printing and printing into a file: D<n>, then D<n>.TXT
};

/// The path of document n in the position directory in the form found first; nullopt when it
/// exists in neither form or n names no document.
std::optional<std::string> findDocument(const std::string& positionDirectory, int number,
                                        DocumentForm order);

/// The lines of a text, without their line ends ("\n" or "\r\n"); a last line without a line end
/// counts, an empty text has none.
std::vector<std::string> textLines(std::string_view text);

} // namespace tarvik
