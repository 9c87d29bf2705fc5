// Marketplace rules: new/changed/seen status, change marks, word filters,
// branches, purging, and the delivery of server messages.
#include "client_cuts.h"
#include "test_server.h"

#include <filesystem>

using namespace cuts;
using plix::afterMarker;
using plix::markerPos;

namespace {
std::string status_of(const RequestList& l, int64_t number) {
  for (const auto& r : l.records)
    if (r.number == std::to_string(number)) return r.status;
  return "<absent>";
}
}  // namespace

TEST_F(ServerTest, StatusNewUntilOpenedChangedAfterCustomerActs) {
  int64_t id = register_supplier("st", "pw");
  std::string list = "CD=02&ID_LV=" + std::to_string(id);
  int64_t r = post("Oak floor");
  EXPECT_EQ(status_of(request_list(chkl(list)), r), "onb");
  chkl("CD=04&ID_LV=" + std::to_string(id) + "&RNR=" + std::to_string(r));  // opened
  EXPECT_EQ(status_of(request_list(chkl(list)), r), "oud");
  market_->change_request(r, std::string("Oak floor, 50 m2"), std::nullopt, false);
  EXPECT_EQ(status_of(request_list(chkl(list)), r), "mut");
  market_->react(id, r, "", "We can do it.");
  EXPECT_EQ(status_of(request_list(chkl(list)), r), "oud");
  market_->answer(r, id, "When?");
  EXPECT_EQ(status_of(request_list(chkl(list)), r), "mut");
  // Another supplier's view is its own.
  int64_t other = register_supplier("other", "pw");
  EXPECT_EQ(status_of(request_list(chkl("CD=02&ID_LV=" + std::to_string(other))), r), "onb");
  market_->change_request(r, std::nullopt, std::nullopt, true);  // closed by the customer
  EXPECT_EQ(status_of(request_list(chkl(list)), r), "<absent>");
}

TEST_F(ServerTest, RequestMarkChangesExactlyWhenTheListDoes) {
  int64_t id = register_supplier("mk", "pw");
  int64_t other = register_supplier("mk2", "pw");
  auto poll = [&](int64_t s) {
    std::string r = chkl("CD=03&ID_LV=" + std::to_string(s) + "&TPR=a&TQR=b");
    auto mark = [&](std::string_view key) { return std::string(plix::valueToBracket(r, key).value_or("<absent>")); };
    return std::make_pair(mark("TV="), mark("TR="));
  };
  auto m0 = poll(id);
  EXPECT_EQ(poll(id), m0);  // nothing happened
  int64_t r = post("Tiles");
  auto m1 = poll(id);
  EXPECT_NE(m1.first, m0.first);
  chkl("CD=04&ID_LV=" + std::to_string(id) + "&RNR=" + std::to_string(r));  // reading is no change
  EXPECT_EQ(poll(id).first, m1.first);
  market_->set_filters(other, "", "");  // another supplier's business
  EXPECT_EQ(poll(id), poll(id));
  EXPECT_EQ(poll(id).first, m1.first);
  market_->react(other, r, "", "competition");  // reaction counts move
  auto m2 = poll(id);
  EXPECT_EQ(m2.first, m1.first);
  EXPECT_NE(m2.second, m1.second);
  market_->react(id, r, "", "mine");
  market_->answer(r, id, "customer answer");
  auto m3 = poll(id);
  EXPECT_NE(m3.first, m2.first);  // the customer answered: the list changed
  EXPECT_NE(m3.second, m2.second);
  market_->hide(id, r);
  EXPECT_NE(poll(id).first, m3.first);
}

TEST_F(ServerTest, WordFiltersBlockAndPassIgnoringCase) {
  int64_t id = register_supplier("wf", "pw");
  std::string sid = std::to_string(id);
  post("Marble tiles for kitchen");
  post("Oak floor", "EIKEN planken");
  post("Printer");
  auto titles = [&] {
    std::vector<std::string> t;
    for (const auto& r : request_list(chkl("CD=02&ID_LV=" + sid)).records) t.push_back(r.title);
    return t;
  };
  EXPECT_EQ(titles().size(), 3u);
  ctrl("CD=07&ID_LV=" + sid + "&CTR=" + enc("<MARBLE , ><>"));
  EXPECT_EQ(titles(), (std::vector<std::string>{"Printer", "Oak floor"}));
  ctrl("CD=07&ID_LV=" + sid + "&CTR=" + enc("<marble><eiken,laser>"));
  EXPECT_EQ(titles(), (std::vector<std::string>{"Oak floor"}));
  ctrl("CD=07&ID_LV=" + sid + "&CTR=" + enc("<><>"));
  EXPECT_EQ(titles().size(), 3u);
}

