#pragma once
// The program's logic on the simulated clock against the real plixsrv with
// its demo data, logged in as the demo supplier, talking real HTTP over
// loopback.
#include <httplib.h>

#include <nlohmann/json.hpp>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "desk/core/item_list.h"
#include "desk/core/settings.h"
#include "desk/velto/startup.h"
#include "platform/linux/curl_http_client.h"
#include "tests/support/desk_fixture.h"
#include "tests/support/plixsrv_process.h"

namespace plix::testing {

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

class DemoDeskFixture : public ::testing::Test {
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

    // What the marketplace holds about one request (reactions, offers).
    nlohmann::json request(const std::string& number) {
        httplib::Client client("http://" + server.host());
        auto reply = client.Get("/api/requests/" + number);
        return reply && reply->status == 200 ? nlohmann::json::parse(reply->body)
                                             : nlohmann::json();
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

}  // namespace plix::testing
