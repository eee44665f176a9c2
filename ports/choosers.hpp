// The choices a dialog asks of the user: a folder, a file, or a line of text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ports {

/// The folder, file and text choosers of a front end; each returns nullopt when cancelled.
class Chooser {
  public:
    virtual ~Chooser() = default;
    /// A folder, starting the choice at `start`.
    virtual std::optional<std::string> chooseFolder(std::string_view title,
                                                    std::string_view start) = 0;
    /// An existing file in `directory` whose name matches `pattern` (a glob such as "ACADLAST.*").
    virtual std::optional<std::string> chooseFile(std::string_view title,
                                                  std::string_view directory,
                                                  std::string_view pattern) = 0;
    /// A line of text typed into the field `label`, preset with `current`.
    virtual std::optional<std::string> askText(std::string_view title, std::string_view label,
                                               std::string_view current) = 0;
};

} // namespace ports
