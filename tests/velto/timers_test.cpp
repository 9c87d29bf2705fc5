// The start-up sequence and the poll rhythm on the simulated clock.
#include "desk/velto/timers.h"

#include <tuple>
#include <utility>

#include "desk/core/alerts.h"
#include "desk/core/settings.h"
#include "desk/velto/commands.h"
#include "desk/velto/tray.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class TimersTest : public InboxFixture {
protected:
    TimersTest() {
        st.FirstFetchDone = 0;
        st.SystemList[0] = "5";
        st.PollCountdown = 5;
        serveList({record(1, "onb"), record(2)});
        market.answer("chkl03", "TV=1]TR=1]");
    }
    void second() { fakes.scheduler.advance(1000); }
    // Times (ms) at which change polls went out.
    std::vector<long long> pollTimes;
    void recordPolls() {
        auto previous = market.routes["chkl03"];
        market.routes["chkl03"] = [this, previous](const std::string& url) {
            pollTimes.push_back(fakes.scheduler.now());
            return previous(url);
        };
    }
};

TEST_F(TimersTest, StartupSequenceRunsOneStepPerSecond) {
    st.StartupStep = 503;
    wireTimers(desk);

    second();
    EXPECT_EQ(st.StartupStep, 502);
    EXPECT_TRUE(velto.ltest.Visible);
    EXPECT_EQ(velto.ltest.Left, 200);
    EXPECT_EQ(velto.ltest.Top, 200);
    EXPECT_EQ(velto.ltest.Caption, "Testing connection");
    second();
    EXPECT_EQ(st.StartupStep, 501);
    EXPECT_EQ(velto.ltest.Caption, "Testing connection\r\n" + st.StatusLine1);
    // The connection test, then the member's record.
    EXPECT_EQ(market.keys(), (std::vector<std::string>{"ctrl01", "ctrl04"}));
    second();
    EXPECT_EQ(st.StartupStep, 500);
    EXPECT_EQ(market.count("chkl01"), 1);  // old requests purged once
    EXPECT_EQ(market.count("chkl03"), 1);  // first poll: a change, the first fetch
    EXPECT_EQ(market.count("chkl02"), 1);
    EXPECT_EQ(visibleRows(), 0);  // the first fetch draws nothing
    EXPECT_TRUE(velto.vragen.Enabled);
    EXPECT_TRUE(velto.offertes.Enabled);
    EXPECT_TRUE(velto.fr_vraag.Visible);
    second();
    EXPECT_EQ(st.StartupStep, 499);
    EXPECT_EQ(market.count("chkl02"), 2);
    EXPECT_EQ(visibleRows(), 2);
    EXPECT_EQ(fakes.sound.played.size(), 1u);  // a new request at start sounds the alert
    second();
    EXPECT_EQ(st.StartupStep, 0);
    EXPECT_EQ(st.TrayFlag, 1);
    EXPECT_TRUE(fakes.tray.installed());
    EXPECT_TRUE(velto.form.Visible);  // requests held: the window stays up
    second();
    EXPECT_FALSE(velto.ltest.Visible);

    // A restart (a login, a filter change) repeats everything but the icon and the purge.
    const int installs = fakes.tray.installs;
    st.StartupStep = 503;
    for (int i = 0; i < 5; ++i) second();
    EXPECT_EQ(st.StartupStep, 0);
    EXPECT_EQ(fakes.tray.installs, installs);
    EXPECT_EQ(market.count("chkl01"), 1);
    EXPECT_EQ(market.count("chkl02"), 3);  // marks unchanged: only step 500 fetches
}

