// An installation registered with the desktop: the menu entry, the group,
// the autostart entry, the link, the manifest and the result word.
#include <gtest/gtest.h>

#include "desk/core/autostart_entry.h"
#include "inst/registration.h"
#include "inst/veltosu.h"
#include "tests/support/inst_fixture.h"

using namespace plix;
using namespace plix::inst;
namespace fs = std::filesystem;

namespace {

using RegistrationTest = plix::testing::InstFixture;

TEST_F(RegistrationTest, InstallsIntoAFolderWithABlankAndRegistersItWithTheDesktop) {
    Form_Load(in);
    EXPECT_EQ(in.veltosu.tpad.Text, (home / "PLIX").string());  // proposed: ~/PLIX
    install();

    // Every file of the copy table, the program executable.
    for (const char* name :
         {"pxlng.dat", "pxini.dat", "plixdesk.png", "plixdesk", "Notify.wav", "plixdesk-sound.so"})
        EXPECT_EQ(read(target() / name), setup.read(name)) << name;
    EXPECT_FALSE(fs::exists(target() / "pxhlp.dat"));  // the setup folder has none yet
    EXPECT_TRUE(fs::status(target() / "plixdesk").permissions() == fs::perms(0755));
    EXPECT_EQ(in.veltosu.Label1.Caption, "Ok");
    EXPECT_TRUE(messages.shown.empty());

    // The menu entry starts the program in its folder; the blank survives quoting.
    const std::string entry = read(menuEntryPath(in.cfg.dirs));
    EXPECT_EQ(desktopEntryValue(entry, "Name"), "PLIX Supplier");
    EXPECT_EQ(desktopEntryValue(entry, "Exec"), "\"" + (target() / "plixdesk").string() + "\"");
    EXPECT_EQ(execArguments(*desktopEntryValue(entry, "Exec")),
              std::vector<std::string>{(target() / "plixdesk").string()});
    EXPECT_EQ(desktopEntryValue(entry, "Path"), target().string());
    EXPECT_EQ(desktopEntryValue(entry, "Icon"), (target() / "plixdesk.png").string());
    EXPECT_EQ(desktopEntryValue(read(groupDirectoryPath(in.cfg.dirs)), "Type"), "Directory");
    EXPECT_NE(read(groupMenuPath(in.cfg.dirs)).find("<Filename>plixdesk.desktop</Filename>"),
              std::string::npos);
    EXPECT_TRUE(autostartEnabled(in.cfg.dirs));
    EXPECT_EQ(read(autostartEntryPath(in.cfg.dirs)).find(entry.substr(0, entry.find("Categories"))),
              0u);
    EXPECT_EQ(fs::read_symlink(applicationLinkPath(in.cfg.dirs)), target() / "plixdesk");

    // The manifest: made folders first, then every file and the link.
    const std::string manifest = read(target() / "install-manifest.txt");
    EXPECT_NE(manifest.find("folder " + (home / "My Apps").string() + "\nfolder " +
                            target().string() + "\n"),
              std::string::npos);
    for (const fs::path& p :
         {target() / "plixdesk", menuEntryPath(in.cfg.dirs), groupMenuPath(in.cfg.dirs),
          autostartEntryPath(in.cfg.dirs), target() / "install-manifest.txt"})
        EXPECT_NE(manifest.find("file " + p.string() + "\n"), std::string::npos) << p;
    EXPECT_NE(manifest.find("link " + applicationLinkPath(in.cfg.dirs).string()),
              std::string::npos);

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

TEST_F(RegistrationTest, WithoutTheStartupBoxNoAutostartEntryAndAFailureShowsFout) {
    Form_Load(in);
    fs::create_directories(in.cfg.dirs.binHome);
    std::ofstream(applicationLinkPath(in.cfg.dirs)) << "someone else's";
    install(0);
    EXPECT_FALSE(fs::exists(autostartEntryPath(in.cfg.dirs)));
    EXPECT_EQ(read(applicationLinkPath(in.cfg.dirs)), "someone else's");
    EXPECT_EQ(in.veltosu.Label1.Caption, "Fout");
    EXPECT_EQ(in.st.Failed, std::vector<std::string>{applicationLinkPath(in.cfg.dirs).string()});
}

}  // namespace
