// The geometry file: card rules, field filtering, the clean-up of surplus tokens, the writer's
// lines, round trips, and every kind of damaged file refused with its message.
#include "geometry/geometry_file.hpp"
#include "geometry/mesh_generator.hpp"
#include "ui/console/scripted_ui.hpp"

#include <gtest/gtest.h>

using namespace morvel;

namespace {

const char* kTwoElements = "PARAMETER\n"
                           "6 2\n"
                           "KNOTEN\n"
                           "1  0.000  0.000\n"
                           "2  1.000  0.000\n"
                           "3  1.000  1.000\n"
                           "4  0.000  1.000\n"
                           "5  2.000  0.000\n"
                           "6  2.000  1.000\n"
                           "ELEMENTE\n"
                           "1  1  2  3  4 3.000E+07  0.16 0.200\n"
                           "2  2  5  6  3 3.000E+07  0.16 0.200\n"
                           "LAGERE\n"
                           "h  n  n  c n  c  n\n"
                           "h  f  n  n n  c  c\n"
                           "MASTER\n"
                           "1.000  1.000  2 1 3.000E+07 0.16 0.20\n";

std::string refused(const std::string& text) {
    Model m;
    auto error = readGeometryText(text, m);
    return error.value_or("");
}

} // namespace

TEST(GeometryFile, ReadsSectionsAndRebuildsEdgeLines) {
    Model m;
    ASSERT_FALSE(readGeometryText(kTwoElements, m));
    EXPECT_EQ(m.nodeCount, 6);
    EXPECT_EQ(m.elementCount, 2);
    EXPECT_DOUBLE_EQ(m.nodes[5].x, 2.0);
    EXPECT_EQ(m.elements[2].node, (std::array<std::int32_t, 4>{2, 5, 6, 3}));
    EXPECT_DOUBLE_EQ(m.elements[1].nu, static_cast<double>(0.16f));
    EXPECT_EQ(m.elements[1].edgeSupport, (std::array<std::uint8_t, 4>{2, 0, 0, 1}));
    EXPECT_EQ(m.elements[2].edgeSupport[1], 3);
    EXPECT_EQ(m.master.nx, 2);
    EXPECT_EQ(m.lines.size(), 7u);
    // The outer flags are recomputed whatever the file carried.
    EXPECT_EQ(m.elements[1].outerEdge, (std::array<std::uint8_t, 4>{1, 0, 1, 1}));
    EXPECT_EQ(m.elements[2].outerEdge, (std::array<std::uint8_t, 4>{1, 1, 1, 0}));
}

TEST(GeometryFile, WriterLinesAndRoundTrip) {
    Model m;
    ASSERT_FALSE(readGeometryText(kTwoElements, m));
    const std::string text = geometryText(m);
    EXPECT_NE(text.find("PARAMETER\n6 2\nKNOTEN\n1  0.000  0.000\n"), std::string::npos);
    EXPECT_NE(text.find("ELEMENTE\n1  1  2  3  4 3.000E+07  0.16 0.200\n"), std::string::npos);
    EXPECT_NE(text.find("LAGERE\nh  n  n  c n  c  n\n"), std::string::npos);
    EXPECT_NE(text.find("MASTER\n1.000  1.000  2 1 3.000E+07 0.16 0.20\n"), std::string::npos);
    Model again;
    ASSERT_FALSE(readGeometryText(text, again));
    EXPECT_EQ(geometryText(again), text);
}

TEST(GeometryFile, CommentsBlanksCommasAndLabels) {
    std::string text = kTwoElements;
    text = "; Kommentar vorweg\n" + text;
    text.replace(text.find("2  1.000  0.000"), 15, "2   x= 1,000    y= 0.000");
    text.replace(text.find("6 2\n"), 4, "6    -2\n");
    Model m, plain;
    ASSERT_FALSE(readGeometryText(text, m)) << refused(text);
    ASSERT_FALSE(readGeometryText(kTwoElements, plain));
    EXPECT_EQ(geometryText(m), geometryText(plain));
}

TEST(GeometryFile, FieldFilterAndCleanup) {
    EXPECT_EQ(filterField("-12a", FieldType::Integer), "12");
    EXPECT_EQ(filterField("1,5m", FieldType::Real), "1.5");
    EXPECT_EQ(filterField("3,0E+07", FieldType::RealExponent), "3.0E+07");
    EXPECT_EQ(filterField("h!", FieldType::Letter), "h");
    const std::vector<FieldType> node = {FieldType::Integer, FieldType::Real, FieldType::Real};
    EXPECT_EQ(cleanTokens({"1", "x", "2.0", "y", "3.0"}, node),
              (std::vector<std::string>{"1", "2.0", "3.0"}));
    // Surplus tokens that are all non-numeric at no numeric position: the clean-up still ends.
    EXPECT_EQ(cleanTokens({"1", "2", "3", "a", "b", "c"}, node).size(), 6u);
    EXPECT_EQ(cleanTokens({"q", "r", "s", "t"}, node), (std::vector<std::string>{"r", "s", "t"}));
}

