// Line input without read-ahead, so that a child started from the console reads on.
#include "ui/console/line_input.hpp"

#include <cerrno>
#include <unistd.h>

namespace ui {

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

} // namespace ui
