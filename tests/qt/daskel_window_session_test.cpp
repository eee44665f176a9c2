// The load editor's window on the offscreen platform: a session whose files equal those of the
// same session on the console, the grids, the load case dialogs, the switches kept, pixel probes
// of the plan on the screen and in a picture, the print, and screenshots for a look.
#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "tests/qt/daskel_window_fixture.hpp"
#include "ui/qt/grid_dialog.hpp"
#include "ui/qt/scene_renderer.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

using daskel::Action;
using daskeltest::fill;
using daskeltest::form;
using daskeltest::shown;
using daskeltest::WindowOnPosition;
using qtui::FormDialog;

namespace {

/// Sets a cell of the grid dialog as typing does.
void setCell(QDialog& d, int row, int column, const char* text) {
    auto& grid = dynamic_cast<qtui::GridDialog&>(d);
    QAbstractItemModel* model = grid.view()->model();
    ASSERT_TRUE(model->setData(model->index(row, column), QString::fromUtf8(text), Qt::EditRole));
}

void pressGridButton(QDialog& d, const char* text) {
    for (auto* b : d.findChildren<QPushButton*>())
        if (b->text() == QString::fromUtf8(text)) {
            b->click();
            return;
        }
    ADD_FAILURE() << "no button " << text;
}

/// The colour of the widget's pixel at a world point.
QColor pixelAt(const WindowOnPosition& w, const QImage& image, double x, double y) {
    return QColor(image.pixel(w.at(x, y)));
}

} // namespace

// Open a load case, click an element and enter a load, click an edge, click a node, save: the
// files equal those of the same session on the console.
TEST(DaskelWindowSession, FilesEqualThoseOfTheConsole) {
    WindowOnPosition w;
    qttest::ModalDialogs dialogs;
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Eigengewicht + Verkehrslast");
        EXPECT_EQ(shown(d, "Eigengewicht   [kN/m³]"), "25,00");
        fill(d, "Verkehrslast  [kN/m²]", "2");
        form(d).press(FormDialog::Ok);
    });
    w.window.run(Action::SelfWeight);
    w.window.action(Action::ElementMode)->trigger();
    dialogs.then([](QDialog& d) {
        fill(d, "Elementlast", "12,5");
        form(d).press(FormDialog::Ok);
    });
    w.click(6.5, 2.5);
    w.window.action(Action::EdgeMode)->trigger();
    dialogs.then([](QDialog& d) {
        fill(d, "Kräfte [kN/m]", "3");
        form(d).press(FormDialog::Ok);
    });
    w.click(7.5, 0.05);
    w.window.action(Action::NodeMode)->trigger();
    dialogs.then([](QDialog& d) {
        fill(d, "P [kN]", "25");
        fill(d, "My [kNm]", "-1,5");
        form(d).press(FormDialog::Ok);
    });
    w.click(5, 6);
    dialogs.then([](QDialog& d) {
        fill(d, "Speichern als Lastfall Nummer", "2");
        fill(d, "Titel", "Belag und Einzellast");
        form(d).press(FormDialog::Ok);
    });
    w.window.action(Action::Save)->trigger();
    EXPECT_TRUE(dialogs.done());
    EXPECT_EQ(w.caption(), "Position P1  LF 2");

    testsupport::TempDir data, work;
    std::filesystem::create_directories(data.str() + "SDIRFEMP1/");
    ASSERT_TRUE(gridtest::writeGridModel(gridtest::slabWithOpening(), data.str() + "SDIRFEMP1/"));
    daskeltest::consoleSession(data.str(), work.str(),
                               "gleichlast gamma=25 g=2\nklick-element 6,5 2,5 12,5\n"
                               "klick-kante 7,5 0,05 3\nklick-knoten 5 6 p=25 my=-1,5\n"
                               "speichern nr=2 titel=Belag und Einzellast\n");
    for (const char* file : {"ELEMENTE2LF2", "KNOTEN2LF2", "PL02.P1", "DIARY.P1", "ECHO_L.P1",
                             "D2.TXT", "D2LOG", "DOMAINS.P1"})
        EXPECT_EQ(slab::readFileBytes(w.dir() + file),
                  slab::readFileBytes(data.str() + "SDIRFEMP1/" + file))
            << file;
    EXPECT_EQ(slab::readFileBytes(w.work.str() + "MMRYL.P1"),
              slab::readFileBytes(work.str() + "MMRYL.P1"));
}

