// Messages from the server and their control codes.
#include <filesystem>

#include "desk/velto/timers.h"
#include "desk/inbox/change_poll.h"
#include "desk/inbox/server_message.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

// A message box that lets the test run other handlers while it is open, as
// the program's modal box keeps the timers running.
class OpenBoxes : public MessageBoxes {
public:
    std::vector<std::string> texts;
    std::function<void()> whileOpen;
    MsgResult show(std::string_view text, std::string_view, MsgIcon, MsgButtons) override {
        texts.emplace_back(text);
        if (auto run = std::exchange(whileOpen, nullptr)) run();
        return MsgResult::Ok;
    }
};

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
    OpenBoxes boxes;
    desk.os.messages = &boxes;
    message("The same message");
    boxes.whileOpen = [this] {
        market.answer("chkl03", "TV=2]TR=1]MESSThe same message");
        getchange(desk);   // the next poll fires while the box is open
        EXPECT_EQ(market.count("ctrl11"), 0);
    };
    getchange(desk);
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(market.count("ctrl11"), 1);   // acknowledged once, when the box closed
    EXPECT_EQ(st.MessageBoxOpen, 0);
    EXPECT_EQ(market.count("chkl02"), 2);   // the nested poll still loaded the list

    // Once closed, the next message shows again.
    getchange(desk);
    EXPECT_EQ(boxes.texts.size(), 2u);
}

}  // namespace
}  // namespace plix::testing
