// The autostart window: the box mirrors the freedesktop autostart entry, and
// ticking or clearing it writes a valid entry for plixdesk in its own folder
// or removes it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "desk/core/autostart_entry.h"
#include "desk/core/files.h"
#include "desk/lang/veltoaut.h"
#include "tests/support/desk_fixture.h"

namespace plix::testing {
namespace {

class AutostartWindowTest : public DeskFixture {
protected:
    VeltoautForm& w = desk.veltoaut;
    std::filesystem::path entry;
    AutostartWindowTest() {
        desk.dirs = xdgDirsFor(folder / "home", {}, folder / "config");
        desk.programFolder = folder / "my programs";  // a blank in the folder's name
        entry = autostartEntryPath(desk.dirs);
    }
    std::string value(const char* key) {
        return desktopEntryValue(readWholeFile(entry).value_or(""), key).value_or("?");
    }
    void tick(int value) {
        w.Chkaut.Value = value;
        veltoaut_Chkaut_Click(desk);
    }
};

TEST_F(AutostartWindowTest, TickingWritesAValidEntryAndClearingRemovesIt) {
    EXPECT_EQ(entry, folder / "config/autostart/plixdesk.desktop");  // $XDG_CONFIG_HOME honoured
    veltoaut_Load(desk);
    EXPECT_TRUE(w.form.Visible);
    EXPECT_EQ(w.Chkaut.Value, 0);
    EXPECT_FALSE(std::filesystem::exists(entry));  // opening writes nothing

    tick(1);
    EXPECT_EQ(w.Chkaut.Value, 1);
    const auto program = (desk.programFolder / "plixdesk").string();
    EXPECT_EQ(value("Exec"), "\"" + program + "\"");
    EXPECT_EQ(execArguments(value("Exec")), std::vector<std::string>{program});
    EXPECT_EQ(value("Path"), desk.programFolder.string());
    EXPECT_EQ(std::system(("desktop-file-validate '" + entry.string() + "' >&2").c_str()), 0);

    tick(0);
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_EQ(w.Chkaut.Value, 0);
    tick(1);
    EXPECT_TRUE(autostartEnabled(desk.dirs));
}

TEST_F(AutostartWindowTest, OpeningFollowsTheEntryAsItIs) {
    // An entry of an earlier folder is rewritten for the program's folder now.
    writeAutostartEntry(desk.dirs, plixdeskLauncher("/old place", "&Supplier"));
    veltoaut_Load(desk);
    EXPECT_EQ(w.Chkaut.Value, 1);
    EXPECT_EQ(value("Path"), desk.programFolder.string());
    EXPECT_EQ(value("Name"), "PLIX Supplier");

    // Switched off by the session settings: shown cleared, left alone.
    const std::string off = *readWholeFile(entry) + "Hidden=true\n";
    writeFileAtomic(entry, off);
    veltoaut_Load(desk);
    EXPECT_EQ(w.Chkaut.Value, 0);
    EXPECT_EQ(readWholeFile(entry), off);

    // An empty file is no entry, and goes.
    writeFileAtomic(entry, "");
    veltoaut_Load(desk);
    EXPECT_EQ(w.Chkaut.Value, 0);
    EXPECT_FALSE(std::filesystem::exists(entry));
}

TEST_F(AutostartWindowTest, TheBoxNeverShowsAnEntryThatIsNotThere) {
    // The autostart folder cannot be made: the tick does not stay.
    folder.write("config", "a file, not a folder");
    veltoaut_Load(desk);
    tick(1);
    EXPECT_EQ(w.Chkaut.Value, 0);

    // Without the user's folders nothing is read or written.
    desk.dirs = XdgDirs{};
    tick(1);
    EXPECT_EQ(w.Chkaut.Value, 0);
}

TEST_F(AutostartWindowTest, CaptionsComeFromTheLanguageTable) {
    veltoaut_Load(desk);
    EXPECT_EQ(w.Chkaut.Caption, "&Automatic startup");  // no language loaded
    st.LanguageTable[108] = "OK";
    st.LanguageTable[189] = "D\xE9marrage automatique";
    st.LanguageTable[12] = "&Fermer";
    veltoaut_Load(desk);
    EXPECT_EQ(w.Chkaut.Caption, "&D\xE9marrage automatique");
    EXPECT_EQ(w.cexit.Caption, "&Fermer");
    EXPECT_EQ(w.form.Caption, "D\xE9marrage automatique");
}

}  // namespace
}  // namespace plix::testing
