// Disconnecting and reconnecting.
#include "desk/velto/connection.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class ConnectionMenuTest : public InboxFixture {};

TEST_F(ConnectionMenuTest, DisconnectAsksFirstAndCancelChangesNothing) {
    fakes.messages.answers.push_back(MsgResult::Cancel);
    discon_Click(desk);
    EXPECT_EQ(st.Disconnected, 0);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(fakes.messages.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(fakes.messages.shown[0].text, st.LanguageTable[116]);
    EXPECT_EQ(fakes.messages.shown[0].title, st.LanguageTable[115]);

    discon_Click(desk);
    EXPECT_EQ(st.Disconnected, 1);
    EXPECT_TRUE(velto.discon.Checked);
    EXPECT_EQ(velto.ltest.Caption, st.LanguageTable[115]);
    EXPECT_EQ(velto.fr_vraag.Caption, "Disconnected");
}

TEST_F(ConnectionMenuTest, ReconnectResetsAndRestartsTheSequence) {
    st.Disconnected = 1;
    st.UseProxy = 1;
    st.OnlineFlag = 0;
    st.SoundArmed = 1;
    st.PageOffset = 20;
    velto.discon.Checked = true;
    velto.vragen.Enabled = true;
    recon_Click(desk);
    EXPECT_EQ(st.OnlineFlag, 1);
    EXPECT_EQ(st.Disconnected, 0);
    EXPECT_EQ(st.SoundArmed, 0);
    EXPECT_EQ(st.PageOffset, 0);
    EXPECT_FALSE(velto.discon.Checked);
    EXPECT_FALSE(velto.vragen.Enabled);
    EXPECT_FALSE(velto.fr_vraag.Visible);
    EXPECT_EQ(velto.fr_vraag.Caption, "questions");
    EXPECT_EQ(st.StartupStep, 503);
}

}  // namespace
}  // namespace plix::testing