TEST_F(TimersTest, AnEmptyInboxHidesToTheTrayAtTheEndOfTheSequence) {
    serveList({});
    st.LanguageTable[36] = "No questions";
    st.StartupStep = 503;
    wireTimers(desk);
    for (int i = 0; i < 5; ++i) second();
    EXPECT_EQ(st.StartupStep, 0);
    EXPECT_EQ(velto.ltest.Caption,
              "No questions");  // online: the empty list, not the network, is named
    EXPECT_TRUE(velto.ltest.Visible);
    EXPECT_FALSE(velto.form.Visible);
    EXPECT_TRUE(fakes.tray.installed());
}

TEST_F(TimersTest, WithoutAConnectionTheSequenceFetchesNothing) {
    st.ConnectState = 0;
    st.OnlineFlag = 0;
    market.routes.clear();
    clrena(desk);
    st.StartupStep = 503;
    wireTimers(desk);
    for (int i = 0; i < 5; ++i) second();
    EXPECT_EQ(market.count("chkl02"), 0);
    EXPECT_EQ(velto.ltest.Caption, "No Internet connection");
    EXPECT_TRUE(velto.ltest.Visible);
    EXPECT_FALSE(velto.vragen.Enabled);
}

TEST_F(TimersTest, NotYetAMemberGetsTheSupplierWindowForTheRegistration) {
    st.SupplierNumber = 0;
    st.LanguageTable[118] = "Register first";
    market.answer("ctrl05", "MAX=1<br>A00 Bouw*1<br>QCNT=1<br>");
    st.StartupStep = 503;
    wireTimers(desk);
    for (int i = 0; i < 5; ++i) second();
    EXPECT_EQ(st.WindowFetchAllowed, 1);
    EXPECT_TRUE(desk.veltolev.form.Visible);
    EXPECT_TRUE(desk.veltolev.cupdate.Enabled);  // its catalogue came
    EXPECT_EQ(fakes.messages.shown.back().text, "Register first");
    EXPECT_EQ(market.count("chkl03"), 0);
    EXPECT_FALSE(velto.splix.Enabled);
    EXPECT_EQ(velto.ltest.Caption, "No PLIX member yet");  // not "no requests"
    second();
    EXPECT_EQ(st.FrontPanel, 7);

    // Once the sequence ran, a refresh does not open it again.
    st.StartupStep = 503;
    for (int i = 0; i < 5; ++i) second();
    EXPECT_FALSE(desk.veltolev.form.Visible);
}

TEST_F(TimersTest, PollRhythmSlowsDownAfterAMinuteIdle) {
    recordPolls();
    wireTimers(desk);
    fakes.scheduler.advance(400000);
    // Every 5 ticks of 2 s while the user counts as active; the poll at 60 s
    // finds 30 idle ticks, hides the window and waits 60 ticks from then on.
    const std::vector<long long> expected = {10000, 20000, 30000,  40000,
                                             50000, 60000, 180000, 300000};
    EXPECT_EQ(pollTimes, expected);
    EXPECT_FALSE(velto.form.Visible);
    EXPECT_EQ(st.IdleTicks, 30 + 50);
}

TEST_F(TimersTest, UserActionKeepsTheFastRhythm) {
    recordPolls();
    wireTimers(desk);
    for (int i = 0; i < 100; ++i) {
        st.IdleTicks = 0;  // the user acts every second
        second();
    }
    EXPECT_EQ(pollTimes.size(), 10u);
    EXPECT_EQ(pollTimes.back(), 100000);
}

TEST_F(TimersTest, CountdownStandsStillWhileDisconnected) {
    recordPolls();
    st.Disconnected = 1;
    st.OnlineFlag = 0;
    wireTimers(desk);
    fakes.scheduler.advance(100000);
    EXPECT_TRUE(pollTimes.empty());
    EXPECT_EQ(st.PollCountdown, 5);
    EXPECT_EQ(st.StartupStep, 0);  // no reconnect either

    st.Disconnected = 0;
    st.OnlineFlag = 1;
    fakes.scheduler.advance(10000);
    EXPECT_EQ(pollTimes.size(), 1u);
}