TEST_F(ServerTest, BranchRequestsReachTheirCategoryOnly) {
  int64_t building = register_supplier("bouw", "pw");  // branch code A01
  plixsrv::NewRequest r;
  r.title = "Van for sale";
  r.branch = "F01";
  market_->post_request(r);
  r.title = "Roof";
  r.branch = "A02";
  market_->post_request(r);
  post("Anything");
  auto l = request_list(chkl("CD=02&ID_LV=" + std::to_string(building)));
  ASSERT_EQ(l.records.size(), 2u);
  EXPECT_EQ(l.records[0].title, "Anything");
  EXPECT_EQ(l.records[1].title, "Roof");
}

TEST_F(ServerTest, PurgeRemovesOnlyOldRequestsForThatSupplier) {
  int64_t id = register_supplier("pg", "pw"), other = register_supplier("pg2", "pw");
  plixsrv::NewRequest old;
  old.title = "Old one";
  old.posted_at = plixsrv::now_seconds() - 40 * 86400;
  market_->post_request(old);
  post("Fresh one");
  chkl("CD=01&ID_LV=" + std::to_string(id));
  auto mine = request_list(chkl("CD=02&ID_LV=" + std::to_string(id)));
  ASSERT_EQ(mine.records.size(), 1u);
  EXPECT_EQ(mine.records[0].title, "Fresh one");
  chkl("CD=09&ID_LV=" + std::to_string(id));  // showing hidden ones does not bring it back
  EXPECT_EQ(request_list(chkl("CD=02&ID_LV=" + std::to_string(id))).records.size(), 1u);
  EXPECT_EQ(request_list(chkl("CD=02&ID_LV=" + std::to_string(other))).records.size(), 2u);
}

TEST_F(ServerTest, ListHoldsAtMost257Records) {
  int64_t id = register_supplier("many", "pw");
  for (int i = 0; i < 260; ++i) post("Request " + std::to_string(i));
  auto l = request_list(chkl("CD=02&ID_LV=" + std::to_string(id)));
  EXPECT_EQ(l.records.size(), 257u);
  EXPECT_EQ(l.held, 257);
  EXPECT_EQ(l.records.front().title, "Request 259");
}

TEST_F(ServerTest, ControlOrdersGoOnceToAClientPastItsFirstPoll) {
  int64_t id = register_supplier("qc", "pw");
  std::string sid = std::to_string(id);
  market_->post_message(id, "QC2Q", "Maintenance: please disconnect.");
  std::string first = chkl("CD=03&ID_LV=" + sid + "&TPR=&TQR=");
  EXPECT_EQ(afterMarker(first, "MESS"), "QC2QMaintenance: please disconnect.");
  std::string second = chkl("CD=03&ID_LV=" + sid + "&TPR=a&TQR=b");  // the client acts now
  EXPECT_GT(markerPos(second, "MESSQC2Q"), 0u);
  EXPECT_EQ(markerPos(chkl("CD=03&ID_LV=" + sid + "&TPR=a&TQR=b"), "MESS"), 0u);

  // A plain message that happens to look like a control code keeps its text.
  market_->post_message(id, "", "QUIQ is our new partner");
  std::string r = chkl("CD=03&ID_LV=" + sid + "&TPR=a&TQR=b");
  std::string s(afterMarker(r, "MESS").value_or(""));
  EXPECT_FALSE(s[0] == 'Q' && s[3] == 'Q');
  EXPECT_NE(s.find("QUIQ is our new partner"), std::string::npos);
}

TEST_F(ServerTest, PlaceAndCountryMarkersFollowTheClientFilters) {
  int64_t id = register_supplier("pl", "pw", "utrecht");
  post("With place", "text", "UTRECHT Centrum", 3);
  auto l = request_list(chkl("CD=02&ID_LV=" + std::to_string(id)));
  ASSERT_EQ(l.records.size(), 1u);
  const std::string& d = l.records[0].details;
  size_t p = d.find("*QP");
  ASSERT_NE(p, std::string::npos);
  // The client's own-place test finds the place after "*QP", ignoring case.
  std::string after = d.substr(p);
  for (auto& c : after) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_NE(after.find("utrecht"), std::string::npos);
  size_t q = d.find("*QL");
  ASSERT_NE(q, std::string::npos);
  EXPECT_EQ(plix::val(d.substr(q + 3, 2)) - 10, 3);
  EXPECT_EQ(d.substr(0, q), "text *QPUTRECHT Centrum");
}

TEST(Schema, DataSurvivesARestartAndANewerSchemaIsRefused) {
  char tmpl[] = "/tmp/plixsrv-schema-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  std::string path = std::string(tmpl) + "/m.db";
  {
    plixsrv::Market m(path);
    plixsrv::NewRequest r;
    r.title = "Kept";
    m.post_request(r);
  }
  {
    plixsrv::Market again(path);
    auto r = again.request(1);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->title, "Kept");
    auto c = again.db().lease();
    c->exec("PRAGMA user_version=99");
  }
  EXPECT_THROW(plixsrv::Market newer(path), plixsrv::DbError);
  std::filesystem::remove_all(tmpl);
}
