// The page model of a print: the page line with its numbering, the rule, the header lines, the
// date rule of the geometry document, page breaks and the numbers the pages carry.
#include "manager/page_layout.hpp"

#include <gtest/gtest.h>

namespace {

using tarvik::NumberingKind;
using tarvik::PageLineKind;

/// Every line one unit high, except lines starting with "LANG", which take `tall` units.
struct Measure : tarvik::TextMeasure {
    double tall = 3.0;
    double height(std::string_view line) const override {
        return line.substr(0, 4) == "LANG" ? tall : 1.0;
    }
};

tarvik::PrintDocument document(int number, int lines) {
    tarvik::PrintDocument d{number, "D" + std::to_string(number), {}};
    for (int k = 1; k <= lines; ++k)
        d.lines.push_back("Zeile " + std::to_string(k));
    return d;
}

std::vector<std::string> texts(const tarvik::Page& page, PageLineKind kind) {
    std::vector<std::string> out;
    for (const auto& line : page.lines)
        if (line.kind == kind) out.push_back(line.text);
    return out;
}

TEST(PageLine, PositionPaddedSoThatTheNumberingEndsAtColumn71) {
    const std::string line = tarvik::pageLineText("DEMO", "", "Seite 1\n");
    EXPECT_EQ(line, " Position DEMO" + std::string(50, ' ') + "Seite 1");
    EXPECT_EQ(line.size(), 71u);
    EXPECT_EQ(line.size(), tarvik::kRuleLength);
}

TEST(PageLine, KindTwoPageFiveSheetThree) {
    const std::string line =
        tarvik::pageLineText("P1", "", tarvik::numberingText(NumberingKind::SheetAndPage, 5, 3));
    EXPECT_EQ(line.substr(line.size() - 16), "Blatt 3  Seite 5");
    EXPECT_EQ(line.size(), 71u);
}

TEST(PageLine, DateFollowsTheNameAfterTwoBlanks) {
    const std::string line = tarvik::pageLineText("P1", "06.03.2026", "Seite 12\n");
    EXPECT_EQ(line.substr(0, 25), " Position P1  06.03.2026 ");
    EXPECT_EQ(line.size(), 71u);
}

TEST(PageLine, ANumberingTextLongerThan40PadsAsIf40) {
    const std::string numbering = std::string(45, 'N') + "\n";
    const std::string line = tarvik::pageLineText("P1", "", numbering);
    // Padded to 72 - 40 = 32 characters, then the whole text without its line end.
    EXPECT_EQ(line, " Position P1" + std::string(20, ' ') + std::string(45, 'N'));
}

TEST(PageLine, ALongNameIsNotCutAndUmlautsPadLikeOtherLetters) {
    const std::string name(70, 'X');
    EXPECT_EQ(tarvik::pageLineText(name, "", "Seite 1\n"), " Position " + name + "Seite 1");
    const std::string line = tarvik::pageLineText("Brücke", "", "Seite 1\n");
    EXPECT_EQ(line.size(), 72u); // 71 characters, "ü" takes two bytes
}

TEST(PageLayout, HeadOfEveryPage) {
    tarvik::PageHead head{"DEMO", "", {"Büro Muster", "Wohnhaus"}, NumberingKind::Page, {}};
    const auto layout = tarvik::layoutPages({document(2, 10)}, head, 1, 1, {10.0, 20.0}, Measure{});
    ASSERT_EQ(layout.pages.size(), 2u);
    const tarvik::Page& first = layout.pages[0];
    ASSERT_GE(first.lines.size(), 4u);
    EXPECT_EQ(first.lines[0], (tarvik::PageLine{PageLineKind::Header, "Büro Muster", 10.0, 1.0}));
    EXPECT_EQ(first.lines[1].text, "Wohnhaus");
    EXPECT_EQ(first.lines[2].kind, PageLineKind::PageLine);
    EXPECT_EQ(first.lines[2].text, tarvik::pageLineText("DEMO", "", "Seite 1\n"));
    EXPECT_EQ(first.lines[3],
              (tarvik::PageLine{PageLineKind::Rule, std::string(71, '-'), 13.0, 1.0}));
    // Lines 14 to 19 end above the bottom at 20: six document lines.
    EXPECT_EQ(texts(first, PageLineKind::Text).size(), 6u);
    EXPECT_EQ(first.lines.back().top, 19.0);
    EXPECT_EQ(texts(layout.pages[1], PageLineKind::Text).front(), "Zeile 7");
    EXPECT_EQ(texts(layout.pages[1], PageLineKind::PageLine).front(),
              tarvik::pageLineText("DEMO", "", "Seite 2\n"));
}

TEST(PageLayout, NoHeaderLinesWhenNoneAreAskedFor) {
    const auto layout = tarvik::layoutPages(
        {document(2, 3)}, {"P", "", {}, NumberingKind::Page, {}}, 1, 1, {0.0, 100.0}, Measure{});
    ASSERT_EQ(layout.pages.size(), 1u);
    EXPECT_EQ(layout.pages[0].lines[0].kind, PageLineKind::PageLine);
    EXPECT_EQ(layout.pages[0].lines[1].kind, PageLineKind::Rule);
    EXPECT_EQ(layout.pages[0].lines.size(), 5u);
}

TEST(PageLayout, EachDocumentStartsOnANewPageAndTheNumbersCountOn) {
    const tarvik::PageHead head{"P1", "", {}, NumberingKind::SheetAndPage, {}};
    // Two lines of head and eight of text per page.
    const auto layout =
        tarvik::layoutPages({document(2, 10), document(3, 4)}, head, 5, 3, {0.0, 10.0}, Measure{});
    ASSERT_EQ(layout.pages.size(), 3u);
    EXPECT_EQ(layout.pages[0].page, 5);
    EXPECT_EQ(layout.pages[0].sheet, 3);
    EXPECT_EQ(texts(layout.pages[1], PageLineKind::Text).size(), 2u);
    EXPECT_EQ(texts(layout.pages[2], PageLineKind::Text).front(), "Zeile 1");
    EXPECT_EQ(texts(layout.pages[2], PageLineKind::PageLine).front().substr(55),
              "Blatt 5  Seite 7");
    EXPECT_EQ(layout.nextPage, 8);
    EXPECT_EQ(layout.nextSheet, 6);
}

TEST(PageLayout, TwoPagesFromPageOneLeaveThree) {
    const auto layout = tarvik::layoutPages(
        {document(2, 12)}, {"P1", "", {}, NumberingKind::Page, {}}, 1, 1, {0.0, 8.0}, Measure{});
    EXPECT_EQ(layout.pages.size(), 2u);
    EXPECT_EQ(layout.nextPage, 3);
}

TEST(PageLayout, WordBrokenLinesTakeTheirMeasuredHeight) {
    tarvik::PrintDocument d{2, "D2", {"a", "LANG b", "c", "d"}};
    // Head 2, then 1 + 3: "c" ends at 7, above the bottom at 7.5, and "d" would end at 8.
    const auto layout = tarvik::layoutPages({d}, {"P", "", {}, NumberingKind::Page, {}}, 1, 1,
                                            {0.0, 7.5}, Measure{});
    ASSERT_EQ(layout.pages.size(), 2u);
    EXPECT_EQ(texts(layout.pages[0], PageLineKind::Text),
              (std::vector<std::string>{"a", "LANG b", "c"}));
    EXPECT_EQ(layout.pages[0].lines[3].height, 3.0);
    EXPECT_EQ(layout.pages[0].lines[4].top, 6.0);
}

TEST(PageLayout, ALineTallerThanThePageStillMovesTheDocumentOn) {
    Measure measure;
    measure.tall = 500.0;
    tarvik::PrintDocument d{2, "D2", {"LANG 1", "LANG 2", "kurz"}};
    const auto layout = tarvik::layoutPages({d}, {"P", "", {}, NumberingKind::Page, {}}, 1, 1,
                                            {0.0, 50.0}, measure);
    ASSERT_EQ(layout.pages.size(), 3u);
    EXPECT_EQ(texts(layout.pages[2], PageLineKind::Text), (std::vector<std::string>{"kurz"}));
}

TEST(PageLayout, AnEmptyDocumentPrintsNoPage) {
    const auto layout = tarvik::layoutPages(
        {document(2, 0)}, {"P", "", {}, NumberingKind::Page, {}}, 4, 4, {0.0, 50.0}, Measure{});
    EXPECT_TRUE(layout.pages.empty());
    EXPECT_EQ(layout.nextPage, 4);
}

TEST(DateRule, TheGeometryDocumentWithoutDateLeavesOutItsDateLines) {
    const tarvik::PrintDocument d1{1,
                                   "D1",
                                   {" Position P1", " ---", "   Datum: Freitag", " ------",
                                    " Knoten", "Datum: zweimal", "danach", "Ende"}};
    EXPECT_EQ(tarvik::printedLines(d1, false),
              (std::vector<std::string>{" Position P1", " ---", " Knoten", "Ende"}));
    EXPECT_EQ(tarvik::printedLines(d1, true), d1.lines);
    // Only document 1 has the rule.
    tarvik::PrintDocument d2 = d1;
    d2.number = 2;
    EXPECT_EQ(tarvik::printedLines(d2, false), d1.lines);
    // A date line at the end has no line after it.
    const tarvik::PrintDocument last{1, "D1", {"a", "Datum: x"}};
    EXPECT_EQ(tarvik::printedLines(last, false), (std::vector<std::string>{"a"}));
}

TEST(DateRule, AppliedWhenThePrintHasNoDate) {
    const tarvik::PrintDocument d1{1, "D1", {"Datum: x", "/daten/", "Knoten"}};
    auto layout = tarvik::layoutPages({d1}, {"P", "", {}, NumberingKind::Page, {}}, 1, 1,
                                      {0.0, 50.0}, Measure{});
    EXPECT_EQ(texts(layout.pages[0], PageLineKind::Text), (std::vector<std::string>{"Knoten"}));
    layout = tarvik::layoutPages({d1}, {"P", "06.03.2026", {}, NumberingKind::Page, {}}, 1, 1,
                                 {0.0, 50.0}, Measure{});
    EXPECT_EQ(texts(layout.pages[0], PageLineKind::Text).size(), 3u);
}

TEST(FormPages, TheFormHeaderHeadsEachPageWithItsPageNumber) {
    tarvik::FormHeader f;
    f.fields = {"Anna Muster", "Platte 1.0", "Wohnhaus",   "Decke", "B1", "V7",
                "ASB 12",      "A-3",        "06.03.2026", "5",     "10"};
    const auto lines = tarvik::formHeaderLines(f, 5);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], " Verfasser: Anna Muster" + std::string(28, ' ') + "Programm: Platte 1.0");
    EXPECT_EQ(lines[2], " Block: B1   Vorgang: V7   ASB-Nr.: ASB 12   Archiv-Nr.: A-3");
    EXPECT_EQ(lines[3], " Datum: 06.03.2026" + std::string(46, ' ') + "Seite 5");
    tarvik::PageHead head{"P1", "", {"nicht gedruckt"}, NumberingKind::Page, f};
    const auto layout = tarvik::layoutPages({document(2, 3)}, head, 5, 1, {0.0, 50.0}, Measure{});
    ASSERT_EQ(layout.pages.size(), 1u);
    EXPECT_EQ(texts(layout.pages[0], PageLineKind::Form), lines);
    EXPECT_TRUE(texts(layout.pages[0], PageLineKind::Header).empty());
    EXPECT_TRUE(texts(layout.pages[0], PageLineKind::PageLine).empty());
    EXPECT_EQ(texts(layout.pages[0], PageLineKind::Rule).size(), 1u);
}

} // namespace
