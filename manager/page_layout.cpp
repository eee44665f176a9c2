// Laying out the pages of a print.
#include "manager/page_layout.hpp"

#include "common/text.hpp"

#include <algorithm>

namespace tarvik {

namespace {

/// Characters of a UTF-8 text, so that a name with umlauts pads like one without.
std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

/// left, blanks, right: right ends at character `width`; at least two blanks between.
std::string spread(std::string left, std::string_view right, std::size_t width) {
    const std::size_t used = characters(left) + characters(right);
    left.append(used + 2 <= width ? width - used : 2, ' ');
    return left + std::string(right);
}

bool startsWithDate(std::string_view line) {
    line = slab::trim(line);
    return line.substr(0, 6) == "Datum:";
}

/// The lines above the document lines of a page.
std::vector<std::pair<PageLineKind, std::string>> headOf(const PageHead& head, int page,
                                                         int sheet) {
    std::vector<std::pair<PageLineKind, std::string>> lines;
    if (head.form) {
        for (auto& line : formHeaderLines(*head.form, page))
            lines.emplace_back(PageLineKind::Form, std::move(line));
    } else {
        for (const auto& line : head.headerLines)
            lines.emplace_back(PageLineKind::Header, line);
        lines.emplace_back(
            PageLineKind::PageLine,
            pageLineText(head.positionName, head.date, numberingText(head.kind, page, sheet)));
    }
    lines.emplace_back(PageLineKind::Rule, std::string(kRuleLength, '-'));
    return lines;
}

} // namespace

std::string pageLineText(std::string_view positionName, std::string_view date,
                         std::string_view numbering) {
    std::string line = " Position " + std::string(positionName);
    if (!date.empty()) line += "  " + std::string(date);
    const std::size_t target = kPageLineWidth - std::min(numbering.size(), kMaxNumberingWidth);
    const std::size_t length = characters(line);
    if (length < target) line.append(target - length, ' ');
    if (!numbering.empty() && numbering.back() == '\n') numbering.remove_suffix(1);
    return line + std::string(numbering);
}

std::vector<std::string> printedLines(const PrintDocument& document, bool withDate) {
    if (withDate || document.number != 1) return document.lines;
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < document.lines.size(); ++k) {
        if (startsWithDate(document.lines[k])) {
            ++k; // and the line after it
            continue;
        }
        lines.push_back(document.lines[k]);
    }
    return lines;
}

std::vector<std::string> formHeaderLines(const FormHeader& f, int page) {
    auto field = [&f](FormField which) {
        return std::string(formFieldLabel(which)) + ": " + f[which];
    };
    return {
        spread(" " + field(FormField::Author), field(FormField::Program), kRuleLength),
        spread(" " + field(FormField::Structure), field(FormField::Member), kRuleLength),
        " " + field(FormField::Block) + "   " + field(FormField::Process) + "   " +
            field(FormField::AsbNumber) + "   " + field(FormField::Archive),
        spread(" " + field(FormField::Date), "Seite " + std::to_string(page), kRuleLength),
    };
}

PageLayout layoutPages(const std::vector<PrintDocument>& documents, const PageHead& head,
                       int firstPage, int firstSheet, PageFrame frame, const TextMeasure& measure) {
    PageLayout layout{{}, firstPage, firstSheet};
    for (const PrintDocument& document : documents) {
        const auto lines = printedLines(document, !head.date.empty());
        std::size_t next = 0;
        while (next < lines.size()) {
            Page page{{}, layout.nextPage, layout.nextSheet};
            double y = frame.top;
            auto add = [&](PageLineKind kind, const std::string& text) {
                const double h = measure.height(text);
                page.lines.push_back({kind, text, y, h});
                y += h;
            };
            for (const auto& [kind, text] : headOf(head, page.page, page.sheet))
                add(kind, text);
            const std::size_t first = next;
            while (next < lines.size()) {
                const double h = measure.height(lines[next]);
                if (next != first && y + h > frame.bottom) break;
                page.lines.push_back({PageLineKind::Text, lines[next++], y, h});
                y += h;
            }
            layout.pages.push_back(std::move(page));
            ++layout.nextPage;
            ++layout.nextSheet;
        }
    }
    return layout;
}

} // namespace tarvik
