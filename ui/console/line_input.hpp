// Lines of standard input (or any stream) for a program's command loop and its questions.
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace ui {

/// Line input shared by a program's command loop and its questions.
class LineInput {
  public:
    explicit LineInput(std::istream& in, bool interactive = false)
        : in_(&in), interactive_(interactive) {}
    /// Reads the file descriptor one byte at a time and never past the line it returns, so that
    /// a child started from the console can read the following lines of the same input.
    static LineInput fromDescriptor(int fd, bool interactive = false);
    /// The next line without its line end (a "\r" before "\n" is dropped); nullopt at the end.
    std::optional<std::string> next();
    /// True when the input is a terminal, so that missing dialog fields may be asked for.
    bool interactive() const { return interactive_; }
    bool ended() const { return ended_; }

  private:
    LineInput(int fd, bool interactive) : fd_(fd), interactive_(interactive) {}
    std::optional<std::string> nextFromDescriptor();

    std::istream* in_ = nullptr;
    int fd_ = -1;
    bool interactive_;
    bool ended_ = false;
};

} // namespace ui
