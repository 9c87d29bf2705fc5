// A database of the first schema version, as plixsrv kept it before the
// marks, filters and purges worked from indexes, opens with everything in it.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <thread>

#include "market.h"
#include "sqlite_store.h"
#include "web_store.h"

namespace {
std::vector<std::string> titles(const std::vector<plixsrv::ListEntry>& list) {
  std::vector<std::string> out;
  for (const auto& e : list) out.push_back(e.title);
  return out;
}
}  // namespace

TEST(Migration, AnOldDatabaseKeepsListsCountsAndPurgesAndDropsThePurgedRows) {
  char tmpl[] = "/tmp/plixsrv-migration-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  std::string path = std::string(tmpl) + "/old.db";
  int64_t now = plixsrv::now_seconds();
  {
    plixsrv::Database db(path);
    plixsrv::migrate(db, 1);
    auto c = db.lease();
    std::string old = std::to_string(now - 40 * 86400), day = std::to_string(now - 86400);
    c->exec(("INSERT INTO supplier(id, login, login_key, pw, slots, created_at) VALUES "
             "(11, 'a', 'a', '', '', 0), (12, 'b', 'b', '', '', 0);"
             "INSERT INTO request(id, requester, title, details, posted_at, changed_seq, branch) VALUES "
             "(1, 'K1', 'Old oak', '', " + old + ", 1, ''),"
             "(2, 'K2', 'Peinture FA\xc7" "ADE', 'mur', " + day + ", 2, 'A01'),"
             "(3, 'K3', 'Roof', '', " + std::to_string(now) + ", 3, '');"
             // 11 purged the old one and hid the roof; 12 read, reacted and was answered.
             "INSERT INTO view(supplier_id, request_id, seen_seq, hidden, purged) VALUES "
             "(11, 1, 0, 0, 1), (11, 3, 0, 1, 0), (12, 2, 6, 0, 0);"
             "INSERT INTO reaction(request_id, supplier_id, from_customer, text, at, seq) VALUES "
             "(2, 12, 0, 'We paint', 0, 5), (2, 12, 1, 'When?', 0, 7);"
             "UPDATE meta SET value = 7;")
                .c_str());
  }
  plixsrv::Market m(path);
  {
    auto c = m.db().lease();
    auto v = c->q("PRAGMA user_version");
    ASSERT_TRUE(v.step());
    EXPECT_EQ(v.i(0), 3);  // every step, up to the customer pages' keys
    auto rows = c->q("SELECT COUNT(*) FROM view WHERE supplier_id = 11");  // the purged row went
    ASSERT_TRUE(rows.step());
    EXPECT_EQ(rows.i(0), 1);
  }
  EXPECT_EQ(titles(m.request_list(11)), (std::vector<std::string>{"Peinture FA\xc7" "ADE"}));
  auto list = m.request_list(12);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[1].status, "mut");  // answered after it was read
  EXPECT_EQ(m.reaction_count(2), 1);
  EXPECT_EQ(m.purge_old(11, 30 * 86400), 0);  // purged before, not counted again
  EXPECT_EQ(m.purge_old(12, 30 * 86400), 1);
  m.set_filters(12, "", "fa\xe7");  // the index holds the old texts too
  EXPECT_EQ(titles(m.request_list(12)), (std::vector<std::string>{"Peinture FA\xc7" "ADE"}));
  for (int64_t s : {11, 12}) {
    EXPECT_EQ(m.marks(s).requests, m.fresh_marks(s).requests);
    EXPECT_EQ(m.marks(s).reactions, m.fresh_marks(s).reactions);
  }
  m.react(12, 2, "", "Tuesday?");
  EXPECT_EQ(m.reaction_count(2), 2);  // the counts go on from the old rows
  std::filesystem::remove_all(tmpl);
}

namespace {
int64_t one_number(plixsrv::Market& m, const char* sql) {
  auto c = m.db().lease();
  auto st = c->q(sql);
  return st.step() ? st.i(0) : -1;
}
}  // namespace

