// Chat between a supplier and a customer. The chat codes carry no supplier
// number, so a contact is known only by its unguessable token.
#include "secrets.h"
#include "sqlite_store.h"

namespace plixsrv {

namespace {
// Contact names become part of the token; keep them to letters and digits.
std::string name_part(const std::string& name) {
  std::string out;
  for (char ch : name) {
    bool alnum = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
    if (alnum && out.size() < 12) out += ch;
  }
  return out.empty() ? "Klant" : out;
}
}  // namespace

std::string SqliteStore::open_chat(int64_t supplier, const std::string& customer_name,
                              int64_t request) {
  return db_.write([&](Conn& c) {
    require_supplier(c, supplier);
    // 16 characters of a 32-letter alphabet: 80 random bits.
    std::string token = name_part(customer_name) + "-" + random_token(16);
    c.q("INSERT INTO chat_contact(token, supplier_id, customer_name, request_id, last_at) "
        "VALUES(?,?,?,?,?)",
        token, supplier, customer_name, request, now_seconds())
        .run();
    return token;
  });
}

std::vector<std::string> SqliteStore::chat_contacts(int64_t supplier) {
  std::vector<std::string> out;
  auto c = db_.lease();
  auto st = c->q(
      "SELECT token FROM chat_contact WHERE supplier_id = ? ORDER BY last_at DESC, id DESC",
      supplier);
  while (st.step()) out.push_back(st.s(0));
  return out;
}

void SqliteStore::chat_write(const std::string& token, bool from_supplier, const std::string& text) {
  db_.write([&](Conn& c) {
    auto st = c.q("SELECT id, blocked FROM chat_contact WHERE token = ?", token);
    if (!st.step()) throw Refused(404, "Unknown chat contact.");
    int64_t id = st.i(0);
    if (!from_supplier && st.i(1) != 0)
      throw Refused(403, "The supplier has blocked this chat.");
    int64_t now = now_seconds();
    c.q("INSERT INTO chat_line(contact_id, from_supplier, text, at) VALUES(?,?,?,?)", id,
        from_supplier ? 1 : 0, text, now)
        .run();
    c.q("UPDATE chat_contact SET last_at = ? WHERE id = ?", now, id).run();
  });
}

std::optional<ChatConversation> SqliteStore::chat(const std::string& token) {
  return db_.read([&](Conn& c) -> std::optional<ChatConversation> {
    auto st = c.q(
        "SELECT id, customer_name, request_id, blocked FROM chat_contact WHERE token = ?", token);
    if (!st.step()) return std::nullopt;
    ChatConversation conv;
    conv.token = token;
    conv.customer_name = st.s(1);
    conv.request = st.i(2);
    conv.blocked = st.i(3) != 0;
    auto lines = c.q("SELECT from_supplier, text, at FROM chat_line WHERE contact_id = ? ORDER BY id",
                     st.i(0));
    while (lines.step()) conv.lines.push_back({lines.i(0) != 0, lines.s(1), lines.i(2)});
    return conv;
  });
}

void SqliteStore::force_chat(int64_t supplier) {
  db_.write([&](Conn& c) {
    c.q("UPDATE supplier SET chat_seen_at = ? WHERE id = ?", now_seconds(), supplier).run();
    if (c.changes() == 0) throw Refused(404, "Unknown supplier.");
  });
}

void SqliteStore::block_chat(const std::string& token, bool blocked) {
  db_.write([&](Conn& c) {
    c.q("UPDATE chat_contact SET blocked = ? WHERE token = ?", blocked ? 1 : 0, token).run();
    if (c.changes() == 0) throw Refused(404, "Unknown chat contact.");
  });
}

}  // namespace plixsrv
