// The user-interface operations the programs' logic calls; every front end implements them.
#pragma once

#include "ports/choosers.hpp"

#include <string_view>

namespace ports {

/// The button sets of a message box.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };

/// What the user answered.
enum class Answer { Ok, Cancel, Yes, No };

/// A modal message box: title, text and a button set; returns the button chosen.
class MessageBox {
  public:
    virtual ~MessageBox() = default;
    virtual Answer message(std::string_view title, std::string_view text,
                           Buttons buttons = Buttons::Ok) = 0;
};

/// The one-line status text of a program's window.
class StatusLine {
  public:
    virtual ~StatusLine() = default;
    virtual void status(std::string_view text) = 0;
};

/// A progress bar with an integer range.
class ProgressBar {
  public:
    virtual ~ProgressBar() = default;
    virtual void setRange(int low, int high) = 0;
    virtual void setPosition(int position) = 0;
};

/// The default beep of the system.
class Sound {
  public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
};

/// All of the above, as one front end provides them.
class Ui : public MessageBox, public StatusLine, public ProgressBar, public Sound, public Chooser {};

} // namespace ports
