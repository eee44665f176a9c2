// Whole-file reading and atomic whole-file writing, both with case-insensitive name lookup.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slab {

/// Reads the whole file (name looked up case-insensitively); nullopt if it cannot be opened.
std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path);

/// Reads a whole text file; nullopt if it cannot be opened.
std::optional<std::string> readFileText(const std::string& path);

/// How a whole-file write through a temporary file ended.
enum class WriteResult { Ok, OpenFailed, WriteFailed, RenameFailed };

/// Writes contents completely to tempPath, then renames it over path (looked up
/// case-insensitively); on a failure the temporary file is removed and path is unchanged.
WriteResult writeFileThrough(const std::string& path, std::string_view contents,
                             const std::string& tempPath);

/// Writes the whole file through a temporary name and a rename, so a failure never leaves half
/// a file; an existing file of another letter case is replaced. Returns false on failure.
bool writeFileAtomic(const std::string& path, std::string_view contents);
bool writeFileAtomic(const std::string& path, const std::vector<std::uint8_t>& contents);

/// True when the file exists under any letter case.
bool fileExists(const std::string& path);

/// The modification time of the file (any letter case); nullopt when it does not exist.
std::optional<std::filesystem::file_time_type> fileModified(const std::string& path);

} // namespace slab
