// The scripted test double of the user interface.
#include "ui/core/scripted_ui.hpp"

#include "ui/core/console_ui.hpp"

namespace ui {

Answer ScriptedUi::message(std::string_view title, std::string_view text, Buttons buttons) {
    Answer a = Answer::Ok;
    if (buttons != Buttons::Ok) {
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

std::vector<std::string> ScriptedUi::texts() const {
    std::vector<std::string> t;
    for (const auto& m : messages) t.push_back(m.text);
    return t;
}

} // namespace ui
