// An installation from start to end screen: the files, the desktop's
// entries, the manifest, the settings question and the language choice.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "desk/core/autostart_entry.h"
#include "inst/registration.h"
#include "inst/veltosu.h"
#include "tests/inst/inst_fixture.h"

using namespace plix;
using namespace plix::inst;
namespace fs = std::filesystem;

namespace {

class InstallTest : public plix::testing::InstFixture {
protected:
    fs::path target() const { return home.path() / "My Apps" / "PLIX"; }
    void install(int startup = 1) {
        in.veltosu.tpad.Text = target().string();
        in.veltosu.chkst.Value = startup;
        cinstall_Click(in);
    }
    std::string read(const fs::path& p) { return readWholeFile(p).value_or("<missing>"); }
    void chooseLanguage(int index) {
        in.veltosu.Combo1.ListIndex = index;
        Combo1_Click(in);
        scheduler.advance(500);
    }
};

TEST_F(InstallTest, InstallsIntoAFolderWithABlankAndRegistersItWithTheDesktop) {
    Form_Load(in);
    EXPECT_EQ(in.veltosu.tpad.Text, (home / "PLIX").string());   // proposed: ~/PLIX
    install();

    // Every file of the copy table, the program executable.
    for (const char* name : {"pxlng.dat", "pxini.dat", "plixdesk.png", "plixdesk", "Notify.wav"})
        EXPECT_EQ(read(target() / name), setup.read(name)) << name;
    EXPECT_FALSE(fs::exists(target() / "pxhlp.dat"));   // the setup folder has none yet
    EXPECT_TRUE(fs::status(target() / "plixdesk").permissions() == fs::perms(0755));
    EXPECT_EQ(in.veltosu.Label1.Caption, "Ok");
    EXPECT_TRUE(messages.shown.empty());

    // The menu entry starts the program in its folder; the blank survives quoting.
    const std::string entry = read(menuEntryPath(in.cfg.dirs));
    EXPECT_EQ(desktopEntryValue(entry, "Name"), "PLIX Supplier");
    EXPECT_EQ(desktopEntryValue(entry, "Exec"), "\"" + (target() / "plixdesk").string() + "\"");
    EXPECT_EQ(execArguments(*desktopEntryValue(entry, "Exec")), std::vector<std::string>{(target() / "plixdesk").string()});
    EXPECT_EQ(desktopEntryValue(entry, "Path"), target().string());
    EXPECT_EQ(desktopEntryValue(entry, "Icon"), (target() / "plixdesk.png").string());
    EXPECT_EQ(desktopEntryValue(read(groupDirectoryPath(in.cfg.dirs)), "Type"), "Directory");
    EXPECT_NE(read(groupMenuPath(in.cfg.dirs)).find("<Filename>plixdesk.desktop</Filename>"), std::string::npos);
    EXPECT_TRUE(autostartEnabled(in.cfg.dirs));
    EXPECT_EQ(read(autostartEntryPath(in.cfg.dirs)).find(entry.substr(0, entry.find("Categories"))), 0u);
    EXPECT_EQ(fs::read_symlink(applicationLinkPath(in.cfg.dirs)), target() / "plixdesk");

    // The manifest: made folders first, then every file and the link.
    const std::string manifest = read(target() / "install-manifest.txt");
    EXPECT_NE(manifest.find("folder " + (home / "My Apps").string() + "\nfolder " + target().string() + "\n"),
              std::string::npos);
    for (const fs::path& p : {target() / "plixdesk", menuEntryPath(in.cfg.dirs), groupMenuPath(in.cfg.dirs),
                              autostartEntryPath(in.cfg.dirs), target() / "install-manifest.txt"})
        EXPECT_NE(manifest.find("file " + p.string() + "\n"), std::string::npos) << p;
    EXPECT_NE(manifest.find("link " + applicationLinkPath(in.cfg.dirs).string()), std::string::npos);

    // End screen for about four seconds.
    const VeltosuForm& f = in.veltosu;
    EXPECT_FALSE(f.fr_stsrt.Visible);
    EXPECT_TRUE(f.lend.Visible && f.Picture2.Visible);
    EXPECT_EQ(f.lend.Caption, in.st.LanguageTable[186]);
    EXPECT_EQ(f.cexit.Caption, "&Close");
    EXPECT_FALSE(f.cinstall.Enabled);
    scheduler.advance(3999);
    EXPECT_FALSE(in.st.ProgramEnded);
    scheduler.advance(1);
    EXPECT_TRUE(in.st.ProgramEnded);
}

TEST_F(InstallTest, WithoutTheStartupBoxNoAutostartEntryAndAFailureShowsFout) {
    Form_Load(in);
    fs::create_directories(in.cfg.dirs.binHome);
    std::ofstream(applicationLinkPath(in.cfg.dirs)) << "someone else's";
    install(0);
    EXPECT_FALSE(fs::exists(autostartEntryPath(in.cfg.dirs)));
    EXPECT_EQ(read(applicationLinkPath(in.cfg.dirs)), "someone else's");
    EXPECT_EQ(in.veltosu.Label1.Caption, "Fout");
    EXPECT_EQ(in.st.Failed, std::vector<std::string>{applicationLinkPath(in.cfg.dirs).string()});
}

TEST_F(InstallTest, ExistingSettingsStayByteForByteWhenTheAnswerIsNo) {
    Form_Load(in);
    install();
    std::string mine = plix::testing::settingsTemplate(3);
    mine.replace(0, 16, "www.mine.example");
    std::ofstream(target() / "pxini.dat", std::ios::binary) << mine;
    std::ofstream(target() / "pxlng.dat") << "old";
    const auto installAgain = [&](MsgResult answer) {
        messages.shown.clear();
        messages.answers = {answer};
        plix::inst::Inst again{InstServices{&scheduler, &messages}, config()};
        Form_Load(again);
        again.veltosu.tpad.Text = target().string();
        cinstall_Click(again);
    };

    installAgain(MsgResult::No);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, in.st.LanguageTable[187]);
    EXPECT_EQ(messages.shown[0].title, in.st.LanguageTable[188]);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(read(target() / "pxini.dat"), mine);
    EXPECT_EQ(read(target() / "pxlng.dat"), setup.read("pxlng.dat"));
    // The manifest still holds what the first installation made, once each.
    const std::string manifest = read(target() / "install-manifest.txt");
    EXPECT_EQ(manifest.find("folder " + (home / "My Apps").string() + "\n"), manifest.find("\n") + 1);
    EXPECT_EQ(manifest.find("pxlng.dat"), manifest.rfind("pxlng.dat"));