TEST_F(TimersTest, ARecordWithoutAPollIntervalPollsAtTheMinimum) {
    // As a fresh installation has it: a supplier with its check value, no interval.
    std::string items;
    for (int i = 0; i < 18; ++i) items += "<>";
    folder.write(kSettingsFile,
                 RecordBuilder().at(31, "4711").at(39, "\x01").at(801, items + "<587915>").record);
    loaddat(desk);
    ASSERT_EQ(st.SupplierNumber, 4711);
    ASSERT_EQ(st.SystemList[0], "");
    recordPolls();
    wireTimers(desk);
    fakes.scheduler.advance(60000);
    EXPECT_EQ(pollTimes, (std::vector<long long>{2000, 12000, 22000, 32000, 42000, 52000}));

    // Zero, negative or no number at all: the same minimum.
    for (const char* interval : {"0", "-3", "often"}) {
        st.SystemList[0] = interval;
        st.IdleTicks = 0;
        pollTimes.clear();
        fakes.scheduler.advance(20000);
        EXPECT_EQ(pollTimes.size(), 2u) << interval;
    }
}

TEST_F(TimersTest, WhileABoxIsOpenTheSequenceWaitsAndTheWindowStaysUp) {
    market.answer("ctrl01", "cnt=x5<br>VERSIE=1.07");
    fakes.messages.answers = {MsgResult::Cancel};
    st.StartupStep = 503;
    st.IdleTicks = 40;  // idle: a poll would hide the window to the tray
    wireTimers(desk);
    fakes.messages.whileOpen = [this] {  // the timers run under the update question
        fakes.scheduler.advance(30000);
        EXPECT_EQ(st.StartupStep, 499);  // the list is drawn; the end of the sequence waits
        EXPECT_EQ(visibleRows(), 2);
        EXPECT_TRUE(velto.form.Visible);
        EXPECT_FALSE(fakes.tray.installed());
        EXPECT_GE(market.count("chkl03"), 1);  // the poll goes on beneath it
        trayClicked(desk, TrayClick::Left);
        fakes.scheduler.advance(30000);
        EXPECT_EQ(st.StartupStep, 503);
        EXPECT_EQ(fakes.messages.shown.size(), 1u);  // not asked again over itself
    };
    velto.form.Visible = true;
    second();
    EXPECT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_FALSE(st.ProgramEnded);
}

TEST_F(TimersTest, IdleCountSaturatesWhilePollsAreBlocked) {
    st.IdMismatch = 1;
    st.IdleTicks = 32760;
    wireTimers(desk);
    fakes.scheduler.advance(40000);
    EXPECT_EQ(st.IdleTicks, 32767);
    EXPECT_EQ(market.count("chkl03"), 0);
}

TEST_F(TimersTest, RefreshRequestsAreCarriedOut) {
    st.PollCountdown = 1000;
    wireTimers(desk);
    st.InboxRefreshRequest = 99;
    fakes.scheduler.advance(2000);
    EXPECT_EQ(st.InboxRefreshRequest, 0);
    EXPECT_EQ(market.count("chkl02"), 1);

    st.StartupStep = 299;
    second();
    EXPECT_EQ(st.StartupStep, 0);
    EXPECT_EQ(market.count("chkl02"), 2);
}

TEST_F(TimersTest, ReconnectTimerRestartsTheSequenceWhenOffline) {
    st.OnlineFlag = 0;
    st.UseProxy = 1;
    wireTimers(desk);
    fakes.scheduler.advance(29000);
    EXPECT_EQ(st.StartupStep, 0);
    fakes.scheduler.advance(1000);
    EXPECT_EQ(st.OnlineFlag, 1);
    EXPECT_EQ(st.StartupStep, 503);
    EXPECT_FALSE(velto.vragen.Enabled);  // until the sequence enables it again
}

