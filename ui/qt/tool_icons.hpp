// The icons of the tool bars, drawn as small vector pictures so that they need no files.
#pragma once

#include <QIcon>

#include <string_view>

namespace qtui {

/// The icon of a name used in the action tables: "neu", "oeffnen", "speichern", "drucken",
/// "lager", "farbig", "anpassen", "verkleinern", "einzeln", "mehrere", "zoom", "knoten",
/// "element", "kante", "kopieren", "vorschau", "weiter", "zurueck", "rechnen", "info"; an empty
/// icon for another name.
QIcon toolIcon(std::string_view name);

} // namespace qtui
