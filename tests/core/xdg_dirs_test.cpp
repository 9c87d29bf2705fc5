// The user's folders, from the environment by the freedesktop rules.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "desk/core/xdg_dirs.h"
#include "tests/support/temp_folder.h"

using namespace plix;

TEST(XdgDirs, TheEnvironmentNamesTheFolders) {
    plix::testing::TempFolder home;
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const std::string config = (home.path() / "cfg").string();
    ::setenv("HOME", home.path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ::setenv("XDG_DATA_HOME", "relative/ignored", 1);
    const XdgDirs dirs = xdgDirsFromEnvironment();
    EXPECT_EQ(dirs.configHome, config);
    EXPECT_EQ(dirs.dataHome, home.path() / ".local/share");
    EXPECT_EQ(dirs.binHome, home.path() / ".local/bin");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(xdgDirsFromEnvironment().configHome, home.path() / ".config");
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", oldHome.c_str(), 1);
}
