// Bad input gets a plain 4xx page without any marker the client looks for;
// nothing is half stored and the server keeps serving.
#include "client_cuts.h"
#include "test_server.h"

using namespace cuts;
using plix::markerPos;

namespace {
// Every marker of every reply layout.
const char* const kMarkers[] = {"cnt=",  "Taal=", "VERSIE=", "ID_LV=", "MESS", "CNTRLCODE=02",
                                "QEND",  "[",     "]",       "TV=",    "TR=",  "QLEV=",
                                "Warning", "<LEVID", "QCNT", "MAX",    "QFILT=", "RNR",
                                "Blocked", "vervolg"};

void expect_plain_error(const std::string& body, int status, int want_status) {
  EXPECT_EQ(status, want_status) << body;
  EXPECT_FALSE(body.empty());
  for (const char* m : kMarkers) EXPECT_EQ(body.find(m), std::string::npos) << m << " in: " << body;
}
}  // namespace

TEST_F(ServerTest, BadQueriesGetPlainClientErrors) {
  int64_t id = register_supplier("bad", "pw");
  std::string sid = std::to_string(id);
  struct Case {
    std::string target;
    int status;
  } cases[] = {
      {"/plix_chkl.php?CD=99&ID_LV=" + sid, 400},           // unknown code
      {"/plix_ctrl.php?CD=12&ID_LV=" + sid, 400},           // code of the other script
      {"/plix_chkl.php?ID_LV=" + sid, 400},                 // no code
      {"/plix_chkl.php?CD=2&ID_LV=" + sid, 400},            // not two digits
      {"/plix_chkl.php?CD=02", 400},                        // missing number
      {"/plix_chkl.php?CD=02&ID_LV=12a", 400},              // non-numeric number
      {"/plix_chkl.php?CD=02&ID_LV=-5", 400},
      {"/plix_chkl.php?CD=02&ID_LV=424242", 404},           // unknown supplier
      {"/plix_chkl.php?CD=03&ID_LV=424242&TPR=&TQR=", 404},
      {"/plix_chkl.php?CD=04&ID_LV=" + sid + "&RNR=x", 400},
      {"/plix_chkl.php?CD=04&ID_LV=" + sid + "&RNR=777", 404},  // unknown request
      {"/plix_chkl.php?CD=02&ID_LV=%4", 400},               // broken encoding
      {"/plix_chkl.php?CD=05&ID_LV=" + sid + "&RNR=1&TXT=%zz", 400},
      {"/plix_chkl.php?CD=05&ID_LV=" + sid + "&RNR=1&TXT=a%00b", 400},  // encoded NUL
      {"/plix_chkl.php?CD=14&ID_AV=nobody&TXT=hi", 404},    // unknown chat contact
      {"/plix_chkl.php?CD=15&ID_AV=nobody", 404},
      {"/plix_chkl.php?CD=18&CTR=12", 400},                 // not an item list
      {"/plix_ctrl.php?CD=02&CTR=%3Cno%20end", 400},
      {"/plix_ctrl.php?CD=06&ID_LV=424242&=&=", 404},
      {"/plix_chkl.php?CD=13&ID_LV=" + sid + "&X=" + std::string(300, 'a'), 400},  // oversized field
      {"/plix_chkl.php?CD=05&ID_LV=" + sid + "&RNR=1&AID=a&TXT=" + std::string(5000, 'b'), 400},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target.substr(0, 80));
    int status = 0;
    std::string body = get(c.target, &status);
    expect_plain_error(body, status, c.status);
  }
  // A login that fails must not look like a number either.
  int status = 0;
  std::string refused = ctrl("CD=13&LOGINL=bad&PASWL=nope", &status);
  expect_plain_error(refused, status, 403);
  // The server is still fine.
  EXPECT_GT(markerPos(ctrl("CD=01"), "VERSIE=1.06"), 0u);
}

