// The supplier's trade against the real plixsrv with its demo data: open a
// request, react, offer, delete, page on, review the offers.
#include <algorithm>

#include "desk/inbox/inbox.h"
#include "desk/inbox/offers_marks.h"
#include "desk/trade/offer.h"
#include "desk/trade/offers_overview.h"
#include "desk/trade/veltooff.h"
#include "desk/trade/veltorsp.h"
#include "desk/velto/paging.h"
#include "desk/velto/row_click.h"
#include "tests/support/demo_desk_fixture.h"

namespace plix::testing {
namespace {

class TradeEndToEnd : public DemoDeskFixture {
protected:
    void SetUp() override {
        DemoDeskFixture::SetUp();
        for (int i = 0; i < 6; ++i) fakes.scheduler.advance(1000);  // the start-up sequence
        ASSERT_EQ(desk->st.StartupStep, 0);
        ASSERT_EQ(visibleRows(), 10);
    }
    // Pages to the request with title (the server orders by activity) and
    // returns its row; -1 when the inbox does not hold it.
    int showRow(const std::string& title) {
        DeskState& st = desk->st;
        for (int n = 0; n < std::min(st.HeldCount, kMaxRequests); ++n)
            if (st.Requests[n].title == title) {
                st.PageOffset = std::min(n, std::max(0, st.HeldCount - 10));
                getvraag(*desk);
                return rowOf(title);
            }
        return -1;
    }
    void open(const std::string& title) {
        const int row = showRow(title);
        ASSERT_GE(row, 0) << title;
        vraag_Click(*desk, row);
        fakes.scheduler.advance(500);
    }
    // A reaction by the demo supplier, straight to the server.
    void react(const std::string& number) {
        HttpRequest r;
        r.url = "http://" + server.host() + "/plix_chkl.php?CD=05&ID_LV=" + supplier +
                "&RNR=" + number + "&AID=&TXT=also";
        ASSERT_EQ(http.real.get(r).body.rfind("OK", 0), 0u);
    }
};

TEST_F(TradeEndToEnd, OpenReactOfferAndDelete) {
    DeskState& st = desk->st;
    VeltorspForm& rsp = desk->veltorsp;
    const std::string oak = "Need 40 m2 oak flooring";

    // Opened, the conversation shows with its marked headings, and the
    // request is new no more: the next change does not flag it.
    open(oak);
    const std::string number = st.SelectedEntry.number;
    EXPECT_NE(rsp.list1.Text.find("Yes please, Tuesday morning suits us."), std::string::npos);
    EXPECT_NE(rsp.list1.Text.find("vervolgreactie"), std::string::npos);
    EXPECT_EQ(rsp.list1.Spans.size(), 2u);
    auto posted = customer("/api/requests", R"({"title":"Oak table, 2 m","details":"Solid"})");
    ASSERT_TRUE(posted && posted->status == 200);
    nextPoll();
    const int row = showRow(oak);
    ASSERT_GE(row, 0);
    EXPECT_FALSE(desk->velto.cnew[row].Visible);
    EXPECT_EQ(st.SelectedEntry.status, "oud");

    // A reaction with "&", "+", "<b>" and a line break arrives as typed, and
    // the inbox is fetched again.
    const std::string text = "Price & terms: 5+5 <b>net</b>\nSee you";
    rsp.treact.Text = text;
    const int lists =
        static_cast<int>(std::count_if(http.urls.begin(), http.urls.end(), [](auto& u) {
            return u.find("CD=02") != std::string::npos;
        }));
    veltorsp_csend_Click(*desk);
    EXPECT_EQ(rsp.treact.Text, "");
    fakes.scheduler.advance(2000);
    EXPECT_GT(std::count_if(http.urls.begin(), http.urls.end(),
                            [](auto& u) { return u.find("CD=02") != std::string::npos; }),
              lists);
    const nlohmann::json asked = request(number);
    bool stored = false;
    for (const auto& r : asked["reactions"])
        for (const auto& line : r["conversation"]) stored |= line["text"] == text;
    EXPECT_TRUE(stored) << asked.dump();

    // An offer: every field reaches the server, Vorade.txt gets its record,
    // and reopening the form shows it with the right entries.
    open(oak);
    ASSERT_TRUE(rsp.cbestel.Visible);
    veltorsp_cbestel_Click(*desk);
    VeltooffForm& off = desk->veltooff;
    off.tsub.Text = "Solid oak, laid";
    off.tbedrag.Text = "2400";
    off.coff[0].ListIndex = 2;  // bank in advanc
    off.coff[1].ListIndex = 6;  // within 1 month
    off.coff[2].ListIndex = 1;  // pick up
    veltooff_cconfirm_Click(*desk);
    fakes.scheduler.advance(500);
    const nlohmann::json offered = request(number);
    nlohmann::json offers = nlohmann::json::array();  // other suppliers' offers aside
    for (const auto& o : offered["offers"])
        if (o["supplier"] == std::stoi(supplier)) offers.push_back(o);
    ASSERT_EQ(offers.size(), 1u) << offered.dump();
    EXPECT_EQ(offers[0]["description"], "Solid oak, laid");
    EXPECT_EQ(offers[0]["amount"], "2400");
    EXPECT_EQ(offers[0]["vat"], "Excl");
    EXPECT_EQ(offers[0]["payment"], "bank in advanc");
    EXPECT_EQ(offers[0]["delivery_days"], "30");
    EXPECT_EQ(offers[0]["shipping"], "pick up");
    const std::string vorade = folder.read(kOfferLogFile);
    EXPECT_NE(vorade.find("Bedrag 2400 Excl. BTW"), std::string::npos);
    EXPECT_EQ(vorade.find(std::string(80, '='), 1), std::string::npos);  // one record
    for (int i = 0; i < 6; ++i) fakes.scheduler.advance(1000);           // the refresh it started
    open(oak);
    veltorsp_cbestel_Click(*desk);
    fakes.scheduler.advance(500);
    EXPECT_EQ(off.coff[1].Text(), "within 1 month");
    EXPECT_EQ(off.coff[0].Text(), "bank in advanc");
    EXPECT_EQ(off.tbedrag.Text, "2400");
    veltorsp_cexit_Click(*desk);

    // Deleted, it leaves the list, which goes back to its first page.
    const int held = st.HeldCount;
    cvraag_Click(*desk, kFirstPage);
    cvraag_Click(*desk, kNextPage);
    ASSERT_EQ(st.PageOffset, 10);
    vraag_Click(*desk, 0);
    fakes.scheduler.advance(500);
    const std::string gone = st.SelectedEntry.title;
    veltorsp_cdelete_Click(*desk);
    fakes.scheduler.advance(2000);
    EXPECT_EQ(st.PageOffset, 0);
    EXPECT_EQ(st.HeldCount, held - 1);
    for (int i = 0; i < st.HeldCount; ++i) EXPECT_NE(st.Requests[i].title, gone);
}

TEST_F(TradeEndToEnd, MarkersOnPageTwoAndTheOffersOverview) {
    DeskState& st = desk->st;
    // Request 2 of the list gets 21 reactions, request 12 six.
    const std::string busy = st.Requests[2].number, some = st.Requests[12].number;
    for (int i = 0; i < 21; ++i) react(busy);
    for (int i = 0; i < 6; ++i) react(some);
    cvraag_Click(*desk, kNextPage);
    EXPECT_EQ(desk->velto.Shape1[2].BackColor, kManyReactionsColour);  // its own six
    for (int row = 0; row < kRows; ++row)
        if (row != 2) EXPECT_NE(desk->velto.Shape1[row].BackColor, kBusyReactionsColour) << row;
    cvraag_Click(*desk, kFirstPage);
    EXPECT_EQ(desk->velto.Shape1[2].BackColor, kBusyReactionsColour);

    // The demo offer on the gutter is marked, and the overview holds it
    // with the customer's contact data.
    const int gutter = showRow("Dakgoot vervangen");
    ASSERT_GE(gutter, 0);
    EXPECT_EQ(desk->velto.ltime[gutter].BackColor, kOfferedRowColour);
    offertes_Click(*desk);
    EXPECT_TRUE(desk->veltovo.form.Visible);
    const std::string& overview = st.OverviewText;
    EXPECT_NE(overview.find("Zinken dakgoot 12 m, inclusief montage"), std::string::npos);
    EXPECT_NE(overview.find("\x80 1450"), std::string::npos);
    EXPECT_NE(overview.find("P. Jansen"), std::string::npos);
    EXPECT_NE(overview.find("Email : customer@example.org"), std::string::npos);
    EXPECT_NE(overview.find("GSM : +31 6 55500000"), std::string::npos);
}

}  // namespace
}  // namespace plix::testing
