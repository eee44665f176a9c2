// The load editor's window on the offscreen platform: the menus, tool bar and shortcuts, the
// click modes opening their dialogs for the element, edge or node under a world position, the
// arrow keys through the load case list with the save question, the question on leaving, and
// the drawing modes.
#include "common/file_io.hpp"
#include "tests/qt/daskel_window_fixture.hpp"

#include <QButtonGroup>
#include <QMenuBar>
#include <QToolBar>

using daskel::Action;
using daskel::ViewMode;
using daskeltest::fill;
using daskeltest::form;
using daskeltest::shown;
using daskeltest::WindowOnPosition;
using qtui::FormDialog;

TEST(DaskelWindow, MenusToolBarAndShortcuts) {
    WindowOnPosition w;
    EXPECT_EQ(w.caption(), "Position P1  LF NEU");
    std::vector<std::string> menus;
    for (QAction* a : w.window.menuBar()->actions())
        menus.push_back(a->text().toStdString());
    EXPECT_EQ(menus,
              (std::vector<std::string>{"Lastfall", "&Ansicht", "&Gleichlast", "&Elementlasten",
                                        "&Linienlasten", "&Knotenlasten", "&Weitere Lasten",
                                        "Ein&flussfunktionen", "Lasten &löschen"}));
    // The tool bar: new, open, save, copy, print preview, print, the three click modes.
    auto* bar = w.window.findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    std::vector<QAction*> buttons;
    for (QAction* a : bar->actions())
        buttons.push_back(a);
    const Action order[] = {Action::New,         Action::Open,         Action::Save,
                            Action::Copy,        Action::PrintPreview, Action::Print,
                            Action::ElementMode, Action::EdgeMode,     Action::NodeMode};
    ASSERT_EQ(buttons.size(), std::size(order));
    for (std::size_t i = 0; i < std::size(order); ++i) {
        EXPECT_EQ(buttons[i], w.window.action(order[i])) << i;
        EXPECT_FALSE(buttons[i]->icon().isNull()) << i;
    }
    EXPECT_EQ(w.window.action(Action::Copy)->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(w.window.action(Action::ClearLoads)->shortcut(), QKeySequence("Ctrl+L"));
    EXPECT_EQ(w.window.action(Action::NextLoadCase)->shortcut(), QKeySequence(Qt::Key_Up));
    EXPECT_EQ(w.window.action(Action::EdgeMode)->toolTip(),
              "Linienlasten: Linke Maustaste - Rechte Taste = Kontextmenü");
    EXPECT_EQ(w.window.promptText().toStdString(), daskel::kNoPrompt);
    // Console commands have no QAction of the window.
    EXPECT_EQ(w.window.action(Action::ElementClick), nullptr);
}

TEST(DaskelWindow, ClickModesOpenTheirDialogsAtTheClickedPlace) {
    WindowOnPosition w;
    qttest::ModalDialogs dialogs;
    w.window.action(Action::ElementMode)->trigger();
    EXPECT_EQ(w.window.promptText(), "Elementlasten: Auf Element klicken");
    EXPECT_TRUE(w.window.action(Action::ElementMode)->isChecked());
    EXPECT_NE(w.window.drawing()->cursor().shape(), Qt::ArrowCursor);
    // Element 12 is the cell 1..2 × 1..1; its dialog says so and takes the value.
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(shown(d, "Element"), "12");
        EXPECT_EQ(shown(d, "Elementlast"), "0,00");
        fill(d, "Elementlast", "7,5");
        form(d).press(FormDialog::Ok);
    });
    w.click(1.5, 1.5);
    EXPECT_EQ(w.elementLoad(12), 7.5f);
    // The next element's dialog opens with the value entered last; "Löschen" gives 0.
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(shown(d, "Element"), "13");
        EXPECT_EQ(shown(d, "Elementlast"), "7,50");
        form(d).press(FormDialog::Ok);
    });
    w.click(2.5, 1.5);
    EXPECT_EQ(w.elementLoad(13), 7.5f);
    dialogs.then([](QDialog& d) { form(d).press(FormDialog::Second); });
    w.click(1.5, 1.2);
    EXPECT_EQ(w.elementLoad(12), 0.0f);
    // A click into the opening meets no element and opens nothing.
    w.click(4.5, 4.5);
    EXPECT_EQ(dialogs.titles.size(), 3u);
    EXPECT_EQ(dialogs.titles[0], "Elementlast [kN/m2]");

    // The edge mode: near the right edge of element 3 (x 2..3, y 0..1) inside it.
    w.window.action(Action::EdgeMode)->trigger();
    EXPECT_FALSE(w.window.action(Action::ElementMode)->isChecked());
    EXPECT_EQ(w.window.promptText(), "Linienlasten: Linke Maustaste - Rechte Taste = Kontextmenü");
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Kantenlasten");
        EXPECT_EQ(shown(d, "Element"), "3");
        EXPECT_EQ(shown(d, "Kante"), "2");
        fill(d, "Kräfte [kN/m]", "4,5");
        form(d).press(FormDialog::Ok);
    });
    w.click(2.9, 0.5);
    EXPECT_EQ(w.edgeLoad(3, 2), 4.5f);

    // The node mode: node 14 at (2, 1).
    w.window.action(Action::NodeMode)->trigger();
    EXPECT_EQ(w.window.promptText(), "Knotenlasten: Auf Knoten klicken");
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Knotenverformungen und Knotenlasten");
        EXPECT_EQ(shown(d, "Knoten-Nr."), "14");
        EXPECT_EQ(shown(d, "x-Koordinate"), "2,00");
        EXPECT_EQ(shown(d, "y-Koordinate"), "1,00");
        EXPECT_TRUE(form(d).field("x-Koordinate")->isReadOnly());
        fill(d, "P [kN]", "10");
        fill(d, "w [m]", "0,001");
        form(d).press(FormDialog::Ok);
    });
    w.click(2.1, 0.95);
    EXPECT_EQ(w.nodeValue(14, 4), 10.0);
    EXPECT_EQ(w.nodeValue(14, 0), static_cast<double>(0.001f));
    // Opened again and left as shown ("0,00" for the deformation), OK keeps the millimetre.
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(shown(d, "w [m]"), "0,00");
        fill(d, "Mx [kNm]", "2");
        form(d).press(FormDialog::Ok);
    });
    w.click(2, 1);
    EXPECT_EQ(w.nodeValue(14, 0), static_cast<double>(0.001f));
    EXPECT_EQ(w.nodeValue(14, 5), 2.0);
    EXPECT_TRUE(dialogs.done());

    // The active mode's button again leaves the view without a mode.
    w.window.action(Action::NodeMode)->trigger();
    EXPECT_EQ(w.window.view().mode(), ViewMode::None);
    EXPECT_FALSE(w.window.action(Action::NodeMode)->isChecked());
    EXPECT_EQ(w.window.drawing()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(w.window.editor().modified());
}

