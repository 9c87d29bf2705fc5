// Messages from the server and their control codes.
#include <filesystem>

#include "desk/velto/timers.h"
#include "desk/inbox/change_poll.h"
#include "desk/inbox/server_message.h"
#include "desk/velto/connection.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class ServerMessageTest : public InboxFixture {
protected:
    ServerMessageTest() {
        serveList({record(1)});
        market.answer("chkl03", "TV=1]TR=1]");
        getchange(desk);   // the first change of the run is behind us
        market.urls.clear();
    }
    void message(const std::string& text) { market.answer("chkl03", "TV=1]TR=1]MESS" + text); }
};

TEST_F(ServerMessageTest, FourCharacterCodesAreCutEvenWhenUnknown) {
    message("QxyQPlease update your profile");
    getchange(desk);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "Please update your profile");
    EXPECT_EQ(st.ServerCommand, 0);
    EXPECT_EQ(market.count("ctrl11"), 1);
    EXPECT_NE(std::find(market.urls.begin(), market.urls.end(),
                        "http://srv.test/plix_ctrl.php?CD=11&ID_LV=4711"),
              market.urls.end());

    message("Qui");   // too short to hold a code
    getchange(desk);
    EXPECT_EQ(fakes.messages.shown.back().text, "Qui");
}

TEST_F(ServerMessageTest, DisconnectOrderStopsPollingAndReconnecting) {
    message("QC2QMaintenance tonight");
    getchange(desk);
    EXPECT_EQ(fakes.messages.shown.back().text, "Maintenance tonight");
    EXPECT_EQ(st.ServerCommand, 2);
    EXPECT_EQ(st.Disconnected, 1);
    EXPECT_TRUE(velto.discon.Checked);
    EXPECT_FALSE(velto.recon.Enabled);
    EXPECT_FALSE(velto.fr_vraag.Visible);   // and the list fetched after it stays hidden
    EXPECT_EQ(market.count("ctrl11"), 0);
    EXPECT_EQ(fakes.messages.shown.size(), 1u);   // no "are you sure" question

    // Neither the countdown nor the reconnect timer moves any more.
    wireTimers(desk);
    st.SystemList[0] = "5";
    st.PollCountdown = 5;
    st.OnlineFlag = 0;
    market.urls.clear();
    fakes.scheduler.advance(120000);
    EXPECT_TRUE(market.urls.empty());
    EXPECT_EQ(st.PollCountdown, 5);
    EXPECT_EQ(st.StartupStep, 0);
}

TEST_F(ServerMessageTest, QuitOrderSavesChangedSettingsAndEnds) {
    st.SettingsDirty = 1;
    st.SystemList[0] = "17";
    wireTimers(desk);
    message("QC1QGoodbye");
    getchange(desk);
    EXPECT_EQ(fakes.messages.shown.back().text, "Goodbye");
    EXPECT_TRUE(st.ProgramEnded);
    EXPECT_EQ(market.count("ctrl11"), 0);
    EXPECT_EQ(market.count("chkl02"), 0);   // the end comes at once
    ASSERT_TRUE(std::filesystem::exists(folder / "pxini.dat"));
    EXPECT_NE(folder.read("pxini.dat").find("<17>"), std::string::npos);

    // No timer runs after the end.
    market.urls.clear();
    fakes.scheduler.advance(60000);
    EXPECT_TRUE(market.urls.empty());
}

TEST_F(ServerMessageTest, QuitOrderFromTheTimerEndsBeforeAPendingRefresh) {
    st.SystemList[0] = "5";
    st.PollCountdown = 1;
    st.InboxRefreshRequest = 99;
    wireTimers(desk);
    message("QC1Q");
    fakes.scheduler.advance(2000);
    EXPECT_TRUE(st.ProgramEnded);
    EXPECT_EQ(market.count("chkl02"), 0);
}

TEST_F(ServerMessageTest, QuitOrderWithNothingChangedWritesNothing) {
    message("QC1Q");
    getchange(desk);
    EXPECT_TRUE(st.ProgramEnded);
    EXPECT_FALSE(std::filesystem::exists(folder / "pxini.dat"));
}

TEST_F(ServerMessageTest, APollWhileTheBoxIsOpenDoesNotStackOrAcknowledgeTwice) {
    message("The same message");
    fakes.messages.whileOpen = [this] {
        market.answer("chkl03", "TV=2]TR=1]MESSThe same message");
        getchange(desk);   // the next poll fires while the box is open
        EXPECT_EQ(market.count("ctrl11"), 0);
    };
    getchange(desk);
    EXPECT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(market.count("ctrl11"), 1);   // acknowledged once, when the box closed
    EXPECT_EQ(st.MessageBoxOpen, 0);
    EXPECT_EQ(market.count("chkl02"), 2);   // the nested poll still loaded the list: its marks changed

    // Once closed, the next message shows again.
    getchange(desk);
    EXPECT_EQ(fakes.messages.shown.size(), 2u);
}

TEST_F(ServerMessageTest, AMessageStillOnScreenIsNoChange) {
    message("Maintenance at noon");
    fakes.messages.whileOpen = [this] {
        velto.form.Visible = false;
        st.IdleTicks = 12;
        st.SoundArmed = 0;
        const int fetches = market.count("chkl02");
        for (int i = 0; i < 3; ++i) getchange(desk);   // polls while the box is open
        EXPECT_EQ(market.count("chkl03"), 4);
        EXPECT_EQ(market.count("chkl02"), fetches);
        EXPECT_FALSE(velto.form.Visible);
        EXPECT_EQ(st.IdleTicks, 12);
        EXPECT_EQ(st.SoundArmed, 0);
    };
    getchange(desk);
    EXPECT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(market.count("ctrl11"), 1);
}

TEST_F(ServerMessageTest, AnOrderThatComesWhileABoxIsOpenWaitsItsTurn) {
    message("QC2QMaintenance tonight");
    fakes.messages.whileOpen = [this] {
        message("QC1QGoodbye");
        getchange(desk);
        EXPECT_EQ(fakes.messages.shown.size(), 1u);   // not stacked over the first
        market.answer("chkl03", "TV=1]TR=1]");        // the server retired it on delivery
        getchange(desk);
    };
    getchange(desk);
    ASSERT_EQ(fakes.messages.shown.size(), 2u);
    EXPECT_EQ(fakes.messages.shown[1].text, "Goodbye");
    EXPECT_EQ(st.Disconnected, 1);
    EXPECT_TRUE(st.ProgramEnded);
}

TEST_F(ServerMessageTest, AMessageThatComesUnderAnotherBoxIsShownOnceItIsAnswered) {
    st.SystemList[0] = "5";
    st.PollCountdown = 5;
    wireTimers(desk);
    message("Your offer was accepted");
    fakes.messages.answers = {MsgResult::Cancel};
    fakes.messages.whileOpen = [this] {
        fakes.scheduler.advance(12000);   // a poll finds the message under the question
        EXPECT_EQ(fakes.messages.shown.size(), 1u);
    };
    discon_Click(desk);   // the user's "are you sure" question
    EXPECT_EQ(market.count("ctrl11"), 0);
    fakes.scheduler.advance(2000);
    ASSERT_EQ(fakes.messages.shown.size(), 2u);
    EXPECT_EQ(fakes.messages.shown[1].text, "Your offer was accepted");
    EXPECT_EQ(market.count("ctrl11"), 1);
}

}  // namespace
}  // namespace plix::testing
