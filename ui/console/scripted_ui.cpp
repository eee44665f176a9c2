// The scripted test double of the user interface.
#include "ui/console/scripted_ui.hpp"

#include "ui/console/console_ui.hpp"

namespace ui {

ports::Answer ScriptedUi::message(std::string_view title, std::string_view text, ports::Buttons buttons) {
    ports::Answer a = ports::Answer::Ok;
    if (buttons != ports::Buttons::Ok) {
        // An unscripted question is answered as at the end of console input.
        if (script_.empty()) {
            a = answerAtEndOfInput(buttons);
        } else {
            a = script_.front();
            script_.pop_front();
        }
    }
    messages.push_back({std::string(title), std::string(text), buttons, a});
    return a;
}

std::optional<std::string> ScriptedUi::nextChoice(std::string_view title, std::string_view label) {
    asked.push_back({std::string(title), std::string(label)});
    if (choices_.empty()) return std::nullopt;
    auto choice = std::move(choices_.front());
    choices_.pop_front();
    return choice;
}

std::optional<std::string> ScriptedUi::chooseFolder(std::string_view title, std::string_view) {
    return nextChoice(title, "Ordner");
}

std::optional<std::string> ScriptedUi::chooseFile(std::string_view title, std::string_view,
                                                  std::string_view pattern) {
    return nextChoice(title, pattern);
}

std::optional<std::string> ScriptedUi::askText(std::string_view title, std::string_view label,
                                               std::string_view) {
    return nextChoice(title, label);
}

std::vector<std::string> ScriptedUi::texts() const {
    std::vector<std::string> t;
    for (const auto& m : messages) t.push_back(m.text);
    return t;
}

} // namespace ui
