// The console front end: message lines, questions and their answers, progress, command loop.
#include "ui/console/arguments.hpp"
#include "ui/console/command_loop.hpp"
#include "ui/console/console_ui.hpp"
#include "ui/console/front_end_choice.hpp"
#include "ui/console/scripted_ui.hpp"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <unistd.h>

using namespace ui;
using ports::Answer;
using ports::Buttons;

TEST(ConsoleUi, MessageIsOneLineWithTitle) {
    std::istringstream in;
    std::ostringstream out;
    LineInput input(in);
    ConsoleUi console(input, out);
    EXPECT_EQ(console.message("Fehler", "Text"), Answer::Ok);
    EXPECT_EQ(out.str(), "Fehler: Text\n");
}

TEST(ConsoleUi, QuestionsReadTheNextLine) {
    std::istringstream in("j\nx\nn\na\n");
    std::ostringstream out;
    LineInput input(in);
    ConsoleUi console(input, out);
    EXPECT_EQ(console.message("Speichern ?", "Frage", Buttons::YesNoCancel), Answer::Yes);
    EXPECT_EQ(console.message("Speichern ?", "Frage", Buttons::YesNo), Answer::No); // after "x"
    EXPECT_EQ(console.message("T", "Frage", Buttons::OkCancel), Answer::Cancel);
    EXPECT_NE(out.str().find("(j = Ja, n = Nein)\nBitte mit j oder n antworten.\n"),
              std::string::npos);
}

TEST(ConsoleUi, EndOfInputAnswersCancelWhereOfferedElseNo) {
    std::istringstream in;
    std::ostringstream out;
    LineInput input(in);
    ConsoleUi console(input, out);
    EXPECT_EQ(console.message("T", "F", Buttons::YesNoCancel), Answer::Cancel);
    EXPECT_EQ(console.message("T", "F", Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(console.message("T", "F", Buttons::YesNo), Answer::No);
    EXPECT_TRUE(input.ended());
}

TEST(ConsoleUi, ProgressPrintsAtMostTwentyOneLines) {
    std::istringstream in;
    std::ostringstream out;
    LineInput input(in);
    ConsoleUi console(input, out);
    console.setRange(1, 10000);
    for (int i = 2; i <= 10000; ++i)
        console.setPosition(i);
    const std::string s = out.str();
    EXPECT_LE(std::count(s.begin(), s.end(), '\n'), 21);
    EXPECT_NE(s.find("Fortschritt: 100 %"), std::string::npos);
}

TEST(ConsoleUi, LinesLoseTheirCarriageReturn) {
    std::istringstream in("lf 3\r\n");
    LineInput input(in);
    EXPECT_EQ(input.next().value_or(""), "lf 3");
    EXPECT_FALSE(input.next());
}

namespace {

enum class Demo { Path, Window, End };

constexpr std::array<ActionEntry<Demo>, 3> kDemo = {{
    {.action = Demo::Path, .command = "pfad", .arguments = "TEXT", .help = "setzt den Pfad"},
    // a window's switch without a console word is not a console command
    {.action = Demo::Window, .menu = "&Ansicht", .text = "S&tatusleiste", .checkable = true},
    {.action = Demo::End, .command = "ende", .help = "beendet"},
}};

} // namespace

TEST(CommandLoop, RunsTheActionsOfATableAndDerivesHelp) {
    std::vector<std::string> seen;
    std::istringstream in("pfad   /a b/ \t\n\n# Kommentar\nunbekannt\nhilfe\nende\npfad nie\n");
    std::ostringstream out;
    LineInput input(in);
    auto run = [&](Demo action, const CommandCall& call) {
        switch (action) {
        case Demo::Path:
            seen.push_back("pfad:" + call.rest + ":" + std::to_string(call.words.size()));
            return Flow::Continue;
        case Demo::Window:
            seen.push_back("window");
            return Flow::Continue;
        case Demo::End:
            return Flow::Stop;
        }
        return Flow::Continue;
    };
    EXPECT_EQ(runCommandLoop(std::span<const ActionEntry<Demo>>(kDemo), run, input, out),
              Flow::Stop);
    EXPECT_EQ(seen, std::vector<std::string>{"pfad:/a b/:2"});
    EXPECT_EQ(out.str(), "Unbekannter Befehl \"unbekannt\" (hilfe zeigt die Befehle).\n"
                         "Befehle:\n"
                         "  pfad TEXT                         setzt den Pfad\n"
                         "  ende                              beendet\n"
                         "  hilfe                             zeigt diese Liste\n");
    EXPECT_EQ(input.next().value_or(""), "pfad nie");
    EXPECT_EQ(findCommand(std::span<const ActionEntry<Demo>>(kDemo), "ende")->action, Demo::End);
    EXPECT_EQ(findCommand(std::span<const ActionEntry<Demo>>(kDemo), ""), nullptr);
    EXPECT_EQ(findAction(std::span<const ActionEntry<Demo>>(kDemo), Demo::Window)->text,
              "S&tatusleiste");
}

TEST(ConsoleArguments, NumbersCoordinatesAndTextAfterAKey) {
    EXPECT_EQ(finiteNumber("0,25"), 0.25);
    EXPECT_EQ(finiteNumber("1e400"), std::nullopt);
    EXPECT_EQ(finiteNumber("nan"), std::nullopt);
    EXPECT_EQ(numbers({"1", "2,5"}, 2), (std::vector<double>{1, 2.5}));
    EXPECT_EQ(numbers({"1", "2,5"}, 3), std::nullopt);
    EXPECT_EQ(numbers({"1", "x"}, 2), std::nullopt);
    EXPECT_EQ(textAfterKey("speichern nr=1 titel=Eigengewicht und Belag", "titel"),
              "Eigengewicht und Belag");
    // "untertitel=" is not the key "titel="
    EXPECT_EQ(textAfterKey("x untertitel=a", "titel"), std::nullopt);
    EXPECT_EQ(textAfterKey("titel=", "titel"), "");
}

TEST(ConsoleUi, ChoosersReadTheNextLine) {
    std::istringstream in("  Platte 2  \n\n/daten/\n");
    std::ostringstream out;
    LineInput input(in);
    ConsoleUi console(input, out);
    EXPECT_EQ(console.askText("Speichern", "Position", ""), "Platte 2");
    EXPECT_EQ(console.askText("Titel", "Text", "alt"), "alt");
    EXPECT_EQ(console.chooseFolder("Sichern", "/tmp/"), "/daten/");
    EXPECT_EQ(console.chooseFile("Laden", "/a/", "ACADLAST.*"), std::nullopt);
    EXPECT_EQ(out.str(), "Speichern: Position?\n"
                         "Titel: Text? [alt]\n"
                         "Sichern: Ordner? [/tmp/]\n"
                         "Laden: Datei (ACADLAST.* in /a/)?\n");
}

TEST(ScriptedUi, ChoosersAnswerFromTheScriptElseCancel) {
    ScriptedUi ui;
    ui.chooseNext("P2");
    ui.chooseNext(std::nullopt);
    EXPECT_EQ(ui.askText("Speichern", "Position", ""), "P2");
    EXPECT_EQ(ui.chooseFolder("Sichern", "/"), std::nullopt);
    EXPECT_EQ(ui.chooseFile("Laden", "/", "*.P1"), std::nullopt);
    ASSERT_EQ(ui.asked.size(), 3u);
    EXPECT_EQ(ui.asked[0].label, "Position");
    EXPECT_EQ(ui.asked[2].label, "*.P1");
}

TEST(ConsoleArguments, DialogFields) {
    auto f = parseFields({"nx=10", "dy=0,5", "frei"});
    EXPECT_EQ(f["nx"], "10");
    EXPECT_EQ(f["dy"], "0,5");
    EXPECT_EQ(f[""], "frei");
}

TEST(ScriptedUi, RecordsAndAnswersFromItsScript) {
    ScriptedUi ui;
    ui.answerNext(Answer::No);
    EXPECT_EQ(ui.message("Speichern ?", "Sollen die Änderungen gespeichert werden?",
                         Buttons::YesNoCancel),
              Answer::No);
    EXPECT_EQ(ui.message("T", "ohne Skript", Buttons::YesNoCancel), Answer::Cancel);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].title, "Speichern ?");
    EXPECT_EQ(ui.messages[0].answer, Answer::No);
}

