// The choices a dialog asks of the user: a folder, a file, or a line of text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ports {

/// The folder, file and text choosers of a front end; each returns nullopt when cancelled. A
/// front end that cannot ask (a run in a thread, a benchmark) keeps the defaults: it cancels.
class Chooser {
  public:
    virtual ~Chooser() = default;
    /// A folder, starting the choice at `start`.
    virtual std::optional<std::string> chooseFolder(std::string_view /*title*/,
                                                    std::string_view /*start*/) {
        return std::nullopt;
    }
    /// An existing file in `directory` whose name matches `pattern` (a glob such as "ACADLAST.*").
    virtual std::optional<std::string> chooseFile(std::string_view /*title*/,
                                                  std::string_view /*directory*/,
                                                  std::string_view /*pattern*/) {
        return std::nullopt;
    }
    /// A line of text typed into the field `label`, preset with `current`.
    virtual std::optional<std::string> askText(std::string_view /*title*/,
                                               std::string_view /*label*/,
                                               std::string_view /*current*/) {
        return std::nullopt;
    }
};

} // namespace ports
