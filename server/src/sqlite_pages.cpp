// What the customer pages read and keep beside the marketplace: the digest of
// each request's page key, the chats of a request, and the newest rows behind
// a request's page for its poll mark.
#include "sqlite_store.h"

namespace plixsrv {

void SqliteStore::set_page_key(int64_t request, const std::string& key_digest) {
  db_.write([&](Conn& c) {
    require_request(c, request);
    c.q("INSERT OR REPLACE INTO request_key(request_id, key_digest, created_at) VALUES(?,?,?)",
        request, key_digest, now_seconds())
        .run();
  });
}

int64_t SqliteStore::request_of_page_key(const std::string& key_digest) {
  auto c = db_.lease();
  auto st = c->q("SELECT request_id FROM request_key WHERE key_digest = ?", key_digest);
  return st.step() ? st.i(0) : 0;
}

bool SqliteStore::request_closed(int64_t request) {
  auto c = db_.lease();
  auto st = c->q("SELECT closed FROM request WHERE id = ?", request);
  return !st.step() || st.i(0) != 0;
}

std::vector<RequestChat> SqliteStore::request_chats(int64_t request) {
  std::vector<RequestChat> out;
  auto c = db_.lease();
  auto st = c->q(
      "SELECT supplier_id, token, blocked FROM chat_contact WHERE id IN ("
      "  SELECT MAX(id) FROM chat_contact WHERE request_id = ? GROUP BY supplier_id) "
      "ORDER BY id",
      request);
  while (st.step()) out.push_back({st.i(0), st.s(1), st.i(2) != 0});
  return out;
}

std::optional<PageActivity> SqliteStore::page_activity(int64_t request) {
  return db_.read([&](Conn& c) -> std::optional<PageActivity> {
    // Scalar subqueries, each a probe of an index by request: a poll runs
    // this, and they cost less than tables derived in FROM, which SQLite
    // builds first.
    auto st = c.q(
        "SELECT r.changed_seq, r.closed,"
        " (SELECT COUNT(*) FROM reaction WHERE request_id = r.id),"
        " (SELECT COALESCE(MAX(seq), 0) FROM reaction WHERE request_id = r.id),"
        " (SELECT COUNT(*) FROM offer WHERE request_id = r.id),"
        " (SELECT COALESCE(MAX(id), 0) FROM offer WHERE request_id = r.id),"
        " (SELECT COUNT(*) FROM chat_contact WHERE request_id = r.id),"
        " (SELECT COALESCE(MAX(id), 0) FROM chat_contact WHERE request_id = r.id),"
        " (SELECT COALESCE(SUM(blocked * id), 0) FROM chat_contact WHERE request_id = r.id),"
        " (SELECT COUNT(*) FROM chat_line l JOIN chat_contact k ON k.id = l.contact_id"
        "    WHERE k.request_id = r.id),"
        " (SELECT COALESCE(MAX(l.id), 0) FROM chat_line l JOIN chat_contact k ON k.id = l.contact_id"
        "    WHERE k.request_id = r.id) "
        "FROM request r WHERE r.id = ?",
        request);
    if (!st.step()) return std::nullopt;
    PageActivity a;
    a.changed_seq = st.i(0);
    a.closed = st.i(1) != 0;
    a.reactions = st.i(2);
    a.last_reaction = st.i(3);
    a.offers = st.i(4);
    a.last_offer = st.i(5);
    a.chats = st.i(6);
    a.last_chat = st.i(7);
    a.blocked_chats = st.i(8);
    a.chat_lines = st.i(9);
    a.last_chat_line = st.i(10);
    auto who = c.q(
        "SELECT id, slots, chat_seen_at FROM supplier WHERE id IN ("
        " SELECT supplier_id FROM reaction WHERE request_id = ?1 UNION"
        " SELECT supplier_id FROM offer WHERE request_id = ?1 UNION"
        " SELECT supplier_id FROM chat_contact WHERE request_id = ?1) ORDER BY id",
        request);
    while (who.step()) a.parties.push_back({who.i(0), who.s(1), who.i(2)});
    return a;
  });
}

}  // namespace plixsrv
