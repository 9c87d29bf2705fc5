// The inbox against the real plixsrv with its demo data: the program's logic
// on the simulated clock, talking real HTTP over loopback.
#include <httplib.h>

#include <nlohmann/json.hpp>

#include <filesystem>

#include "desk/core/item_list.h"
#include "desk/core/settings.h"
#include "desk/inbox/inbox.h"
#include "desk/velto/hide_show.h"
#include "desk/velto/startup.h"
#include "platform/linux/curl_http_client.h"
#include "tests/support/desk_fixture.h"
#include "tests/support/plixsrv_process.h"

namespace plix::testing {
namespace {

// The real client, counting the change polls that pass through it.
class CountingHttp : public HttpClient {
public:
    CurlHttpClient real;
    std::vector<std::string> urls;
    HttpResult get(const HttpRequest& request) override {
        urls.push_back(request.url);
        return real.get(request);
    }
    int polls() const {
        int n = 0;
        for (const auto& u : urls) n += u.find("plix_chkl.php?CD=03") != std::string::npos;
        return n;
    }
};

class InboxEndToEnd : public ::testing::Test {
protected:
    TempFolder folder;
    PlixsrvProcess server{PLIXSRV_PROGRAM, (folder.path() / "plixsrv.db").string(), {"--demo"}};
    FakeServices fakes;
    CountingHttp http;
    std::unique_ptr<Desk> desk;

    void SetUp() override {
        ASSERT_NE(server.port(), 0) << "plixsrv did not start";
        supplier = server.value("demo_id_lv");
        storeLogin();
        Services services = fakes.bundle();
        services.http = &http;
        desk = std::make_unique<Desk>(services, DeskConfig{folder.path(), server.host()});
        Form_Load(*desk);
        // The network probe belongs to the machine, not to this test: the
        // server on loopback is reachable.
        desk->st.OnlineFlag = 1;
    }

    // pxini.dat as a logged-in supplier leaves it: number, check value,
    // sound on, a 10-second poll, room for every request.
    void storeLogin() {
        std::string record(1024, ' ');
        record.replace(30, supplier.size(), supplier);
        record[38] = '\x01';
        std::array<std::string, 30> supplierItems{};
        supplierItems[27] = "ja";
        writeInto(record, 40, 800, buildItemList(supplierItems));
        std::array<std::string, 21> systemItems{};
        systemItems[0] = "5";
        systemItems[1] = "256";
        systemItems[18] = server.value("demo_check");
        writeInto(record, 800, 1024, buildItemList(systemItems));
        folder.write("pxini.dat", record);
    }

    // Runs the clock until the next change poll has gone out and been handled.
    void nextPoll() {
        const int before = http.polls();
        for (int i = 0; i < 300 && http.polls() == before; ++i) fakes.scheduler.advance(1000);
        fakes.scheduler.advance(1000);
    }

    httplib::Result customer(const std::string& path, const std::string& json) {
        httplib::Client client("http://" + server.host());
        return client.Post(path, json, "application/json");
    }

    int rowOf(const std::string& title) const {
        for (int i = 0; i < kRows; ++i)
            if (desk->velto.lnr[i].Visible && desk->velto.lvraag[i].Caption == title + " ")
                return i;
        return -1;
    }
    int visibleRows() const {
        int n = 0;
        for (const auto& l : desk->velto.lnr) n += l.Visible;
        return n;
    }

    std::string supplier;
};

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