TEST(DaskelWindowSession, GridsTakeTheirCellsAndRefuseText) {
    WindowOnPosition w;
    qttest::ModalDialogs dialogs;
    // The element table: row 12 gets 4,25; "abc" is refused with a message and the dialog
    // stays open until the cell is right.
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Elementlasten");
        setCell(d, 11, 1, "4,25");
        setCell(d, 12, 1, "abc");
        qttest::ModalAnswers ok;
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        EXPECT_EQ(ok.texts, (std::vector<std::string>{
                                "Zeile 13, p [kN/m2]: \"abc\" ist keine Zahl; nichts wurde "
                                "geändert."}));
        EXPECT_TRUE(d.isVisible());
        setCell(d, 12, 1, "");
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    w.window.run(Action::ElementTable);
    EXPECT_EQ(w.elementLoad(12), 4.25f);
    EXPECT_EQ(w.elementLoad(13), 0.0f);
    // Written at once for an open load case.
    ASSERT_TRUE(w.window.editor().save(1, ""));
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Linienlasten");
        setCell(d, 0, 3, "6");
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    w.window.run(Action::EdgeTable);
    EXPECT_EQ(w.edgeLoad(1, 3), 6.0f);
    const auto file = slab::readFileBytes(w.dir() + "ELEMENTE2LF1").value();
    EXPECT_EQ(slab::getLE<float>(file.data() + 4 * 4), 6.0f); // edge 3 of element 1
    // "Alle löschen" of the node table writes zeros, and OK stores them.
    w.window.editor().setNodeValues(5,
                                    {std::nullopt, std::nullopt, std::nullopt, std::nullopt, 7.0});
    dialogs.then([](QDialog& d) {
        pressGridButton(d, "Alle löschen");
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    w.window.run(Action::NodeTable);
    EXPECT_EQ(w.nodeValue(5, 4), 0.0);
    // The point loads: a row typed into the empty last row is a new load.
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Punktlasten");
        setCell(d, 0, 0, "2,5");
        setCell(d, 0, 1, "3,5");
        setCell(d, 0, 2, "40");
        setCell(d, 0, 3, "Moment");
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    w.window.run(Action::PointTable);
    const daskel::LoadCase& lc = w.window.editor().loadCase();
    ASSERT_EQ(lc.np(), 1);
    EXPECT_EQ(lc.pointLoads[0].kind, daskel::PointLoadKind::Moment);
    EXPECT_EQ(lc.pointLoads[0].size, 40.0f);
    EXPECT_TRUE(dialogs.done());
}

TEST(DaskelWindowSession, LoadCaseDialogs) {
    WindowOnPosition w;
    daskel::LoadEditor& editor = w.window.editor();
    ASSERT_TRUE(editor.save(1, "Eins"));
    ASSERT_TRUE(editor.save(2, "Zwei"));
    qttest::ModalDialogs dialogs;
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Titel des Lastfalls");
        EXPECT_EQ(shown(d, "Titel"), "Zwei");
        fill(d, "Titel", "Zwei neu");
        form(d).press(FormDialog::Ok);
    });
    w.window.run(Action::Title);
    EXPECT_EQ(editor.loadCase().title, "Zwei neu");
    // Open asks "LF speichern?" for the changed title after the number is chosen.
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "LF-Nummer eingeben");
        EXPECT_EQ(shown(d, "Nummer"), "2");
        fill(d, "Nummer", "1");
        form(d).press(FormDialog::Ok);
    });
    {
        qttest::ModalAnswers no(QMessageBox::No);
        w.window.run(Action::Open);
        EXPECT_EQ(no.texts, (std::vector<std::string>{"LF speichern?"}));
    }
    EXPECT_EQ(w.caption(), "Position P1  LF 1");
    // "Lastfälle": LF 2 ticked and deleted.
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Lastfälle");
        auto* list = d.findChild<QListWidget*>();
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), "LF 2");
        list->item(1)->setCheckState(Qt::Checked);
        form(d).press(FormDialog::Ok);
    });
    w.window.run(Action::Delete);
    EXPECT_EQ(editor.diary().numbers, (std::vector<int>{1}));
    EXPECT_FALSE(slab::fileExists(w.dir() + "PL02.P1"));
    // "Übernahme eines LF": its presets; a missing source changes nothing.
    dialogs.then([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Übernahme eines LF");
        EXPECT_EQ(shown(d, "Position"), "P1");
        EXPECT_EQ(shown(d, "LF"), "1");
        EXPECT_EQ(shown(d, "Datenpfad") + "/", w.data.str());
        EXPECT_FALSE(form(d).check("LF addieren (zur momentanen Eingabe)")->isChecked());
        fill(d, "LF", "9");
        form(d).press(FormDialog::Ok);
    });
    {
        qttest::ModalAnswers ok;
        w.window.run(Action::Copy);
        ASSERT_EQ(ok.titles.size(), 1u);
        EXPECT_EQ(ok.titles[0], "Lastfall nicht vorhanden!");
    }
    EXPECT_TRUE(dialogs.done());
}

