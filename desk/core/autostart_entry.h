#pragma once
// The autostart entry: the program starts at log-in while
// $XDG_CONFIG_HOME/autostart/plixdesk.desktop exists and is not switched off
// (Hidden=true or X-GNOME-Autostart-enabled=false, as desktops' session
// settings write it). The installer makes it; the autostart window shows and
// switches it.
#include <filesystem>

#include "desk/core/desktop_entry.h"
#include "desk/core/xdg_dirs.h"

namespace plix {

std::filesystem::path autostartEntryPath(const XdgDirs& dirs);

// True when the entry is there and switched on.
bool autostartEnabled(const XdgDirs& dirs);

// Writes the entry (and its folder when missing), replacing any earlier one,
// so the program starts from the launcher's folder at the next log-in.
bool writeAutostartEntry(const XdgDirs& dirs, const Launcher& launcher);

// Removes the entry; true when none is left.
bool removeAutostartEntry(const XdgDirs& dirs);

}  // namespace plix
