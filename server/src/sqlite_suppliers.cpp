// Supplier accounts in SQLite: registration, record, login, filters and alert settings.
#include "secrets.h"
#include "sqlite_store.h"
#include "supplier_record.h"
#include "text/cp1252.h"

namespace plixsrv {

using plix::lower1252;

namespace {
bool login_taken(Conn& c, const std::string& key, int64_t except_id) {
  auto st = c.q("SELECT id FROM supplier WHERE login_key = ?", key);
  return st.step() && st.i(0) != except_id;
}
}  // namespace

int64_t SqliteStore::register_supplier(const std::vector<std::string>& raw_items,
                                       int64_t fixed_id, const std::string& pw) {
  auto items = clean_items(raw_items);
  // The desktop lets a supplier register without login name or password; such
  // an account works with its number only, and login refuses it.
  std::string login = trim(items[kLogin]);
  check_passwords(items);
  return db_.write([&](Conn& c) {
    if (!login.empty() && login_taken(c, lower1252(login), 0))
      throw Refused(409, "That login name is taken; choose another one.");
    int64_t id = fixed_id;
    if (id == 0) {
      // Eight random digits: the number is the only key of most requests,
      // so it should not be easy to guess the next one.
      do {
        id = random_between(10000000, 99999999);
      } while (c.q("SELECT 1 FROM supplier WHERE id = ?", id).step());
    } else if (c.q("SELECT 1 FROM supplier WHERE id = ?", id).step()) {
      throw Refused(409, "That supplier number is taken.");
    }
    std::vector<std::string> slots(items.begin(), items.end());
    slots.resize(kSupplierSlots);
    slots[kLogin] = login;
    slots[kPassword].clear();
    slots[kPasswordAgain].clear();
    slots[kCredit] = "proef";
    slots[kServerText].clear();
    slots[kNumber] = std::to_string(id);
    slots[kReview] = "ja";
    // Without a login name the key is one no typed name can equal (control characters are
    // blanked above), so the unique index still holds.
    std::string key = login.empty() ? "\x01" + std::to_string(id) : lower1252(login);
    c.q("INSERT INTO supplier(id, login, login_key, pw, slots, created_at) VALUES(?,?,?,?,?,?)",
        id, login, key, pw, join_fields(slots), now_seconds())
        .run();
    return id;
  });
}

void SqliteStore::update_supplier(int64_t id, const std::vector<std::string>& raw_items,
                                  const std::string& new_pw) {
  auto items = clean_items(raw_items);
  check_passwords(items);
  db_.write([&](Conn& c) {
    auto st = c.q("SELECT slots, login FROM supplier WHERE id = ?", id);
    if (!st.step()) throw Refused(404, "Unknown supplier.");
    auto slots = split_fields(st.s(0), kSupplierSlots);
    std::string login = st.s(1);
    std::string wanted = trim(items[kLogin]);
    if (!wanted.empty() && lower1252(wanted) != lower1252(login)) {
      if (login_taken(c, lower1252(wanted), id))
        throw Refused(409, "That login name is taken; nothing was stored.");
    }
    bool new_login = !wanted.empty();
    if (new_login) login = wanted;
    // Items 0..27 are the supplier's; credit, server text, number and review flag are ours.
    for (size_t i = 0; i < kCredit; ++i)
      if (i != kPassword && i != kPasswordAgain) slots[i] = items[i];
    slots[kLogin] = login;
    c.q("UPDATE supplier SET slots = ? WHERE id = ?", join_fields(slots), id).run();
    if (new_login)
      c.q("UPDATE supplier SET login = ?, login_key = ? WHERE id = ?", login, lower1252(login), id)
          .run();
    if (!new_pw.empty()) c.q("UPDATE supplier SET pw = ? WHERE id = ?", new_pw, id).run();
  });
}

std::optional<SupplierInfo> SqliteStore::supplier(int64_t id) {
  return db_.read([&](Conn& c) -> std::optional<SupplierInfo> {
    auto st = c.q(
        "SELECT slots, block_words, pass_words, alerts, chat_seen_at FROM supplier WHERE id = ?",
        id);
    if (!st.step()) return std::nullopt;
    SupplierInfo s;
    s.id = id;
    s.slots = split_fields(st.s(0), kSupplierSlots);
    s.block_words = st.s(1);
    s.pass_words = st.s(2);
    s.alerts = split_fields(st.s(3), 11);
    s.chat_seen_at = st.i(4);
    return s;
  });
}

bool SqliteStore::supplier_exists(int64_t id) {
  auto c = db_.lease();
  return c->q("SELECT 1 FROM supplier WHERE id = ?", id).step();
}

std::vector<RequestSummary> SqliteStore::delete_supplier(int64_t id) {
  return db_.write([&](Conn& c) {
    std::vector<int64_t> reacted;
    auto st = c.q(
        "SELECT DISTINCT request_id FROM reaction WHERE supplier_id = ? AND from_customer = 0", id);
    while (st.step()) reacted.push_back(st.i(0));
    c.q("DELETE FROM supplier WHERE id = ?", id).run();
    if (c.changes() == 0) throw Refused(404, "Unknown supplier.");
    std::vector<RequestSummary> out;
    for (int64_t r : reacted) out.push_back(read_summary(c, r));
    return out;
  });
}

std::optional<std::pair<int64_t, std::string>> SqliteStore::login_record(const std::string& login) {
  auto c = db_.lease();
  auto st = c->q("SELECT id, pw FROM supplier WHERE login_key = ?", lower1252(trim(login)));
  if (!st.step()) return std::nullopt;
  return std::make_pair(st.i(0), st.s(1));
}

void SqliteStore::set_filters(int64_t id, const std::string& block, const std::string& pass) {
  db_.write([&](Conn& c) {
    c.q("UPDATE supplier SET block_words = ?, pass_words = ? WHERE id = ?", block.substr(0, 512),
        pass.substr(0, 512), id)
        .run();
    if (c.changes() == 0) throw Refused(404, "Unknown supplier.");
  });
}

void SqliteStore::set_alerts(int64_t id, const std::vector<std::string>& raw) {
  auto items = raw;
  items.resize(11);
  for (auto& s : items)
    for (auto& ch : s)
      if (ch == '\x1f') ch = ' ';
  db_.write([&](Conn& c) {
    auto st = c.q("SELECT slots FROM supplier WHERE id = ?", id);
    if (!st.step()) throw Refused(404, "Unknown supplier.");
    auto slots = split_fields(st.s(0), kSupplierSlots);
    // Items 1..8 are record items 20..27; item 9 is the credit state, which stays ours.
    for (size_t i = 1; i <= 8; ++i) slots[19 + i] = items[i];
    c.q("UPDATE supplier SET alerts = ?, slots = ? WHERE id = ?", join_fields(items),
        join_fields(slots), id)
        .run();
  });
}

std::vector<int64_t> SqliteStore::supplier_ids() {
  std::vector<int64_t> ids;
  auto c = db_.lease();
  auto st = c->q("SELECT id FROM supplier ORDER BY id");
  while (st.step()) ids.push_back(st.i(0));
  return ids;
}

int64_t SqliteStore::supplier_count() {
  auto c = db_.lease();
  auto st = c->q("SELECT COUNT(*) FROM supplier");
  return st.step() ? st.i(0) : 0;
}

}  // namespace plixsrv
