// The load control read from a report the solver wrote, and the notes when it cannot be shown.
#include "common/file_io.hpp"
#include "tests/viewer/viewer_fixtures.hpp"
#include "viewer/load_control.hpp"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

const std::string kReportHead = "\n\n\n--- Grundinformation ---\n\n"
                                "Anzahl der Knoten:\t\t63\n"
                                "Anzahl der Elemente:\t\t48\n"
                                "Berechneter Lastfall (Nr.):\t3\n"
                                "\n\n\n--- Globale Lastkontrolle ---\n\n"
                                "Summe der Vertikalkräfte (LF p):\t480.00\n"
                                "Summe der äquiv. Knotenkräfte (FEM):\t479.99\n"
                                "Summe der äquiv. Lagerkräfte (FEM):\t-480.00\n"
                                "Gleichgewicht des Lastfalls ph (=0!):\t-0.05\n"
                                "\n\n  ''Das globale Gleichgewicht ist erfüllt!'' \n";

TEST(LoadControl, ReadsTheHeadOfTheReport) {
    const auto c = viewer::parseLoadControl(kReportHead);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->nodeCount, 63);
    EXPECT_EQ(c->elementCount, 48);
    EXPECT_EQ(c->loadCase, 3);
    EXPECT_EQ(c->p, 480.0);
    EXPECT_EQ(c->sn, 479.99);
    EXPECT_EQ(c->ss, -480.0);
    EXPECT_EQ(c->ph, -0.05);
    EXPECT_TRUE(c->balanced);
}

TEST(LoadControl, AcceptsCarriageReturnsAndTheNegativeVerdict) {
    std::string text = kReportHead;
    const std::string yes = "ist erfüllt";
    text.replace(text.find(yes), yes.size(), "ist NICHT erfüllt");
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const auto c = viewer::parseLoadControl(crlf);
    ASSERT_TRUE(c);
    EXPECT_FALSE(c->balanced);
    EXPECT_EQ(c->ph, -0.05);
}

TEST(LoadControl, RefusesAReportWithoutItsControl) {
    std::string text = kReportHead;
    EXPECT_FALSE(viewer::parseLoadControl(text.substr(0, text.find("Summe der äquiv. Lager"))));
    text.replace(text.find("479.99"), 6, "x");
    EXPECT_FALSE(viewer::parseLoadControl(text));
    EXPECT_FALSE(viewer::parseLoadControl(""));
}

class ReportOfARun : public ::testing::Test {
  protected:
    void SetUp() override { viewerfixtures::compute(p.dir(), slab::ExampleSlab{}, 1); }
    viewerfixtures::Position p;
};

TEST_F(ReportOfARun, ReadsTheSolversReport) {
    const auto out = viewer::readLoadControl(p.dir(), 1);
    ASSERT_TRUE(out.control) << out.note;
    EXPECT_EQ(out.control->nodeCount, 63);
    EXPECT_EQ(out.control->elementCount, 48);
    EXPECT_EQ(out.control->p, 480.0); // 8 m x 6 m x 10 kN/m²
    EXPECT_TRUE(out.control->balanced);
}

TEST_F(ReportOfARun, NotesWhyItCannotBeShown) {
    EXPECT_EQ(viewer::readLoadControl(p.dir(), 2).note,
              "Der Bericht OUTPUTFEM.txt gehört zum Lastfall 1. Berechnen Sie den Lastfall 2 neu, "
              "um seine Lastkontrolle zu sehen.");
    const auto t = fs::last_write_time(p.dir() + "OUTPUTFEM.txt");
    fs::last_write_time(p.dir() + "BETTUNG1", t + std::chrono::seconds(5));
    EXPECT_EQ(viewer::readLoadControl(p.dir(), 1).note,
              "Der Bericht OUTPUTFEM.txt ist älter als die Datei BETTUNG1. Berechnen Sie den "
              "Lastfall 1 neu, um seine Lastkontrolle zu sehen.");
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "OUTPUTFEM.txt", std::string("\n\n\n--- Grund")));
    EXPECT_EQ(viewer::readLoadControl(p.dir(), 1).note,
              "Der Bericht OUTPUTFEM.txt ist unvollständig: die Lastkontrolle fehlt. Berechnen Sie "
              "den Lastfall 1 neu, um seine Lastkontrolle zu sehen.");
    fs::remove(p.dir() + "OUTPUTFEM.txt");
    EXPECT_EQ(viewer::readLoadControl(p.dir(), 1).note,
              "Der Bericht OUTPUTFEM.txt fehlt. Berechnen Sie den Lastfall 1 neu, um seine "
              "Lastkontrolle zu sehen.");
}

} // namespace