TEST(DaskelWindowSession, InfluenceDialogs) {
    WindowOnPosition w;
    qttest::ModalDialogs dialogs;
    qttest::ModalAnswers ok;
    // w at node 14: a unit force there, the influence surface of the deflection.
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Einflussfunktion für einen Knotenpunkt");
        fill(d, "Knoten-Nr.", "14");
        form(d).radios("Größe")->button(5)->click(); // w
        form(d).press(FormDialog::Ok);
    });
    w.window.run(Action::InfluenceAtNode);
    EXPECT_EQ(ok.texts,
              (std::vector<std::string>{"Achtung!  Alle vorhandenen Lasten werden gelöscht!"}));
    EXPECT_NEAR(w.nodeValue(14, 4), 1.0, 1e-12);
    // The element dialog shows a and b; the middle is preset.
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(shown(d, "Elementlänge (a) ="), "1,00");
        EXPECT_TRUE(form(d).check("x auf a/2 setzten")->isChecked());
        fill(d, "Element-Nr.", "1");
        form(d).check("x auf a/2 setzten")->setChecked(false);
        form(d).check("y auf b/2 setzten")->setChecked(false);
        fill(d, "Schnittkoordinate x:", "0");
        fill(d, "Schnittkoordinate y:", "0");
        form(d).radios("Größe")->button(5)->click();
        form(d).press(FormDialog::Ok);
    });
    w.window.run(Action::InfluenceInElement);
    EXPECT_NEAR(w.nodeValue(1, 4), 1.0, 1e-12); // corner 1 of element 1
    EXPECT_NEAR(w.nodeValue(14, 4), 0.0, 1e-12);
    // A section in x-direction is horizontal: only myy, myx, qy, vy can be chosen.
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Einflussfunktion für integrale Größen");
        QButtonGroup* q = form(d).radios("Größe");
        EXPECT_FALSE(q->button(0)->isEnabled()); // mxx
        EXPECT_TRUE(q->button(4)->isChecked());  // myy
        EXPECT_FALSE(form(d).field("Schnittkoordinate x:")->isEnabled());
        form(d).radios("Richtung")->button(1)->click(); // vertical now
        EXPECT_TRUE(q->button(0)->isChecked());
        form(d).radios("Richtung")->button(0)->click();
        fill(d, "von:", "1");
        fill(d, "bis:", "3");
        fill(d, "Schnittkoordinate y:", "0,5");
        form(d).press(FormDialog::Ok);
    });
    w.window.run(Action::InfluenceSectionX);
    double sum = 0;
    for (int n = 1; n <= 30; ++n)
        sum += std::fabs(w.nodeValue(n, 4)) + std::fabs(w.nodeValue(n, 6));
    EXPECT_GT(sum, 0.0);
    EXPECT_TRUE(dialogs.done());
}

TEST(DaskelWindowSession, SwitchesAreKeptAndShown) {
    WindowOnPosition w;
    w.window.action(Action::ElementNumbers)->trigger();
    w.window.action(Action::PrintFrame)->trigger();
    EXPECT_TRUE(w.window.action(Action::ElementNumbers)->isChecked());
    EXPECT_FALSE(w.window.action(Action::PrintFrame)->isChecked());
    const auto texts = w.window.drawing()->sceneShown().all<scene::Text>();
    EXPECT_EQ(texts.size(), 78u + 1u); // the numbers and the title
    const auto memory = slab::readFileBytes(w.work.str() + "MMRYL.P1").value();
    ASSERT_EQ(memory.size(), 144u);
    EXPECT_EQ(memory[56], 2); // node numbers off
    EXPECT_EQ(memory[57], 1); // element numbers on
    EXPECT_EQ(memory[59], 2); // no frame
    EXPECT_EQ(slab::getLE<float>(memory.data() + 48), 25.0f);
    // A new window starts with them.
    daskel::DaskelWindow second;
    ASSERT_TRUE(second.start(".P1 @" + w.data.str(), w.work.str()));
    EXPECT_TRUE(second.action(Action::ElementNumbers)->isChecked());
    EXPECT_FALSE(second.view().printOptions().frame);
}

