// A test double of the user interface: records every call and answers from a script.
#pragma once

#include "ui/core/ui.hpp"

#include <deque>
#include <string>
#include <vector>

namespace ui {

class ScriptedUi : public Ui {
  public:
    struct Message {
        std::string title;
        std::string text;
        Buttons buttons;
        Answer answer;
    };

    /// Queues the answer to the next question (a box with more than an OK button).
    void answerNext(Answer a) { script_.push_back(a); }

    Answer message(std::string_view title, std::string_view text,
                   Buttons buttons = Buttons::Ok) override;
    void status(std::string_view text) override { statuses.emplace_back(text); }
    void setRange(int low, int high) override {
        rangeLow = low;
        rangeHigh = high;
    }
    void setPosition(int position) override { positions.push_back(position); }
    void beep() override { ++beeps; }

    /// Text of every message shown, in order.
    std::vector<std::string> texts() const;

    std::vector<Message> messages;
    std::vector<std::string> statuses;
    std::vector<int> positions;
    int rangeLow = 0;
    int rangeHigh = 0;
    int beeps = 0;

  private:
    std::deque<Answer> script_;
};

} // namespace ui
