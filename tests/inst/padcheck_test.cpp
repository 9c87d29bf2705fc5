// The target folder check: what is accepted, refused or too short, and that
// a refused target leaves the start screen, the disk and the desktop alone.
#include <gtest/gtest.h>

#include <unistd.h>

#include "inst/padcheck.h"
#include "inst/registration.h"
#include "inst/veltosu.h"
#include "tests/support/inst_fixture.h"

using namespace plix;
using namespace plix::inst;
namespace fs = std::filesystem;

namespace {

class PadcheckTest : public plix::testing::InstFixture {
protected:
    TargetCheck check(const std::string& typed) {
        return checkTarget(typed, home.path(), {home.path().string(), "/media/usb"});
    }
};

TEST_F(PadcheckTest, TargetsAreCheckedTheLinuxWay) {
    const std::string h = home.path().string();
    fs::create_directories(home / "Apps");
    home.write("afile", "x");

    const TargetCheck blank = check(h + "/My Apps/PLIX/");
    EXPECT_EQ(blank.verdict, TargetVerdict::Accepted);
    EXPECT_EQ(blank.path, h + "/My Apps/PLIX");
    EXPECT_EQ(blank.missing, (std::vector<fs::path>{h + "/My Apps", h + "/My Apps/PLIX"}));
    EXPECT_EQ(check("~/Apps/PLIX").path, h + "/Apps/PLIX");
    EXPECT_EQ(check("  ~/Apps/./x/../PLIX ").verdict, TargetVerdict::Accepted);
    EXPECT_TRUE(check(h + "/Apps").missing.empty());  // an existing folder is fine

    for (const std::string& refused :
         {std::string("PLIX"), std::string("C:\\PLIX"), std::string(""),
          h + "/a/b/PLIX",        // three levels missing
          h + "/afile/PLIX",      // a file in the way
          h + "/Ap\nps/PLIX"}) {  // a line break
        const TargetCheck c = check(refused);
        EXPECT_EQ(c.verdict, TargetVerdict::NotAllowed) << refused;
        EXPECT_TRUE(c.missing.empty()) << refused;
    }
    for (const std::string& shortOne :
         {std::string("/"), std::string("/ab"), std::string("~"), h + "/",
          std::string("/media/usb/"), std::string("/tmp/..")})
        EXPECT_EQ(check(shortOne).verdict, TargetVerdict::TooShort) << shortOne;
}

TEST_F(PadcheckTest, AFolderTheUserCannotWriteIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
    fs::create_directories(home / "locked");
    fs::permissions(home / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(check((home / "locked/PLIX").string()).verdict, TargetVerdict::NotAllowed);
    fs::permissions(home / "locked", fs::perms::owner_all);
}

TEST_F(PadcheckTest, ARefusedTargetStaysOnTheStartScreenAndMakesNothing) {
    Form_Load(in);
    const VeltosuForm& f = in.veltosu;
    in.veltosu.tpad.Text = (home / "a/b/c/PLIX").string();
    cinstall_Click(in);
    in.veltosu.tpad.Text = home.path().string();
    cinstall_Click(in);

    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, in.st.LanguageTable[184]);
    EXPECT_EQ(messages.shown[1].text, in.st.LanguageTable[185]);
    EXPECT_FALSE(messages.shown[0].text.empty());
    EXPECT_EQ(in.st.PathResult, 0);
    EXPECT_TRUE(f.fr_stsrt.Visible);
    EXPECT_FALSE(f.lend.Visible);
    EXPECT_TRUE(f.cinstall.Enabled);
    EXPECT_FALSE(f.Timer2.Enabled);
    EXPECT_EQ(f.form.Pointer, MousePointer::Default);
    EXPECT_TRUE(f.Label1.Caption.empty());
    EXPECT_FALSE(fs::exists(home / "a"));
    EXPECT_FALSE(fs::exists(menuEntryPath(in.cfg.dirs)));
    EXPECT_FALSE(fs::exists(applicationLinkPath(in.cfg.dirs)));
    EXPECT_FALSE(fs::exists(in.cfg.dirs.configHome));
    scheduler.advance(10000);
    EXPECT_FALSE(in.st.ProgramEnded);

    // The user corrects the path and installs.
    in.veltosu.tpad.Text = (home / "a/PLIX").string();
    cinstall_Click(in);
    EXPECT_TRUE(fs::exists(home / "a/PLIX/plixdesk"));
    EXPECT_TRUE(f.lend.Visible);
}

}  // namespace
