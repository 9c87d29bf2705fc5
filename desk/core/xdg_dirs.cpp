#include "desk/core/xdg_dirs.h"

#include <pwd.h>
#include <unistd.h>
#include <cstdlib>

namespace plix {
namespace {

std::filesystem::path variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path homeFolder() {
    if (auto home = variable("HOME"); home.is_absolute()) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

}  // namespace

XdgDirs xdgDirsFor(const std::filesystem::path& home, const std::filesystem::path& dataHome,
                   const std::filesystem::path& configHome) {
    XdgDirs dirs;
    dirs.home = home;
    dirs.dataHome = dataHome.is_absolute() ? dataHome : home / ".local/share";
    dirs.configHome = configHome.is_absolute() ? configHome : home / ".config";
    dirs.binHome = home / ".local/bin";
    return dirs;
}

XdgDirs xdgDirsFromEnvironment() {
    return xdgDirsFor(homeFolder(), variable("XDG_DATA_HOME"), variable("XDG_CONFIG_HOME"));
}

}  // namespace plix
