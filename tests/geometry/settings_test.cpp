// Settings files of the working directory: byte layouts, defaults, files of the wrong size.
#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "geometry/settings.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

using namespace morvel;

TEST(Settings, GdUser1LayoutAndRoundTrip) {
    GdUser1 g;
    g.rc = RcFile::Written;
    g.value = 7;
    g.height2 = 3.0f;
    auto bytes = encodeGdUser1(g);
    ASSERT_EQ(bytes.size(), 76u);
    EXPECT_DOUBLE_EQ(slab::getLE<double>(bytes.data()), 0.16);
    EXPECT_DOUBLE_EQ(slab::getLE<double>(bytes.data() + 8), 0.2);
    EXPECT_DOUBLE_EQ(slab::getLE<double>(bytes.data() + 24), 0.16);
    EXPECT_EQ(slab::getLE<std::int16_t>(bytes.data() + 32), 1);
    EXPECT_EQ(slab::getLE<std::int16_t>(bytes.data() + 34), 7);
    EXPECT_FLOAT_EQ(slab::getLE<float>(bytes.data() + 36), 1e24f);
    EXPECT_FLOAT_EQ(slab::getLE<float>(bytes.data() + 40), 3e7f);
    EXPECT_FLOAT_EQ(slab::getLE<float>(bytes.data() + 44), 6e6f);
    EXPECT_EQ(slab::getLE<std::int16_t>(bytes.data() + 48), 2);
    EXPECT_FLOAT_EQ(slab::getLE<float>(bytes.data() + 50), 2.75f);
    EXPECT_FLOAT_EQ(slab::getLE<float>(bytes.data() + 54), 0.24f);
    EXPECT_FLOAT_EQ(slab::getLE<float>(bytes.data() + 68), 3.0f);
    GdUser1 back = decodeGdUser1(bytes);
    EXPECT_EQ(back.rc, RcFile::Written);
    EXPECT_EQ(back.value, 7);
    // The reader reads the first 66 bytes only; the second block keeps its default.
    EXPECT_FLOAT_EQ(back.height2, 2.75f);
    bytes.resize(66);
    EXPECT_EQ(decodeGdUser1(bytes).rc, RcFile::Written);
}

TEST(Settings, WrongSizesAndMissingFilesGiveDefaults) {
    std::vector<std::uint8_t> odd(50, 0xff);
    EXPECT_EQ(decodeGdUser1(odd).rc, RcFile::Removed);
    EXPECT_EQ(decodeGdUser1(odd).value, 25);
    EXPECT_FLOAT_EQ(decodeSnap(odd).radius, 0.05f);
    EXPECT_EQ(decodeSnap(odd).snapping, Snapping::On);
    EXPECT_FLOAT_EQ(decodeMemory(odd).wallHeight, 2.75f);
    EXPECT_EQ(decodeMemory(odd).printFrame, Switch::On);
    testsupport::TempDir dir;
    Settings s;
    s.margin = 1.0;
    readStartSettings(dir.str(), s);
    EXPECT_DOUBLE_EQ(s.margin, 0.05);
    EXPECT_FLOAT_EQ(s.snap.radius, 0.05f);
    EXPECT_FLOAT_EQ(s.memory.moduli[0], 1e24f);
    EXPECT_EQ(readGdUser1(dir.str()).value, 25);
}

TEST(Settings, FilesAreRead) {
    testsupport::TempDir dir;
    SnapSettings snap{0.1f, Snapping::Off};
    MemorySettings mem;
    mem.wallThickness = 0.3f;
    mem.nodeNumbers = Switch::On;
    ASSERT_TRUE(slab::writeFileAtomic(dir.str() + "fangen", encodeSnap(snap)));
    ASSERT_TRUE(slab::writeFileAtomic(dir.str() + "MORVELMEM5", encodeMemory(mem)));
    ASSERT_TRUE(slab::writeFileAtomic(dir.str() + "FMARGIN", std::string("0,02\n")));
    GdUser1 g;
    g.rc = RcFile::Written;
    ASSERT_TRUE(writeGdUser1(dir.str(), g));
    Settings s;
    readStartSettings(dir.str(), s);
    EXPECT_DOUBLE_EQ(s.margin, 0.02);
    EXPECT_FLOAT_EQ(s.snap.radius, 0.1f);
    EXPECT_EQ(s.snap.snapping, Snapping::Off);
    EXPECT_FLOAT_EQ(s.memory.wallThickness, 0.3f);
    EXPECT_EQ(s.memory.nodeNumbers, Switch::On);
    EXPECT_EQ(readGdUser1(dir.str()).rc, RcFile::Written);
    EXPECT_DOUBLE_EQ(parseMargin("keine Zahl"), 0.05);
    EXPECT_DOUBLE_EQ(parseMargin("-1"), 0.05);
    EXPECT_DOUBLE_EQ(parseMargin("  0.1 0.3"), 0.1);
}

TEST(Settings, CodesOutsideTheirEnumsAreKeptAsRead) {
    GdUser1 g;
    auto bytes = encodeGdUser1(g);
    slab::putLE<std::int16_t>(bytes.data() + 32, 2); // an RC flag that is neither 0 nor 1
    slab::putLE<std::int16_t>(bytes.data() + 48, 7); // a material code of another input mode
    const GdUser1 read = decodeGdUser1(bytes);
    EXPECT_NE(read.rc, RcFile::Written);
    EXPECT_NE(read.rc, RcFile::Removed);
    const auto again = encodeGdUser1(read);
    EXPECT_EQ(std::vector<std::uint8_t>(again.begin(), again.begin() + 66),
              std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 66));
    EXPECT_EQ(slab::getLE<std::int16_t>(again.data() + 32), 2);
    EXPECT_EQ(slab::getLE<std::int16_t>(again.data() + 48), 7);

    std::vector<std::uint8_t> memory = encodeMemory(MemorySettings{});
    memory[22] = 5; // node numbering switch
    EXPECT_EQ(encodeMemory(decodeMemory(memory)), memory);
    EXPECT_NE(decodeMemory(memory).nodeNumbers, Switch::On);
}
