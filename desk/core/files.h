#pragma once
// Whole-file reads and writes for the program's small data files.
#include <filesystem>
#include <optional>
#include <string>

namespace plix {

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Reads a fixed-size record: the file's first bytes fill the front, the rest
// stays zero characters. A missing file is created empty, as the record's
// first open always did.
std::string readRecordFile(const std::filesystem::path& path, std::size_t size);

// Writes through a temporary file in the same folder and renames it over the
// old one, so a crash or a full disk never leaves a half-written file behind.
// On failure why (when given) receives the system's reason.
bool writeFileAtomic(const std::filesystem::path& path, const std::string& data,
                     std::string* why = nullptr);
// The same for a file only its owner may read or write (mode 0600), whatever
// the mode of the file it replaces: the settings and filter records.
bool writePrivateFileAtomic(const std::filesystem::path& path, const std::string& data,
                            std::string* why = nullptr);

// Appends to a file, creating it when needed. On failure why (when given)
// receives the system's reason.
bool appendToFile(const std::filesystem::path& path, const std::string& data,
                  std::string* why = nullptr);

}  // namespace plix
