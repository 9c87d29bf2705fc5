// The inbox against the real plixsrv with its demo data: the program's logic
// on the simulated clock, talking real HTTP over loopback.
#include "desk/inbox/inbox.h"
#include "desk/velto/hide_show.h"
#include "tests/support/demo_desk_fixture.h"

namespace plix::testing {
namespace {

class InboxEndToEnd : public DemoDeskFixture {};

TEST_F(InboxEndToEnd, NewChangedDisconnectHideAndShow) {
    DeskState& st = desk->st;
    VeltoForm& velto = desk->velto;
    ASSERT_EQ(std::to_string(st.SupplierNumber), supplier);
    ASSERT_EQ(st.IdMismatch, 0);

    // The start-up sequence: 503 -> 502 -> 501 -> 500 -> 499 -> 0.
    for (int i = 0; i < 6; ++i) fakes.scheduler.advance(1000);
    ASSERT_EQ(st.StartupStep, 0);
    ASSERT_EQ(st.ConnectState, 2);
    const int held = st.HeldCount;
    EXPECT_GT(held, 10);
    EXPECT_EQ(visibleRows(), 10);
    EXPECT_TRUE(velto.fr_vraag.Visible);
    EXPECT_TRUE(velto.cvraag[0].Visible);
    const std::size_t startAlerts = fakes.sound.played.size();  // demo requests are new at start

    // A request posted by a customer appears green at the top after the next poll,
    // and the alert sounds exactly once.
    auto posted = customer("/api/requests", R"({"title":"Oak table, 2 m","details":"Solid oak"})");
    ASSERT_TRUE(posted && posted->status == 200) << (posted ? posted->body : "no reply");
    const std::string number =
        std::to_string(nlohmann::json::parse(posted->body)["number"].get<long long>());
    nextPoll();
    ASSERT_EQ(st.HeldCount, held + 1);
    const int row = rowOf("Oak table, 2 m");
    ASSERT_GE(row, 0);
    EXPECT_EQ(velto.lnr[row].BackColor, kNewRowColour);
    EXPECT_TRUE(velto.cnew[row].Visible);
    EXPECT_EQ(fakes.sound.played.size(), startAlerts + 1);
    nextPoll();  // nothing changed: no second alert
    EXPECT_EQ(fakes.sound.played.size(), startAlerts + 1);

    // The supplier reads it (as the reactions window does), then the customer
    // changes it: yellow after the next poll.
    HttpRequest open;
    open.url =
        "http://" + server.host() + "/plix_chkl.php?CD=04&ID_LV=" + supplier + "&RNR=" + number;
    http.real.get(open);
    auto changed = customer("/api/requests/" + number, R"({"title":"Oak table, 2.2 m"})");
    ASSERT_TRUE(changed && changed->status == 200);
    nextPoll();
    const int changedRow = rowOf("Oak table, 2.2 m");
    ASSERT_GE(changedRow, 0);
    EXPECT_EQ(velto.lnr[changedRow].BackColor, kChangedRowColour);
    EXPECT_TRUE(velto.chand[changedRow].Visible);

    // A disconnect order: shown, obeyed, and the reconnect command disabled.
    auto order =
        customer("/api/messages", R"({"supplier":)" + supplier +
                                      R"(,"control":"QC2Q","text":"Maintenance tonight"})");
    ASSERT_TRUE(order && order->status == 200);
    nextPoll();
    ASSERT_FALSE(fakes.messages.shown.empty());
    EXPECT_EQ(fakes.messages.shown.back().text, "Maintenance tonight");
    EXPECT_EQ(st.ServerCommand, 2);
    EXPECT_EQ(st.Disconnected, 1);
    EXPECT_FALSE(velto.recon.Enabled);
    const int pollsBefore = http.polls();
    fakes.scheduler.advance(60000);
    EXPECT_EQ(http.polls(), pollsBefore);  // no polling while disconnected

    // Hide all: the list comes back empty; show all: the requests return.
    clrall_Click(*desk);
    for (int i = 0; i < 6; ++i) fakes.scheduler.advance(1000);
    EXPECT_EQ(st.StartupStep, 0);
    EXPECT_EQ(st.HeldCount, 0);
    EXPECT_EQ(visibleRows(), 0);

    viewall_Click(*desk);
    for (int i = 0; i < 6; ++i) fakes.scheduler.advance(1000);
    EXPECT_EQ(st.HeldCount, held + 1);
    EXPECT_EQ(visibleRows(), 10);
}

}  // namespace
}  // namespace plix::testing
