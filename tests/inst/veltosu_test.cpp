// The installer's window: the language choice, the drives and folders, the
// library check, and a setup folder without a language file.
#include <gtest/gtest.h>

#include "desk/core/desktop_entry.h"
#include "inst/registration.h"
#include "inst/veltosu.h"
#include "tests/support/inst_fixture.h"

using namespace plix;
using namespace plix::inst;
namespace fs = std::filesystem;

namespace {

using VeltosuTest = plix::testing::InstFixture;

TEST_F(VeltosuTest, TheChosenLanguageGoesIntoTheTemplateAndTheInstalledCopy) {
    Form_Load(in);
    chooseLanguage(1);
    EXPECT_EQ(setup.read("pxini.dat")[38], 2);
    EXPECT_EQ(in.veltosu.cinstall.Caption, "&Installeren");
    EXPECT_EQ(in.veltosu.Combo1.ListIndex, 1);
    install();
    EXPECT_EQ(read(target() / "pxini.dat")[38], 2);
    EXPECT_EQ(desktopEntryValue(read(menuEntryPath(in.cfg.dirs)), "Name"), "PLIX Leverancier");
}

TEST_F(VeltosuTest, AReadOnlySetupFolderPassesTheLanguageToTheInstalledCopy) {
    // The template cannot be replaced (a folder stands where its new copy
    // would be written: this fails for root too, like a read-only medium).
    fs::create_directory(setup / "pxini.dat.tmp");
    Form_Load(in);
    chooseLanguage(3);
    EXPECT_TRUE(in.st.LanguageNotStored);
    EXPECT_EQ(setup.read("pxini.dat"), plix::testing::settingsTemplate(1));
    install();
    EXPECT_EQ(read(target() / "pxini.dat"), plix::testing::settingsTemplate(4));
    EXPECT_EQ(in.veltosu.Label1.Caption, "Ok");
}

TEST_F(VeltosuTest, MissingLibrariesNameTheirDebianPackagesOnce) {
    setup.write("plixdesk.libs",
                "# soname package\nlibQt6Widgets.so.6 libqt6widgets6\nlibQt6Multimedia.so.6 "
                "libqt6multimedia6\n"
                "libQt6MultimediaWidgets.so.6 libqt6multimedia6\nlibcurl.so.4 libcurl4\n");
    absentLibraries = {"libQt6Multimedia.so.6", "libQt6MultimediaWidgets.so.6", "libcurl.so.4"};
    Form_Load(in);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("\n\nsudo apt install libqt6multimedia6 libcurl4"),
              std::string::npos);
    EXPECT_EQ(messages.shown[0].text.find(in.st.LanguageTable[181]), 0u);

    absentLibraries.clear();
    messages.shown.clear();
    plix::inst::Inst again{InstServices{&scheduler, &messages}, config()};
    Form_Load(again);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(VeltosuTest, DrivesAndFoldersProposeAPlixFolderThere) {
    in.cfg.drives = [this] {
        return std::vector<std::string>{home.path().string(), "/media/me/USB STICK"};
    };
    Form_Load(in);
    EXPECT_EQ(in.veltosu.Drive1.Items.size(), 2u);
    in.veltosu.Drive1.ListIndex = 1;
    Drive1_Change(in);
    EXPECT_EQ(in.veltosu.Dir1.Path, "/media/me/USB STICK");
    EXPECT_EQ(in.veltosu.tpad.Text, "/media/me/USB STICK/PLIX");
    in.veltosu.Dir1.Path = "/";
    Dir1_Change(in);
    EXPECT_EQ(in.veltosu.tpad.Text, "/PLIX");
}

TEST_F(VeltosuTest, WithoutALanguageFileTheDesignCaptionsStayAndMessagesStillSaySomething) {
    fs::remove(setup / "pxlng.dat");
    Form_Load(in);
    EXPECT_EQ(in.veltosu.form.Caption, "PLIX Setup");
    EXPECT_EQ(in.veltosu.Combo1.Items, std::vector<std::string>{"English"});
    in.veltosu.tpad.Text = "/";
    cinstall_Click(in);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(messages.shown[0].text.empty());
    install();
    EXPECT_EQ(desktopEntryValue(read(menuEntryPath(in.cfg.dirs)), "Name"), "PLIX");
    EXPECT_FALSE(in.veltosu.lend.Caption.empty());
}

}  // namespace
