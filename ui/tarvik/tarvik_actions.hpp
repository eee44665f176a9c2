// The project manager's commands, declared once for the window and the console: the menus, the
// tool bar (ui::ToolBar::First), the dialog bar (ui::ToolBar::Second) and the console's words.
#pragma once

#include "ui/actions/action_table.hpp"

#include <span>

namespace tarvik {

enum class Action {
    // data path and positions
    DataPath,        ///< the dialog bar's data path field (Enter)
    ChooseDataPath,  ///< the dialog bar's button "Datenpfad": a new data path, no position
    NewPositionName, ///< a name typed into the position selector (Enter)
    NewPosition,     ///< "Neue Position": the dialog with name and data path
    ChooseRecent,    ///< an entry chosen in the position selector
    ShowRecent,      ///< the selector's entries
    DeleteRecent,    ///< the Delete key in the position selector
    ClearRecent,     ///< "Liste der letzten 10 Positionen leeren"
    OpenPosition,    ///< "Position öffnen" (the dialog bar's button "Pos")
    Duplicate,       ///< "Position duplizieren"
    // work steps
    Geometry,    ///< "&Abmessungen"
    Loads,       ///< "&Belastung"
    Calculation, ///< "&Rechnen"
    Results,     ///< "&Ergebnisse"
    // documents
    ShowDocument,    ///< document 1 or 2 by number (the console's one command for both)
    ResultPointSets, ///< "Liste der Sätze der Spannungspunkte"
    Protocol,        ///< "Protokoll der Berechnung", and a double click on one of its lines
    // the document list "Texte" and its dialogs
    ViewDocument,    ///< a double click on an entry: the text viewer
    DeleteDocuments, ///< "&Löschen"
    PrintDocuments,  ///< "&Drucken" after the numbering dialog
    PrintIntoFile,   ///< "In Datei Drucken"
    FormPrint,       ///< "&Formulardruck" after the form header dialog
    HeaderLines,     ///< "&Kopfzeilen"
    Numbering,       ///< "Numerierung der Seiten im Ausdruck"
    FormHeader,      ///< "Formulardruck": the form header
    OverviewPicture, ///< the overview drawing written into a picture file
    // view
    TogglePlan, ///< "Grundriß einblenden" (also the space bar in the drawing)
    RightClick, ///< the right mouse button in the drawing
    Explorer,   ///< the dialog bar's button "Explorer"
    ShowState,  ///< position, paths, model and recent list as they stand
    Quit,       ///< Esc
    // window only
    Discretisation,    ///< document 1 (Alt+1)
    LoadCaseList,      ///< document 2 (Alt+2)
    ReadFiles,         ///< "Dateien lesen": document 1 in the text window
    DocumentList,      ///< "&Info": the document list "Texte"
    StoreArchive,      ///< "Sichern der Position"
    LoadArchive,       ///< "Position von Diskette laden"
    ArchiveFiles,      ///< "Acad- und Echo-Dateien"
    PlotParameters,    ///< "Parameter der Ploterzeugung"
    PlotOutput,        ///< "Plotausgabe"
    PrinterControl,    ///< "Druckeransteuerung"
    PlotterConnection, ///< "Verbindung zum Plotter"
    ScreenSize,        ///< "Bildschirmgröße für Davizo (default)"
    Print,             ///< the overview drawing on the printer
    PrintPreview,      ///< the overview drawing as it will be printed
    ToolBarShown,      ///< the tool bar shown or hidden
    DialogBarShown,    ///< the dialog bar shown or hidden
    StatusBarShown,    ///< the status line shown or hidden
};

/// Every command of the manager, the console's in the order "hilfe" lists them.
std::span<const ui::ActionEntry<Action>> actions();

} // namespace tarvik