    installAgain(MsgResult::Yes);
    EXPECT_EQ(read(target() / "pxini.dat"), plix::testing::settingsTemplate(1));
}

TEST_F(InstallTest, TheChosenLanguageGoesIntoTheTemplateAndTheInstalledCopy) {
    Form_Load(in);
    chooseLanguage(1);
    EXPECT_EQ(setup.read("pxini.dat")[38], 2);
    EXPECT_EQ(in.veltosu.cinstall.Caption, "&Installeren");
    EXPECT_EQ(in.veltosu.Combo1.ListIndex, 1);
    install();
    EXPECT_EQ(read(target() / "pxini.dat")[38], 2);
    EXPECT_EQ(desktopEntryValue(read(menuEntryPath(in.cfg.dirs)), "Name"), "PLIX Leverancier");
}

TEST_F(InstallTest, AReadOnlySetupFolderPassesTheLanguageToTheInstalledCopy) {
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

TEST_F(InstallTest, MissingLibrariesNameTheirDebianPackagesOnce) {
    setup.write("plixdesk.libs",
                "# soname package\nlibQt6Widgets.so.6 libqt6widgets6\nlibQt6Multimedia.so.6 libqt6multimedia6\n"
                "libQt6MultimediaWidgets.so.6 libqt6multimedia6\nlibcurl.so.4 libcurl4\n");
    absentLibraries = {"libQt6Multimedia.so.6", "libQt6MultimediaWidgets.so.6", "libcurl.so.4"};
    Form_Load(in);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("\n\nsudo apt install libqt6multimedia6 libcurl4"), std::string::npos);
    EXPECT_EQ(messages.shown[0].text.find(in.st.LanguageTable[181]), 0u);

    absentLibraries.clear();
    messages.shown.clear();
    plix::inst::Inst again{InstServices{&scheduler, &messages}, config()};
    Form_Load(again);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InstallTest, DrivesAndFoldersProposeAPlixFolderThere) {
    in.cfg.drives = [this] { return std::vector<std::string>{home.path().string(), "/media/me/USB STICK"}; };
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

TEST_F(InstallTest, WithoutALanguageFileTheDesignCaptionsStayAndMessagesStillSaySomething) {
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