TEST(DaskelWindow, ArrowKeysStepThroughTheListWithTheSaveQuestion) {
    WindowOnPosition w;
    daskel::LoadEditor& editor = w.window.editor();
    ASSERT_TRUE(editor.save(4, "Vier"));
    editor.setElementLoad(1, 3);
    ASSERT_TRUE(editor.save(2, "Zwei"));
    ASSERT_TRUE(editor.save(7, "Sieben"));
    editor.openLoadCase(4);
    w.window.run(Action::Fit);
    // The list holds 4, 2, 7 in the order of their first save: Up steps forward through it.
    w.key(Qt::Key_Up);
    EXPECT_EQ(w.caption(), "Position P1  LF 2");
    EXPECT_EQ(w.elementLoad(1), 3.0f);
    w.key(Qt::Key_Up);
    EXPECT_EQ(w.caption(), "Position P1  LF 7");
    // Past the last entry it stays on the last.
    w.key(Qt::Key_Up);
    EXPECT_EQ(w.caption(), "Position P1  LF 7");
    EXPECT_EQ(editor.loadCase().number, 7);

    // A change, then Down: "LF speichern?" first, and Yes saves it.
    editor.setTitle("Sieben neu");
    {
        qttest::ModalAnswers yes(QMessageBox::Yes);
        w.key(Qt::Key_Down);
        ASSERT_EQ(yes.texts, (std::vector<std::string>{"LF speichern?"}));
    }
    EXPECT_EQ(w.caption(), "Position P1  LF 2");
    editor.openLoadCase(7);
    EXPECT_EQ(editor.loadCase().title, "Sieben neu");
    // Answered No, the load case is not saved. (Element, edge and node loads reach their load
    // files at once, as ever; the header, title and load echo wait for a save.)
    editor.setTitle("verworfen");
    {
        qttest::ModalAnswers no(QMessageBox::No);
        w.key(Qt::Key_Down);
        EXPECT_EQ(no.texts.size(), 1u);
    }
    EXPECT_EQ(w.caption(), "Position P1  LF 2");
    editor.openLoadCase(7);
    EXPECT_EQ(editor.loadCase().title, "Sieben neu");

    // A listed load case whose header is gone: reset, with the caption that says so.
    std::filesystem::remove(w.dir() + "PL02.P1");
    w.key(Qt::Key_Down);
    EXPECT_EQ(w.caption(), "Position P1  Der LF 2 ist nicht definiert.");
    EXPECT_EQ(w.elementLoad(1), 0.0f);
    // The steps go on from there.
    w.key(Qt::Key_Down);
    EXPECT_EQ(w.caption(), "Position P1  LF 4");
    w.key(Qt::Key_Down);
    EXPECT_EQ(w.caption(), "Position P1  LF 4");
}

