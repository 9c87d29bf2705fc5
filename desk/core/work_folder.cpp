#include "desk/core/work_folder.h"

#include <unistd.h>
#include <cstdio>

namespace plix {
namespace {

namespace fs = std::filesystem;

// Files the program reads but never writes: an upgraded package brings new ones.
constexpr const char* kShippedData[] = {"pxlng.dat", "pxhlp.dat", "Notify.wav", "plixdesk.png"};
// Marks a folder that all users of the computer share (the Debian package's),
// so that even root, who may write anywhere, keeps its files in ~/PLIX.
constexpr const char* kSharedMarker = "plixdesk.shared";
// The settings template only seeds a folder; the user's settings stay theirs.
constexpr const char* kSettingsTemplate = "pxini.dat";

bool writable(const fs::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

// The copy keeps the package file's time, so a package that brings another
// file is seen by the time alone; and it stays the user's to replace.
void copyIn(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) return;
    fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    fs::last_write_time(to, fs::last_write_time(from, ec), ec);
}

void seed(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    for (const char* name : kShippedData) {
        if (!fs::exists(from / name, ec)) continue;
        if (!fs::exists(to / name, ec) ||
            fs::last_write_time(from / name, ec) != fs::last_write_time(to / name, ec))
            copyIn(from / name, to / name);
    }
    if (!fs::exists(to / kSettingsTemplate, ec))
        copyIn(from / kSettingsTemplate, to / kSettingsTemplate);
}

}  // namespace

fs::path chooseWorkFolder(const fs::path& programFolder, const fs::path& currentFolder,
                          const fs::path& home) {
    std::error_code ec;
    if (!fs::exists(programFolder / "pxlng.dat", ec)) return currentFolder;
    if (writable(programFolder) && !fs::exists(programFolder / kSharedMarker, ec))
        return programFolder;
    const fs::path own = home / "PLIX";
    fs::create_directories(own, ec);
    if (!fs::is_directory(own, ec) || !writable(own)) {
        std::fprintf(stderr, "plixdesk: cannot use %s; working in %s\n", own.c_str(),
                     currentFolder.c_str());
        return currentFolder;
    }
    seed(programFolder, own);
    return own;
}

}  // namespace plix
