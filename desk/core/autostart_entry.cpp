#include "desk/core/autostart_entry.h"

#include "desk/core/files.h"

namespace plix {

std::filesystem::path autostartEntryPath(const XdgDirs& dirs) {
    return dirs.configHome / "autostart" / "plixdesk.desktop";
}

bool autostartEnabled(const XdgDirs& dirs) {
    const auto text = readWholeFile(autostartEntryPath(dirs));
    if (!text || text->empty()) return false;
    return desktopEntryValue(*text, "Hidden") != "true" &&
           desktopEntryValue(*text, "X-GNOME-Autostart-enabled") != "false";
}

bool writeAutostartEntry(const XdgDirs& dirs, const Launcher& launcher) {
    const auto path = autostartEntryPath(dirs);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    DesktopEntry entry = launcherEntry(launcher);
    entry.set("X-GNOME-Autostart-enabled", "true");
    return writeFileAtomic(path, entry.text());
}

bool removeAutostartEntry(const XdgDirs& dirs) {
    std::error_code ec;
    std::filesystem::remove(autostartEntryPath(dirs), ec);
    return !std::filesystem::exists(autostartEntryPath(dirs), ec);
}

}  // namespace plix
