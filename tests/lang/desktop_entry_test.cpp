// Desktop entry files and the autostart entry, as desktops read them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "desk/core/files.h"
#include "desk/lang/autostart_entry.h"
#include "tests/support/temp_folder.h"

using namespace plix;

TEST(DesktopEntry, ProgramLinesSurviveQuotingAndEscaping) {
    EXPECT_EQ(execLine({"/opt/plixdesk/plixdesk"}), "/opt/plixdesk/plixdesk");
    EXPECT_EQ(execLine({"/home/a b/plixdesk", "50%"}), "\"/home/a b/plixdesk\" 50%%");
    EXPECT_EQ(execLine({"/x/$HOME`\"\\"}), "\"/x/\\$HOME\\`\\\"\\\\\"");
    // Written into a file, a backslash inside quotes becomes four.
    DesktopEntry entry;
    entry.set("Exec", execLine({"/a\\b c"})).set("Name", " lead");
    EXPECT_EQ(entry.text(), "[Desktop Entry]\nExec=\"/a\\\\\\\\b c\"\nName=\\slead\n");

    for (const std::string path : {"/home/jo/My Apps/PLIX/plixdesk", "/h/o'neil/p;x/plixdesk",
                                   "/h/100% sure/$x/`y`/\"q\"/back\\slash/~/(p)", "/h/Çà et là/p"}) {
        DesktopEntry e;
        e.set("Exec", execLine({path, "--x"}));
        const auto value = desktopEntryValue(e.text(), "Exec");
        ASSERT_TRUE(value) << path;
        EXPECT_EQ(execArguments(*value), (std::vector<std::string>{path, "--x"})) << path;
    }
}

TEST(DesktopEntry, ValuesAreReadFromTheMainGroupOnly) {
    const char* text =
        "# remark\n[Desktop Entry]\nName = PLIX \nPath=/a\\sb\\\\c\n"
        "[Desktop Action New]\nHidden=true\n";
    EXPECT_EQ(desktopEntryValue(text, "Name"), "PLIX");
    EXPECT_EQ(desktopEntryValue(text, "Path"), "/a b\\c");
    EXPECT_FALSE(desktopEntryValue(text, "Hidden"));
    EXPECT_FALSE(desktopEntryValue("Name=x\n", "Name"));
}

TEST(AutostartEntry, PresentAndNotSwitchedOffMeansOn) {
    plix::testing::TempFolder home;
    const XdgDirs dirs = xdgDirsFor(home.path(), {}, home.path() / "conf");
    EXPECT_EQ(autostartEntryPath(dirs), home.path() / "conf/autostart/plixdesk.desktop");
    EXPECT_FALSE(autostartEnabled(dirs));

    ASSERT_TRUE(writeAutostartEntry(dirs, Launcher{"PLIX", "/p q/plixdesk", "/p q", "/p q/plixdesk.png"}));
    const std::string text = *readWholeFile(autostartEntryPath(dirs));
    EXPECT_EQ(desktopEntryValue(text, "Path"), "/p q");
    EXPECT_TRUE(autostartEnabled(dirs));

    // Switched off the ways desktops' session settings do it.
    const std::string on = "X-GNOME-Autostart-enabled=true";
    ASSERT_NE(text.find(on), std::string::npos);
    for (const std::string off : {on + "\nHidden=true", std::string("X-GNOME-Autostart-enabled=false")}) {
        writeFileAtomic(autostartEntryPath(dirs), std::string(text).replace(text.find(on), on.size(), off));
        EXPECT_FALSE(autostartEnabled(dirs)) << off;
    }
    EXPECT_TRUE(removeAutostartEntry(dirs));
    EXPECT_FALSE(std::filesystem::exists(autostartEntryPath(dirs)));
    EXPECT_TRUE(removeAutostartEntry(dirs));
}

TEST(AutostartEntry, TheEnvironmentNamesTheFolders) {
    plix::testing::TempFolder home;
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
}
