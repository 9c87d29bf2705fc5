// Paging, hiding and showing all requests, disconnect and reconnect.
#include "desk/inbox/hide_show.h"
#include "desk/inbox/inbox.h"
#include "desk/trade/commands.h"
#include "desk/trade/connection.h"
#include "desk/trade/paging.h"
#include "tests/inbox/inbox_fixture.h"

namespace plix::testing {
namespace {

class CommandsTest : public InboxFixture {
protected:
    void holdRequests(int n) {
        std::vector<ListRecord> list;
        for (int i = 1; i <= n; ++i) list.push_back(record(100 + i));
        serveList(list);
        getvraag(desk);
        market.urls.clear();
    }
};

TEST_F(CommandsTest, PagingStaysWithinTheList) {
    EXPECT_EQ(pagedOffset(10, 25, kNextPage), 15);
    EXPECT_EQ(pagedOffset(15, 25, kPreviousPage), 5);
    EXPECT_EQ(pagedOffset(10, 25, kLastPage), 15);
    EXPECT_EQ(pagedOffset(15, 25, kFirstPage), 0);
    EXPECT_EQ(pagedOffset(0, 25, kNextPage), 10);
    EXPECT_EQ(pagedOffset(5, 25, kPreviousPage), 0);
    for (int button : {kNextPage, kPreviousPage, kFirstPage, kLastPage})
        EXPECT_EQ(pagedOffset(0, 7, button), 0) << button;   // fewer than ten: always the first page
}

TEST_F(CommandsTest, PageButtonsRedrawTheList) {
    holdRequests(25);
    cvraag_Click(desk, kNextPage);
    EXPECT_EQ(st.PageOffset, 10);
    EXPECT_EQ(velto.lnr[0].Caption, "11");
    EXPECT_TRUE(velto.cvraag[1].Enabled);
    EXPECT_EQ(market.count("chkl02"), 1);
    cvraag_Click(desk, kLastPage);
    EXPECT_EQ(velto.lnr[0].Caption, "16");
    EXPECT_FALSE(velto.cvraag[0].Enabled);   // on the last page

    cvraag_Click(desk, kToTray);
    EXPECT_FALSE(velto.form.Visible);
    EXPECT_EQ(market.count("chkl02"), 2);
}

TEST_F(CommandsTest, HideAllSendsOneRequestPerHeldRecordInOrder) {
    holdRequests(3);
    st.PageOffset = 4;
    clrall_Click(desk);
    EXPECT_EQ(market.urls, (std::vector<std::string>{
                               "http://srv.test/plix_chkl.php?CD=07&ID_LV=4711&RNR=101",
                               "http://srv.test/plix_chkl.php?CD=07&ID_LV=4711&RNR=102",
                               "http://srv.test/plix_chkl.php?CD=07&ID_LV=4711&RNR=103"}));
    EXPECT_EQ(st.PageOffset, 0);
    EXPECT_EQ(st.StartupStep, 503);

    market.urls.clear();
    viewall_Click(desk);
    EXPECT_EQ(market.urls, std::vector<std::string>{"http://srv.test/plix_chkl.php?CD=09&ID_LV=4711"});
}

TEST_F(CommandsTest, HideAllSendsNothingForAnEmptyOrOverstatedList) {
    holdRequests(0);
    deleteall(desk);
    EXPECT_TRUE(market.urls.empty());
    EXPECT_EQ(st.StartupStep, 503);

    // The server claims 5 but lists 2: only the two listed are hidden.
    serveList({record(1), record(2)}, 5);
    getvraag(desk);
    market.urls.clear();
    deleteall(desk);
    EXPECT_EQ(market.urls.size(), 2u);
}

TEST_F(CommandsTest, DisconnectAsksFirstAndCancelChangesNothing) {
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

TEST_F(CommandsTest, ReconnectResetsAndRestartsTheSequence) {
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

TEST_F(CommandsTest, UnloadAllClosesTheOtherWindowsAndClearScreenHidesTheFrames) {
    int unloaded = 0;
    desk.windows.veltoflt.onUnload = [&unloaded](Desk&) { ++unloaded; };
    showWindow(desk.windows.veltoflt);
    showWindow(desk.windows.veltorsp);
    st.FilterArmed = 1;
    velto.frsystem.Visible = velto.fr_vraag.Visible = true;
    clrscr(desk);
    EXPECT_FALSE(velto.frsystem.Visible);
    EXPECT_FALSE(velto.fr_vraag.Visible);
    EXPECT_FALSE(desk.windows.veltoflt.form.Loaded);
    EXPECT_FALSE(desk.windows.veltorsp.form.Visible);
    EXPECT_EQ(unloaded, 1);
    EXPECT_EQ(st.FilterArmed, 0);
    unloadall(desk);
    EXPECT_EQ(unloaded, 1);   // an unloaded window is not unloaded twice
}

}  // namespace
}  // namespace plix::testing
