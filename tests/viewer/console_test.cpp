// The console front end end to end: a script of commands on a computed position, the lines it
// prints, and the pictures and reports it hands to the output.
#include "common/format.hpp"
#include "tests/support/action_table_checks.hpp"
#include "tests/support/golden.hpp"
#include "tests/viewer/viewer_fixtures.hpp"
#include "ui/ergebnisbild/ergebnisbild_console.hpp"
#include "viewer/extrema.hpp"
#include "viewer/result_reader.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using viewerfixtures::Position;

// Records what would be written and builds the pages, so that their content can be checked.
class RecordingOutput : public ergebnisbild::PictureOutput {
  public:
    std::optional<std::string> writePicture(const ergebnisbild::PageMaker& page,
                                            const std::string& path) override {
        paths.push_back(path);
        pages.push_back(page(842, 595));
        return refuse;
    }
    std::optional<std::string> writeReport(const ergebnisbild::PagesMaker& make,
                                           const std::string& path) override {
        paths.push_back(path);
        reportPages = make(842, 595).size();
        return refuse;
    }
    std::vector<std::string> paths;
    std::vector<scene::Scene> pages;
    std::size_t reportPages = 0;
    std::optional<std::string> refuse;
};

struct Run {
    std::string out;
    int status = 0;
};

Run runScript(const std::string& commandLine, const std::string& script, RecordingOutput& output) {
    std::istringstream in(script);
    ui::LineInput input(in);
    std::ostringstream out;
    Run r;
    r.status = ergebnisbild::runConsole(commandLine, input, out, output);
    r.out = out.str();
    return r;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        all.push_back(line);
    return all;
}

class ConsoleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        viewerfixtures::compute(p.dir(), slab::ExampleSlab{}, 2); // 8 m x 6 m, hinged
        results = *viewer::readResults(p.dir(), 2).results;
    }
    Position p;
    viewer::ResultSet results;
    RecordingOutput output;
};

TEST(ErgebnisbildActions, TableIsWellFormed) {
    testsupport::expectWellFormedTable(ergebnisbild::actions(), 25);
    for (viewer::Quantity q : viewer::kQuantities)
        EXPECT_EQ(ergebnisbild::shownQuantity(ergebnisbild::showAction(q)), q);
    EXPECT_FALSE(ergebnisbild::shownQuantity(ergebnisbild::Action::Report));
}

TEST_F(ConsoleTest, ValuesAndExtremesInTheGivenFormats) {
    const auto r = runScript(p.commandLine(2),
                             "extrema\nwert 4 3\ngroesse mxx\nextrema\nwert 2 3\n"
                             "wert 2,5 3,5\nbeenden\n",
                             output);
    EXPECT_EQ(r.status, 0);
    const auto w = *viewer::extremaOf(results, viewer::Quantity::W);
    const auto m = *viewer::extremaOf(results, viewer::Quantity::Mxx);
    const int centre = 3 * 9 + 4 + 1, quarter = 3 * 9 + 2 + 1; // nodes at (4, 3) and (2, 3)
    const std::vector<std::string> expected = {
        "Position P1, Lastfall 2: Durchbiegung w [m]", "Berechnete Lastfälle: 2",
        slab::format("min %.6g bei %.3f %.3f", w.min.value, w.min.at.x, w.min.at.y),
        slab::format("max %.6g bei %.3f %.3f", w.max.value, w.max.at.x, w.max.at.y),
        slab::format("wert %.6g", results.nodeResults[centre][1]),
        "Position P1, Lastfall 2: Biegemoment mxx [kNm/m]", "Berechnete Lastfälle: 2",
        slab::format("min %.6g bei %.3f %.3f", m.min.value, m.min.at.x, m.min.at.y),
        slab::format("max %.6g bei %.3f %.3f", m.max.value, m.max.at.x, m.max.at.y),
        slab::format("wert %.6g", results.nodeResults[quarter][5]),
        // The centre of element 19 holds the centre value the solver wrote.
        slab::format("wert %.6g", results.elementResults[19][0])};
    EXPECT_EQ(lines(r.out), expected);
    // The symmetric slab has its extremes of w and mxx at the centre.
    EXPECT_EQ(lines(r.out)[3].substr(lines(r.out)[3].size() - 15), "bei 4.000 3.000");
    EXPECT_EQ(lines(r.out)[8].substr(lines(r.out)[8].size() - 15), "bei 4.000 3.000");
}

TEST_F(ConsoleTest, ReactionsAtTheirNodes) {
    const auto r = runScript(p.commandLine(), "groesse lager\nwert 0,1 0\nwert 4 3\n", output);
    const auto all = lines(r.out);
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[4], slab::format("wert %.6g", results.reactions[1][0]));
    EXPECT_EQ(all[5], "Ergebnisbild: Am Punkt 4,000 / 3,000 liegt kein gelagerter Knoten. Geben "
                      "Sie den Ort eines Lagers an.");
}

