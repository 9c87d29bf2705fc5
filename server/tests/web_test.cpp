// The customer pages' JSON and files, against the desktop's side of the wire:
// what a customer writes reaches the supplier defused, writes need the page
// key and the pages' own site, posting is rate-limited, the files hold no
// inline code.
#include <nlohmann/json.hpp>

#include <regex>

#include "client_cuts.h"
#include "demo_data.h"
#include "desk/net/protocol.h"
#include "test_server.h"
#include "web_files.h"
#include "web_input.h"
#include "web_limits.h"
#include "web_store.h"

using nlohmann::json;

namespace {
struct Answer {
  int status = 0;
  json body;
  std::string retry_after;
};

// A call as the request page makes it; `headers` adds or overrides.
Answer web(int port, const std::string& path, const json* body, const std::string& key = "",
           httplib::Headers headers = {}) {
  httplib::Client cli("127.0.0.1", port);
  if (!key.empty()) headers.emplace("X-Plix-Key", key);
  auto res = body ? cli.Post(path, headers, body->dump(), "application/json") : cli.Get(path, headers);
  if (!res) return {};
  return {res->status, json::parse(res->body, nullptr, false), res->get_header_value("Retry-After")};
}
Answer web_post(int port, const std::string& path, const json& body, const std::string& key = "",
                httplib::Headers headers = {}) {
  return web(port, path, &body, key, std::move(headers));
}
Answer web_get(int port, const std::string& key, const std::string& since = "") {
  return web(port, "/web/api/request?since=" + since, nullptr, key);
}

json a_request(std::string title = "Need 40 m2 oak flooring") {
  return {{"title", title}, {"details", "Solid oak"}, {"place", "Utrecht"}, {"country", 2},
          {"name", "Anna de Boer"}, {"email", "anna@example.org"}, {"phone", ""}};
}

// A desktop request with the program's own query builder.
std::string desk_query(int code, std::initializer_list<plix::QueryParam> params) {
  return plix::buildQuery(code, params).substr(1);
}
}  // namespace

TEST_F(ServerTest, WebPostKeepsOnlyADigestAndReachesSuppliersDefused) {
  int64_t id = register_supplier("web", "pw");
  json r = a_request("Oak ]floor[ QEND\nnow \xe2\x82\xac \xe6\x97\xa5");  // euro sign in, CJK out
  r["details"] = "Line one\r\nLine *Q two\x01";
  Answer made = web_post(port_, "/web/api/requests", r);
  ASSERT_EQ(made.status, 200) << made.body;
  std::string key = made.body["key"];
  EXPECT_TRUE(plixsrv::looks_like_page_key(key));

  auto c = market_->db().lease();
  auto st = c->q("SELECT key_digest FROM request_key WHERE request_id = ?", made.body["number"].get<int64_t>());
  ASSERT_TRUE(st.step());
  EXPECT_EQ(st.s(0), plixsrv::page_key_digest(key));
  EXPECT_EQ(st.s(0).find(key), std::string::npos);

  auto list = cuts::request_list(chkl("CD=02&ID_LV=" + std::to_string(id)));
  ASSERT_EQ(list.records.size(), 1u);
  EXPECT_EQ(list.records[0].title, "Oak )floor( Qend now \x80 ?");
  EXPECT_EQ(list.records[0].details, "Line one<br>Line *q two *QPUtrecht*QL12");

  Answer view = web_get(port_, key);
  ASSERT_EQ(view.status, 200);
  EXPECT_EQ(view.body["title"], "Oak ]floor[ QEND now \xe2\x82\xac ?");
  EXPECT_EQ(view.body["suppliers"].size(), 0u);

  struct Bad {
    const char* field;
    json value;
    const char* code;
  } bad[] = {{"title", "", "missing"},          {"title", std::string(151, 'x'), "too_long"},
             {"email", "anna.example.org", "bad_email"}, {"country", 7, "bad_field"},
             {"name", 12, "bad_field"},         {"details", std::string(4001, 'x'), "too_long"}};
  for (const auto& b : bad) {
    json body = a_request();
    body[b.field] = b.value;
    Answer refused = web_post(port_, "/web/api/requests", body);
    EXPECT_EQ(refused.status, 400) << b.field;
    EXPECT_EQ(refused.body["error"], b.code) << b.field;
    EXPECT_EQ(refused.body["field"], b.field);
  }
  EXPECT_EQ(cuts::request_list(chkl("CD=02&ID_LV=" + std::to_string(id))).records.size(), 1u);
}