TEST_F(ServerTest, OversizedQueryIsRefusedAndServingGoesOn) {
  int status = 0;
  std::string body = get("/plix_chkl.php?CD=02&ID_LV=1&PAD=" + std::string(9000, 'x'), &status);
  EXPECT_GE(status, 400);
  EXPECT_LT(status, 500);
  EXPECT_EQ(body.find("QEND"), std::string::npos);
  EXPECT_GT(markerPos(ctrl("CD=01"), "cnt="), 0u);
}

TEST_F(ServerTest, RefusedWritesLeaveNoRowsBehind) {
  int64_t id = register_supplier("keep", "pw");
  std::string sid = std::to_string(id);
  int64_t r = post("Roof");
  std::string rnr = std::to_string(r);
  int status = 0;
  // An offer whose payment list is broken stores nothing.
  chkl("CD=06&ID_LV=" + sid + "&RNR=" + rnr + "&A=10&B=Incl&C=x&D=" + enc("<cash><7>"), &status);
  EXPECT_EQ(status, 400);
  EXPECT_FALSE(market_->last_offer(id, r).has_value());
  // An update with two different passwords changes nothing, not even the name.
  std::string ctr;
  for (int i = 0; i <= 30; ++i)
    ctr += "<" + std::string(i == 0 ? "New name" : i == 14 ? "a" : i == 16 ? "b" : "") + ">";
  ctrl("CD=03&ID_LV=" + sid + "&CTR=" + enc(ctr), &status);
  EXPECT_EQ(status, 400);
  EXPECT_EQ(market_->supplier(id)->slots[0], "Firma keep");
  EXPECT_GT(markerPos(ctrl("CD=13&LOGINL=keep&PASWL=pw"), "ID_LV="), 0u);
  // Registering a taken login name does not create a second account.
  int64_t before = market_->supplier_count();
  std::string again;
  for (int i = 0; i <= 30; ++i) again += "<" + std::string(i == 15 ? "KEEP" : i == 14 ? "x" : "") + ">";
  EXPECT_EQ(markerPos(ctrl("CD=02&CTR=" + enc(again), &status), "<LEVID"), 0u);
  EXPECT_EQ(status, 409);
  EXPECT_EQ(market_->supplier_count(), before);
  // A reaction with a requester of another request is refused.
  chkl("CD=05&ID_LV=" + sid + "&RNR=" + rnr + "&AID=someone-else&TXT=hi", &status);
  EXPECT_EQ(status, 400);
  EXPECT_TRUE(market_->conversation(id, r).empty());
}

TEST_F(ServerTest, RawUnencodedPlainTextStillWorks) {
  int64_t id = register_supplier("raw", "pw");
  int64_t r = post("Raw");
  std::string aid = market_->request(r)->requester;
  int status = 0;
  chkl("CD=05&ID_LV=" + std::to_string(id) + "&RNR=" + std::to_string(r) + "&AID=" + aid +
           "&TXT=plain text, 5+3 & more",
       &status);
  EXPECT_EQ(status, 200);
  auto conv = market_->conversation(id, r);
  ASSERT_EQ(conv.size(), 1u);
  EXPECT_EQ(conv[0].text, "plain text, 5+3 & more");  // TXT runs to the end of the query
}

TEST_F(ServerTest, ManyClientsAtOnceAllGetWholeReplies) {
  int64_t id = register_supplier("busy", "pw");
  for (int i = 0; i < 5; ++i) post("Request " + std::to_string(i));
  std::string sid = std::to_string(id);
  std::atomic<int> good{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t)
    threads.emplace_back([&, t] {
      httplib::Client cli("127.0.0.1", port_);
      for (int i = 0; i < 25; ++i) {
        if (t % 2 == 0) {
          plixsrv::NewRequest nr;
          nr.title = "w" + std::to_string(t) + "-" + std::to_string(i);
          market_->post_request(nr);
        }
        auto res = cli.Get("/plix_chkl.php?CD=02&ID_LV=" + sid);
        if (res && res->status == 200 && cuts::request_list(res->body).held >= 5) ++good;
      }
    });
  for (auto& th : threads) th.join();
  EXPECT_EQ(good.load(), 200);
}
