// The reactions window: opening a request from its row, the conversation,
// sending a reaction, deleting, and what the main window does meanwhile.
#include "desk/trade/veltorsp.h"

#include <gtest/gtest.h>

#include "desk/velto/timers.h"
#include "tests/support/trade_fixture.h"

namespace plix::testing {
namespace {

class ReactionsWindow : public TradeFixture {
protected:
    ReactionsWindow() {
        std::vector<ListRecord> list;
        for (int i = 1; i <= 30; ++i) list.push_back(record(100 + i, i == 24 ? "onb" : ""));
        serveList(list);
        st.PageOffset = 20;
        getvraag(desk);
        market.urls.clear();
    }
};

TEST_F(ReactionsWindow, ARowClickOpensItsRequestBesideTheMainWindow) {
    velto.form.Left = 4000;
    market.answer("chkl04", conversationReply("123", {"We can do it.", "beantwoord op 13-06 10:48",
                                                      "Fine <b>&</b>"}));
    desk.veltolev.form.Loaded = desk.veltolev.form.Visible = true;  // the profile, half typed
    desk.veltolev.tlev[0].Text = "Half typed";
    vraag_Click(desk, 2);  // row 2 of the page that starts at 20
    // The profile steps aside but keeps what was typed; the filter window,
    // never opened, is not loaded (and fetches nothing) for the click.
    EXPECT_FALSE(desk.veltolev.form.Visible);
    EXPECT_EQ(desk.veltolev.tlev[0].Text, "Half typed");
    EXPECT_FALSE(desk.veltoflt.form.Loaded);
    EXPECT_EQ(st.SelectedRequest, 22);
    EXPECT_EQ(st.SelectedEntry.number, "123");
    EXPECT_TRUE(rsp.form.Visible);
    EXPECT_EQ(velto.form.Left, 300);
    EXPECT_EQ(rsp.form.Left, 300 + velto.form.Width - 300);
    EXPECT_EQ(rsp.form.Top, 200);
    EXPECT_EQ(rsp.form.Height, velto.form.Height + 2200);
    EXPECT_EQ(rsp.form.Width, velto.form.Width);
    EXPECT_EQ(st.ReactionsCommand, kReloadRequest);

    fakes.scheduler.advance(500);
    EXPECT_EQ(st.ReactionsCommand, 0);
    EXPECT_EQ(lastUrl("chkl04"), "http://srv.test/plix_chkl.php?CD=04&ID_LV=4711&RNR=123");
    EXPECT_EQ(rsp.lvraag.Caption, "Title 123");
    EXPECT_EQ(rsp.ldetails.Caption, "13-06 10:123 Details:   details");
    EXPECT_TRUE(rsp.cbestel.Visible);
    // The customer's "<b>" is text, and the heading in the language's words.
    EXPECT_NE(rsp.list1.Text.find(" Fine <b>&</b>\r\n"), std::string::npos);
    // Without a language the server's phrase heads the answer, marked.
    ASSERT_EQ(rsp.list1.Spans.size(), 1u);
    EXPECT_EQ(rsp.list1.Text.substr(rsp.list1.Spans[0].Start, 13), "beantwoord op");
    st.LanguageTable[98] = "Answered on: ";
    vraag_Click(desk, 3);  // another request: the window is reused
    fakes.scheduler.advance(500);
    EXPECT_EQ(st.SelectedEntry.number, "124");
    EXPECT_FALSE(rsp.cbestel.Visible);  // still new: no offer form yet
    ASSERT_EQ(rsp.list1.Spans.size(), 1u);
    EXPECT_EQ(rsp.list1.Text.substr(rsp.list1.Spans[0].Start, 13), "Answered on: ");
    // Opened, it is new no more: the list is fetched once more, and the
    // window reloads with the offer form's button.
    std::vector<ListRecord> seen;
    for (int i = 1; i <= 30; ++i) seen.push_back(record(100 + i));
    serveList(seen);
    EXPECT_EQ(st.InboxRefreshRequest, 99);
    Timer5_Timer(desk);
    fakes.scheduler.advance(500);
    EXPECT_EQ(st.SelectedEntry.status, "");
    EXPECT_TRUE(rsp.cbestel.Visible);
    EXPECT_EQ(st.InboxRefreshRequest, 0);

    // Closed, the main window goes back to its place on the main window's
    // next tick; a key in the conversation sends the user to the box.
    veltorsp_list1_KeyPress(desk);
    EXPECT_EQ(rsp.form.Focus, &rsp.treact);
    st.SavedLeft = 4000;
    Timer1_Timer(desk);
    EXPECT_EQ(st.FrontPanel, 4);
    Timer2_Timer(desk);
    EXPECT_EQ(st.ReactionsWatch, 1);
    veltorsp_cexit_Click(desk);
    Timer2_Timer(desk);
    EXPECT_EQ(st.ReactionsWatch, 0);
    EXPECT_EQ(velto.form.Left, 4000);
}

TEST_F(ReactionsWindow, AReactionIsSentWholeAndItsBoxEmptiedOnlyOnceTheServerTookIt) {
    open(0);
    rsp.treact.Text = "Price & terms: 5+5 <b>\nbold</b>";
    veltorsp_csend_Click(desk);
    EXPECT_EQ(lastUrl("chkl05"),
              "http://srv.test/plix_chkl.php?CD=05&ID_LV=4711&RNR=121&AID=A121&TXT="
              "Price%20%26%20terms%3A%205%2B5%20%3Cb%3E%0Abold%3C%2Fb%3E");
    EXPECT_EQ(rsp.treact.Text, "");
    EXPECT_EQ(rsp.form.Focus, &rsp.treact);
    EXPECT_EQ(st.InboxRefreshRequest, 99);
    Timer5_Timer(desk);  // the main window fetches the inbox again
    EXPECT_EQ(market.count("chkl02"), 1);

    // Refused by the server, or offline: the text stays and the user is told.
    market.answer("chkl05", "Error 400<br>A closed request takes no reactions.");
    st.InboxRefreshRequest = 0;
    rsp.treact.Text = "Second try";
    veltorsp_csend_Click(desk);
    EXPECT_EQ(rsp.treact.Text, "Second try");
    EXPECT_EQ(st.InboxRefreshRequest, 0);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_NE(fakes.messages.shown[0].text.find("A closed request takes no reactions."),
              std::string::npos);
    st.ServerReply = "OK<br>an earlier reply";  // what an offline fetch would leave
    st.OnlineFlag = 0;
    veltorsp_csend_Click(desk);
    EXPECT_EQ(rsp.treact.Text, "Second try");
    EXPECT_NE(fakes.messages.shown.back().text.find("no connection"), std::string::npos);
    st.OnlineFlag = 1;
    rsp.treact.Text = "  \r\n";  // nothing typed: nothing sent
    const auto sent = market.count("chkl05");
    veltorsp_csend_Click(desk);
    EXPECT_EQ(market.count("chkl05"), sent);
}

TEST_F(ReactionsWindow, WhatWasTypedStaysWithItsRequest) {
    open(0);
    rsp.treact.Text = "Draft for 121";
    open(1);
    EXPECT_EQ(rsp.treact.Text, "");
    rsp.treact.Text = "Draft for 122";
    unloadall(desk);  // a refresh closes the window
    open(0);
    EXPECT_EQ(rsp.treact.Text, "Draft for 121");
    open(1);
    EXPECT_EQ(rsp.treact.Text, "Draft for 122");
}

TEST_F(ReactionsWindow, AFetchFollowsTheOpenRequestToItsNewPlace) {
    open(1);
    // A new request comes in at the top: request 122 moves one down.
    std::vector<ListRecord> list{record(999, "onb")};
    for (int i = 1; i <= 30; ++i) list.push_back(record(100 + i));
    serveList(list);
    getvraag(desk);
    EXPECT_EQ(st.SelectedRequest, 22);
    EXPECT_EQ(st.SelectedEntry.number, "122");
    EXPECT_EQ(st.ReactionsCommand, kReloadRequest);  // the open window reloads it
    fakes.scheduler.advance(500);
    EXPECT_EQ(lastUrl("chkl04"), "http://srv.test/plix_chkl.php?CD=04&ID_LV=4711&RNR=122");
}

TEST_F(ReactionsWindow, DeleteHidesTheRequestAndGoesBackToTheFirstPage) {
    open(4);
    st.AcceptedCount = 1;
    st.PreviousHeldCount = 7;
    veltorsp_cdelete_Click(desk);
    EXPECT_EQ(lastUrl("chkl07"), "http://srv.test/plix_chkl.php?CD=07&ID_LV=4711&RNR=125");
    EXPECT_EQ(st.PageOffset, 0);
    EXPECT_EQ(st.InboxRefreshRequest, 99);
    EXPECT_EQ(st.AcceptedCount, 0);
    EXPECT_EQ(st.PreviousHeldCount, 0);
    EXPECT_FALSE(rsp.form.Visible);
    EXPECT_FALSE(rsp.form.Loaded);
    const auto fetches = market.count("chkl04");
    fakes.scheduler.advance(2000);  // a closed window fetches nothing
    EXPECT_EQ(market.count("chkl04"), fetches);
}

}  // namespace
}  // namespace plix::testing
