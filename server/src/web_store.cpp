#include "web_store.h"

#include "digest.h"
#include "secrets.h"

namespace plixsrv {

std::string new_page_key() { return random_hex(16); }

bool looks_like_page_key(std::string_view key) {
  if (key.size() != 32) return false;
  for (char c : key)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  return true;
}

std::string page_key_digest(std::string_view key) { return sha256_hex(key); }

std::string WebStore::give_key(int64_t request) {
  std::string key = new_page_key();
  market_.db().write([&](Conn& c) {
    c.q("INSERT OR REPLACE INTO request_key(request_id, key_digest, created_at) VALUES(?,?,?)",
        request, page_key_digest(key), now_seconds())
        .run();
  });
  return key;
}

WebStore::Posted WebStore::post(const NewRequest& request) {
  Posted p;
  p.number = market_.post_request(request);
  try {
    p.key = give_key(p.number);
  } catch (...) {
    // Nobody could ever open a request without a key: take it back from the suppliers.
    try {
      market_.change_request(p.number, std::nullopt, std::nullopt, true);
    } catch (...) {
    }
    throw;
  }
  return p;
}

bool in_chat_now(int64_t chat_seen_at) {
  return chat_seen_at > 0 && now_seconds() - chat_seen_at < 15 * 60;
}

std::string WebStore::stamp(int64_t request) {
  // Reactions, offers and chat lines are only ever added (or removed with a
  // supplier); the request changes with its sequence number; chats with
  // their block state. Suppliers count with their record and chat presence.
  return market_.db().read([&](Conn& c) -> std::string {
    auto st = c.q(
        "SELECT r.changed_seq, r.closed, "
        " (SELECT COUNT(*) || ':' || COALESCE(MAX(seq), 0) FROM reaction WHERE request_id = r.id), "
        " (SELECT COUNT(*) || ':' || COALESCE(MAX(id), 0) FROM offer WHERE request_id = r.id), "
        " (SELECT COUNT(*) || ':' || COALESCE(MAX(id), 0) || ':' || COALESCE(SUM(blocked * id), 0) "
        "    FROM chat_contact WHERE request_id = r.id), "
        " (SELECT COUNT(*) || ':' || COALESCE(MAX(l.id), 0) FROM chat_line l "
        "    JOIN chat_contact k ON k.id = l.contact_id WHERE k.request_id = r.id) "
        "FROM request r WHERE r.id = ?",
        request);
    if (!st.step()) return {};
    Fnv f;
    for (int col = 0; col < 6; ++col) f.add(st.s(col));
    auto who = c.q(
        "SELECT id, slots, chat_seen_at FROM supplier WHERE id IN ("
        " SELECT supplier_id FROM reaction WHERE request_id = ?1 UNION"
        " SELECT supplier_id FROM offer WHERE request_id = ?1 UNION"
        " SELECT supplier_id FROM chat_contact WHERE request_id = ?1) ORDER BY id",
        request);
    while (who.step()) {
      f.add(who.i(0));
      f.add(who.s(1));
      f.add(in_chat_now(who.i(2)) ? 1 : 0);
    }
    return f.hex();
  });
}

int64_t WebStore::request_of(std::string_view key) {
  if (!looks_like_page_key(key)) return 0;
  auto c = market_.db().lease();
  auto st = c->q("SELECT request_id FROM request_key WHERE key_digest = ?", page_key_digest(key));
  return st.step() ? st.i(0) : 0;
}

bool WebStore::closed(int64_t request) {
  auto c = market_.db().lease();
  auto st = c->q("SELECT closed FROM request WHERE id = ?", request);
  return !st.step() || st.i(0) != 0;
}

std::vector<RequestChat> WebStore::chats(int64_t request) {
  std::vector<RequestChat> out;
  auto c = market_.db().lease();
  auto st = c->q(
      "SELECT supplier_id, token, blocked FROM chat_contact WHERE id IN ("
      "  SELECT MAX(id) FROM chat_contact WHERE request_id = ? GROUP BY supplier_id) "
      "ORDER BY id",
      request);
  while (st.step()) out.push_back({st.i(0), st.s(1), st.i(2) != 0});
  return out;
}

std::string WebStore::open_chat(int64_t request, int64_t supplier, const std::string& customer_name) {
  for (const auto& chat : chats(request))
    if (chat.supplier == supplier) return chat.token;
  return market_.open_chat(supplier, customer_name, request);
}

}  // namespace plixsrv
