// The console front end: messages and status as lines, questions answered from the input.
#pragma once

#include "ui/core/ui.hpp"

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace ui {

/// Line input shared by a program's command loop and its questions.
class LineInput {
  public:
    explicit LineInput(std::istream& in, bool interactive = false)
        : in_(&in), interactive_(interactive) {}
    /// Reads the file descriptor one byte at a time and never past the line it returns, so that
    /// a child started from the console can read the following lines of the same input.
    static LineInput fromDescriptor(int fd, bool interactive = false);
    /// The next line without its line end (a "\r" before "\n" is dropped); nullopt at the end.
    std::optional<std::string> next();
    /// True when the input is a terminal, so that missing dialog fields may be asked for.
    bool interactive() const { return interactive_; }
    bool ended() const { return ended_; }

  private:
    LineInput(int fd, bool interactive) : fd_(fd), interactive_(interactive) {}
    std::optional<std::string> nextFromDescriptor();

    std::istream* in_ = nullptr;
    int fd_ = -1;
    bool interactive_;
    bool ended_ = false;
};

/// Message boxes print "Titel: Text"; a question reads j, n or a from the next input line.
class ConsoleUi : public Ui {
  public:
    ConsoleUi(LineInput& in, std::ostream& out) : in_(in), out_(out) {}
    Answer message(std::string_view title, std::string_view text,
                   Buttons buttons = Buttons::Ok) override;
    void status(std::string_view text) override;
    void setRange(int low, int high) override;
    void setPosition(int position) override;
    void beep() override;

  private:
    LineInput& in_;
    std::ostream& out_;
    int low_ = 0;
    int high_ = 100;
    int lastStep_ = -1;
};

/// The answer a console question takes at the end of input: cancel where offered, else no.
Answer answerAtEndOfInput(Buttons buttons);

} // namespace ui