TEST_F(ServerTest, WebWritesNeedTheKeyAndThePagesOwnSite) {
  int64_t id = register_supplier("web", "pw");
  std::string key = web_post(port_, "/web/api/requests", a_request()).body["key"];
  std::string host = "127.0.0.1:" + std::to_string(port_);
  const json change = {{"title", "Taken over"}, {"details", "x"}};
  struct Case {
    std::string key;
    httplib::Headers headers;
    int status;
    const char* code;
  } cases[] = {
      {"", {}, 403, "bad_key"},
      {std::string(32, '0'), {}, 403, "bad_key"},
      {key + "0", {}, 403, "bad_key"},
      {key, {{"Origin", "http://evil.example"}}, 403, "other_site"},
      {key, {{"Origin", "http://" + host}, {"Sec-Fetch-Site", "cross-site"}}, 403, "other_site"},
      {key, {{"Sec-Fetch-Site", "same-site"}}, 403, "other_site"},
  };
  for (const auto& c : cases) {
    Answer a = web_post(port_, "/web/api/request/change", change, c.key, c.headers);
    EXPECT_EQ(a.status, c.status) << c.code;
    EXPECT_EQ(a.body["error"], c.code);
  }
  EXPECT_EQ(web_get(port_, std::string(32, 'a')).status, 403);
  // A plain form can post only form encodings.
  httplib::Client cli("127.0.0.1", port_);
  auto form = cli.Post("/web/api/request/change", {{"X-Plix-Key", key}}, "title=Taken", "application/x-www-form-urlencoded");
  ASSERT_TRUE(form);
  EXPECT_EQ(form->status, 415);

  // The same write from the page itself goes through.
  Answer ok = web_post(port_, "/web/api/request/change", change, key,
                       {{"Origin", "http://" + host}, {"Sec-Fetch-Site", "same-origin"}});
  EXPECT_EQ(ok.status, 200) << ok.body;
  auto list = cuts::request_list(chkl("CD=02&ID_LV=" + std::to_string(id)));
  ASSERT_EQ(list.records.size(), 1u);
  EXPECT_EQ(list.records[0].title, "Taken over");
}

