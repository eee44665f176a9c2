// A read-only view of a text document (a geometry or load document) in a dialog.
#pragma once

#include <string>

class QWidget;

namespace qtui {

/// Shows the UTF-8 text in a fixed-pitch read-only view and waits until the user closes it.
void showTextDialog(QWidget* parent, const std::string& title, const std::string& text);

} // namespace qtui
