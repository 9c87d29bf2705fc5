// The customer JSON API and the command-line client that uses it.
#include <nlohmann/json.hpp>

#include "client_cuts.h"
#include "customer_cli.h"
#include "desk/velto/login.h"
#include "demo_data.h"
#include "test_server.h"

using nlohmann::json;

namespace {
json post_json(int port, const std::string& path, const json& body, int* status = nullptr) {
  httplib::Client cli("127.0.0.1", port);
  auto res = cli.Post(path, body.dump(), "application/json");
  if (!res) return {};
  if (status) *status = res->status;
  return json::parse(res->body);
}
json get_json(int port, const std::string& path) {
  httplib::Client cli("127.0.0.1", port);
  auto res = cli.Get(path);
  return res ? json::parse(res->body) : json{};
}
}  // namespace

TEST_F(ServerTest, CustomerPostsChangesAnswersAndReadsBack) {
  int64_t id = register_supplier("api", "pw");
  json made = post_json(port_, "/api/requests",
                        {{"title", "Need 40 m2 oak flooring"}, {"details", "K\xc3\xb6ln, wei\xc3\x9f"},
                         {"place", "K\xc3\xb6ln"}, {"country", 3}, {"requester", "k.mueller@example.de"},
                         {"contact", {{"name", "K. M\xc3\xbcller"}, {"email", "k@example.de"}}}});
  int64_t r = made["number"];
  auto list = cuts::request_list(chkl("CD=02&ID_LV=" + std::to_string(id)));
  ASSERT_EQ(list.records.size(), 1u);
  EXPECT_EQ(list.records[0].details, "K\xf6ln, wei\xdf *QPK\xf6ln*QL13");  // Windows-1252 on the wire
  EXPECT_EQ(list.records[0].requester, made["requester"].get<std::string>());

  // The reaction goes out as the desktop sends it, with the requester from the list.
  int status = 0;
  chkl("CD=05&ID_LV=" + std::to_string(id) + "&RNR=" + std::to_string(r) +
           "&AID=" + enc(list.records[0].requester) + "&TXT=" + enc("Wir k\xf6nnen das."),
       &status);
  EXPECT_EQ(status, 200);
  post_json(port_, "/api/requests/" + std::to_string(r) + "/answers",
            {{"supplier", id}, {"text", "Gut"}}, &status);
  EXPECT_EQ(status, 200);
  post_json(port_, "/api/requests/" + std::to_string(r), {{"title", "Need 50 m2 oak flooring"}}, &status);
  EXPECT_EQ(status, 200);
  json back = get_json(port_, "/api/requests/" + std::to_string(r));
  EXPECT_EQ(back["title"], "Need 50 m2 oak flooring");
  EXPECT_EQ(back["contact"]["name"], "K. M\xc3\xbcller");
  ASSERT_EQ(back["reactions"].size(), 1u);
  EXPECT_EQ(back["reactions"][0]["conversation"][0]["text"], "Wir k\xc3\xb6nnen das.");
  EXPECT_EQ(back["reactions"][0]["conversation"][1]["from"], "customer");

  // Answering a supplier who never reacted, bad JSON and bad fields are refused.
  post_json(port_, "/api/requests/" + std::to_string(r) + "/answers",
            {{"supplier", 99999}, {"text", "x"}}, &status);
  EXPECT_EQ(status, 409);
  post_json(port_, "/api/requests", {{"title", 5}}, &status);
  EXPECT_EQ(status, 400);
  // A requester the list would rewrite (brackets) could never be sent back as AID.
  post_json(port_, "/api/requests", {{"title", "x"}, {"requester", "Jan [de] Vries"}}, &status);
  EXPECT_EQ(status, 400);
  post_json(port_, "/api/requests/" + std::to_string(r), json::object(), &status);
  EXPECT_EQ(status, 400);
  httplib::Client cli("127.0.0.1", port_);
  auto res = cli.Post("/api/requests", "{not json", "application/json");
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 400);
}

TEST_F(ServerTest, CustomerMessagesChatAndSupplierView) {
  int64_t id = register_supplier("api2", "pw");
  int status = 0;
  post_json(port_, "/api/messages", {{"supplier", id}, {"text", "Bye"}, {"control", "QC1Q"}}, &status);
  EXPECT_EQ(status, 200);
  post_json(port_, "/api/messages", {{"supplier", id}, {"text", "x"}, {"control", "QC9Q"}}, &status);
  EXPECT_EQ(status, 400);
  std::string poll = chkl("CD=03&ID_LV=" + std::to_string(id) + "&TPR=a&TQR=b");
  EXPECT_EQ(plix::afterMarker(poll, "MESS"), "QC1QBye");

  json chat = post_json(port_, "/api/chats", {{"supplier", id}, {"customer_name", "Jan"}});
  std::string token = chat["contact"];
  post_json(port_, "/api/chats/" + token + "/lines", {{"text", "Hallo"}}, &status);
  EXPECT_EQ(status, 200);
  chkl("CD=14&ID_AV=" + enc(token) + "&TXT=" + enc("Dag Jan"));
  json lines = get_json(port_, "/api/chats/" + token)["lines"];
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1]["from"], "supplier");
  chkl("CD=17&ID_AV=" + enc(token) + "&B=Blocked");
  post_json(port_, "/api/chats/" + token + "/lines", {{"text", "Hallo?"}}, &status);
  EXPECT_EQ(status, 403);

  ctrl("CD=07&ID_LV=" + std::to_string(id) + "&CTR=" + enc("<tegels><>"));
  json s = get_json(port_, "/api/suppliers/" + std::to_string(id));
  EXPECT_EQ(s["filters"]["block"], "tegels");
  EXPECT_EQ(s["chats"].size(), 1u);
}

TEST_F(ServerTest, DemoSeedIsIdempotentAndCliTalksToTheApi) {
  auto d = plixsrv::seed_demo(*market_);
  EXPECT_EQ(d.id, 1001);
  EXPECT_EQ(d.check(), 584205);
  int64_t suppliers = market_->supplier_count();
  plixsrv::seed_demo(*market_);
  EXPECT_EQ(market_->supplier_count(), suppliers);
  auto list = cuts::request_list(chkl("CD=02&ID_LV=1001"));
  EXPECT_GE(list.records.size(), 25u);
  int qv = 0, qp = 0, ql = 0;
  for (const auto& r : list.records) {
    qv += r.details.find("*QV") != std::string::npos;
    qp += r.details.find("*QP") != std::string::npos;
    ql += r.details.find("*QL") != std::string::npos;
  }
  EXPECT_GT(qv, 0);
  EXPECT_GT(qp, 0);
  EXPECT_GT(ql, 0);
  std::string login = ctrl("CD=13&LOGINL=" + d.login + "&PASWL=" + d.password);
  EXPECT_EQ(plix::loginReplyNumber(login), 1001);

  std::string server = "127.0.0.1:" + std::to_string(port_);
  testing::internal::CaptureStdout();
  int rc = plixsrv::run_customer_cli({"--server", server, "post-request", "Need a van", "--country", "1"});
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(rc, 0) << out;
  EXPECT_NE(out.find("\"number\""), std::string::npos);
  testing::internal::CaptureStdout();
  rc = plixsrv::run_customer_cli({"--server", server, "show-request", "999999"});
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(rc, 1);
}
