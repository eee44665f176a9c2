// The load editor's console and its load plan: pictures and prints handed to the picture output
// with their size and switches, the display switches, zoom, and the steps weiter and zurueck
// through the load case list with the save question.
#include "common/file_io.hpp"
#include "tests/loads/grid_positions.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

/// Records what the console hands over instead of writing files.
struct RecordedPictures : scene::PictureOutput {
    struct Call {
        std::string kind, path;
        scene::Scene scene;
        scene::PictureOptions options;
    };
    std::vector<Call> calls;
    std::optional<std::string> writePicture(const scene::Scene& s, const std::string& path,
                                            const scene::PictureOptions& o) override {
        calls.push_back({"picture", path, s, o});
        return std::nullopt;
    }
    std::optional<std::string> printToPdf(const scene::Scene& s, const std::string& path,
                                          const scene::PictureOptions& o) override {
        calls.push_back({"print", path, s, o});
        if (path.size() < 4 || path.substr(path.size() - 4) != ".pdf")
            return std::string("Gedruckt wird in eine Datei mit der Endung .pdf.");
        return std::nullopt;
    }
};

std::string run(const gridtest::DataPath& p, const std::string& script,
                scene::PictureOutput* pictures) {
    std::istringstream in(script);
    std::ostringstream out;
    ui::LineInput input(in);
    EXPECT_EQ(daskel::runConsole(".P1 @" + p.data.str(), p.work.str(), input, out, pictures), 0);
    return out.str();
}

bool contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

bool hasText(const scene::Scene& s, const std::string& text) {
    const auto texts = s.all<scene::Text>();
    return std::any_of(texts.begin(), texts.end(), [&](const auto* t) { return t->text == text; });
}

} // namespace

TEST(DaskelConsolePlan, PicturesAndPrintsOfThePlan) {
    gridtest::DataPath p;
    p.position("P1");
    RecordedPictures pictures;
    const std::string out =
        run(p,
            "gleichlast gamma=25 g=1,5\nspeichern nr=3 titel=Eigengewicht\n"
            "zeichnung plan.png breite=800 hoehe=500\nknotennummern\nelementnummern\n"
            "hochquer\nrahmen\ndrucken plan.pdf\ndrucken plan.png\n",
            &pictures);
    EXPECT_TRUE(contains(out, "Zeichnung geschrieben: plan.png\n")) << out;
    EXPECT_TRUE(contains(out, "Numerierung Knoten: an\nNumerierung Elemente: an\n"));
    EXPECT_TRUE(contains(out, "Automatische Wahl von Hoch- u. Querformat beim Drucken: aus\n"));
    EXPECT_TRUE(contains(out, "Rahmen um Zeichnung beim Drucken: aus\n"));
    EXPECT_TRUE(contains(out, "Gedruckt: plan.pdf\n"));
    EXPECT_TRUE(contains(out, "Fehler: Gedruckt wird in eine Datei mit der Endung .pdf.\n"));
    ASSERT_EQ(pictures.calls.size(), 3u);
    const auto& picture = pictures.calls[0];
    EXPECT_EQ(picture.kind, "picture");
    EXPECT_EQ(picture.options.width, 800);
    EXPECT_EQ(picture.options.height, 500);
    EXPECT_TRUE(hasText(picture.scene, "BELASTUNG IM LF 3"));
    EXPECT_TRUE(hasText(picture.scene, "Gleichlast p = 6,50 kN/m2"));
    EXPECT_FALSE(hasText(picture.scene, "78")); // no numbers yet
    // The print: the plan with the numbers and the two switches as they were set.
    const auto& print = pictures.calls[1];
    EXPECT_EQ(print.kind, "print");
    EXPECT_TRUE(hasText(print.scene, "78"));
    EXPECT_FALSE(print.options.landscapeWhenWide);
    EXPECT_FALSE(print.options.frame);
    // The switches are kept for the next start.
    const auto memory = slab::readFileBytes(p.work.str() + "MMRYL.P1").value();
    EXPECT_EQ((std::vector<std::uint8_t>(memory.begin() + 56, memory.begin() + 60)),
              (std::vector<std::uint8_t>{1, 1, 2, 2}));
}

