// The model and load files: byte layouts, round trips with reserved bytes, short files.
#include "solver/modelfiles/model_files.hpp"
#include "solver/modelfiles/ttable.hpp"
#include "tests/support/test_support.hpp"

#include "common/position.hpp"

#include <algorithm>
#include <numeric>

using namespace slab;

namespace {

std::vector<std::uint8_t> patterned(std::size_t n) {
    std::vector<std::uint8_t> b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return b;
}

// Every byte of a record image, reserved bytes included, survives decoding and encoding.
template <class R> void expectByteRoundTrip(std::size_t rows) {
    const auto bytes = patterned(rows * R::kSize);
    RecordTable<R> table(rows + 1);
    ASSERT_EQ(decodeRows(bytes, table, rows), rows);
    EXPECT_EQ(encodeRows(table, rows), bytes);
}

} // namespace

TEST(ModelFiles, RecordSizesMatchTheFiles) {
    EXPECT_EQ(ParameterRecord::kSize, 8u);
    EXPECT_EQ(NodeRecord::kSize, 40u);
    EXPECT_EQ(ElementRecord::kSize, 2372u);
    EXPECT_EQ(SpringRecord::kSize, 40u);
    EXPECT_EQ(BeddingRecord::kSize, 1160u);
    EXPECT_EQ(ElementLoadRecord::kSize, 92u);
    EXPECT_EQ(NodalLoadRecord::kSize, 120u);
}

TEST(ModelFiles, EveryByteSurvivesARoundTrip) {
    expectByteRoundTrip<NodeRecord>(3);
    expectByteRoundTrip<ElementRecord>(2);
    expectByteRoundTrip<SpringRecord>(3);
    expectByteRoundTrip<BeddingRecord>(2);
    expectByteRoundTrip<ElementLoadRecord>(3);
    expectByteRoundTrip<NodalLoadRecord>(3);
}

TEST(ModelFiles, NodeRecordLayout) {
    RecordTable<NodeRecord> nodes(2);
    nodes[1].number = 1;
    nodes[1].x = 2.5;
    nodes[1].y = -1.0;
    nodes[1].code = {1, 0, 1, 0};
    const auto b = encodeRows(nodes, 1);
    ASSERT_EQ(b.size(), 40u);
    EXPECT_EQ(getLE<std::int32_t>(&b[0]), 1);
    EXPECT_EQ(getLE<double>(&b[4]), 2.5);
    EXPECT_EQ(getLE<double>(&b[12]), -1.0);
    EXPECT_EQ(getLE<std::int32_t>(&b[20]), 0);
    EXPECT_EQ(getLE<std::int32_t>(&b[24]), 1);
    EXPECT_EQ(getLE<std::int32_t>(&b[28]), 0);
    EXPECT_EQ(getLE<std::int32_t>(&b[32]), 1);
    EXPECT_EQ(getLE<std::int32_t>(&b[36]), 0);
}

TEST(ModelFiles, ElementRecordLayout) {
    RecordTable<ElementRecord> elements(2);
    ElementRecord& e = elements[1];
    e.number = 1;
    e.node = {1, 2, 5, 4};
    e.e = 30000000.0;
    e.nu = 0.2;
    e.thickness = 0.25;
    e.edgeSupport = {2, 0, 1, 9};
    e.outerEdge = {1, 0, 0, 1};
    const auto b = encodeRows(elements, 1);
    ASSERT_EQ(b.size(), 2372u);
    EXPECT_EQ(getLE<std::int32_t>(&b[8]), 1);
    EXPECT_EQ(getLE<std::int32_t>(&b[12]), 2);
    EXPECT_EQ(getLE<std::int32_t>(&b[16]), 5);
    EXPECT_EQ(getLE<std::int32_t>(&b[20]), 4);
    EXPECT_EQ(getLE<double>(&b[24]), 30000000.0);
    EXPECT_EQ(getLE<double>(&b[32]), 0.2);
    EXPECT_EQ(getLE<double>(&b[40]), 0.25);
    EXPECT_EQ(b[2360], 0);
    EXPECT_EQ(b[2361], 2);
    EXPECT_EQ(b[2364], 9);
    EXPECT_EQ(b[2365], 0);
    EXPECT_EQ(b[2366], 1);
    EXPECT_EQ(b[2369], 1);
    EXPECT_EQ(std::accumulate(b.begin() + 48, b.begin() + 2360, 0), 0);
}

TEST(ModelFiles, LoadRecordLayouts) {
    RecordTable<ElementLoadRecord> loads(2);
    loads[1].v[ElementLoadRecord::kAreaLoad] = 10.0f;
    loads[1].v[ElementLoadRecord::kEdgeLoad + 3] = 4.0f;
    auto b = encodeRows(loads, 1);
    EXPECT_EQ(getLE<float>(&b[0]), 10.0f);
    EXPECT_EQ(getLE<float>(&b[20]), 4.0f); // line load of edge 4

    RecordTable<NodalLoadRecord> nodal(2);
    nodal[1].v[NodalLoadRecord::kPrescribed] = 0.01;
    nodal[1].v[NodalLoadRecord::kLoad + 1] = 3.0;
    nodal[1].v[NodalLoadRecord::kReaction + 3] = -7.0;
    b = encodeRows(nodal, 1);
    EXPECT_EQ(getLE<double>(&b[8]), 0.01);
    EXPECT_EQ(getLE<double>(&b[56]), 3.0);
    EXPECT_EQ(getLE<double>(&b[112]), -7.0);
}

