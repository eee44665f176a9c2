// The console front end of the solver's calculation form.
#pragma once

#include "solver/model.hpp"
#include "solver/solver_run.hpp"
#include "ui/console/console_front_end.hpp"
#include "ui/vintor/vintor_actions.hpp"

#include <memory>
#include <ostream>
#include <string>

namespace vintor {

/// The form as console commands: one per field, radio choice and button.
class VintorConsole : public ui::ConsoleFrontEnd {
  public:
    VintorConsole(ui::LineInput& input, std::ostream& out) : ConsoleFrontEnd(input, out) {}

    /// Runs the form for the command line text until "ende" or the end of input; returns the
    /// process exit status.
    int run(const std::string& commandLine);

  private:
    ui::Flow dispatch(Action action, const ui::CommandCall& call);
    ui::Flow setPath(const std::string& text);
    ui::Flow setLoadCase(const ui::Words& words);
    ui::Flow startRun();
    ui::Flow showForm();

    slab::CalculationForm form_;
    std::unique_ptr<slab::SolverModel> model_ = std::make_unique<slab::SolverModel>();
};

/// VintorConsole::run on the given input and output.
int runConsole(const std::string& commandLine, ui::LineInput& input, std::ostream& out);

} // namespace vintor
