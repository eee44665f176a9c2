// The console commands of the documents, archives, device settings and the overview picture,
// scripted, with the files they write compared byte for byte.
#include "manager/printer_control.hpp"
#include "solver/modelfiles/ttable.hpp"
#include "tests/manager/manager_fixtures.hpp"
#include "tests/support/golden.hpp"
#include "ui/tarvik/tarvik_console.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using managertest::bytes;
using managertest::exists;
using managertest::FakeLauncher;
using managertest::FakePrinter;
using testsupport::matchesFixture;

/// The console's outputs with the recording printer and pictures kept instead of written.
struct FakeOutputs : tarvik::ConsoleOutputs {
    FakePrinter fake;
    std::vector<std::pair<scene::Scene, std::string>> pictures;
    tarvik::DocumentPrinter& printer() override { return fake; }
    scene::AreaSize pictureArea(const std::string&, bool) override { return {1200, 900}; }
    std::optional<std::string> writePicture(const scene::Scene& s, const std::string& path,
                                            bool) override {
        pictures.emplace_back(s, path);
        return std::nullopt;
    }
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::string kPrefix(12, ' ');

/// A working directory with position P1 and its documents D1.TXT and D2.TXT.
struct ConsoleFixture : ::testing::Test {
    testsupport::TempDir work, data;
    FakeLauncher launcher;
    FakeOutputs outputs;
    std::string dir;
    void SetUp() override {
        dir = data.str() + "SDIRFEMP1/";
        managertest::writeModel(dir, 8, 5);
        ASSERT_TRUE(slab::writeFileAtomic(work.str() + "EXT", tarvik::encodeField(".P1")));
        ASSERT_TRUE(slab::writeFileAtomic(work.str() + "DPFAD", tarvik::encodeField(data.str())));
        ASSERT_TRUE(
            slab::writeFileAtomic(dir + "D1.TXT", " Position P1\n Datum: heute\n /x/\n Knoten\n"));
        ASSERT_TRUE(slab::writeFileAtomic(dir + "D2.TXT", "Lastfall 1\n"));
        ASSERT_TRUE(slab::writeFileAtomic(dir + "DATEIEN", kPrefix + "  D1  Abmessungen\n" +
                                                               kPrefix + "  D2  Lastfall 1\n"));
        ASSERT_TRUE(slab::writeFileAtomic(dir + "ECHO_G.P1", "Geometrie\n"));
    }
    std::string run(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        ui::LineInput input(in);
        EXPECT_EQ(tarvik::runConsole(work.str(), input, out, launcher, &outputs), 0);
        return out.str();
    }
};

TEST_F(ConsoleFixture, DocumentListViewAndDelete) {
    launcher.missing = {"DIVUD"};
    const std::string o = run("dokumente\nansehen 2\ndokument-loeschen 2\nj\nansehen 5\n"
                              "dokument-loeschen\n");
    EXPECT_TRUE(contains(o, "Texte der Position P1 (2 Dokumente)\n     " +
                                std::string(tarvik::kDocumentListHeading) +
                                "\n  1    D1  Abmessungen\n  2    D2  Lastfall 1\n"))
        << o;
    EXPECT_TRUE(contains(o, "----- " + dir + "D2.TXT -----\nLastfall 1\n"));
    EXPECT_TRUE(contains(o, " : Soll die Datei gelöscht werden?"));
    EXPECT_TRUE(contains(o, "Texte der Position P1 (1 Dokumente)"));
    EXPECT_FALSE(exists(dir + "D2.TXT"));
    EXPECT_EQ(tarvik::decodeLastDocument(bytes(dir + "LASTD")), 1);
    EXPECT_TRUE(contains(o, "Hinweis: Die Dokumentliste hat keinen Eintrag 5 (sie hat 1).\n"));
    EXPECT_TRUE(contains(o, "Fehlende Eingabe: Aufruf: dokument-loeschen N...\n"));
}

TEST_F(ConsoleFixture, PrintsCountOnWithoutAGapAndTheNumberingFillsTheNextPrint) {
    outputs.fake.linesPerPage = 3;
    const std::string o = run("drucken 2 datei=a.pdf\ndrucken 2 datei=b.pdf\n"
                              "numerierung art=2 seite=5 blatt=3 datum=j\ndrucken 1\n"
                              "drucken 1 datei=x.txt\n");
    ASSERT_EQ(outputs.fake.jobs.size(), 3u);
    EXPECT_EQ(outputs.fake.jobs[0].firstPage, 1);
    EXPECT_EQ(outputs.fake.destinations[0].target, tarvik::PrintTarget::PdfFile);
    EXPECT_EQ(outputs.fake.destinations[0].file, work.str() + "a.pdf");
    EXPECT_TRUE(contains(o, "1 Seiten in die Datei " + work.str() + "a.pdf gedruckt.\n")) << o;
    EXPECT_EQ(outputs.fake.jobs[1].firstPage, 2);
    EXPECT_TRUE(contains(o, "Numerierung: Blatt ___  Seite ___, erste Seite 5, erstes Blatt 3, "
                            "Datum ja; Courier New 10 Punkt, Rand links 20 mm, oben 10 mm\n"));
    EXPECT_EQ(outputs.fake.jobs[2].firstPage, 5);
    EXPECT_EQ(outputs.fake.jobs[2].head.kind, tarvik::NumberingKind::SheetAndPage);
    EXPECT_FALSE(outputs.fake.jobs[2].head.date.empty());
    EXPECT_EQ(outputs.fake.destinations[2].target, tarvik::PrintTarget::DefaultPrinter);
    EXPECT_TRUE(contains(o, "Seiten auf den Standarddrucker gedruckt.\n"));
    EXPECT_TRUE(contains(o, "Fehler: In eine Datei wird als PDF gedruckt"));
}

TEST_F(ConsoleFixture, WithoutTheWindowToolkitAPrintSaysWhy) {
    std::istringstream in("drucken 1\ngrundriss-bild g.png\n");
    std::ostringstream out;
    ui::LineInput input(in);
    tarvik::runConsole(work.str(), input, out, launcher);
    EXPECT_TRUE(contains(out.str(), "Fehler: tarvik ist ohne die Fensteroberfläche (Qt) gebaut"))
        << out.str();
    EXPECT_FALSE(exists(dir + "PAGENR"));
}

TEST_F(ConsoleFixture, PrintIntoAFile) {
    const std::string o = run("in-datei alles.txt 2 1\nin-datei nur\n");
    EXPECT_EQ(slab::readFileText(work.str() + "alles.txt"),
              " Position P1\n Datum: heute\n /x/\n Knoten\n\nLastfall 1\n\n");
    EXPECT_TRUE(contains(o, "Die Dokumente stehen in der Datei alles.txt.\n"));
    EXPECT_TRUE(contains(o, "Fehlende Eingabe: Aufruf: in-datei NAME N...\n"));
}

TEST_F(ConsoleFixture, HeaderLinesWithBlanksInTheirValues) {
    const std::string o = run("kopfzeilen zeile1=Ingenieurbüro Muster zeile2= zahl=2\n"
                              "kopfzeilen zahl=3\n");
    EXPECT_TRUE(matchesFixture("inc1_buero", bytes(work.str() + "INC1")));
    EXPECT_EQ(slab::readFileText(work.str() + "INC2"), "");
    EXPECT_TRUE(matchesFixture("idz_2", bytes(work.str() + "IDZ")));
    EXPECT_TRUE(contains(o, "Kopfzeilen: 2 (1. \"Ingenieurbüro Muster\", 2. \"\")\n"));
    EXPECT_TRUE(contains(o, "Fehler: Die Zahl der Kopfzeilen muss 0, 1 oder 2 sein.\n"));
}

TEST_F(ConsoleFixture, FormHeaderThenFormPrintThroughKalder) {
    const std::string o = run("formular verfasser=Anna Muster programm=Platte 1.0 bauwerk=Wohnhaus "
                              "Ahornweg bauteil=Decke über EG block=B1 vorgang=V7 asb=ASB 12 "
                              "archiv=A-2026-3 datum=06.03.2026 seite=5 font=10\n"
                              "formulardruck 1 2\n");
    EXPECT_TRUE(matchesFixture("fkopf_example", bytes(dir + "FKOPF"))) << o;
    EXPECT_TRUE(matchesFixture("aufsteller1_anna", bytes(work.str() + "AUFSTELLER1")));
    EXPECT_TRUE(matchesFixture("fseite_5", bytes(dir + "FSEITE")));
    EXPECT_TRUE(contains(o, "  Bauteil: Decke über EG\n"));
    EXPECT_TRUE(contains(o, "2 Dokumente an kalder zum Formulardruck übergeben.\n"));
    ASSERT_EQ(launcher.starts.size(), 2u);
    EXPECT_EQ(launcher.starts[1].arguments, (std::vector<std::string>{dir + "D2.TXT", "/p"}));
    // The form filled by "formular" was taken as typed, with its date.
    EXPECT_TRUE(matchesFixture("fkopf_example", bytes(dir + "FKOPF")));
}

TEST_F(ConsoleFixture, FormPrintWithoutKalderPrintsTheFormHeader) {
    launcher.missing = {"kalder"};
    const std::string o = run("formulardruck 1 datei=f.pdf\n");
    ASSERT_EQ(outputs.fake.jobs.size(), 1u);
    EXPECT_TRUE(outputs.fake.jobs[0].head.form);
    EXPECT_TRUE(contains(o, "kalder ist nicht installiert; mit dem Formularkopf gedruckt: 1 "
                            "Seiten in die Datei " +
                                work.str() + "f.pdf gedruckt.\n"))
        << o;
}

TEST_F(ConsoleFixture, StoreAndLoadBackAsAnotherPosition) {
    testsupport::TempDir folder;
    const std::string o = run("sichern " + folder.str() + "\nladen " + folder.str() +
                              "ACADGEO.P1 P2\narchivdateien\narchivdateien 1\n");
    EXPECT_TRUE(contains(o, "Gespeicherte Dateien\n  " + dir + "ECHO_G.P1  --->  " + folder.str() +
                                "ACADGEO.P1\n"))
        << o;
    EXPECT_TRUE(contains(o, "Laden\n  " + folder.str() + "ACADGEO.P1  --->  " + data.str() +
                                "SDIRFEMP2/ACADGEO.P2\n   \n  Anschließend müssen Sie"));
    EXPECT_TRUE(contains(o, "Position: P2   Datenpfad: " + data.str()));
    ASSERT_FALSE(launcher.starts.empty());
    EXPECT_EQ(launcher.starts.back().program, "morvel");
    EXPECT_EQ(launcher.starts.back().arguments[0], ".P2");
    EXPECT_TRUE(
        contains(o, "Acad- und Echo-Dateien (1)\n  1  " + data.str() + "SDIRFEMP2/ACADGEO.P2\n"));
    EXPECT_TRUE(contains(o, "-----\nGeometrie\n"));
    EXPECT_EQ(slab::readTimeTable(data.str() + "SDIRFEMP2/").at(0).text,
              "Platte aus Datei " + folder.str() + "ACADGEO.P1 eingelesen.");
}

TEST_F(ConsoleFixture, EveryDeviceFileWrittenWithItsDefaults) {
    const std::string o = run("plotparameter\nbildschirm\nplotausgabe drucker\nplotter\n"
                              "druckeransteuerung\n");
    const std::string w = work.str();
    EXPECT_TRUE(matchesFixture("pscala_defaults", bytes(w + "PSCALA"))) << o;
    EXPECT_TRUE(matchesFixture("wdev_defaults", bytes(w + "WDEV")));
    EXPECT_TRUE(matchesFixture("pmedium1_printer", bytes(w + "PMEDIUM1")));
    EXPECT_TRUE(matchesFixture("plotinfo_defaults", bytes(w + "PLOTINFO")));
    EXPECT_EQ(bytes(w + "LASINFO"), std::vector<std::uint8_t>(328, 0));
    auto program = tarvik::readConversionProgram(w);
    EXPECT_EQ(program.folder, w);
    program.folder = "/arbeit/";
    EXPECT_TRUE(matchesFixture("pglinfo_program_arbeit", tarvik::encodeConversionProgram(program)));
    EXPECT_TRUE(contains(o, "Parameter der Ploterzeugung: DIN A4, Maßstab 1 : 1, Buchstaben 1,00 "
                            "x 1,00, DXF 0,10, Faktor 1,00, Verkleinerung 1,00, um 90 ° drehen "
                            "(vertikale Schrift), Nur Plotdateien erzeugen (*.PLT)\n"));
    EXPECT_TRUE(contains(o, "Verbindung zum Plotter: COM1, 9600 Baud, 1 Stopbits, 8 Datenbits, "
                            "Parität N\n"));
}

TEST_F(ConsoleFixture, DeviceSettingsAsTyped) {
    const std::string o =
        run("plotparameter papier=3 massstab=50 dxf-hoehe=0,25 breite=1,5 hoehe=2 faktor=1,5 "
            "richtung=0 verkleinerung=0,5 dxf=j\n"
            "plotausgabe plotter\n"
            "druckeransteuerung modus=hardware parameter=/FL /M0.9 /D+W init=#27 + % + 0 + B + ; "
            "reset=#27 + E\n"
            "plotter baud=2400 stopbits=2 datenbits=7 paritaet=Even port=LPT2\n"
            "bildschirm breite=1280 hoehe=1024\n"
            "plotter baud=1000\n"
            "druckeransteuerung reset=#300\n"
            "plotausgabe drucker plotter\n"
            "plotparameter faktor=null\n");
    const std::string w = work.str();
    EXPECT_TRUE(matchesFixture("pscala_a3_1_50", bytes(w + "PSCALA"))) << o;
    EXPECT_TRUE(matchesFixture("pmedium1_plotter", bytes(w + "PMEDIUM1")));
    EXPECT_TRUE(matchesFixture("lasinfo_esc_e", bytes(w + "LASINFO")));
    EXPECT_TRUE(matchesFixture("plotinfo_lpt2", bytes(w + "PLOTINFO")));
    EXPECT_TRUE(matchesFixture("wdev_1280_1024", bytes(w + "WDEV")));
    EXPECT_TRUE(contains(o, "Druckeransteuerung: Hardwaremäßig, Parameter /FL /M0.9 /D+W, Init "
                            "#27 + % + 0 + B + ;, Reset #27 + E\n"));
    EXPECT_TRUE(contains(o, "Verbindung zum Plotter: LPT2\n"));
    EXPECT_TRUE(
        contains(o, "Fehler: Die Baudrate ist 150, 300, 600, 1200, 2400, 4800 oder 9600.\n"));
    EXPECT_TRUE(contains(o, "Fehler: String zum Zurücksetzen: Nach \"#\" steht ein ASCII-Code"));
    EXPECT_TRUE(contains(o, "Fehlende Eingabe: Aufruf: plotausgabe drucker|plotter\n"));
    EXPECT_TRUE(contains(o, "Fehler: \"Faktor\" braucht eine Zahl (nicht \"null\").\n"));
    // What was refused left the files as they were.
    EXPECT_TRUE(matchesFixture("plotinfo_lpt2", bytes(w + "PLOTINFO")));
    EXPECT_TRUE(matchesFixture("lasinfo_esc_e", bytes(w + "LASINFO")));
}

TEST_F(ConsoleFixture, OverviewPictureWithItsScaleFactor) {
    const std::string o = run("plotparameter faktor=2\ngrundriss-bild plan.png\n");
    ASSERT_EQ(outputs.pictures.size(), 1u) << o;
    EXPECT_EQ(outputs.pictures[0].second, work.str() + "plan.png");
    const scene::Scene& s = outputs.pictures[0].first;
    bool width = false, title = false;
    for (const auto* t : s.all<scene::Text>()) {
        if (t->text == "8.00" && t->height == 20) width = true;
        if (t->text == "Bodenplatte Position P1") title = true; // the model has bedding
    }
    EXPECT_TRUE(width);
    EXPECT_TRUE(title);
    EXPECT_TRUE(contains(o, "Bodenplatte Position P1: Grundriß in die Datei " + work.str() +
                                "plan.png geschrieben.\n"));
}

TEST(TarvikConsoleOverview, APositionWithoutModelHasNoPicture) {
    testsupport::TempDir work;
    FakeLauncher launcher;
    FakeOutputs outputs;
    std::istringstream in("grundriss-bild a.png\n");
    std::ostringstream out;
    ui::LineInput input(in);
    tarvik::runConsole(work.str(), input, out, launcher, &outputs);
    EXPECT_TRUE(contains(out.str(), "Achtung: Erst die Abmessungen der Platte eingeben.\n"));
    EXPECT_TRUE(outputs.pictures.empty());
}

} // namespace
