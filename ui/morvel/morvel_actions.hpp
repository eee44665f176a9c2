// The geometry editor's commands, declared once for the window and the console: the menus, the
// two tool bars, the dialog buttons and the mouse modes.
#pragma once

#include "ui/actions/action_table.hpp"

#include <span>

namespace morvel {

enum class Action {
    // The menu "&Geometrie": its title is itself the command (menu and text alike).
    Generate, ///< the dialog "Eingabe der Geometrie"

    // The support mode ("&Tools") and the buttons of its dialog "Lager".
    Supports,      ///< "Lager setzen"
    EdgeClick,     ///< a left click on an edge line
    WholeBoundary, ///< "Ganzer &Rand"
    EndSupports,   ///< "E&nde"

    // The deletion modes ("&Tools") and their mouse actions.
    DeleteSingle,   ///< "Öffnungen (Elemente einzeln löschen)"
    DeleteWindow,   ///< "Öffnungen (mehrere Elemente löschen)"
    ElementClick,   ///< a left click on an element
    DeleteInWindow, ///< a rectangle dragged over elements

    // The view.
    Fit,            ///< "Grundriß anpassen"
    ZoomOut,        ///< "Verkleinern"
    Zoom,           ///< "Zoom", the mode of dragging a rectangle to zoom into
    ShowWindow,     ///< the visible window of the drawing, as numbers
    ColouredPlate,  ///< "Platte farbig anlegen"
    NodeNumbers,    ///< "Numerierung der Knoten"
    ElementNumbers, ///< "Numerierung der Elemente"
    Font,           ///< "Font"
    ToolBars,       ///< "Symbolleiste"
    StatusBar,      ///< "S&tatusleiste"

    // The tables of "&Manuell", their rows and their buttons.
    NodeTable,     ///< "Knoten"
    ElementTable,  ///< "Elemente"
    SpringTable,   ///< "Federn"
    BeddingTable,  ///< "Elastische Bettung"
    SetRow,        ///< the cells of one row typed
    ClearRow,      ///< the cells of one row emptied
    CopyDown,      ///< F5: a cell's text into the cells below
    ListTable,     ///< the open table as it stands
    ConfirmTable,  ///< "OK"
    CancelTable,   ///< "Abbrechen"
    ClearSupports, ///< "Lager Löschen" of the node table
    ClearSprings,  ///< "Federn löschen" of the spring table
    ClearBedding,  ///< "Alle löschen" of the bedding table

    // "&Position" and "&Drucken".
    Open,            ///< "Ö&ffnen..."
    Save,            ///< "S&peichern"
    SaveAs,          ///< "Speichern &unter..."
    New,             ///< "&Neu"
    Print,           ///< "&Drucken..."
    PrintPreview,    ///< "Sei&tenansicht"
    PrinterSetup,    ///< "Drucker&einrichtung..."
    AutoOrientation, ///< "Automatische Wahl von Hoch- u. Querformat beim Drucken"
    PrintFrame,      ///< "Rahmen um Zeichnung beim &Drucken"
    ExportDrawing,   ///< the drawing written as PNG, PDF or SVG
    ShowDocument,    ///< "Datei D1 (Abmessungen)"
    Leave,           ///< "&Beenden"
};

/// Every command of the editor, in the order the console lists its commands.
std::span<const ui::ActionEntry<Action>> actions();

/// The window's menu entries in the order of the menus.
std::span<const Action> menuOrder();
/// The window's tool-bar buttons in their order.
std::span<const Action> toolBarOrder();

} // namespace morvel
