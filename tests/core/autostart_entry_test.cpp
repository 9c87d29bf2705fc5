// The autostart entry: where it lives, and on or off as desktops switch it.
#include <gtest/gtest.h>

#include "desk/core/autostart_entry.h"
#include "desk/core/files.h"
#include "tests/support/temp_folder.h"

using namespace plix;

TEST(AutostartEntry, PresentAndNotSwitchedOffMeansOn) {
    plix::testing::TempFolder home;
    const XdgDirs dirs = xdgDirsFor(home.path(), {}, home.path() / "conf");
    EXPECT_EQ(autostartEntryPath(dirs), home.path() / "conf/autostart/plixdesk.desktop");
    EXPECT_FALSE(autostartEnabled(dirs));

    ASSERT_TRUE(
        writeAutostartEntry(dirs, Launcher{"PLIX", "/p q/plixdesk", "/p q", "/p q/plixdesk.png"}));
    const std::string text = *readWholeFile(autostartEntryPath(dirs));
    EXPECT_EQ(desktopEntryValue(text, "Path"), "/p q");
    EXPECT_TRUE(autostartEnabled(dirs));

    // Switched off the ways desktops' session settings do it.
    const std::string on = "X-GNOME-Autostart-enabled=true";
    ASSERT_NE(text.find(on), std::string::npos);
    for (const std::string& off :
         {on + "\nHidden=true", std::string("X-GNOME-Autostart-enabled=false")}) {
        writeFileAtomic(autostartEntryPath(dirs),
                        std::string(text).replace(text.find(on), on.size(), off));
        EXPECT_FALSE(autostartEnabled(dirs)) << off;
    }
    EXPECT_TRUE(removeAutostartEntry(dirs));
    EXPECT_FALSE(std::filesystem::exists(autostartEntryPath(dirs)));
    EXPECT_TRUE(removeAutostartEntry(dirs));
}