TEST(GeometryFile, DamagedFilesAreRefusedWithMessages) {
    std::string t = kTwoElements;
    EXPECT_EQ(refused(std::string(t).replace(t.find("6 2"), 3, "3001 2")),
              "3001 Knoten sind mehr als die höchstens 3000 Knoten.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("6 2"), 3, "6 3001")),
              "3001 Elemente sind mehr als die höchstens 3000 Elemente.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("6 2"), 3, "6 99999")),
              "Zeile 2 (PARAMETER): \"99999\" ist kein gültiger Wert.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("2  5  6  3"), 10, "2  5  7  3")),
              "Zeile 12 (ELEMENTE): Knoten 7 liegt nicht zwischen 1 und 6.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("2  5  6  3"), 10, "2  5  0  3")),
              "Zeile 12 (ELEMENTE): Knoten 0 liegt nicht zwischen 1 und 6.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("5  2.000"), 8, "5  abc")),
              "Zeile 8 (KNOTEN): \"abc\" ist kein gültiger Wert.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("5  2.000"), 8, "5  1.2.3")),
              "Zeile 8 (KNOTEN): \"1.2.3\" ist kein gültiger Wert.");
    // Found by fuzzing: raw bytes of a damaged card went into the message as they were.
    EXPECT_EQ(refused(std::string(t).replace(t.find("5  2.000"), 8, "5  PA\xff\x1b[J\xa0")),
              "Zeile 8 (KNOTEN): \"PA??[J?\" ist kein gültiger Wert.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("5  2.000"), 8, "5  Größe")),
              "Zeile 8 (KNOTEN): \"Größe\" ist kein gültiger Wert.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("5  2.000  0.000"), 15, "5  2.0")),
              "Zeile 8 (KNOTEN): 3 Werte erwartet, 2 gefunden.");
    EXPECT_EQ(refused(t.substr(0, t.find("LAGERE"))), "Der Abschnitt LAGERE fehlt.");
    EXPECT_EQ(refused(t.substr(0, t.find("h  f"))), "Der Abschnitt MASTER fehlt.");
    EXPECT_EQ(refused(t.substr(0, t.find("6  2.000"))), "Der Abschnitt ELEMENTE fehlt.");
    EXPECT_EQ(refused(std::string(t).erase(t.find("6  2.000"), 16)),
              "Der Abschnitt KNOTEN ist unvollständig: 5 von 6 Karten.");
    EXPECT_EQ(refused(std::string(t).erase(t.find("h  f"), 19)),
              "Der Abschnitt LAGERE ist unvollständig: 1 von 2 Karten.");
    EXPECT_EQ(refused(""), "Der Abschnitt PARAMETER fehlt.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("2 1 3.000"), 3, "200 1")),
              "MASTER: nx = 200 und ny = 1, höchstens 199 sind möglich.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("1  1  2  3  4 3.000E+07"), 23,
                                             "1  1  2  3  4 3.0E+99")),
              "Zeile 11 (ELEMENTE): \"3.0E+99\" ist kein gültiger Wert.");
    EXPECT_EQ(refused("PARAMETER\n" + std::string(200, '1') + "\n"),
              "Zeile 2 ist länger als 127 Zeichen.");
    std::string many;
    for (int i = 0; i < 9001; ++i)
        many += "\n";
    EXPECT_EQ(refused(many), "Die Datei hat mehr als 9000 Karten.");
    std::string binary(300, '\0');
    binary[5] = '\xff';
    EXPECT_FALSE(refused(binary).empty());
}

