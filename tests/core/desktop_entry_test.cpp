// Desktop entry files as desktops read them: values escaped, program lines quoted.
#include <gtest/gtest.h>

#include "desk/core/desktop_entry.h"

using namespace plix;

TEST(DesktopEntry, ProgramLinesSurviveQuotingAndEscaping) {
    EXPECT_EQ(execLine({"/opt/plixdesk/plixdesk"}), "/opt/plixdesk/plixdesk");
    EXPECT_EQ(execLine({"/home/a b/plixdesk", "50%"}), "\"/home/a b/plixdesk\" 50%%");
    EXPECT_EQ(execLine({"/x/$HOME`\"\\"}), "\"/x/\\$HOME\\`\\\"\\\\\"");
    // Written into a file, a backslash inside quotes becomes four.
    DesktopEntry entry;
    entry.set("Exec", execLine({"/a\\b c"})).set("Name", " lead");
    EXPECT_EQ(entry.text(), "[Desktop Entry]\nExec=\"/a\\\\\\\\b c\"\nName=\\slead\n");

    for (const std::string path :
         {"/home/jo/My Apps/PLIX/plixdesk", "/h/o'neil/p;x/plixdesk",
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
