// The change poll and the purge of old requests.
#include "desk/inbox/change_poll.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class ChangePollTest : public InboxFixture {
protected:
    ChangePollTest() { serveList({record(1, "onb"), record(2)}); }
    void marks(const std::string& tv, const std::string& tr, const std::string& tail = "") {
        market.answer("chkl03", "TV=" + tv + "]<br>TR=" + tr + "]<br>" + tail);
    }
};

TEST_F(ChangePollTest, TheFirstChangeOfARunOnlyLoadsTheList) {
    marks("100", "7", "MESSHello");
    velto.form.Visible = false;
    getchange(desk);
    EXPECT_EQ(market.urls[0], "http://srv.test/plix_chkl.php?CD=03&ID_LV=4711&TPR=&TQR=");
    EXPECT_EQ(market.count("chkl02"), 1);
    EXPECT_EQ(st.RequestMark, "100");
    EXPECT_EQ(st.ReactionMark, "7");
    EXPECT_EQ(st.ChangeSeen, 1);
    EXPECT_FALSE(velto.form.Visible);        // not brought up
    EXPECT_TRUE(fakes.messages.shown.empty());   // the waiting message not shown
    EXPECT_EQ(market.count("ctrl11"), 0);
    EXPECT_EQ(fakes.sound.played.size(), 1u);   // armed, and the list holds a new row
}

TEST_F(ChangePollTest, SameMarksTwiceDoNothingTheSecondTime) {
    marks("100", "7");
    getchange(desk);
    market.urls.clear();
    fakes.sound.played.clear();
    getchange(desk);
    EXPECT_EQ(market.urls, std::vector<std::string>{"http://srv.test/plix_chkl.php?CD=03&ID_LV=4711&TPR=100&TQR=7"});
    EXPECT_TRUE(fakes.sound.played.empty());

    // Either mark changing is a change.
    marks("100", "8");
    getchange(desk);
    EXPECT_EQ(market.count("chkl02"), 1);
    EXPECT_EQ(st.ReactionMark, "8");
}

TEST_F(ChangePollTest, LaterChangesBringTheWindowUpAndShowTheMessage) {
    marks("100", "7");
    getchange(desk);
    velto.form.Visible = false;
    st.IdleTicks = 25;
    market.answer("chkl03", "TV=100]TR=7]MESSServer down at 22:00 TV=5]");
    getchange(desk);
    EXPECT_TRUE(velto.form.Visible);
    EXPECT_EQ(st.IdleTicks, 0);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    // Everything after "MESS" is shown, markers included.
    EXPECT_EQ(fakes.messages.shown[0].text, "Server down at 22:00 TV=5]");
    EXPECT_EQ(fakes.messages.shown[0].title, "PLIX message");
    EXPECT_EQ(market.count("ctrl11"), 1);
    EXPECT_EQ(market.count("chkl02"), 2);
    EXPECT_EQ(st.RequestMark, "100");
}

TEST_F(ChangePollTest, WhileDisconnectedAChangeLoadsTheListQuietly) {
    marks("100", "7");
    getchange(desk);
    st.Disconnected = 1;
    velto.form.Visible = false;
    fakes.sound.played.clear();
    marks("101", "7", "MESSHello");
    getchange(desk);
    EXPECT_FALSE(velto.form.Visible);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(market.count("chkl02"), 2);
    EXPECT_EQ(fakes.sound.played.size(), 1u);
}

TEST_F(ChangePollTest, FailedAndDamagedRepliesAreHarmless) {
    getchange(desk);   // no reply at all
    EXPECT_EQ(market.count("chkl02"), 0);
    EXPECT_EQ(st.ChangeSeen, 0);

    market.answer("chkl03", "TV=12");   // no closing bracket: an empty mark, equal to the start
    getchange(desk);
    EXPECT_EQ(market.count("chkl02"), 0);

    market.answer("chkl03", "TV=]TR=9");
    getchange(desk);
    EXPECT_EQ(market.count("chkl02"), 0);
    EXPECT_EQ(st.ReactionMark, "");

    // Offline nothing is sent and the previous reply is read again.
    marks("1", "1");
    getchange(desk);
    EXPECT_EQ(market.count("chkl02"), 1);
    st.OnlineFlag = 0;
    const auto sent = market.urls.size();
    getchange(desk);
    EXPECT_EQ(market.urls.size(), sent);
}

TEST_F(ChangePollTest, DeleteOldComposesItsOwnUrl) {
    st.RequestQuery = "?CD=02&ID_LV=4711";
    deleteold(desk);
    EXPECT_EQ(market.urls.back(), "http://srv.test/plix_chkl.php?CD=01&ID_LV=4711");
    EXPECT_EQ(st.RequestQuery, "?CD=02&ID_LV=4711");
    EXPECT_EQ(st.OperationLabel, " DELETE OLD ");
}

}  // namespace
}  // namespace plix::testing
