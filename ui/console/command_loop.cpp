// The console command loop.
#include "ui/console/command_loop.hpp"

#include "common/text.hpp"
#include "ui/console/arguments.hpp"

namespace ui {

std::string helpText(std::span<const ConsoleCommand> commands) {
    std::string text = "Befehle:\n";
    for (const auto& c : commands) {
        std::string head(c.word);
        if (!c.arguments.empty()) head += " " + std::string(c.arguments);
        text += "  " + head;
        text += std::string(head.size() < 34 ? 34 - head.size() : 1, ' ');
        text += std::string(c.help) + "\n";
    }
    text += "  hilfe                             zeigt diese Liste\n";
    return text;
}

Flow runCommandLoop(std::span<const ConsoleCommand> commands,
                    const std::function<Flow(std::size_t, const CommandCall&)>& run,
                    LineInput& in, std::ostream& out) {
    while (auto line = in.next()) {
        CommandCall call;
        call.words = splitWords(*line);
        if (call.words.empty() || call.words[0][0] == '#') continue;
        call.word = call.words[0];
        call.words.erase(call.words.begin());
        if (call.word == "hilfe") {
            out << helpText(commands);
            continue;
        }
        std::size_t found = commands.size();
        for (std::size_t i = 0; i < commands.size(); ++i)
            if (commands[i].word == call.word) found = i;
        if (found == commands.size()) {
            out << "Unbekannter Befehl \"" << call.word << "\" (hilfe zeigt die Befehle).\n";
            continue;
        }
        const std::size_t at = line->find(call.word);
        call.rest = std::string(slab::trim(std::string_view(*line).substr(at + call.word.size())));
        if (run(found, call) == Flow::Stop) return Flow::Stop;
        out.flush();
    }
    return Flow::Continue;
}

} // namespace ui