// A few pixels of the plan on the screen: a loaded element in its shade, an unloaded one white,
// the opening white, and the hatch of an area load.
TEST(DaskelWindowSession, PixelProbesOfThePlan) {
    WindowOnPosition w;
    daskel::LoadEditor& editor = w.window.editor();
    editor.setElementLoad(12, 5);
    ASSERT_TRUE(editor.addAreaLoad({{{6, 5, 2}, {9, 5, 2}, {9, 7.5, 2}, {6, 7.5, 2}}, false}));
    w.window.run(Action::Fit);
    const QImage image = w.window.drawing()->grab().toImage();
    const auto classes = scene::elementLoadClasses(editor.loads(), editor.model().elementCount);
    ASSERT_EQ(classes.size(), 1u);
    const auto c = classes[0].colour;
    EXPECT_EQ(pixelAt(w, image, 1.3, 1.3), QColor(c.r, c.g, c.b));
    EXPECT_EQ(pixelAt(w, image, 2.5, 1.3), QColor(Qt::white));
    EXPECT_EQ(pixelAt(w, image, 4.3, 4.3), QColor(Qt::white));
    // Along a line across the area some pixels carry the hatch's colour.
    int hatch = 0;
    for (double x = 6.2; x < 8.8; x += 0.01) {
        const QColor p = pixelAt(w, image, x, 6.0);
        if (p.red() - p.green() > 60) ++hatch; // crimson, however smoothed into the white
    }
    EXPECT_GT(hatch, 10);
}

// zeichnung of a load case with element loads and an area load: the loaded elements and the
// hatched area are visible in the picture.
TEST(DaskelWindowSession, ConsolePictureShowsTheLoads) {
    testsupport::TempDir data, work;
    std::filesystem::create_directories(data.str() + "SDIRFEMP1/");
    ASSERT_TRUE(gridtest::writeGridModel(gridtest::slabWithOpening(), data.str() + "SDIRFEMP1/"));
    const std::string png = work.str() + "lastplan.png", pdf = work.str() + "lastplan.pdf";
    qtui::QtPictureOutput pictures;
    const std::string out = daskeltest::consoleSession(
        data.str(), work.str(),
        "elementlast 12 5\nelementlast 13 5\nflaechenlast 6 5 2 9 5 2 9 7,5 2 6 7,5 2\n"
        "zeichnung " +
            png + "\ndrucken " + pdf + "\nzeichnung " + work.str() + "x.bmp\n",
        &pictures);
    EXPECT_NE(out.find("Zeichnung geschrieben: " + png), std::string::npos) << out;
    EXPECT_NE(out.find("Gedruckt: " + pdf), std::string::npos);
    EXPECT_NE(out.find("Fehler: "), std::string::npos); // .bmp is no picture format
    const QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.width(), 1600);
    ASSERT_EQ(image.height(), 1200);
    // The picture shows the plan's extents: the slab, room for the title and the legend.
    daskel::SlabModel model = gridtest::gridModel(gridtest::slabWithOpening());
    daskel::LoadTables loads = daskel::emptyLoadTables(model);
    loads.elementLoads[12].v[slab::ElementLoadRecord::kAreaLoad] = 5;
    const daskel::SlabOutline outline = daskel::deriveOutline(model);
    daskel::LoadCase lc;
    const slab::WorldRect bounds = scene::loadPlanExtents({model, lc, loads, outline});
    const auto mapping = qtui::fittedMapping(bounds, {0, 0, 1600, 1200}, 1200 * 0.04);
    auto pixel = [&](double x, double y) {
        const auto d = mapping.toDevice({x, y});
        return QColor(image.pixel(static_cast<int>(d.x), static_cast<int>(d.y)));
    };
    const auto classes = scene::elementLoadClasses(loads, model.elementCount);
    const QColor shade(classes[0].colour.r, classes[0].colour.g, classes[0].colour.b);
    EXPECT_EQ(pixel(1.4, 1.4), shade);
    EXPECT_EQ(pixel(2.6, 1.6), shade);
    EXPECT_EQ(pixel(0.5, 0.5), QColor(Qt::white));
    int hatch = 0;
    for (double x = 6.2; x < 8.8; x += 0.005)
        if (pixel(x, 6.0).red() - pixel(x, 6.0).green() > 60) ++hatch;
    EXPECT_GT(hatch, 20);
    EXPECT_EQ(slab::readFileText(pdf).value_or("").substr(0, 5), "%PDF-");
}

