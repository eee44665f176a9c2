// The load editor's commands, declared once for the window and the console: the menus with
// their shortcuts, the tool bar in its order with its tooltips, the click modes, the keys of the
// view and the console's words.
#pragma once

#include "ui/actions/action_table.hpp"

#include <span>

namespace daskel {

/// Every command of the load editor. In the table a submenu is written as the path of its
/// titles joined by "/" ("Ein&flussfunktionen/&Punktwerte"), and an entry of the menu bar that
/// acts at once ("&Gleichlast") has its own text as its menu.
enum class Action {
    New,                ///< "&Neu": a new load case
    Open,               ///< "Ö&ffnen...": dialog "LF-Nummer eingeben"
    Save,               ///< "S&peichern": dialog "LF Speichern"
    Title,              ///< "&Titel": dialog "Titel des Lastfalls"
    Copy,               ///< "&Kopieren": a load case from another position
    Delete,             ///< "&Löschen": dialog "Lastfälle"
    PrintPreview,       ///< the print preview of the plan
    Print,              ///< "&Drucken..."
    PrintSetup,         ///< "Drucker&einrichtung..."
    NodeNumbers,        ///< view: node numbers in the drawing
    ElementNumbers,     ///< view: element numbers in the drawing
    AutoOrientation,    ///< print option: portrait or landscape chosen by the plan
    PrintFrame,         ///< print option: a frame around the drawing
    Import,             ///< all load cases of ACADLAST
    SelfWeight,         ///< "&Gleichlast": dialog "Eigengewicht + Verkehrslast"
    ElementLoad,        ///< a row of the element load table
    EdgeLoad,           ///< a row of the edge load table
    NodeLoad,           ///< a row of the node table
    ElementMode,        ///< click mode: element loads
    ElementClick,       ///< a click in element mode at x y [m]
    EdgeMode,           ///< click mode: edge loads
    EdgeClick,          ///< a click in edge mode
    NodeMode,           ///< click mode: node loads
    NodeClick,          ///< a click in node mode
    ClearTable,         ///< "Alle löschen" of a table
    ElementTable,       ///< "&Elementlasten": the element load table
    EdgeTable,          ///< "&Linienlasten": the edge load table
    NodeTable,          ///< "&Knotenlasten": the node table
    ClearLoads,         ///< "Lasten &löschen"
    InfluenceAtNode,    ///< "Im &Knoten": dialog "Einflussfunktion für einen Knotenpunkt"
    InfluenceInElement, ///< "Im &Element": dialog "Einflussfunktion für Punktwert"
    InfluenceSectionX, ///< "Schnitt in x-Richtung": dialog "Einflussfunktion für integrale Größen"
    InfluenceSectionY,  ///< "Schnitt in y-Richtung": the same dialog
    InfluenceSection,   ///< the section dialog on the console, its direction by the quantity
    AreaLoad,           ///< a partial area load by its corners
    LineLoad,           ///< a line load
    PointLoad,          ///< a point load
    BoundaryLoad,       ///< an edge load on a section of a boundary curve
    Temperature,        ///< the temperature load
    ListLoads,          ///< every load of the load case with its number
    DeleteAreaLoad,     ///< removes a partial area load
    DeleteLineLoad,     ///< removes a line load
    DeletePointLoad,    ///< removes a point load
    DeleteBoundaryLoad, ///< removes an edge load
    Boundaries,         ///< the slab's boundaries and their sections
    Document,           ///< the load document D2.TXT
    Show,               ///< the open load case as it stands
    NextLoadCase,       ///< the next entry of the load case list (the Up key)
    PreviousLoadCase,   ///< the previous entry of the load case list (the Down key)
    End,                ///< "&Beenden"
    ExportDrawing,      ///< the load plan written as PNG, PDF or SVG
    Fit,                ///< the whole plan in sight
    ZoomOut,            ///< the visible window grows about its centre
    Zoom,               ///< a dragged rectangle becomes the visible window
    AreaTable,          ///< the table of partial area loads
    LineTable,          ///< the table of line loads
    PointTable,         ///< the table of point loads
    BoundaryTable,      ///< the table of edge loads on boundary sections
    DrawArea,           ///< drawing mode: an area load as a polygon of clicks
    DrawLine,           ///< drawing mode: a line load by two clicks
    DrawPoint,          ///< drawing mode: a point load by a click
};

/// Every command of the load editor, in the order the console lists them.
std::span<const ui::ActionEntry<Action>> actions();

/// The window's menu entries in the order of the menus.
std::span<const Action> menuOrder();
/// The window's tool-bar buttons in their order.
std::span<const Action> toolBarOrder();

} // namespace daskel