TEST(ModelFiles, ParameterFile) {
    const auto b = encodeParameter({121, 100});
    EXPECT_EQ(b, (std::vector<std::uint8_t>{121, 0, 0, 0, 100, 0, 0, 0}));
    auto p = decodeParameter(b);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->nodeCount, 121);
    EXPECT_EQ(p->elementCount, 100);
    EXPECT_FALSE(decodeParameter({1, 2, 3}));
}

TEST(ModelFiles, ShortFileFillsOnlyTheRowsItHolds) {
    RecordTable<NodeRecord> nodes(4);
    nodes[3].number = 33;
    auto bytes = patterned(2 * NodeRecord::kSize + 17); // two whole records and a piece
    EXPECT_EQ(decodeRows(bytes, nodes, 3), 2u);
    EXPECT_NE(nodes[1].number, 0);
    EXPECT_EQ(nodes[3].number, 33);
}

TEST(ModelFiles, NeverWritesBeyondTheTable) {
    RecordTable<NodeRecord> nodes(3); // rows 1 and 2
    auto bytes = patterned(5 * NodeRecord::kSize);
    EXPECT_EQ(decodeRows(bytes, nodes, 5), 2u);
    EXPECT_EQ(nodes.size(), 3u);
    EXPECT_EQ(encodeRows(nodes, 5).size(), 2 * NodeRecord::kSize);
}

TEST(ModelFiles, FilesRoundTripUnderEitherSpelling) {
    testsupport::TempDir dir;
    RecordTable<SpringRecord> springs(3);
    springs[2].v[SpringRecord::kConstant] = 500.0f;
    springs[2].v[0] = 1.25f; // a reserved value stays as it stands
    ASSERT_TRUE(writeRows(dir.str() + std::string(files::kSprings), springs, 2));
    RecordTable<SpringRecord> back(3);
    auto r = readRows(dir.str() + "Feder1", back, 2);
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.rows, 2u);
    EXPECT_EQ(back[2].v[SpringRecord::kConstant], 500.0f);
    EXPECT_EQ(back[2].v[0], 1.25f);
    EXPECT_FALSE(readRows(dir.str() + "BETTUNG1", back, 2).opened);
    EXPECT_EQ(loadCaseFileName(files::kElementLoads, 0), "ELEMENTE2LF0");
}

// TTABLE: 92-byte records, time as two 32-bit halves, text NUL-terminated at offset 8.
TEST(TimeTable, RecordLayoutAppendAndDamagedTail) {
    testsupport::TempDir dir;
    TimeTableRecord r{0x12345678, "Eingabe LF 3"};
    auto bytes = encodeTimeTableRecord(r);
    ASSERT_EQ(bytes.size(), 92u);
    EXPECT_EQ(bytes[0], 0x78);
    EXPECT_EQ(bytes[3], 0x12);
    EXPECT_EQ(bytes[4], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data() + 8)), "Eingabe LF 3");
    EXPECT_EQ(bytes[8 + 12], 0);

    // a text longer than the field keeps its NUL
    auto longText = encodeTimeTableRecord({1, std::string(100, 'x')});
    EXPECT_EQ(longText[91], 0);
    EXPECT_EQ(decodeTimeTable(longText).at(0).text, std::string(83, 'x'));
    // Found by fuzzing: a damaged record without the closing NUL read 84 characters, one more
    // than any record written holds.
    std::fill(longText.begin() + 8, longText.end(), std::uint8_t{'y'});
    EXPECT_EQ(decodeTimeTable(longText).at(0).text, std::string(83, 'y'));

    EXPECT_TRUE(readTimeTable(dir.str()).empty());
    ASSERT_TRUE(appendTimeTableRecord(dir.str(), r));
    ASSERT_TRUE(appendTimeTableRecord(dir.str(), {1700000000, "Eingabe Abmessungen"}));
    auto table = readTimeTable(dir.str());
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].time, 0x12345678);
    EXPECT_EQ(table[1].text, "Eingabe Abmessungen");

    // an incomplete tail is not read, and an appended record lands on the record grid
    auto image = slab::readFileBytes(dir.str() + "TTABLE").value();
    image.resize(image.size() + 50, 0xAB);
    ASSERT_TRUE(slab::writeFileAtomic(dir.str() + "TTABLE", image));
    EXPECT_EQ(readTimeTable(dir.str()).size(), 2u);
    ASSERT_TRUE(appendTimeTableRecord(dir.str(), {5, "Eingabe LF 4"}));
    EXPECT_EQ(slab::readFileBytes(dir.str() + "TTABLE")->size(), 3u * 92u);
    EXPECT_EQ(readTimeTable(dir.str()).at(2).text, "Eingabe LF 4");
}