TEST_F(ConsoleTest, WrongCommandsAreNamed) {
    const auto r = runScript(p.commandLine(),
                             "groesse\ngroesse mz\nwert 1\nwert 20 1\nlastfall x\n"
                             "lastfall 5\nansicht schraeg\ngroesse boden\n"
                             "bericht b.png\nbild\n",
                             output);
    const auto all = lines(r.out);
    const std::vector<std::string> expected = {
        "Fehlende Eingabe: Aufruf: groesse NAME",
        "Ergebnisbild: Die Größe \"mz\" gibt es nicht. Möglich sind: w, mxx, myy, mxy, m1, m2, qx, "
        "qy, boden, lager.",
        "Fehlende Eingabe: Aufruf: wert X Y",
        "Ergebnisbild: Der Punkt 20,000 / 1,000 liegt nicht auf der Platte. Geben Sie einen Punkt "
        "der Platte an.",
        "Fehlende Eingabe: Aufruf: lastfall N",
        "Ergebnisbild: Der Lastfall 5 wurde nicht berechnet: die Ergebnisdatei Knoten3LF5 fehlt. "
        "Berechnen Sie den Lastfall 5 mit vintor.",
        "Fehlende Eingabe: Aufruf: ansicht grundriss|perspektive",
        "Ergebnisbild: Die Platte liegt auf keiner Bettung und hat daher keine Bodenpressung. "
        "Wählen Sie eine andere Größe.",
        "Ergebnisbild: Der Bericht wird als PDF geschrieben. Geben Sie eine Datei mit der Endung "
        ".pdf an.",
        "Fehlende Eingabe: Aufruf: bild DATEI"};
    ASSERT_EQ(all.size(), 2 + expected.size());
    EXPECT_EQ(std::vector<std::string>(all.begin() + 2, all.end()), expected);
    EXPECT_TRUE(output.paths.empty());
}

TEST_F(ConsoleTest, PicturesAndTheReport) {
    const auto r =
        runScript(p.commandLine(),
                  "groesse myy\nbild /tmp/ein bild.png\nansicht perspektive\nbild b.svg\n"
                  "bericht bericht.PDF\n",
                  output);
    EXPECT_EQ(output.paths,
              (std::vector<std::string>{"/tmp/ein bild.png", "b.svg", "bericht.PDF"}));
    ASSERT_EQ(output.pages.size(), 2u);
    auto title = [](const scene::Scene& s) { return s.all<scene::Text>().front()->text; };
    EXPECT_EQ(title(output.pages[0]), "Position P1, Lastfall 2: Biegemoment myy [kNm/m]");
    EXPECT_EQ(title(output.pages[1]).rfind("Position P1, Lastfall 2: Verformte Platte", 0), 0u);
    EXPECT_EQ(output.reportPages, 11u);
    EXPECT_NE(r.out.find("Status: Bild geschrieben: /tmp/ein bild.png\n"), std::string::npos);
    EXPECT_NE(r.out.find("Status: Bericht geschrieben: bericht.PDF\n"), std::string::npos);

    output.refuse = "Die Datei x.png kann nicht geschrieben werden.";
    const auto refused = runScript(p.commandLine(), "bild x.png\n", output);
    EXPECT_EQ(lines(refused.out).back(),
              "Ergebnisbild: Die Datei x.png kann nicht geschrieben werden.");
}

TEST_F(ConsoleTest, NothingIsDrawnFromStaleResults) {
    const auto t = std::filesystem::last_write_time(p.dir() + "Elemente3LF2");
    std::filesystem::last_write_time(p.dir() + "ELEMENTE1", t + std::chrono::seconds(2));
    const auto r =
        runScript(p.commandLine(2), "extrema\nwert 1 1\nbild a.png\nbericht a.pdf\n", output);
    const std::string none = "Ergebnisbild: Es sind keine Ergebnisse geladen. Wählen Sie einen "
                             "berechneten Lastfall mit lastfall N.";
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{
                                "Ergebnisbild: Die Ergebnisse von Lastfall 2 sind älter als die "
                                "Datei ELEMENTE1. Berechnen Sie den Lastfall 2 neu.",
                                "Position P1, Lastfall 2: Durchbiegung w [m] (keine Ergebnisse "
                                "geladen)",
                                "Berechnete Lastfälle: 2", none, none, none, none}));
    EXPECT_TRUE(output.paths.empty());
}

TEST(Console, WithoutACommandLine) {
    RecordingOutput output;
    const auto r = runScript("", "", output);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Fehlende Eingabe: Kommandozeile: .POS @Datenpfad/ [@Lastfall]\n");
}

// The program itself, as tarvik starts it: the command line with the load case, a script on
// standard input, and a picture and report written through the window toolkit when built.
TEST_F(ConsoleTest, TheProgramAsStarted) {
    const char* bin = std::getenv("SLAB_BIN");
    if (!bin) GTEST_SKIP() << "the programs' folder is not given (SLAB_BIN)";
    const std::string program = std::string(bin) + "/ergebnisbild";
    const std::string script = p.dataPath() + "script";
    std::ofstream(script) << "groesse mxx\nextrema\nbild " << p.dataPath() << "mxx.png\nbericht "
                          << p.dataPath() << "bericht.pdf\nbeenden\n";
    const std::string out = p.dataPath() + "out";
    const std::string command = "SLAB_OBERFLAECHE=konsole '" + program + "' .P1 @" + p.dataPath() +
                                " @2 < '" + script + "' > '" + out + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto printed = lines(*testsupport::fileBytes(out));
    const auto m = *viewer::extremaOf(results, viewer::Quantity::Mxx);
    ASSERT_EQ(printed.size(), 8u);
    EXPECT_EQ(printed[5],
              slab::format("max %.6g bei %.3f %.3f", m.max.value, m.max.at.x, m.max.at.y));
#ifdef SLAB_WITH_WINDOW
    {
        EXPECT_EQ(testsupport::fileBytes(p.dataPath() + "mxx.png")->substr(1, 3), "PNG");
        EXPECT_EQ(testsupport::fileBytes(p.dataPath() + "bericht.pdf")->substr(0, 5), "%PDF-");
        EXPECT_EQ(printed[6], "Status: Bild geschrieben: " + p.dataPath() + "mxx.png");
    }
#else
    EXPECT_EQ(printed[6], std::string("Ergebnisbild: ") + ergebnisbild::NoPictureOutput::kMessage);
#endif
}

} // namespace