TEST_F(ServerTest, WebPageFollowsReactionsOffersAndChatOfTheDesktopSide) {
  int64_t id = register_supplier("web", "pw");
  std::string sid = std::to_string(id);
  Answer made = web_post(port_, "/web/api/requests", a_request());
  std::string key = made.body["key"], rnr = std::to_string(made.body["number"].get<int64_t>());
  // Every change the page shows moves its poll mark; reading does not.
  std::string mark = web_get(port_, key).body["mark"];
  auto moved = [&] {
    Answer a = web_get(port_, key, mark);
    if (a.body.value("unchanged", false)) return false;
    mark = a.body["mark"];
    return true;
  };
  EXPECT_FALSE(moved());
  // Nobody to answer or chat with before a supplier shows up.
  EXPECT_EQ(web_post(port_, "/web/api/request/answer", {{"supplier", id}, {"text", "Hi"}}, key).status, 404);

  auto aid = cuts::request_list(chkl("CD=02&ID_LV=" + sid)).records.at(0).requester;
  chkl(desk_query(5, {{"ID_LV", sid}, {"RNR", rnr}, {"AID", aid}, {"TXT", "We can do it & more"}}));
  EXPECT_TRUE(moved());
  Answer view = web_get(port_, key);
  ASSERT_EQ(view.body["suppliers"].size(), 1u);
  EXPECT_EQ(view.body["suppliers"][0]["name"], "Firma web");
  EXPECT_EQ(view.body["suppliers"][0]["conversation"][0]["text"], "We can do it & more");
  EXPECT_FALSE(view.body["suppliers"][0].contains("contact"));  // no offer yet

  // The customer's answer comes back under its heading, its words defused.
  EXPECT_EQ(web_post(port_, "/web/api/request/answer", {{"supplier", id}, {"text", "Ok]QEND\nbeantwoord op"}}, key).status, 200);
  auto conv = cuts::conversation(chkl("CD=04&ID_LV=" + sid + "&RNR=" + rnr));
  ASSERT_GE(conv.size(), 4u);
  EXPECT_EQ(conv[2].rfind("beantwoord op ", 0), 0u);
  EXPECT_EQ(conv[3], "Ok)Qend<br>Beantwoord op");
  EXPECT_TRUE(moved());
  EXPECT_FALSE(moved());  // the supplier reading it changed nothing on the page

  chkl(desk_query(6, {{"ID_LV", sid}, {"RNR", rnr}, {"A", "1450"}, {"B", "Excl"}, {"C", "Oak, laid"},
                      {"D", "<cash><-1><pick up>"}}));
  json s = web_get(port_, key).body["suppliers"][0];
  ASSERT_EQ(s["offers"].size(), 1u);
  EXPECT_EQ(s["offers"][0]["amount"], "1450");
  EXPECT_EQ(s["offers"][0]["delivery_days"], "-1");
  EXPECT_EQ(s["offers"][0]["shipping"], "pick up");
  EXPECT_EQ(s["contact"]["name"], "Firma web");
  EXPECT_TRUE(moved());
  std::string record;
  for (int i = 0; i <= 30; ++i) record += i == 0 ? "<Firma web & zonen>" : "<>";
  ctrl("CD=03&ID_LV=" + sid + "&CTR=" + enc(record));
  EXPECT_TRUE(moved());
  EXPECT_EQ(web_get(port_, key).body["suppliers"][0]["name"], "Firma web & zonen");

  // Chat: the customer opens it and writes; the supplier sees and answers.
  EXPECT_EQ(web_post(port_, "/web/api/request/chat/line", {{"supplier", id}, {"text", "Hello"}}, key).status, 409);
  EXPECT_EQ(web_post(port_, "/web/api/request/chat", {{"supplier", id}}, key).status, 200);
  EXPECT_EQ(web_post(port_, "/web/api/request/chat", {{"supplier", id}}, key).status, 200);  // same chat
  EXPECT_TRUE(moved());
  EXPECT_EQ(web_post(port_, "/web/api/request/chat/line", {{"supplier", id}, {"text", "Hello\nthere"}}, key).status, 200);
  auto contacts = cuts::bracket_fields(chkl("CD=13&ID_LV=" + sid));
  ASSERT_EQ(contacts.size(), 1u);
  EXPECT_EQ(contacts[0].rfind("AnnadeBoer-", 0), 0u);
  auto chat = cuts::bracket_fields(chkl(desk_query(15, {{"ID_AV", contacts[0]}})));
  ASSERT_EQ(chat.size(), 5u);
  EXPECT_EQ(chat[3], "klant");
  EXPECT_EQ(chat[4].substr(5), "  Hello there");
  EXPECT_TRUE(moved());
  chkl(desk_query(14, {{"ID_AV", contacts[0]}, {"TXT", "Welcome"}}));
  EXPECT_TRUE(moved());
  EXPECT_EQ(web_get(port_, key).body["suppliers"][0]["chat"]["lines"][1]["text"], "Welcome");
  chkl(desk_query(17, {{"ID_AV", contacts[0]}, {"B", "Blocked"}}));
  EXPECT_TRUE(moved());
  EXPECT_EQ(web_get(port_, key).body["suppliers"][0]["chat"]["blocked"], true);
  EXPECT_EQ(web_post(port_, "/web/api/request/chat/line", {{"supplier", id}, {"text", "Hello?"}}, key).status, 403);

  // Withdrawn: gone from the supplier's list; no more answers or changes.
  EXPECT_EQ(web_post(port_, "/web/api/request/withdraw", json::object(), key).status, 200);
  EXPECT_TRUE(moved());
  EXPECT_TRUE(cuts::request_list(chkl("CD=02&ID_LV=" + sid)).records.empty());
  Answer late = web_post(port_, "/web/api/request/answer", {{"supplier", id}, {"text", "Still there?"}}, key);
  EXPECT_EQ(late.status, 409);
  EXPECT_EQ(late.body["error"], "withdrawn");
  EXPECT_EQ(web_get(port_, key).body["closed"], true);
}

class WebLimitTest : public ServerTest {
 protected:
  WebLimitTest() { options_.web.posts_per_hour = 2; }
};

