// The console front end of the user-interface operations.
#include "ui/console/console_ui.hpp"

#include "common/format.hpp"
#include "common/text.hpp"

#include <string>

namespace ui {

namespace {

// A progress bar prints at most this many updates per range.
constexpr int kProgressSteps = 20;

} // namespace

ports::Answer answerAtEndOfInput(ports::Buttons buttons) {
    switch (buttons) {
    case ports::Buttons::Ok:
        return ports::Answer::Ok;
    case ports::Buttons::OkCancel:
    case ports::Buttons::YesNoCancel:
        return ports::Answer::Cancel;
    case ports::Buttons::YesNo:
        return ports::Answer::No;
    }
    return ports::Answer::Cancel;
}

ports::Answer ConsoleUi::message(std::string_view title, std::string_view text, ports::Buttons buttons) {
    out_ << title << ": " << text << '\n';
    if (buttons == ports::Buttons::Ok) {
        out_.flush();
        return ports::Answer::Ok;
    }
    const char* choices = buttons == ports::Buttons::OkCancel ? "(j = OK, a = Abbrechen)"
                          : buttons == ports::Buttons::YesNo  ? "(j = Ja, n = Nein)"
                                                       : "(j = Ja, n = Nein, a = Abbrechen)";
    for (;;) {
        out_ << choices << '\n';
        out_.flush();
        auto line = in_.next();
        if (!line) return answerAtEndOfInput(buttons);
        const std::string_view a = slab::trim(*line);
        if (a == "j") return buttons == ports::Buttons::OkCancel ? ports::Answer::Ok : ports::Answer::Yes;
        if (a == "n" && buttons != ports::Buttons::OkCancel) return ports::Answer::No;
        if (a == "a" && (buttons == ports::Buttons::OkCancel || buttons == ports::Buttons::YesNoCancel))
            return ports::Answer::Cancel;
        // Name only the answers this question takes.
        out_ << (buttons == ports::Buttons::OkCancel ? "Bitte mit j oder a antworten.\n"
                 : buttons == ports::Buttons::YesNo  ? "Bitte mit j oder n antworten.\n"
                                              : "Bitte mit j, n oder a antworten.\n");
    }
}

void ConsoleUi::status(std::string_view text) {
    out_ << "Status: " << text << '\n';
    out_.flush();
}

void ConsoleUi::setRange(int low, int high) {
    low_ = low;
    high_ = high > low ? high : low;
    lastStep_ = -1;
}

void ConsoleUi::setPosition(int position) {
    if (high_ == low_) return;
    long long span = high_ - low_;
    long long done = position < low_ ? 0 : position > high_ ? span : position - low_;
    int step = static_cast<int>(done * kProgressSteps / span);
    if (step == lastStep_) return;
    lastStep_ = step;
    out_ << "Fortschritt: " << step * 100 / kProgressSteps << " %\n";
}

void ConsoleUi::beep() {
    out_ << '\a';
    out_.flush();
}

std::optional<std::string> ConsoleUi::askLine(std::string_view title, std::string_view label,
                                              std::string_view current) {
    out_ << title << ": " << label << '?';
    if (!current.empty()) out_ << " [" << current << ']';
    out_ << '\n';
    out_.flush();
    auto line = in_.next();
    if (!line) return std::nullopt;
    std::string text(slab::trim(*line));
    if (text.empty()) return std::string(current);
    return text;
}

std::optional<std::string> ConsoleUi::chooseFolder(std::string_view title, std::string_view start) {
    return askLine(title, "Ordner", start);
}

std::optional<std::string> ConsoleUi::chooseFile(std::string_view title, std::string_view directory,
                                                 std::string_view pattern) {
    return askLine(title, slab::format("Datei (%.*s in %.*s)", static_cast<int>(pattern.size()),
                                       pattern.data(), static_cast<int>(directory.size()),
                                       directory.data()),
                   "");
}

std::optional<std::string> ConsoleUi::askText(std::string_view title, std::string_view label,
                                              std::string_view current) {
    return askLine(title, label, current);
}

} // namespace ui
