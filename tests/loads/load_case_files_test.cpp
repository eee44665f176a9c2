// The load editor's bookkeeping files byte by byte, and the element and node load rules.
#include "common/binary_io.hpp"
#include "loads/element_loads.hpp"
#include "loads/file_names.hpp"
#include "loads/load_case_files.hpp"
#include "tests/support/golden.hpp"
#include "tests/support/test_support.hpp"

#include <cstring>
#include <tuple>

using namespace daskel;

namespace {

std::string textAt(const std::vector<std::uint8_t>& b, std::size_t offset) {
    return std::string(reinterpret_cast<const char*>(b.data() + offset));
}

// A 2 x 1 mesh: nodes 1-2-3 along y = 0 and 4-5-6 along y = 1, the second element thicker.
SlabModel twoElements() {
    SlabModel m;
    m.nodeCount = 7; // node 7 belongs to no element
    m.elementCount = 2;
    m.nodes.resize(8);
    m.elements.resize(3);
    for (int i = 0; i < 3; ++i) {
        m.nodes[1 + i].x = m.nodes[4 + i].x = i;
        m.nodes[4 + i].y = 1;
    }
    m.elements[1].node = {1, 2, 5, 4};
    m.elements[1].thickness = 0.2;
    m.elements[2].node = {2, 3, 6, 5};
    m.elements[2].thickness = 0.3;
    return m;
}

} // namespace

TEST(LoadCaseFiles, HeaderLayout) {
    LoadCase lc;
    lc.number = 12;
    lc.title = "Verkehr Feld 2";
    lc.selfWeight = lc.uniform = true;
    lc.uniformShape = UniformShape::Constant;
    lc.gamma = 25;
    lc.g = 1.5;
    lc.uniformValue = 6.5;
    lc.temperature = true;
    lc.deltaT = 10;
    lc.alphaT = 1e-5;
    lc.pointLoads.resize(3);
    lc.lineLoads.resize(2);
    lc.edgeLoads.resize(4);
    lc.edgeLoadFlag = true;
    lc.areaLoads.resize(1);
    lc.areaLoads[0].corners.resize(5);
    auto b = encodeHeader(lc);
    ASSERT_EQ(b.size(), 376u);
    EXPECT_TRUE(testsupport::matchesFixture("pl_header_lf12", b));
    EXPECT_EQ(slab::getLE<std::int16_t>(b.data() + 4), 3);
    EXPECT_EQ(slab::getLE<std::int16_t>(b.data() + 10), 1);
    EXPECT_EQ(slab::getLE<std::int16_t>(b.data() + 12), 5);
    EXPECT_EQ(slab::getLE<std::int16_t>(b.data() + 14), 2);
    EXPECT_EQ(slab::getLE<std::int16_t>(b.data() + 16), 12);
    EXPECT_EQ(slab::getLE<std::int16_t>(b.data() + 22), 4);
    EXPECT_EQ(textAt(b, 48), "012");
    EXPECT_EQ(textAt(b, 210), "Verkehr Feld 2");
    EXPECT_EQ(slab::getLE<double>(b.data() + 292), 6.5);
    EXPECT_EQ(slab::getLE<double>(b.data() + 300), 10.0);
    EXPECT_EQ(slab::getLE<double>(b.data() + 308), 1e-5);
    EXPECT_EQ(slab::getLE<double>(b.data() + 316), 25.0);
    EXPECT_EQ(slab::getLE<double>(b.data() + 324), 1.5);
    EXPECT_EQ(b[352], 1);
    EXPECT_EQ(b[354], 0);
    EXPECT_EQ(b[355], 1);
    EXPECT_EQ(b[356], 1);
    EXPECT_EQ(b[358], 1);
    EXPECT_EQ(b[363], 0);
    EXPECT_EQ(b[364], 1);
    // every other byte is reserved and zero
    std::vector<bool> used(376, false);
    for (auto [at, n] : {std::pair{4, 2},
                         {10, 6},
                         {16, 2},
                         {22, 2},
                         {48, 4},
                         {210, 15},
                         {292, 40},
                         {352, 1},
                         {355, 2},
                         {358, 1},
                         {364, 1}})
        for (int k = 0; k < n; ++k)
            used[at + k] = true;
    for (std::size_t k = 0; k < b.size(); ++k) {
        if (!used[k]) {
            EXPECT_EQ(b[k], 0) << "byte " << k;
        }
    }

    auto counts = decodeHeaderCounts(b);
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->number, 12);
    EXPECT_EQ(counts->np, 3);
    EXPECT_EQ(counts->nl, 2);
    EXPECT_EQ(counts->nt, 1);
    EXPECT_EQ(counts->nr, 4);
    EXPECT_TRUE(counts->edgeLoadFlag);
    b.resize(375);
    EXPECT_FALSE(decodeHeaderCounts(b));

    EXPECT_EQ(headerFileName(3, ".P1"), "PL03.P1");
    EXPECT_EQ(headerFileName(12, ".P1"), "PL012.P1");
}

