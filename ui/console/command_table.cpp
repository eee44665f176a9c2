// The console command loop derived from a command table.
#include "ui/console/command_table.hpp"

#include <sstream>

namespace ui {

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::map<std::string, std::string> parseFields(const std::vector<std::string>& words) {
    std::map<std::string, std::string> fields;
    for (const auto& w : words) {
        auto eq = w.find('=');
        if (eq == std::string::npos)
            fields[""] += (fields[""].empty() ? "" : " ") + w;
        else
            fields[w.substr(0, eq)] = w.substr(eq + 1);
    }
    return fields;
}

std::string helpText(const std::vector<Command>& commands) {
    std::string text = "Befehle:\n";
    for (const auto& c : commands) {
        std::string head = c.name + (c.arguments.empty() ? "" : " " + c.arguments);
        text += "  " + head;
        text += std::string(head.size() < 34 ? 34 - head.size() : 1, ' ');
        text += c.help + "\n";
    }
    text += "  hilfe                             zeigt diese Liste\n";
    return text;
}

Flow runCommandLoop(const std::vector<Command>& commands, LineInput& in, std::ostream& out) {
    while (auto line = in.next()) {
        auto words = splitWords(*line);
        if (words.empty() || words[0][0] == '#') continue;
        std::string name = words[0];
        words.erase(words.begin());
        if (name == "hilfe") {
            out << helpText(commands);
            continue;
        }
        const Command* found = nullptr;
        for (const auto& c : commands)
            if (c.name == name) found = &c;
        if (!found) {
            out << "Unbekannter Befehl \"" << name << "\" (hilfe zeigt die Befehle).\n";
            continue;
        }
        auto pos = line->find(name);
        std::string rest = line->substr(pos + name.size());
        while (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);
        while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
        if (found->run(words, rest) == Flow::Stop) return Flow::Stop;
        out.flush();
    }
    return Flow::Continue;
}

} // namespace ui