// Record k of the model files describes node or element k, and the solver computes every element
// as a rectangle whose corners run counter-clockwise from the lower left: a file that breaks
// either is refused with the card that does, and no model file comes of it.
TEST(GeometryFile, NumbersOutOfOrderAndCornersThatAreNoRectangleAreRefused) {
    const std::string t = kTwoElements;
    EXPECT_EQ(refused(std::string(t).replace(t.find("5  2.000  0.000"), 1, "4")),
              "Zeile 8 (KNOTEN): der Knoten hat die Nummer 4, erwartet wird 5.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("6  2.000  1.000"), 1, "7")),
              "Zeile 9 (KNOTEN): der Knoten hat die Nummer 7, erwartet wird 6.");
    EXPECT_EQ(refused(std::string(t).replace(t.find("2  2  5  6  3"), 1, "1")),
              "Zeile 12 (ELEMENTE): das Element hat die Nummer 1, erwartet wird 2.");
    const char* noRectangle = "Zeile 12 (ELEMENTE): die Eckknoten des Elements 2 bilden kein "
                              "Rechteck, das von links unten gegen den Uhrzeigersinn umlaufen "
                              "wird.";
    // Clockwise, started at another corner, two equal corners, and a corner moved off the grid.
    EXPECT_EQ(refused(std::string(t).replace(t.find("2  2  5  6  3"), 13, "2  2  3  6  5")),
              noRectangle);
    EXPECT_EQ(refused(std::string(t).replace(t.find("2  2  5  6  3"), 13, "2  5  6  3  2")),
              noRectangle);
    EXPECT_EQ(refused(std::string(t).replace(t.find("2  2  5  6  3"), 13, "2  2  5  5  3")),
              noRectangle);
    EXPECT_EQ(refused(std::string(t).replace(t.find("6  2.000  1.000"), 15, "6  2.500  1.000")),
              noRectangle);
    // Within the join distance of 0.01 m a corner still counts as on the rectangle.
    EXPECT_EQ(refused(std::string(t).replace(t.find("6  2.000  1.000"), 15, "6  2.005  1.000")),
              "");
}

TEST(GeometryFile, LongCommentsAndCrLfAreAccepted) {
    std::string t = std::string(";") + std::string(300, '-') + "\n" + kTwoElements;
    std::string crlf;
    for (char c : t)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Model m;
    EXPECT_FALSE(readGeometryText(crlf, m));
    EXPECT_EQ(m.elementCount, 2);
}

TEST(GeometryFile, GeneratedMeshRoundTrip) {
    Model m;
    slab::WorldRect extents;
    double margin = 0.05;
    ui::ScriptedUi ui;
    ASSERT_TRUE(
        generateMesh(m, {10, 10, 1.0, 1.0, 3e7, 0.16, 0.2}, margin, extents, "/nonexistent/", ui));
    Model again;
    ASSERT_FALSE(readGeometryText(geometryText(m), again));
    EXPECT_EQ(again.nodeCount, 121);
    EXPECT_EQ(again.elementCount, 100);
    EXPECT_EQ(geometryText(again), geometryText(m));
}

TEST(GeometryFile, SupportCodesAsLettersBytesAndLabels) {
    const std::string letters = "nchfrta";
    const std::vector<std::uint8_t> bytes = {0, 1, 2, 3, 7, 8, 9};
    const std::vector<std::string> labels = {"", "E", "G", "F", "DF", "SF", "D&SF"};
    for (std::size_t i = 0; i < kEdgeSupports.size(); ++i) {
        const EdgeSupport code = kEdgeSupports[i];
        EXPECT_EQ(edgeSupportLetter(code), letters[i]);
        EXPECT_EQ(edgeSupportFromLetter(letters[i]), code);
        EXPECT_EQ(edgeSupportByte(code), bytes[i]);
        EXPECT_EQ(edgeSupportFromByte(bytes[i]), code);
        EXPECT_EQ(edgeSupportLabel(code), labels[i]);
    }
    EXPECT_FALSE(edgeSupportFromLetter('x'));
    EXPECT_FALSE(edgeSupportFromLetter('C'));
    EXPECT_FALSE(edgeSupportFromByte(4));
    // An element edge holding a byte that is no code reads as no support.
    slab::ElementRecord el;
    el.edgeSupport = {9, 4, 0, 2};
    EXPECT_EQ(edgeSupportOf(el, 1), EdgeSupport::BothSprings);
    EXPECT_EQ(edgeSupportOf(el, 2), EdgeSupport::None);
    setEdgeSupport(el, 3, EdgeSupport::RotationalSpring);
    EXPECT_EQ(el.edgeSupport, (std::array<std::uint8_t, 4>{9, 4, 7, 2}));
}

TEST(GeometryFile, UnknownSupportLettersLeaveTheBytes) {
    std::string t = kTwoElements;
    t.replace(t.find("h  f  n  n n  c  c"), 18, "x  f  n  n n  q  c");
    Model m;
    ASSERT_FALSE(readGeometryText(t, m));
    // The byte of an unknown letter keeps what it had: 0 in a fresh model.
    EXPECT_EQ(m.elements[2].edgeSupport, (std::array<std::uint8_t, 4>{0, 3, 0, 0}));
}
