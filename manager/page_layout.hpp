// Printed pages as a toolkit-free model: the header lines, the page line with its numbering, the
// rule and the document lines of each page, placed from the top of the page down. A printer
// paints the lines where the model puts them.
#pragma once

#include "manager/form_header.hpp"
#include "manager/print_settings.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

/// The rule under the page line is this many "-".
inline constexpr std::size_t kRuleLength = 71;
/// The page line is padded so that its numbering text ends here (the text's line end counted).
inline constexpr std::size_t kPageLineWidth = 72;
/// A numbering text counts as at most this long when the page line is padded.
inline constexpr std::size_t kMaxNumberingWidth = 40;

enum class PageLineKind {
    Header,   ///< a header line of INC1 or INC2
    Form,     ///< a line of the form header (form print)
    PageLine, ///< " Position NAME", the date and the page number
    Rule,     ///< 71 "-"
    Text,     ///< a line of the document
};

/// One line on a page; top and height in the printer's device units.
struct PageLine {
    PageLineKind kind = PageLineKind::Text;
    std::string text;
    double top = 0;
    double height = 0;
    bool operator==(const PageLine&) const = default;
};

/// One printed page with the numbers it carries.
struct Page {
    std::vector<PageLine> lines;
    int page = 0;
    int sheet = 0;
};

/// A document to print: its number (1 for the geometry document) and its lines.
struct PrintDocument {
    int number = 0;
    std::string name; ///< "D1", or the file's name
    std::vector<std::string> lines;
};

/// What heads every page.
struct PageHead {
    std::string positionName;
    std::string date;                     ///< "" when the date is not printed
    std::vector<std::string> headerLines; ///< 0, 1 or 2 lines above the page line
    NumberingKind kind = NumberingKind::Page;
    std::optional<FormHeader> form; ///< the form print: the form header instead
};

/// The height a line takes when it is broken into words across the printable width.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    /// Height of the line in device units; an empty line takes one line's height.
    virtual double height(std::string_view line) const = 0;
};

/// The printable band of a page in device units: lines start at top and end above bottom.
struct PageFrame {
    double top = 0;
    double bottom = 0;
};

/// The pages of a print and the numbers the page after them would carry.
struct PageLayout {
    std::vector<Page> pages;
    int nextPage = 0;
    int nextSheet = 0;
};

/// " Position NAME", "  " and the date when there is one, blanks up to 72 minus the numbering
/// text's length (taken as at most 40), then the numbering text without its line end.
std::string pageLineText(std::string_view positionName, std::string_view date,
                         std::string_view numbering);

/// The lines of a document as printed: without the date, the geometry document (number 1)
/// leaves out each line starting with "Datum:" after blanks and the line after it.
std::vector<std::string> printedLines(const PrintDocument& document, bool withDate);

/// The lines of the form header on a page numbered page.
std::vector<std::string> formHeaderLines(const FormHeader& form, int page);

/// Lays out the documents, each from a new page, numbering from firstPage and firstSheet. A
/// page takes document lines while they end above the frame's bottom, and at least one, so that
/// a line taller than the page cannot stop the print.
PageLayout layoutPages(const std::vector<PrintDocument>& documents, const PageHead& head,
                       int firstPage, int firstSheet, PageFrame frame, const TextMeasure& measure);

} // namespace tarvik
