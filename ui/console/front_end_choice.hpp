// Which front end a program opens: the window or the console.
#pragma once

#include <string_view>

namespace ui {

enum class FrontEnd { Console, Window };

/// What the choice depends on.
struct FrontEndSituation {
    bool windowBuilt = false;        ///< the build has the Qt windows
    std::string_view choice;         ///< SLAB_OBERFLAECHE: "konsole", "fenster" or empty
    bool displayPresent = false;     ///< DISPLAY or WAYLAND_DISPLAY is set
    bool inputIsPipeOrFile = false;  ///< standard input is a pipe or a regular file
};

/// SLAB_OBERFLAECHE=konsole or =fenster chooses (the window only when it is built); without it
/// the window opens when it is built, a display is there and no script is fed on standard input.
FrontEnd chooseFrontEnd(const FrontEndSituation& s);

/// The situation of this process: the environment and standard input.
FrontEndSituation currentSituation(bool windowBuilt);

} // namespace ui