// With SLAB_SCREENSHOTS set to a folder, the window and its dialogs are written there as PNGs
// for a look by eye.
TEST(DaskelWindowSession, ScreenshotsForALook) {
    const char* folder = std::getenv("SLAB_SCREENSHOTS");
    if (!folder) GTEST_SKIP() << "SLAB_SCREENSHOTS names no folder";
    const std::string dir = std::string(folder) + "/";
    WindowOnPosition w;
    w.window.resize(1280, 860);
    daskel::LoadEditor& editor = w.window.editor();
    editor.selfWeight(25, 1.5);
    for (int e : {12, 13, 22, 23})
        editor.setElementLoad(e, 10);
    editor.setEdgeLoad(3, 2, 4.5);
    editor.setNodeValues(40, {std::nullopt, std::nullopt, std::nullopt, std::nullopt, 50.0});
    ASSERT_TRUE(editor.addAreaLoad({{{6, 5, 2}, {9, 5, 3}, {9, 7.5, 3}, {6, 7.5, 2}}, false}));
    ASSERT_TRUE(editor.addLineLoad({1, 6, 3, 7.5, 4, 4, daskel::LineLoadKind::Forces, ""}));
    ASSERT_TRUE(editor.addPointLoad({8, 2, 80, daskel::PointLoadKind::Force, 0, 0, 0.3, ""}));
    ASSERT_TRUE(editor.addEdgeLoad({1, 2, 5, 5, daskel::EdgeLoadKind::Forces, ""}));
    ASSERT_TRUE(editor.save(1, "Eigengewicht, Belag und Einzellasten"));
    w.window.run(Action::Fit);
    w.window.grab().save(QString::fromStdString(dir + "daskel_window.png"));
    w.window.action(Action::ElementNumbers)->trigger();
    w.window.action(Action::NodeNumbers)->trigger();
    w.window.grab().save(QString::fromStdString(dir + "daskel_window_numbers.png"));
    w.window.action(Action::ElementNumbers)->trigger();
    w.window.action(Action::NodeNumbers)->trigger();
    qttest::ModalDialogs dialogs;
    auto snap = [&dir](const char* name) {
        return [&dir, name](QDialog& d) {
            if (dynamic_cast<qtui::FormDialog*>(&d))
                d.adjustSize();
            else if (!dynamic_cast<qtui::GridDialog*>(&d))
                d.resize(1100, 850); // the print preview
            QApplication::processEvents();
            d.grab().save(QString::fromStdString(dir + name));
            d.reject();
        };
    };
    dialogs.then(snap("daskel_elementlast.png"));
    w.window.elementDialog(12);
    dialogs.then(snap("daskel_kantenlasten.png"));
    w.window.edgeDialog(3, 2);
    dialogs.then(snap("daskel_knoten.png"));
    w.window.nodeDialog(40);
    for (auto [action, name] : {std::pair{Action::Save, "daskel_speichern.png"},
                                {Action::Open, "daskel_oeffnen.png"},
                                {Action::SelfWeight, "daskel_gleichlast.png"},
                                {Action::Copy, "daskel_kopieren.png"},
                                {Action::Delete, "daskel_loeschen.png"},
                                {Action::EdgeTable, "daskel_linienlasten.png"},
                                {Action::NodeTable, "daskel_knotenlasten.png"},
                                {Action::AreaTable, "daskel_teilflaechen.png"},
                                {Action::PointTable, "daskel_punktlasten.png"},
                                {Action::BoundaryTable, "daskel_randlasten.png"},
                                {Action::InfluenceInElement, "daskel_einfluss_element.png"},
                                {Action::InfluenceSectionY, "daskel_einfluss_schnitt.png"},
                                {Action::Temperature, "daskel_temperatur.png"},
                                {Action::PrintPreview, "daskel_druckvorschau.png"}}) {
        dialogs.then(snap(name));
        w.window.run(action);
    }
    w.window.action(Action::DrawArea)->trigger();
    for (auto [x, y] : {std::pair{1.0, 3.0}, {3.0, 3.0}, {3.0, 5.0}})
        w.click(x, y);
    w.window.grab().save(QString::fromStdString(dir + "daskel_zeichnen.png"));
}