TEST(Migration, AVersion2DatabaseGainsPageKeysAndKeepsItsStoredDigests) {
  char tmpl[] = "/tmp/plixsrv-migration-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  std::string path = std::string(tmpl) + "/v2.db";
  {
    plixsrv::Database db(path);
    plixsrv::migrate(db, 1);
    db.lease()->exec(
        "INSERT INTO supplier(id, login, login_key, pw, slots, created_at) VALUES (11, 'a', 'a', '', '', 0);"
        "INSERT INTO request(id, requester, title, details, place, country, posted_at, changed_seq) VALUES "
        "(31, 'K31', 'Need 12 m2 of tiles', 'White, caf\xe9', 'Utrecht', 2, 1700000000, 1);"
        "INSERT INTO chat_contact(token, supplier_id, customer_name, request_id, last_at) VALUES "
        "('Anna-OLD', 11, 'Anna', 31, 0);"
        "UPDATE meta SET value = 1;");
    plixsrv::migrate(db, 2);
  }
  plixsrv::Market m(path);
  EXPECT_EQ(one_number(m, "PRAGMA user_version"), 3);
  // The request digests behind the desktops' marks are stored: a newer
  // plixsrv must compute them exactly as the one that wrote them.
  EXPECT_EQ(static_cast<uint64_t>(one_number(m, "SELECT content_hash FROM request WHERE id = 31")),
            0xedcc1200ae8741a1ull);
  plixsrv::WebStore pages(m);
  std::string key = pages.give_key(31);
  EXPECT_EQ(pages.request_of(key), 31);
  ASSERT_EQ(pages.chats(31).size(), 1u);  // the old chat, found by its request
  EXPECT_EQ(pages.chats(31)[0].token, "Anna-OLD");
  EXPECT_NE(pages.stamp(31), "");
  EXPECT_THROW(pages.give_key(32), plixsrv::Refused);  // no such request

  plixsrv::Market fresh(std::string(tmpl) + "/fresh.db");  // every step at once
  EXPECT_EQ(one_number(fresh, "PRAGMA user_version"), 3);
  EXPECT_EQ(one_number(fresh, "SELECT COUNT(*) FROM request_key"), 0);
  std::filesystem::remove_all(tmpl);
}

TEST(Purge, CountsWhatItPassesOverAndStoresNothingPerRequest) {
  char tmpl[] = "/tmp/plixsrv-purge-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  plixsrv::Market m(std::string(tmpl) + "/p.db");
  int64_t now = plixsrv::now_seconds(), day = 86400;
  // Around hour boundaries, so both the hourly counts and the broken hours count.
  for (int64_t age : {40 * day + 3, 35 * day + now % 3600, 31 * day + 1799, 30 * day + 1, 30 * day - 1,
                      29 * day, int64_t{0}}) {
    plixsrv::NewRequest r;
    r.title = "Aged " + std::to_string(age);
    r.posted_at = now - age;
    m.post_request(r);
  }
  std::vector<int64_t> suppliers;
  for (int i = 0; i < 5; ++i) suppliers.push_back(m.register_supplier(std::vector<std::string>(31)));
  for (int64_t s : suppliers) EXPECT_EQ(m.purge_old(s, 30 * day), 4);
  EXPECT_EQ(m.purge_old(suppliers[0], 30 * day), 0);  // nothing new to purge
  EXPECT_EQ(m.purge_old(suppliers[0], 20 * day), 2);
  EXPECT_EQ(m.request_list(suppliers[0]).size(), 1u);
  EXPECT_EQ(m.request_list(suppliers[1]).size(), 3u);
  auto c = m.db().lease();
  auto rows = c->q("SELECT COUNT(*) FROM view");
  ASSERT_TRUE(rows.step());
  EXPECT_EQ(rows.i(0), 0);
  std::filesystem::remove_all(tmpl);
}

TEST(Pool, LeasesBeyondTheBoundWaitAndThenGiveUpAsBusy) {
  char tmpl[] = "/tmp/plixsrv-pool-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  plixsrv::PoolLimits limits;
  limits.connections = 1;
  limits.wait_ms = 50;
  {
    plixsrv::Database db(std::string(tmpl) + "/pool.db", limits);
    auto held = db.lease();
    EXPECT_THROW(db.lease(), plixsrv::DbError);  // the one connection is out
  }
  limits.wait_ms = 60000;
  plixsrv::Database db(std::string(tmpl) + "/pool.db", limits);
  std::optional<plixsrv::Database::Lease> first(db.lease());
  std::thread later([&] {
    auto second = db.lease();  // waits for the first to come back
    second->exec("SELECT 1");
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  first.reset();
  later.join();
  std::filesystem::remove_all(tmpl);
}
