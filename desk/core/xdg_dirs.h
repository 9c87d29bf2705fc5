#pragma once
// Where a desktop user's own files go, by the freedesktop base-directory
// rules: menu entries under the data home, autostart entries and menu files
// under the config home, and the user's own commands in ~/.local/bin.
#include <filesystem>

namespace plix {

struct XdgDirs {
    std::filesystem::path home;        // $HOME
    std::filesystem::path dataHome;    // $XDG_DATA_HOME, else ~/.local/share
    std::filesystem::path configHome;  // $XDG_CONFIG_HOME, else ~/.config
    std::filesystem::path binHome;     // ~/.local/bin (no variable names it)
};

// The folders of the user running this program. A variable that holds a
// relative path is ignored, as the rules require.
XdgDirs xdgDirsFromEnvironment();

// The folders for a given home and variable values (empty: not set).
XdgDirs xdgDirsFor(const std::filesystem::path& home, const std::filesystem::path& dataHome = {},
                   const std::filesystem::path& configHome = {});

}  // namespace plix