// A child started from a console reads the lines after the one its parent took, so the
// parent must not have read ahead of that line.
TEST(LineInput, DescriptorInputLeavesTheFollowingLinesUnread) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const std::string script = "erste\r\nzweite\ndritte";
    ASSERT_EQ(write(fds[1], script.data(), script.size()), static_cast<ssize_t>(script.size()));
    close(fds[1]);
    {
        auto input = LineInput::fromDescriptor(fds[0]);
        EXPECT_EQ(input.next(), "erste");
    }
    char rest[64] = {};
    ssize_t got = read(fds[0], rest, sizeof rest);
    EXPECT_EQ(std::string(rest, got > 0 ? got : 0), "zweite\ndritte");

    // the last line without its line end is still a line; then the input ends
    int again[2];
    ASSERT_EQ(pipe(again), 0);
    ASSERT_EQ(write(again[1], "x\ny", 3), 3);
    close(again[1]);
    auto input = LineInput::fromDescriptor(again[0]);
    EXPECT_EQ(input.next(), "x");
    EXPECT_EQ(input.next(), "y");
    EXPECT_EQ(input.next(), std::nullopt);
    EXPECT_TRUE(input.ended());
    close(again[0]);
    close(fds[0]);
}

TEST(FrontEndChoice, EnvironmentFirstThenDisplayAndInput) {
    using ui::FrontEnd;
    auto choose = [](bool built, std::string_view choice, bool display, bool piped) {
        return ui::chooseFrontEnd({built, choice, display, piped});
    };
    EXPECT_EQ(choose(true, "konsole", true, false), FrontEnd::Console);
    EXPECT_EQ(choose(true, "fenster", false, true), FrontEnd::Window);
    // A build without windows runs on the console whatever is asked.
    EXPECT_EQ(choose(false, "fenster", true, false), FrontEnd::Console);
    EXPECT_EQ(choose(true, "", true, false), FrontEnd::Window);
    EXPECT_EQ(choose(true, "", false, false), FrontEnd::Console);
    // A script fed on standard input is read on the console.
    EXPECT_EQ(choose(true, "", true, true), FrontEnd::Console);
    EXPECT_EQ(choose(false, "", true, false), FrontEnd::Console);
}