TEST(LoadCaseFiles, DiaryLayoutAndDamage) {
    Diary d;
    d.numbers = {3, 1, 12};
    d.marker[2] = 1;
    auto b = encodeDiary(d);
    ASSERT_EQ(b.size(), 402u);
    EXPECT_TRUE(testsupport::matchesFixture("diary_three_entries", b));
    EXPECT_EQ(slab::getLE<std::int16_t>(b.data()), 3);
    EXPECT_EQ(slab::getLE<std::int16_t>(b.data() + 2), 0); // reserved
    EXPECT_EQ(slab::getLE<std::int16_t>(b.data() + 4), 3);
    EXPECT_EQ(slab::getLE<std::int16_t>(b.data() + 6), 1);
    EXPECT_EQ(slab::getLE<std::int16_t>(b.data() + 8), 12);
    EXPECT_EQ(b[203], 0);
    EXPECT_EQ(b[204], 1);

    std::vector<std::string> problems;
    Diary back = decodeDiary(b, problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(back.numbers, d.numbers);
    EXPECT_EQ(back.entryOf(12), 3);
    EXPECT_EQ(back.entryOf(7), 0);
    EXPECT_EQ(back.marker[2], 1);
    EXPECT_EQ(encodeDiary(back), b);

    // a count beyond 99, a number outside 1..99 and a repeated number are dropped with a reason
    slab::putLE<std::int16_t>(b.data(), 300);
    slab::putLE<std::int16_t>(b.data() + 4 + 2 * 3, 150); // entry 4
    slab::putLE<std::int16_t>(b.data() + 4 + 2 * 4, 3);   // entry 5 repeats LF 3
    back = decodeDiary(b, problems);
    EXPECT_EQ(back.numbers, (std::vector<int>{3, 1, 12}));
    ASSERT_EQ(problems.size(), 3u + 94u); // the count, entries 4 and 5, entries 6..99 hold 0
    EXPECT_EQ(problems[0],
              "Die Liste der Lastfälle nennt 300 Einträge; gelesen werden höchstens 99.");
    EXPECT_EQ(problems[1],
              "Eintrag 4 der Liste der Lastfälle (LF 150) ist ungültig und wurde übergangen.");

    problems.clear();
    back = decodeDiary(std::vector<std::uint8_t>(10, 0), problems);
    EXPECT_EQ(back.count(), 0);
    EXPECT_EQ(problems.at(0), "Die Liste der Lastfälle hat 10 statt 402 Byte.");
}

TEST(LoadCaseFiles, SaveOrderStampLastAndMemory) {
    auto order = encodeSaveOrder({4, 2});
    EXPECT_EQ(order, (std::vector<std::uint8_t>{2, 0, 4, 0, 2, 0}));
    EXPECT_EQ(decodeSaveOrder(order), (std::vector<int>{4, 2}));
    order.pop_back(); // a count beyond the numbers held is cut to them
    EXPECT_EQ(decodeSaveOrder(order), (std::vector<int>{4}));
    EXPECT_TRUE(decodeSaveOrder({}).empty());

    auto stamp = encodeImportStamp(1700000000, 1234);
    ASSERT_EQ(stamp.size(), 36u);
    EXPECT_TRUE(testsupport::matchesFixture("timelw_stamp", stamp));
    EXPECT_EQ(slab::getLE<std::int32_t>(stamp.data() + 24), 1700000000);
    EXPECT_EQ(decodeImportStampTime(stamp), 1700000000);
    stamp.resize(30);
    EXPECT_FALSE(decodeImportStampTime(stamp));

    auto last = encodeLast(7, ".P1", "D2.TXT", "/daten/");
    ASSERT_EQ(last.size(), 4u * 81u);
    EXPECT_TRUE(testsupport::matchesFixture("last_lf7", last));
    EXPECT_EQ(textAt(last, 0), "07");
    EXPECT_EQ(textAt(last, 81), ".P1");
    EXPECT_EQ(textAt(last, 162), "D2.TXT");
    EXPECT_EQ(textAt(last, 243), "/daten/");

    Memory fresh = decodeMemory(std::nullopt);
    EXPECT_EQ(fresh.gamma(), 25.0f);
    EXPECT_EQ(fresh.g(), 1.5f);
    EXPECT_EQ(decodeMemory(std::vector<std::uint8_t>(100, 0)).gamma(), 25.0f); // wrong size
    std::vector<std::uint8_t> image(144, 0x5A);
    Memory m = decodeMemory(image);
    m.setSelfWeight(24.0f, 2.0f);
    EXPECT_EQ(slab::getLE<float>(m.image.data() + 48), 24.0f);
    EXPECT_EQ(slab::getLE<float>(m.image.data() + 52), 2.0f);
    EXPECT_EQ(m.image[0], 0x5A); // the rest is kept as read
    EXPECT_TRUE(testsupport::matchesFixture("mmryl_self_weight", m.image));
}

TEST(ElementLoads, SelfWeightPerElementThickness) {
    SlabModel m = twoElements();
    LoadCase lc;
    LoadTables t = emptyLoadTables(m);
    t.elementLoads[2].v[0] = 9;
    float v = applySelfWeight(lc, t, m, 25, 1.5);
    EXPECT_EQ(v, static_cast<float>(25 * 0.2 + 1.5));
    EXPECT_TRUE(lc.selfWeight && lc.uniform);
    EXPECT_EQ(lc.uniformValue, static_cast<float>(6.5));
    EXPECT_EQ(t.elementLoads[1].v[0], 6.5f);
    EXPECT_EQ(t.elementLoads[2].v[0], static_cast<float>(25 * 0.3 + 1.5)); // its own thickness

    // γ = g = 0 leaves the element loads and clears the uniform flag; "Löschen" zeroes them
    applySelfWeight(lc, t, m, 0, 0);
    EXPECT_FALSE(lc.uniform);
    EXPECT_TRUE(lc.selfWeight);
    EXPECT_EQ(t.elementLoads[1].v[0], 6.5f);
    clearSelfWeight(lc, t, m);
    EXPECT_FALSE(lc.selfWeight || lc.uniform);
    EXPECT_EQ(lc.uniformShape, UniformShape::Unmarked);
    EXPECT_EQ(t.elementLoads[1].v[0], 0.0f);
    EXPECT_EQ(t.elementLoads[2].v[0], 0.0f);
}

TEST(ElementLoads, ClearAllReachesNodesThroughTheElements) {
    SlabModel m = twoElements();
    LoadCase lc;
    lc.uniform = true;
    lc.uniformValue = 3;
    LoadTables t = emptyLoadTables(m);
    t.elementLoads[2].v[slab::ElementLoadRecord::kEdgeLoad + 3] = 4;
    for (int n = 1; n <= 7; ++n)
        setNodeValues(t, n, {0.001, std::nullopt, 2.0, 3.0, 10.0, 1.0, 2.0, 3.0});
    clearAllLoads(lc, t, m);
    EXPECT_FALSE(lc.uniform);
    EXPECT_EQ(lc.uniformValue, 0);
    EXPECT_EQ(t.elementLoads[2].v[slab::ElementLoadRecord::kEdgeLoad + 3], 0.0f);
    for (int n = 1; n <= 6; ++n)
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(nodeValue(t, n, c), 0.0);
    EXPECT_EQ(nodeValue(t, 7, 0), 0.001); // in no element
    EXPECT_EQ(nodeValue(t, 7, 4), 10.0);
}

TEST(ElementLoads, CellsAndChecks) {
    EXPECT_EQ(cellValue("1,25"), 1.25f);
    EXPECT_EQ(cellValue("  "), 0.0f);
    EXPECT_EQ(cellValue(""), 0.0f);
    EXPECT_FALSE(cellValue("abc"));
    EXPECT_EQ(cellText(0.001), "0,00");
    EXPECT_EQ(cellText(-12.345), "-12,35");
    EXPECT_EQ(cellValue(cellText(0.001)), 0.0f); // a value passes its two-decimal display

    SlabModel m = twoElements();
    EXPECT_EQ(elementError(m, 3), "Element 3 gibt es nicht; die Platte hat die Elemente 1 bis 2.");
    EXPECT_FALSE(elementError(m, 2));
    EXPECT_EQ(edgeError(m, 1, 5), "Kante muß zwischen 1 und 4 liegen!");
    EXPECT_EQ(nodeError(m, 0), "Knoten 0 gibt es nicht; die Platte hat die Knoten 1 bis 7.");
    EXPECT_TRUE(nodeError(SlabModel{}, 1));
}

TEST(ElementLoads, LoadFilesRoundTripAndShortFiles) {
    testsupport::TempDir dir;
    SlabModel m = twoElements();
    LoadTables t = emptyLoadTables(m);
    t.elementLoads[1].v[0] = 6.5f;
    t.elementLoads[2].v[slab::ElementLoadRecord::kEdgeLoad + 1] = -2.5f;
    setNodeValues(t, 5, {0.01, 0.0, 0.0, 0.0, 12.0, 0.5, -0.5, 0.25});
    ASSERT_TRUE(writeLoadFiles(dir.str(), 3, m, t).empty());
    EXPECT_EQ(slab::readFileBytes(dir.str() + "KNOTEN2LF3")->size(), 7u * 120u);
    EXPECT_EQ(slab::readFileBytes(dir.str() + "ELEMENTE2LF3")->size(), 2u * 92u);
    EXPECT_TRUE(testsupport::matchesFixture("knoten2lf3_seven_nodes",
                                         *slab::readFileBytes(dir.str() + "KNOTEN2LF3")));
    EXPECT_TRUE(testsupport::matchesFixture("elemente2lf3_two_elements",
                                         *slab::readFileBytes(dir.str() + "ELEMENTE2LF3")));

    std::vector<std::string> problems;
    LoadTables back = readLoadFiles(dir.str(), 3, m, problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(back.elementLoads[1].v, t.elementLoads[1].v);
    EXPECT_EQ(back.elementLoads[2].v, t.elementLoads[2].v);
    EXPECT_EQ(back.nodeLoads[5].v, t.nodeLoads[5].v);

    auto image = *slab::readFileBytes(dir.str() + "ELEMENTE2LF3");
    image.resize(92 + 10);
    ASSERT_TRUE(slab::writeFileAtomic(dir.str() + "ELEMENTE2LF3", image));
    back = readLoadFiles(dir.str(), 3, m, problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0],
              "Die Datei ELEMENTE2LF3 enthält 1 statt 2 Datensätze; die übrigen sind 0.");
    EXPECT_EQ(back.elementLoads[1].v[0], 6.5f);
    EXPECT_EQ(back.elementLoads[2].v[3], 0.0f);
}

// The names other programs and older files expect, formed from the load case number and suffix.
TEST(LoadFileNames, PerLoadCaseAndPositionFiles) {
    EXPECT_EQ(loadCaseText(3), "03");
    EXPECT_EQ(loadCaseText(12), "012");
    EXPECT_EQ(editorLoadCaseFile(files::kMacros, 3, ".P1"), "MACRO03.P1");
    EXPECT_EQ(editorLoadCaseFile(files::kLineComments, 12, ".P1"), "LLTXT012.P1");
    EXPECT_EQ(elementLoadFileName(7), "ELEMENTE2LF7");
    EXPECT_EQ(nodeLoadFileName(12), "KNOTEN2LF12");
    EXPECT_EQ(diaryFileName(".P1"), "DIARY.P1");
    EXPECT_EQ(echoFileName(".P1"), "ECHO_L.P1");
    EXPECT_EQ(archiveFileName(".P1"), "ACADLAST.P1");
    EXPECT_EQ(deleteListFileName(".P1"), "LFDEL.P1");
    EXPECT_EQ(memoryFileName(".P1"), "MMRYL.P1");
}

// The two shape bytes of the header: never both set.
TEST(LoadCaseFiles, HeaderShapeFlags) {
    LoadCase lc;
    lc.number = 1;
    lc.uniform = true;
    const std::tuple<UniformShape, int, int> cases[] = {{UniformShape::Unmarked, 0, 0},
                                                        {UniformShape::Constant, 0, 1},
                                                        {UniformShape::Triangular, 1, 0}};
    for (auto [shape, triangular, constant] : cases) {
        lc.uniformShape = shape;
        auto b = encodeHeader(lc);
        EXPECT_EQ(b[352], 1);
        EXPECT_EQ(b[354], triangular);
        EXPECT_EQ(b[355], constant);
    }
}

// The self-weight dialog sets the uniform flag only: a triangular mark stays under a load,
// goes with a load of zero; a constant mark stays either way.
TEST(ElementLoads, SelfWeightKeepsOrDropsTheShapeMark) {
    SlabModel m = twoElements();
    LoadTables t = emptyLoadTables(m);
    LoadCase lc;
    lc.uniformShape = UniformShape::Triangular;
    applySelfWeight(lc, t, m, 25, 1.5);
    EXPECT_EQ(lc.uniformShape, UniformShape::Triangular);
    applySelfWeight(lc, t, m, 0, 0);
    EXPECT_EQ(lc.uniformShape, UniformShape::Unmarked);
    lc.uniformShape = UniformShape::Constant;
    applySelfWeight(lc, t, m, 0, 0);
    EXPECT_EQ(lc.uniformShape, UniformShape::Constant);
    clearAllLoads(lc, t, m);
    EXPECT_EQ(lc.uniformShape, UniformShape::Constant);
    // the self weight goes with the element loads that carried it
    EXPECT_FALSE(lc.selfWeight);
    EXPECT_EQ(lc.gamma, 0.0);
}

// Found by fuzzing: an overlong UTF-8 form (0xC0 0x86) passed for UTF-8 and came back as a
// title that is no UTF-8; such a title is an old Windows-1252 text and is converted.
TEST(LoadCaseFiles, HeaderTitleOfOverlongBytesIsConverted) {
    LoadCase lc;
    lc.number = 3;
    auto b = encodeHeader(lc);
    const char damaged[] = "sss\xc0\x86";
    std::memcpy(b.data() + 210, damaged, sizeof damaged);
    auto read = decodeHeader(b);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->title, "sss\xc3\x80\xe2\x80\xa0"); // "À" and "†" of Windows-1252
    const char surrogate[] = "x\xed\xa0\x80";
    std::memcpy(b.data() + 210, surrogate, sizeof surrogate);
    EXPECT_EQ(decodeHeader(b)->title, "x\xc3\xad\xc2\xa0\xe2\x82\xac");
    const char umlaut[] = "Gr\xc3\xb6\xc3\x9f"
                          "e";
    std::memcpy(b.data() + 210, umlaut, sizeof umlaut);
    EXPECT_EQ(decodeHeader(b)->title, "Größe");
}