TEST(DaskelWindow, LeavingAsksToSaveAndSavesThroughTheDialog) {
    WindowOnPosition w;
    // Unchanged, the window closes without a question.
    {
        WindowOnPosition quiet;
        qttest::ModalAnswers answers(QMessageBox::No);
        EXPECT_TRUE(quiet.window.close());
        EXPECT_TRUE(answers.texts.empty());
    }
    w.window.editor().setElementLoad(5, 2);
    qttest::ModalDialogs dialogs;
    qttest::ModalAnswers yes(QMessageBox::Yes);
    // Cancelling the save dialog keeps the window open.
    dialogs.then([](QDialog& d) { form(d).press(FormDialog::Cancel); });
    EXPECT_FALSE(w.window.close());
    EXPECT_EQ(yes.titles, (std::vector<std::string>{"Speichern ?"}));
    EXPECT_EQ(yes.texts, (std::vector<std::string>{"Sollen die Eingaben gespeichert werden?"}));
    // A new load case has no number: the save dialog asks for it.
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "LF Speichern");
        EXPECT_EQ(shown(d, "Speichern als Lastfall Nummer"), "1");
        fill(d, "Speichern als Lastfall Nummer", "3");
        fill(d, "Titel", "Nutzlast");
        form(d).press(FormDialog::Ok);
    });
    EXPECT_TRUE(w.window.close());
    EXPECT_TRUE(slab::fileExists(w.dir() + "PL03.P1"));
    EXPECT_EQ(w.window.editor().loadCase().title, "Nutzlast");
}

TEST(DaskelWindow, SaveDialogWithOkAndEnd) {
    WindowOnPosition w;
    qttest::ModalDialogs dialogs;
    dialogs.then([](QDialog& d) {
        fill(d, "Speichern als Lastfall Nummer", "x");
        form(d).press(FormDialog::Ok);
    });
    {
        qttest::ModalAnswers ok;
        w.window.action(Action::Save)->trigger();
        ASSERT_EQ(ok.texts.size(), 1u);
        EXPECT_EQ(ok.texts[0], "Speichern als Lastfall Nummer: \"x\" ist keine Zahl; nichts "
                               "wurde gespeichert.");
    }
    EXPECT_FALSE(slab::fileExists(w.dir() + "DIARY.P1"));
    dialogs.then([](QDialog& d) {
        fill(d, "Speichern als Lastfall Nummer", "5");
        form(d).press(FormDialog::Second); // "OK + Ende"
    });
    w.window.action(Action::Save)->trigger();
    EXPECT_TRUE(slab::fileExists(w.dir() + "PL05.P1"));
    EXPECT_FALSE(w.window.isVisible());
}

