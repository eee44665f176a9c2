// The console front end of the result viewer.
#pragma once

#include "scene/result_pages.hpp"
#include "ui/console/console_front_end.hpp"
#include "ui/ergebnisbild/ergebnisbild_actions.hpp"
#include "ui/ergebnisbild/picture_output.hpp"
#include "viewer/session.hpp"

#include <ostream>
#include <string>

namespace ergebnisbild {

/// The viewer as console commands: the quantity and load case chosen, values and extremes
/// printed, pictures and the report written to files.
class ErgebnisbildConsole : public ui::ConsoleFrontEnd {
  public:
    ErgebnisbildConsole(ui::LineInput& input, std::ostream& out, PictureOutput& pictures)
        : ConsoleFrontEnd(input, out), session_(console_), pictures_(pictures) {}

    /// Opens the position of the command line and runs commands until "beenden" or the end of
    /// the input; returns the process exit status.
    int run(const std::string& commandLine);

  private:
    ui::Flow dispatch(Action action, const ui::CommandCall& call);
    ui::Flow chooseQuantity(const ui::Words& words);
    ui::Flow chooseLoadCase(const ui::Words& words);
    ui::Flow chooseView(const ui::Words& words);
    ui::Flow showValue(const ui::Words& words);
    ui::Flow showExtremes();
    ui::Flow writePicture(const std::string& path);
    ui::Flow writeReport(const std::string& path);
    /// True when results are shown; otherwise says so.
    bool haveResults();
    void showState();

    viewer::Session session_;
    PictureOutput& pictures_;
    scene::ResultView view_ = scene::ResultView::Plan;
};

/// ErgebnisbildConsole::run on the given input, output and picture output.
int runConsole(const std::string& commandLine, ui::LineInput& input, std::ostream& out,
               PictureOutput& pictures);

} // namespace ergebnisbild