TEST(DaskelConsolePlan, WrongCallsAndABuildWithoutWindows) {
    gridtest::DataPath p;
    p.position("P1");
    RecordedPictures pictures;
    std::string out = run(p,
                          "zeichnung\nzeichnung a.png b.png\nzeichnung a.png breite=x\n"
                          "zeichnung a.png tiefe=3\ndrucken\nzoom 1 2 3\nzoom 1 2 x 4\n",
                          &pictures);
    EXPECT_TRUE(pictures.calls.empty());
    const std::string picture = "Fehlende Eingabe: Aufruf: zeichnung DATEI [breite= hoehe=]\n";
    std::size_t count = 0;
    for (auto at = out.find(picture); at != std::string::npos; at = out.find(picture, at + 1))
        ++count;
    EXPECT_EQ(count, 4u) << out;
    EXPECT_TRUE(contains(out, "Fehlende Eingabe: Aufruf: drucken DATEI.pdf\n"));
    EXPECT_TRUE(contains(out, "Fehlende Eingabe: Aufruf: zoom X1 Y1 X2 Y2\n"));
    out = run(p, "zeichnung a.png\ndrucken a.pdf\n", nullptr);
    EXPECT_TRUE(contains(out, "Hinweis: Zeichnungen schreibt nur ein Programm mit Fenstern "
                              "(gebaut mit SLAB_GUI).\n"));
}

TEST(DaskelConsolePlan, ZoomShowsItsWindow) {
    gridtest::DataPath p;
    p.position("P1");
    RecordedPictures pictures;
    const std::string out = run(p,
                                "zoom 6 4 2 1\nzeichnung a.png\nverkleinern\nzeichnung b.png\n"
                                "zoom 3 1 3 5\nanpassen\nzeichnung c.png\n",
                                &pictures);
    ASSERT_EQ(pictures.calls.size(), 3u);
    EXPECT_EQ(pictures.calls[0].scene.bounds, (slab::WorldRect{2, 1, 6, 4}));
    EXPECT_EQ(pictures.calls[1].scene.bounds, (slab::WorldRect{-2, -1.5f, 10, 6.5f}));
    EXPECT_TRUE(contains(out, "Bereichs-Fehler in DefineWorld: x1 = 3.00")) << out;
    EXPECT_NEAR(pictures.calls[2].scene.bounds.x2, 10.3, 1e-5);
}

TEST(DaskelConsolePlan, WeiterAndZurueckStepThroughTheList) {
    gridtest::DataPath p;
    p.position("P1");
    std::string out = run(p, "weiter\n", nullptr);
    EXPECT_TRUE(contains(out, "Es ist noch kein Lastfall gespeichert.\n")) << out;
    run(p,
        "titel Vier\nspeichern nr=4\ntitel Zwei\nspeichern nr=2\ntitel Sieben\n"
        "speichern nr=7\n",
        nullptr);
    // The editor starts on the first entry, 4; weiter goes to 2 and 7, then stays.
    out = run(p, "weiter\nzeige\nweiter\nweiter\nzeige\nzurueck\nzeige\n", nullptr);
    EXPECT_TRUE(contains(out, "Status: Position P1  LF 2\nPosition P1  LF 2\nTitel: Zwei\n"))
        << out;
    EXPECT_TRUE(contains(out, "Status: Position P1  LF 7\nKein weiterer Lastfall in der Liste.\n"
                              "Position P1  LF 7\n"));
    EXPECT_TRUE(contains(out, "Status: Position P1  LF 2\nPosition P1  LF 2\nTitel: Zwei\n"));
    // A change first asks "LF speichern?"; j saves it under its number.
    out = run(p, "titel Vier geändert\nweiter\nj\nzurueck\nzeige\n", nullptr);
    EXPECT_TRUE(contains(out, "Frage: LF speichern?")) << out;
    EXPECT_TRUE(contains(out, "Titel: Vier geändert\n"));
    // zurueck before the first entry stays there.
    EXPECT_TRUE(contains(run(p, "zurueck\n", nullptr), "Kein weiterer Lastfall in der Liste.\n"));
}
