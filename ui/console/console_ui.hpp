// The console front end: messages and status as lines, questions answered from the input.
#pragma once

#include "ports/ports.hpp"
#include "ui/console/line_input.hpp"

#include <optional>
#include <ostream>
#include <string>

namespace ui {

/// Message boxes print "Titel: Text"; a question reads j, n or a from the next input line, a
/// chooser the text of the next line.
class ConsoleUi : public ports::Ui {
  public:
    ConsoleUi(LineInput& in, std::ostream& out) : in_(in), out_(out) {}
    ports::Answer message(std::string_view title, std::string_view text,
                   ports::Buttons buttons = ports::Buttons::Ok) override;
    void status(std::string_view text) override;
    void setRange(int low, int high) override;
    void setPosition(int position) override;
    void beep() override;
    std::optional<std::string> chooseFolder(std::string_view title,
                                            std::string_view start) override;
    std::optional<std::string> chooseFile(std::string_view title, std::string_view directory,
                                          std::string_view pattern) override;
    std::optional<std::string> askText(std::string_view title, std::string_view label,
                                       std::string_view current) override;

  private:
    /// Prints "title: label?" (with "[current]" when there is one) and reads the answer: the
    /// next line without surrounding blanks, current for an empty line, nullopt at the end.
    std::optional<std::string> askLine(std::string_view title, std::string_view label,
                                       std::string_view current);

    LineInput& in_;
    std::ostream& out_;
    int low_ = 0;
    int high_ = 100;
    int lastStep_ = -1;
};

/// The answer a console question takes at the end of input: cancel where offered, else no.
ports::Answer answerAtEndOfInput(ports::Buttons buttons);

} // namespace ui
