// The load document D2.TXT of a position: storing a load case's section (appended on its first
// save, rewritten in place later) with the order file D2LOGW and the document list entry, and
// removing the sections of deleted load cases.
#pragma once

#include "ports/ports.hpp"

#include <string>
#include <vector>

namespace daskel {

/// The entry of the load document in DATEIEN.
std::string loadDocumentListLine();

/// Stores the section of load case n: `section` is its text without the opening dash line,
/// `opening` that dash line. On the first save of the document the DATEIEN entry is added; n is
/// appended to D2LOGW when new. A section already in the document is replaced from its title
/// line to the next section's title line, whose opening dash line stays with it; otherwise the
/// section is appended with its dash line. Shows "Fehler beim Öffnen ..." and leaves D2.TXT
/// unchanged when it cannot be written; returns false then.
bool storeLoadDocumentSection(const std::string& positionDirectory, int n,
                              const std::string& opening, const std::string& section,
                              ports::MessageBox& box);

/// Removes the sections of the deleted load cases from D2.TXT (or D2): from each one's title
/// line to the next title line. The result replaces D2.TXT and D2. A missing document is not an
/// error; a failure is shown and leaves the document unchanged (false).
bool removeLoadDocumentSections(const std::string& positionDirectory,
                                const std::vector<int>& deleted, ports::MessageBox& box);

} // namespace daskel
