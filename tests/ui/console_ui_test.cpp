// The console front end: message lines, questions and their answers, progress, command loop.
#include "ui/console/command_table.hpp"
#include "ui/console/console_ui.hpp"
#include "ui/console/scripted_ui.hpp"

#include <gtest/gtest.h>

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
    for (int i = 2; i <= 10000; ++i) console.setPosition(i);
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

TEST(CommandTable, RunsCommandsAndDerivesHelp) {
    std::vector<std::string> seen;
    const std::vector<Command> commands = {
        {"pfad", "TEXT", "setzt den Pfad",
         [&](const auto&, const std::string& rest) {
             seen.push_back("pfad:" + rest);
             return Flow::Continue;
         }},
        {"ende", "", "beendet", [&](const auto&, const std::string&) { return Flow::Stop; }},
    };
    std::istringstream in("pfad /a b/\n\nunbekannt\nhilfe\nende\npfad nie\n");
    std::ostringstream out;
    LineInput input(in);
    EXPECT_EQ(runCommandLoop(commands, input, out), Flow::Stop);
    EXPECT_EQ(seen, std::vector<std::string>{"pfad:/a b/"});
    EXPECT_NE(out.str().find("Unbekannter Befehl \"unbekannt\""), std::string::npos);
    EXPECT_NE(out.str().find("  pfad TEXT"), std::string::npos);
    EXPECT_NE(out.str().find("  hilfe"), std::string::npos);
}

TEST(CommandTable, DialogFields) {
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