TEST_F(TimersTest, PanelWatchAndUpdateButton) {
    wireTimers(desk);
    st.SettingsDirty = 1;
    velto.frsystem.Visible = true;
    second();
    EXPECT_TRUE(velto.cupdate.Visible);
    EXPECT_EQ(st.FrontPanel, 2);
    EXPECT_FALSE(velto.Picture1.Visible);

    velto.frsystem.Visible = false;
    velto.fr_url.Visible = true;
    st.SettingsDirty = 0;
    second();
    EXPECT_FALSE(velto.cupdate.Visible);
    EXPECT_EQ(st.FrontPanel, 3);
    EXPECT_FALSE(velto.Picture1.Visible);

    // The request list is in front; the picture shows until the inbox is loaded.
    velto.fr_url.Visible = false;
    velto.fr_vraag.Visible = true;
    second();
    EXPECT_EQ(st.FrontPanel, 1);
    EXPECT_TRUE(velto.Picture1.Visible);
    st.InboxLoaded = 1;
    second();
    EXPECT_FALSE(velto.Picture1.Visible);
    velto.fr_vraag.Visible = false;
    second();
    EXPECT_EQ(st.FrontPanel, 0);
    EXPECT_TRUE(velto.Picture1.Visible);

    // The supplier (7) and filter (8) windows; the later test wins.
    desk.veltolev.form.Visible = true;
    second();
    EXPECT_EQ(st.FrontPanel, 7);
    desk.veltoflt.form.Visible = true;
    second();
    EXPECT_EQ(st.FrontPanel, 8);
}

// What the quiet answers promise, checked over a start-up and ten minutes of
// polling that hide the window: a timer called idle changes nothing when it
// ticks, and the change poll's countdown never hides a poll.
TEST_F(TimersTest, QuietTimersNeverHideATickThatDoesMore) {
    recordPolls();
    st.StartupStep = 503;
    wireTimers(desk);
    const auto look = [this] {
        return std::tuple(st.StartupStep, st.FrontPanel, velto.Picture1.Visible,
                          velto.cupdate.Visible, velto.ltest.Visible, velto.form.Visible,
                          market.urls.size());
    };
    int idleSeen = 0;
    for (int second = 0; second < 600; ++second) {
        for (auto [quiet, tick] : {std::pair{&Timer1_Quiet, &Timer1_Timer},
                                   std::pair{&Timer2_Quiet, &Timer2_Timer},
                                   std::pair{&Timer3_Quiet, &Timer3_Timer}}) {
            if (quiet(desk) != kIdleTicks) continue;
            ++idleSeen;
            const auto before = look();
            tick(desk);
            ASSERT_EQ(look(), before) << "second " << second;
        }
        const long long countingTicks = Timer5_Quiet(desk);
        const std::size_t polls = pollTimes.size();
        const bool sequence = st.StartupStep != 0;
        this->second();
        if (!sequence && pollTimes.size() > polls) ASSERT_EQ(countingTicks, 0) << second;
    }
    EXPECT_GT(idleSeen, 1000);
    EXPECT_GE(pollTimes.size(), 8u);
    EXPECT_FALSE(velto.form.Visible);  // hidden by the idle rule meanwhile

    // The reactions window opens and closes: Timer2's watch and Timer1's
    // front panel have work until they took it up.
    desk.veltorsp.form.Visible = true;
    EXPECT_EQ(Timer1_Quiet(desk), 0);
    EXPECT_EQ(Timer2_Quiet(desk), 0);
    Timer1_Timer(desk);
    Timer2_Timer(desk);
    EXPECT_EQ(st.FrontPanel, 4);
    EXPECT_EQ(Timer1_Quiet(desk), kIdleTicks);
    EXPECT_EQ(Timer2_Quiet(desk), kIdleTicks);
    desk.veltorsp.form.Visible = false;
    EXPECT_EQ(Timer2_Quiet(desk), 0);  // the main window goes back to its place
}

}  // namespace
}  // namespace plix::testing
