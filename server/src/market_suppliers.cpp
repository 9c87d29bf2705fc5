// Supplier accounts: registration, record, login, filters and alert settings.
#include "text/cp1252.h"
#include "market.h"
#include "secrets.h"

namespace plixsrv {

using plix::lower1252;

namespace {
constexpr size_t kRecordItems = 31;  // items 0..30 travel in ctrl 02/03
constexpr size_t kPassword = 14, kLogin = 15, kPasswordAgain = 16;
constexpr size_t kCredit = 28, kServerText = 29, kNumber = 30, kReview = 31;

std::string trim(std::string s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

std::vector<std::string> clean_items(std::vector<std::string> items) {
  items.resize(kRecordItems);
  for (auto& s : items)
    for (auto& c : s)
      if (static_cast<unsigned char>(c) < 0x20) c = ' ';  // also keeps the field separator out
  return items;
}

void check_passwords(const std::vector<std::string>& items) {
  if (!items[kPasswordAgain].empty() && items[kPasswordAgain] != items[kPassword])
    throw Refused(400, "The two passwords differ; nothing was stored.");
}

bool login_taken(Conn& c, const std::string& key, int64_t except_id) {
  auto st = c.q("SELECT id FROM supplier WHERE login_key = ?", key);
  return st.step() && st.i(0) != except_id;
}
}  // namespace

int64_t Market::register_supplier(const std::vector<std::string>& raw_items, int64_t fixed_id,
                                  const std::string* password_hash) {
  auto items = clean_items(raw_items);
  // The desktop lets a supplier register without login name or password; such
  // an account works with its number only, and login refuses it.
  std::string login = trim(items[kLogin]);
  check_passwords(items);
  // Hash outside the write lock: it takes tens of milliseconds on purpose.
  std::string pw = password_hash          ? *password_hash
                   : items[kPassword].empty() ? std::string()
                                              : hash_password(items[kPassword]);
  return write([&](Conn& c) {
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

void Market::update_supplier(int64_t id, const std::vector<std::string>& raw_items) {
  auto items = clean_items(raw_items);
  check_passwords(items);
  std::string new_pw = items[kPassword].empty() ? std::string() : hash_password(items[kPassword]);
  write_for(id, [&](Conn& c) {
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

std::optional<SupplierInfo> Market::supplier(int64_t id) {
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

bool Market::supplier_exists(int64_t id) {
  auto c = db_.lease();
  return c->q("SELECT 1 FROM supplier WHERE id = ?", id).step();
}

void Market::delete_supplier(int64_t id) {
  write([&](Conn& c) {
    c.q("DELETE FROM supplier WHERE id = ?", id).run();
    if (c.changes() == 0) throw Refused(404, "Unknown supplier.");
  });
  {
    std::unique_lock lock(marks_mu_);
    marks_cache_.erase(id);
    local_revision_.erase(id);
  }
  std::lock_guard lock(pending_mu_);
  pending_.erase(id);
}

int64_t Market::login(const std::string& login, const std::string& password) {
  if (login.empty() || password.empty()) return 0;
  int64_t id = 0;
  std::string pw;
  {
    auto c = db_.lease();
    auto st = c->q("SELECT id, pw FROM supplier WHERE login_key = ?", lower1252(trim(login)));
    if (!st.step()) return 0;
    id = st.i(0);
    pw = st.s(1);
  }
  return verify_password(password, pw) ? id : 0;
}

void Market::set_filters(int64_t id, const std::string& block, const std::string& pass) {
  write_for(id, [&](Conn& c) {
    c.q("UPDATE supplier SET block_words = ?, pass_words = ? WHERE id = ?", block.substr(0, 512),
        pass.substr(0, 512), id)
        .run();
    if (c.changes() == 0) throw Refused(404, "Unknown supplier.");
  });
}

void Market::set_alerts(int64_t id, const std::vector<std::string>& raw) {
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

std::vector<int64_t> Market::supplier_ids() {
  std::vector<int64_t> ids;
  auto c = db_.lease();
  auto st = c->q("SELECT id FROM supplier ORDER BY id");
  while (st.step()) ids.push_back(st.i(0));
  return ids;
}

int64_t Market::supplier_count() {
  auto c = db_.lease();
  auto st = c->q("SELECT COUNT(*) FROM supplier");
  return st.step() ? st.i(0) : 0;
}

}  // namespace plixsrv
