// The console front end of the user-interface operations.
#include "ui/core/console_ui.hpp"

#include <cerrno>
#include <string>
#include <unistd.h>

namespace ui {

namespace {

// A progress bar prints at most this many updates per range.
constexpr int kProgressSteps = 20;

} // namespace

LineInput LineInput::fromDescriptor(int fd, bool interactive) {
    return LineInput(fd, interactive);
}

std::optional<std::string> LineInput::nextFromDescriptor() {
    std::string line;
    bool any = false;
    for (;;) {
        char c;
        ssize_t got = ::read(fd_, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        any = true;
        if (c == '\n') return line;
        line += c;
    }
    if (!any) return std::nullopt;
    return line; // a last line without its line end
}

std::optional<std::string> LineInput::next() {
    if (ended_) return std::nullopt;
    std::optional<std::string> line;
    if (in_) {
        std::string text;
        if (std::getline(*in_, text)) line = std::move(text);
    } else {
        line = nextFromDescriptor();
    }
    if (!line) {
        ended_ = true;
        return std::nullopt;
    }
    if (!line->empty() && line->back() == '\r') line->pop_back();
    return line;
}

Answer answerAtEndOfInput(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        return Answer::No;
    }
    return Answer::Cancel;
}

Answer ConsoleUi::message(std::string_view title, std::string_view text, Buttons buttons) {
    out_ << title << ": " << text << '\n';
    if (buttons == Buttons::Ok) {
        out_.flush();
        return Answer::Ok;
    }
    const char* choices = buttons == Buttons::OkCancel ? "(j = OK, a = Abbrechen)"
                          : buttons == Buttons::YesNo  ? "(j = Ja, n = Nein)"
                                                       : "(j = Ja, n = Nein, a = Abbrechen)";
    for (;;) {
        out_ << choices << '\n';
        out_.flush();
        auto line = in_.next();
        if (!line) return answerAtEndOfInput(buttons);
        std::string a = *line;
        while (!a.empty() && a.back() == ' ')
            a.pop_back();
        while (!a.empty() && a.front() == ' ')
            a.erase(0, 1);
        if (a == "j") return buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
        if (a == "n" && buttons != Buttons::OkCancel) return Answer::No;
        if (a == "a" && (buttons == Buttons::OkCancel || buttons == Buttons::YesNoCancel))
            return Answer::Cancel;
        // Name only the answers this question takes.
        out_ << (buttons == Buttons::OkCancel ? "Bitte mit j oder a antworten.\n"
                 : buttons == Buttons::YesNo  ? "Bitte mit j oder n antworten.\n"
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

} // namespace ui
