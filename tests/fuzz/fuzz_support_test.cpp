// The shared part of the fuzz targets: how an input splits into files, how compact records
// expand, and which texts count as UTF-8.
#include "fuzz/support/fuzz_support.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<std::string> parts(std::string_view input, std::size_t count) {
    const auto bytes = fuzz::bytesOf(input);
    std::vector<std::string> out;
    for (auto p : fuzz::splitParts(bytes.data(), bytes.size(), count))
        out.emplace_back(p);
    return out;
}

} // namespace

TEST(FuzzSupport, InputSplitsIntoFilesAtTheSeparatorLine) {
    EXPECT_EQ(parts("a\n%%%%\nbc\n%%%%\n", 2), (std::vector<std::string>{"a", "bc", ""}));
    EXPECT_EQ(parts("abc", 3), (std::vector<std::string>{"abc", "", ""}));
    EXPECT_EQ(parts("", 1), (std::vector<std::string>{""}));
    // A separator without its line ends is content.
    EXPECT_EQ(parts("x%%%%\ny", 1), (std::vector<std::string>{"x%%%%\ny"}));
}

TEST(FuzzSupport, CompactRecordsExpandWithZeroWorkAreas) {
    // Records of 3 compact bytes (2 head, 1 tail) become 6 bytes; a short tail stays as it is.
    const std::string out = fuzz::expandRecords("ABCdefgh", 3, 2, 6);
    EXPECT_EQ(out, std::string("AB\0\0\0C", 6) + std::string("de\0\0\0f", 6) + "gh");
    EXPECT_EQ(fuzz::expandRecords("", 3, 2, 6), "");
}

TEST(FuzzSupport, Utf8IsCheckedStrictly) {
    EXPECT_TRUE(fuzz::validUtf8("Größe €"));
    EXPECT_TRUE(fuzz::validUtf8("\xf0\x9f\x99\x82"));
    EXPECT_FALSE(fuzz::validUtf8("\xc0\x86"));         // overlong
    EXPECT_FALSE(fuzz::validUtf8("\xed\xa0\x80"));     // surrogate
    EXPECT_FALSE(fuzz::validUtf8("\xf4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(fuzz::validUtf8("a\xc3"));            // cut
    EXPECT_FALSE(fuzz::validUtf8("\x8e"));             // code page 850 "Ä"
}

TEST(FuzzSupport, ScratchFolderIsEmptiedBetweenInputs) {
    const std::string sub = fuzz::scratchSubdirectory("work");
    fuzz::writeFile(sub + "A", "x");
    fuzz::writePart(fuzz::scratchDirectory() + "B", "");
    EXPECT_TRUE(std::filesystem::exists(sub + "A"));
    EXPECT_FALSE(std::filesystem::exists(fuzz::scratchDirectory() + "B")); // empty part: no file
    fuzz::clearScratch();
    EXPECT_TRUE(std::filesystem::is_empty(fuzz::scratchDirectory()));
}
