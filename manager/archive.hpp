// Archives of a position's input: storing ECHO_G, ECHO_L and ECHO_S as ACADGEO, ACADLAST and
// ACADPKT into a folder, loading them back into a position, LADEPFAD and the archive file list.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

/// The folder of the last load (working directory).
inline constexpr std::string_view kLoadPathFile = "LADEPFAD";

/// What a store or a load did: the lines of the transfer window, one per copied file.
struct Transfer {
    std::vector<std::string> lines;
    int copied = 0;
    std::vector<std::string> failed; ///< target files that could not be written
    std::string recordText;          ///< the text of the TTABLE record
    std::string position;            ///< the position a load went to
};

/// Stores the working files of the position directory (with the suffix) into the archive
/// files of the folder (ending with "/"). Missing working files are passed over.
Transfer storeInto(const std::string& positionDirectory, const std::string& suffix,
                   const std::string& folder);

/// The archive a chosen ACADGEO file belongs to.
struct ArchiveSource {
    std::string folder;       ///< with its "/"
    std::string name;         ///< the position name, the file's extension
    std::string geometryFile; ///< the chosen file
};

/// The archive of a chosen file, or the reason it is none.
struct ArchivePick {
    std::optional<ArchiveSource> source;
    std::string problem;
};

/// Splits a chosen file "FOLDER/ACADGEO.NAME" (relative to the working directory if not
/// absolute; the name looked up without regard to letter case). The extension must be a usable
/// position name and the file must exist.
ArchivePick splitArchivePath(std::string_view chosen, const std::string& workDirectory);

/// The four lines the transfer window shows after a load.
std::vector<std::string> loadHints();

/// Copies the archive files of the source into the archive files of the target position
/// directory (ending with "/"), with the target's suffix; the working files stay.
Transfer loadFrom(const ArchiveSource& source, const std::string& targetDirectory,
                  const std::string& targetName);

/// The folder in LADEPFAD (first line, blanks around it dropped); "" when there is none.
std::string readLoadFolder(const std::string& workDirectory);

/// Writes the folder of a load into LADEPFAD with a newline; false when it cannot be written.
bool writeLoadFolder(const std::string& workDirectory, const std::string& folder);

/// The archive list "Acad- und Echo-Dateien": the paths of those of ACADGEO, ACADLAST, ACADPKT,
/// ECHO_G, ECHO_L and ECHO_S with the suffix that exist in the position directory.
std::vector<std::string> archiveFiles(const std::string& positionDirectory,
                                      const std::string& suffix);

} // namespace tarvik