TEST(DaskelWindow, LoadsDrawnWithTheMouse) {
    WindowOnPosition w;
    qttest::ModalDialogs dialogs;
    // An area clicked clockwise, closed by the right button: its corners are kept
    // counter-clockwise, each on the node it was clicked near.
    w.window.action(Action::DrawArea)->trigger();
    for (auto [x, y] : {std::pair{1.02, 1.0}, {1.0, 3.03}, {3.0, 3.0}, {2.98, 0.99}})
        w.click(x, y);
    EXPECT_EQ(w.window.view().sketch().size(), 4u);
    EXPECT_EQ(w.window.drawing()->sceneShown().all<scene::Marker>().size(), 4u);
    dialogs.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Teilflächenlast");
        fill(d, "p [kN/m2]", "5");
        form(d).press(FormDialog::Ok);
    });
    w.click(2, 2, Qt::RightButton);
    const daskel::LoadCase& lc = w.window.editor().loadCase();
    ASSERT_EQ(lc.nt(), 1);
    const auto& corners = lc.areaLoads[0].corners;
    ASSERT_EQ(corners.size(), 4u);
    EXPECT_EQ(std::pair(corners[0].x, corners[0].y), std::pair(3.0f, 1.0f));
    EXPECT_EQ(std::pair(corners[1].x, corners[1].y), std::pair(3.0f, 3.0f));
    EXPECT_EQ(corners[2].p1, 5.0f);
    EXPECT_TRUE(w.window.view().sketch().empty());

    // A line load by its two ends, off the nodes: to the centimetre.
    w.window.action(Action::DrawLine)->trigger();
    EXPECT_FALSE(w.window.action(Action::DrawArea)->isChecked());
    dialogs.then([](QDialog& d) {
        fill(d, "Anfang", "2");
        fill(d, "Ende", "4");
        form(d).radios("Art")->button(1)->click();
        form(d).press(FormDialog::Ok);
    });
    w.click(6.3, 1.4);
    w.click(8.6, 1.4);
    ASSERT_EQ(lc.nl(), 1);
    // A pixel is about a centimetre here, so the rounded click lies within one of the point.
    for (double v : {lc.lineLoads[0].xa, lc.lineLoads[0].xb, lc.lineLoads[0].ya}) {
        EXPECT_NEAR(v * 100, std::round(v * 100), 1e-3) << v;
    }
    EXPECT_NEAR(lc.lineLoads[0].xa, 6.3, 0.0151);
    EXPECT_NEAR(lc.lineLoads[0].xb, 8.6, 0.0151);
    EXPECT_EQ(lc.lineLoads[0].kind, daskel::LineLoadKind::Moments);
    EXPECT_EQ(lc.lineLoads[0].end, 4.0f);

    // A point load by one click.
    w.window.action(Action::DrawPoint)->trigger();
    dialogs.then([](QDialog& d) {
        fill(d, "Größe", "50");
        form(d).press(FormDialog::Ok);
    });
    w.click(7, 6);
    ASSERT_EQ(lc.np(), 1);
    EXPECT_EQ(std::pair(lc.pointLoads[0].x, lc.pointLoads[0].y), std::pair(7.0f, 6.0f));
    EXPECT_EQ(lc.pointLoads[0].size, 50.0f);

    // Esc drops an area half drawn, then the mode.
    w.window.action(Action::DrawArea)->trigger();
    w.click(1, 5);
    w.key(Qt::Key_Escape);
    EXPECT_TRUE(w.window.view().sketch().empty());
    EXPECT_EQ(w.window.view().mode(), ViewMode::DrawArea);
    w.key(Qt::Key_Escape);
    EXPECT_EQ(w.window.view().mode(), ViewMode::None);
    EXPECT_TRUE(dialogs.done());
    const auto texts = w.window.drawing()->sceneShown().all<scene::Text>();
    auto has = [&](const std::string& t) {
        return std::any_of(texts.begin(), texts.end(), [&](const auto* x) { return x->text == t; });
    };
    EXPECT_TRUE(has("Fläche 1: 5,00 kN/m2"));
    EXPECT_TRUE(has("Linie 1: 2,00 bis 4,00 kNm/m"));
    EXPECT_TRUE(has("Punkt 1: 50,00 kN"));
}
