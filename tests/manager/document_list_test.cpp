// DATEIEN and LASTD as read and rewritten, the document numbers of the entries and the document
// files they name.
#include "manager/document_list.hpp"
#include "tests/manager/manager_fixtures.hpp"
#include "tests/support/golden.hpp"

#include <gtest/gtest.h>

namespace {

using managertest::bytes;
using managertest::bytesOf;
using testsupport::matchesFixture;

const std::string kGeometryLine =
    std::string(14, ' ') + "D1" + std::string(48, ' ') + "Abmessungen";

TEST(DocumentList, EntriesDropThePrefixAndTrailingBlanks) {
    const std::string text = kGeometryLine + "   \r\n" + "            D2  1   Eigengewicht\n" +
                             "short\n" + "exactly12chr\n";
    const auto entries = tarvik::parseDocumentList(text);
    ASSERT_EQ(entries.size(), 4u);
    // Under the heading the name starts at offset 2 and the content at offset 52.
    EXPECT_EQ(entries[0], "  D1" + std::string(48, ' ') + "Abmessungen");
    EXPECT_EQ(entries[0].find("D1"), tarvik::kDocumentListHeading.find("Datei"));
    EXPECT_EQ(entries[0].find("Abmessungen"), tarvik::kDocumentListHeading.find("Inhalt"));
    EXPECT_EQ(entries[1], "D2  1   Eigengewicht");
    // Lines of 12 characters or fewer are shown as they are.
    EXPECT_EQ(entries[2], "short");
    EXPECT_EQ(entries[3], "exactly12chr");
    EXPECT_TRUE(tarvik::parseDocumentList("").empty());
}

TEST(DocumentList, LinesAreReadUpTo119Characters) {
    const std::string longLine = std::string(12, ' ') + "D9" + std::string(200, 'x');
    const auto entries = tarvik::parseDocumentList(longLine + "\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].size(), 119u - 12u);
}

TEST(DocumentList, RewrittenBehindTwelveBlanks) {
    EXPECT_EQ(tarvik::documentListText({"  D1  Abmessungen", "short"}),
              std::string(12, ' ') + "  D1  Abmessungen\n" + std::string(12, ' ') + "short\n");
    // What the geometry editor writes reads back and is written again unchanged.
    EXPECT_EQ(tarvik::documentListText(tarvik::parseDocumentList(kGeometryLine + "\n")),
              kGeometryLine + "\n");
    EXPECT_EQ(tarvik::documentListText({}), "");
}

TEST(DocumentList, DocumentNumbersOfEntries) {
    EXPECT_EQ(tarvik::documentNumber("  D1      Abmessungen"), 1);
    EXPECT_EQ(tarvik::documentNumber("D12   1   Ergebnisse"), 12);
    EXPECT_EQ(tarvik::documentNumber("\tD3"), 3);
    // The letters D inside the run are removed before the number is read.
    EXPECT_EQ(tarvik::documentNumber("D1D2 x"), 12);
    EXPECT_EQ(tarvik::documentNumber("D007"), 7);
    EXPECT_EQ(tarvik::documentNumber("D32767"), 32767);
}

TEST(DocumentList, AnEntryNamingNoDocumentGivesZero) {
    // A damaged line never turns into a path outside the position directory.
    EXPECT_EQ(tarvik::documentNumber("D../../x"), 0);
    EXPECT_EQ(tarvik::documentNumber("../D1"), 0);
    EXPECT_EQ(tarvik::documentNumber("Dateien"), 0);
    EXPECT_EQ(tarvik::documentNumber(""), 0);
    EXPECT_EQ(tarvik::documentNumber("D0"), 0);
    EXPECT_EQ(tarvik::documentNumber("D32768"), 0);
    EXPECT_EQ(tarvik::documentNumber("D99999999999999999999"), 0);
    EXPECT_EQ(tarvik::highestDocumentNumber({"D2 a", "D../../x", "D11 b", "D3"}), 11);
    EXPECT_EQ(tarvik::highestDocumentNumber({"kaputt"}), 0);
}

TEST(DocumentList, LastDocumentIsASigned16BitNumber) {
    EXPECT_TRUE(matchesFixture("lastd_3", tarvik::encodeLastDocument(3)));
    EXPECT_TRUE(matchesFixture("lastd_0", tarvik::encodeLastDocument(0)));
    EXPECT_EQ(tarvik::decodeLastDocument(bytes(testsupport::fixturePath("lastd_3"))), 3);
    EXPECT_EQ(tarvik::decodeLastDocument(bytesOf("\x01")), std::nullopt);
    // Found by fuzzing: a negative number of a damaged file was taken as the last document.
    EXPECT_EQ(tarvik::decodeLastDocument(bytesOf("\x2e\xde")), std::nullopt);
}

TEST(DocumentList, DocumentFilesInEitherForm) {
    testsupport::TempDir dir;
    const std::string d = dir.str();
    ASSERT_TRUE(slab::writeFileAtomic(d + "D1.TXT", "text form"));
    ASSERT_TRUE(slab::writeFileAtomic(d + "D1", "plain form"));
    ASSERT_TRUE(slab::writeFileAtomic(d + "D3", "plain only"));
    using tarvik::DocumentForm;
    EXPECT_EQ(tarvik::findDocument(d, 1, DocumentForm::TextFirst), d + "D1.TXT");
    EXPECT_EQ(tarvik::findDocument(d, 1, DocumentForm::PlainFirst), d + "D1");
    EXPECT_EQ(tarvik::findDocument(d, 3, DocumentForm::TextFirst), d + "D3");
    EXPECT_EQ(tarvik::findDocument(d, 2, DocumentForm::PlainFirst), std::nullopt);
    EXPECT_EQ(tarvik::findDocument(d, 0, DocumentForm::PlainFirst), std::nullopt);
    EXPECT_EQ(tarvik::documentFileName(4, true), "D4.TXT");
}

TEST(DocumentList, TextLinesAcceptBothLineEnds) {
    EXPECT_EQ(tarvik::textLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(tarvik::textLines("a\n"), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(tarvik::textLines("").empty());
}

} // namespace
