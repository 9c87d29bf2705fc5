// The copy over an earlier installation: the settings question, and what
// the manifest keeps.
#include <gtest/gtest.h>

#include "inst/veltosu.h"
#include "tests/support/inst_fixture.h"

using namespace plix;
using namespace plix::inst;
namespace fs = std::filesystem;

namespace {

using TransfTest = plix::testing::InstFixture;

TEST_F(TransfTest, ExistingSettingsStayByteForByteWhenTheAnswerIsNo) {
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
    EXPECT_EQ(manifest.find("folder " + (home / "My Apps").string() + "\n"),
              manifest.find("\n") + 1);
    EXPECT_EQ(manifest.find("pxlng.dat"), manifest.rfind("pxlng.dat"));

    installAgain(MsgResult::Yes);
    EXPECT_EQ(read(target() / "pxini.dat"), plix::testing::settingsTemplate(1));
}

}  // namespace
