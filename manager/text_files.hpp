// The files of the text window and the read-only viewer: read whole, optionally from the DOS
// character set (code page 850), written back line by line, and the messages of a missing file.
#pragma once

#include <optional>
#include <string>

namespace tarvik {

/// The text of a file for the text window or the viewer: its lines joined by "\n"; with
/// dosCharset the bytes are code page 850. nullopt when the file cannot be read.
std::optional<std::string> readShownText(const std::string& path, bool dosCharset);

/// Writes the text window's text back, each line ended by "\n", "\r" dropped (in code page 850
/// with dosCharset); false when the file cannot be written.
bool writeEditedText(const std::string& path, const std::string& text, bool dosCharset);

/// "Die Datei %s fehlt." of the text window.
std::string textWindowMissing(const std::string& path);

/// What the viewer says for a missing file: the discretisation's message for document 1, else
/// the text window's.
std::string viewerMissing(const std::string& path);

/// "Die Datei %s kann nicht angelegt werden."
std::string cannotCreate(const std::string& path);

} // namespace tarvik