TEST_F(WebLimitTest, PostingIsLimitedPerAddressAndRefilledOverTime) {
  EXPECT_EQ(web_post(port_, "/web/api/requests", a_request()).status, 200);
  EXPECT_EQ(web_post(port_, "/web/api/requests", a_request()).status, 200);
  Answer third = web_post(port_, "/web/api/requests", a_request());
  EXPECT_EQ(third.status, 429);
  EXPECT_EQ(third.body["error"], "rate_limited");
  EXPECT_FALSE(third.retry_after.empty());
  // A refused post does not count against the address.
  EXPECT_EQ(web_post(port_, "/web/api/requests", {{"title", ""}}).status, 400);

  double now = 0;
  plixsrv::RateLimiter limiter(2, 60, [&] { return now; });  // one a minute, two at once
  EXPECT_TRUE(limiter.allow("a"));
  EXPECT_TRUE(limiter.allow("a"));
  EXPECT_FALSE(limiter.allow("a"));
  EXPECT_TRUE(limiter.allow("b"));
  EXPECT_NEAR(limiter.wait_seconds("a"), 60, 1);
  now = 59;
  EXPECT_FALSE(limiter.allow("a"));
  now = 61;
  EXPECT_TRUE(limiter.allow("a"));
  now = 100000;  // refilled, never beyond the burst
  EXPECT_TRUE(limiter.allow("a"));
  EXPECT_TRUE(limiter.allow("a"));
  EXPECT_FALSE(limiter.allow("a"));

  // One IPv6 host may use any address of its /64 network: it counts once.
  using plixsrv::rate_key;
  EXPECT_EQ(rate_key("2001:db8:1:2:aaaa::1"), rate_key("2001:db8:1:2:bbbb:cccc:dddd:eeee"));
  EXPECT_NE(rate_key("2001:db8:1:2::1"), rate_key("2001:db8:1:3::1"));
  EXPECT_EQ(rate_key("::ffff:192.0.2.7"), "192.0.2.7");
  EXPECT_EQ(rate_key("192.0.2.7"), "192.0.2.7");
  EXPECT_NE(rate_key("192.0.2.7"), rate_key("192.0.2.8"));
}

TEST_F(ServerTest, WebFilesCarryThePolicyAndNoMarkupFromData) {
  httplib::Client cli("127.0.0.1", port_);
  for (const char* path : {"/", "/request"}) {
    auto res = cli.Get(path);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    std::string csp = res->get_header_value("Content-Security-Policy");
    EXPECT_NE(csp.find("script-src 'self'"), std::string::npos);
    EXPECT_EQ(csp.find("unsafe"), std::string::npos);
    EXPECT_EQ(res->get_header_value("Referrer-Policy"), "no-referrer");
  }
  auto missing = cli.Get("/web/nothing.js");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->status, 404);

  // Inline code would be refused by the policy; markup from data must never be parsed.
  const std::regex inline_script(R"(<script(?![^>]*\bsrc=))"), handler(R"(\son[a-z]+\s*=)"), style(R"(\sstyle\s*=)");
  const std::regex parses(R"(innerHTML|outerHTML|insertAdjacentHTML|document\.write|\beval\(|new Function)");
  int files = 0;
  for (auto f = plixsrv::web_files_begin(); f != plixsrv::web_files_end(); ++f, ++files) {
    std::string body(f->body), name(f->name);
    if (name.ends_with(".html")) {
      EXPECT_FALSE(std::regex_search(body, inline_script)) << name;
      EXPECT_FALSE(std::regex_search(body, handler)) << name;
      EXPECT_FALSE(std::regex_search(body, style)) << name;
    }
    if (name.ends_with(".js")) {
      EXPECT_FALSE(std::regex_search(body, parses)) << name;
    }
  }
  EXPECT_GE(files, 8);

  // The forms' maxlength is the server's limit, so typing never runs into a refusal.
  using namespace plixsrv::web_limit;
  std::string post(plixsrv::web_file("index.html")->body);
  for (auto [id, limit] : {std::pair{"title", kTitle}, {"details", kDetails}, {"place", kPlace},
                           {"name", kName}, {"email", kEmail}, {"phone", kPhone}})
    EXPECT_TRUE(std::regex_search(post, std::regex("id=\"" + std::string(id) + "\"[^>]* maxlength=\"" +
                                                   std::to_string(limit) + "\"")))
        << id;
}

TEST_F(ServerTest, DemoRequestPageShowsAConversationAnOfferAndAChat) {
  auto d = plixsrv::seed_demo(*market_);
  ASSERT_TRUE(plixsrv::looks_like_page_key(d.request_page_key));
  json view = web_get(port_, d.request_page_key).body;
  ASSERT_EQ(view["suppliers"].size(), 2u);
  EXPECT_EQ(view["suppliers"][0]["id"], 1001);
  EXPECT_EQ(view["suppliers"][0]["conversation"].size(), 3u);
  EXPECT_EQ(view["suppliers"][0]["chat"]["lines"].size(), 3u);
  EXPECT_EQ(view["suppliers"][1]["offers"].size(), 1u);
  EXPECT_EQ(view["suppliers"][1]["contact"]["phone"], "030-5550199");
  EXPECT_TRUE(plixsrv::seed_demo(*market_).request_page_key.empty());  // seeded once, key shown once
}
