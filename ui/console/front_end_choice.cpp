// The front-end choice.
#include "ui/console/front_end_choice.hpp"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

FrontEnd chooseFrontEnd(const FrontEndSituation& s) {
    if (s.choice == "konsole") return FrontEnd::Console;
    if (s.choice == "fenster") return s.windowBuilt ? FrontEnd::Window : FrontEnd::Console;
    return s.windowBuilt && s.displayPresent && !s.inputIsPipeOrFile ? FrontEnd::Window
                                                                     : FrontEnd::Console;
}

FrontEndSituation currentSituation(bool windowBuilt) {
    FrontEndSituation s;
    s.windowBuilt = windowBuilt;
    if (const char* choice = std::getenv("SLAB_OBERFLAECHE")) s.choice = choice;
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    s.displayPresent = set("DISPLAY") || set("WAYLAND_DISPLAY");
    struct stat st {};
    s.inputIsPipeOrFile =
        ::fstat(STDIN_FILENO, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISREG(st.st_mode));
    return s;
}

} // namespace ui
