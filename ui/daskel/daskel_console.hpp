// The console front end of the load editor: its menus, dialogs, tables and clicks as console
// commands over the action table.
#pragma once

#include "loads/document.hpp"
#include "scene/mesh.hpp"
#include "scene/picture_output.hpp"
#include "ui/console/console_front_end.hpp"
#include "ui/daskel/daskel_actions.hpp"
#include "ui/daskel/daskel_view.hpp"

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace daskel {

/// The load editor on a console: one member per command, in groups.
class DaskelConsole : public ui::ConsoleFrontEnd {
  public:
    /// Pictures and prints go to `output`; without one (a build without windows) the drawing
    /// commands say so.
    DaskelConsole(ui::LineInput& input, std::ostream& out, scene::PictureOutput* output = nullptr)
        : ConsoleFrontEnd(input, out), output_(output) {}

    /// Runs the editor on the command line ".POS @datapath/ [@n]" with the given working
    /// directory until "beenden" or the end of input; returns the process exit status.
    int run(const std::string& commandLine, const std::string& workDirectory);

  private:
    using Fields = std::map<std::string, std::string>;

    ui::Flow dispatch(Action action, const ui::CommandCall& call);

    // Load cases (daskel_console.cpp).
    ui::Flow newLoadCase();
    ui::Flow openLoadCase(const ui::Words& words);
    ui::Flow saveLoadCase(const ui::CommandCall& call);
    ui::Flow deleteLoadCases(const ui::Words& words);
    ui::Flow importAll();
    ui::Flow show();
    ui::Flow end();
    /// "LF speichern?" before another load case replaces unsaved changes.
    void offerSave();
    /// The number a new load case is saved under, read from the next line.
    std::optional<int> askNumber();
    /// The field "nr" of the save dialog as given or typed; nullopt when left empty.
    std::optional<std::string> numberField(const Fields& given, int current);

    // Self weight, element, edge and node loads, their tables and clicks
    // (daskel_console_loads.cpp).
    ui::Flow selfWeight(const ui::Words& words);
    ui::Flow elementLoad(const ui::Words& words);
    ui::Flow edgeLoad(const ui::Words& words);
    ui::Flow nodeLoad(const ui::Words& words);
    ui::Flow elementClick(const ui::Words& words);
    ui::Flow edgeClick(const ui::Words& words);
    ui::Flow nodeClick(const ui::Words& words);
    ui::Flow clearTable(const ui::Words& words);
    ui::Flow elementTable();
    ui::Flow nodeTable();
    /// The eight fields of the node dialog as name=wert; nullopt after a message.
    std::optional<NodeValues> nodeFields(const ui::Words& words);
    /// The coordinates of a click, its first two words; nullopt after a message.
    std::optional<scene::Point> clickPoint(const ui::Words& words, std::string_view call);
    ui::Flow nothingThere(const char* what, scene::Point at);

    // Area, line, point and edge loads and temperature typed in, and removed
    // (daskel_console_macros.cpp).
    ui::Flow areaLoad(const ui::Words& words);
    ui::Flow lineLoad(const ui::CommandCall& call);
    ui::Flow pointLoad(const ui::CommandCall& call);
    ui::Flow boundaryLoad(const ui::CommandCall& call);
    ui::Flow temperature(const ui::Words& words);
    ui::Flow deleteLoad(LoadList list, Action action, const ui::Words& words);
    /// The words of a dialog command split into positional words, name=wert fields and the
    /// comment that runs from "kommentar=" to the end of the line; nullopt after a message
    /// naming a field that `known` does not hold.
    struct DialogWords {
        ui::Words positional;
        Fields fields;
        std::string comment;
    };
    std::optional<DialogWords> dialogWords(const ui::CommandCall& call,
                                           std::initializer_list<std::string_view> known);
    /// A number field: nullopt after a message when it is missing (and `required`) or not a
    /// number; `fallback` when it is left out and not required.
    std::optional<double> numberField(const Fields& fields, const std::string& key,
                                      std::string_view call, bool required, double fallback = 0);

    // Lists, the outline, the load document and the copy (daskel_console_listing.cpp).
    ui::Flow listLoads();
    ui::Flow boundaries();
    ui::Flow document();
    ui::Flow copy(const ui::Words& words);

    // The load plan and the view: pictures, prints, switches, zoom and the steps through the
    // load case list (daskel_console_view.cpp).
    ui::Flow exportDrawing(const ui::Words& words);
    ui::Flow printToPdf(const ui::Words& words);
    ui::Flow toggleSwitch(bool ViewSwitches::*which, std::string_view label);
    ui::Flow zoom(const ui::Words& words);
    ui::Flow step(bool next);
    /// The picture output, or nullptr after the message that this build has none.
    scene::PictureOutput* pictureOutput();

    // Influence surfaces (daskel_console_influence.cpp).
    ui::Flow influenceAtNode(const ui::Words& words);
    ui::Flow influenceInElement(const ui::Words& words);
    ui::Flow influenceOnSection(const ui::Words& words);
    ui::Flow unknownQuantity(const std::string& names);

    /// A table cell typed on the console: decimal comma or point; not a number gives nullopt.
    static std::optional<double> cell(const std::string& text);
    ui::Flow notANumber(const std::string& field, const std::string& text);

    scene::PictureOutput* output_;
    std::optional<LoadEditor> editor_;
    std::optional<DaskelView> view_;
};

/// DaskelConsole::run on the given input and output, pictures through `output` when given.
int runConsole(const std::string& commandLine, const std::string& workDirectory,
               ui::LineInput& input, std::ostream& out, scene::PictureOutput* output = nullptr);

} // namespace daskel
