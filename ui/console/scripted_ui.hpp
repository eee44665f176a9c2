// A test double of the user interface: records every call and answers from a script.
#pragma once

#include "ports/ports.hpp"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class ScriptedUi : public ports::Ui {
  public:
    struct Message {
        std::string title;
        std::string text;
        ports::Buttons buttons;
        ports::Answer answer;
    };

    /// A folder, file or text asked for.
    struct Asked {
        std::string title;
        std::string label;
    };

    /// Queues the answer to the next question (a box with more than an OK button).
    void answerNext(ports::Answer a) { script_.push_back(a); }
    /// Queues the answer to the next chooser; nullopt cancels it.
    void chooseNext(std::optional<std::string> text) { choices_.push_back(std::move(text)); }

    ports::Answer message(std::string_view title, std::string_view text,
                   ports::Buttons buttons = ports::Buttons::Ok) override;
    void status(std::string_view text) override { statuses.emplace_back(text); }
    void setRange(int low, int high) override {
        rangeLow = low;
        rangeHigh = high;
    }
    void setPosition(int position) override { positions.push_back(position); }
    void beep() override { ++beeps; }
    std::optional<std::string> chooseFolder(std::string_view title,
                                            std::string_view start) override;
    std::optional<std::string> chooseFile(std::string_view title, std::string_view directory,
                                          std::string_view pattern) override;
    std::optional<std::string> askText(std::string_view title, std::string_view label,
                                       std::string_view current) override;

    /// Text of every message shown, in order.
    std::vector<std::string> texts() const;

    std::vector<Message> messages;
    std::vector<std::string> statuses;
    std::vector<int> positions;
    std::vector<Asked> asked;
    int rangeLow = 0;
    int rangeHigh = 0;
    int beeps = 0;

  private:
    /// The scripted choice, or cancel when none is left.
    std::optional<std::string> nextChoice(std::string_view title, std::string_view label);

    std::deque<ports::Answer> script_;
    std::deque<std::optional<std::string>> choices_;
};

} // namespace ui
