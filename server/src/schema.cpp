// Database schema, created and migrated at start by PRAGMA user_version.
#include <chrono>

#include "market.h"

namespace plixsrv {

namespace {
// Each step brings the schema from version i to i + 1; never edit a step that shipped.
const char* const kMigrations[] = {
    R"sql(
CREATE TABLE meta(key TEXT PRIMARY KEY, value INTEGER NOT NULL);
INSERT INTO meta VALUES('seq', 0);
CREATE TABLE supplier(
  id INTEGER PRIMARY KEY,
  login TEXT NOT NULL,
  login_key TEXT NOT NULL UNIQUE,
  pw TEXT NOT NULL,
  slots TEXT NOT NULL,
  block_words TEXT NOT NULL DEFAULT '',
  pass_words TEXT NOT NULL DEFAULT '',
  alerts TEXT NOT NULL DEFAULT '',
  chat_seen_at INTEGER NOT NULL DEFAULT 0,
  created_at INTEGER NOT NULL);
CREATE TABLE request(
  id INTEGER PRIMARY KEY,
  requester TEXT NOT NULL,
  title TEXT NOT NULL,
  details TEXT NOT NULL,
  place TEXT NOT NULL DEFAULT '',
  country INTEGER NOT NULL DEFAULT 0,
  visit INTEGER NOT NULL DEFAULT 0,
  branch TEXT NOT NULL DEFAULT '',
  contact TEXT NOT NULL DEFAULT '',
  posted_at INTEGER NOT NULL,
  changed_seq INTEGER NOT NULL,
  closed INTEGER NOT NULL DEFAULT 0);
CREATE TABLE view(
  supplier_id INTEGER NOT NULL REFERENCES supplier(id) ON DELETE CASCADE,
  request_id INTEGER NOT NULL REFERENCES request(id) ON DELETE CASCADE,
  seen_seq INTEGER NOT NULL DEFAULT 0,
  hidden INTEGER NOT NULL DEFAULT 0,
  purged INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY(supplier_id, request_id)) WITHOUT ROWID;
CREATE TABLE reaction(
  id INTEGER PRIMARY KEY,
  request_id INTEGER NOT NULL REFERENCES request(id) ON DELETE CASCADE,
  supplier_id INTEGER NOT NULL REFERENCES supplier(id) ON DELETE CASCADE,
  from_customer INTEGER NOT NULL,
  text TEXT NOT NULL,
  at INTEGER NOT NULL,
  seq INTEGER NOT NULL);
CREATE INDEX reaction_by_request ON reaction(request_id, supplier_id);
CREATE INDEX reaction_by_supplier ON reaction(supplier_id);
CREATE TABLE offer(
  id INTEGER PRIMARY KEY,
  supplier_id INTEGER NOT NULL REFERENCES supplier(id) ON DELETE CASCADE,
  request_id INTEGER NOT NULL REFERENCES request(id) ON DELETE CASCADE,
  description TEXT NOT NULL, amount TEXT NOT NULL, vat TEXT NOT NULL,
  payment TEXT NOT NULL, delivery TEXT NOT NULL, shipping TEXT NOT NULL,
  at INTEGER NOT NULL);
CREATE INDEX offer_by_supplier ON offer(supplier_id, request_id);
CREATE INDEX offer_by_request ON offer(request_id);
CREATE TABLE message(
  id INTEGER PRIMARY KEY,
  supplier_id INTEGER NOT NULL REFERENCES supplier(id) ON DELETE CASCADE,
  control TEXT NOT NULL,
  text TEXT NOT NULL,
  done INTEGER NOT NULL DEFAULT 0,
  at INTEGER NOT NULL);
CREATE INDEX message_pending ON message(supplier_id, done);
CREATE TABLE chat_contact(
  id INTEGER PRIMARY KEY,
  token TEXT NOT NULL UNIQUE,
  supplier_id INTEGER NOT NULL REFERENCES supplier(id) ON DELETE CASCADE,
  customer_name TEXT NOT NULL,
  request_id INTEGER NOT NULL DEFAULT 0,
  blocked INTEGER NOT NULL DEFAULT 0,
  last_at INTEGER NOT NULL);
CREATE INDEX chat_by_supplier ON chat_contact(supplier_id);
CREATE TABLE chat_line(
  id INTEGER PRIMARY KEY,
  contact_id INTEGER NOT NULL REFERENCES chat_contact(id) ON DELETE CASCADE,
  from_supplier INTEGER NOT NULL,
  text TEXT NOT NULL,
  at INTEGER NOT NULL);
CREATE INDEX chat_line_by_contact ON chat_line(contact_id);
)sql",
    // Customer web pages: each request's private page key, kept only as its
    // SHA-256 digest, so the database alone opens no page; the chats of a
    // request are looked up by request for its page.
    R"sql(
CREATE TABLE request_key(
  request_id INTEGER PRIMARY KEY REFERENCES request(id) ON DELETE CASCADE,
  key_digest TEXT NOT NULL UNIQUE,
  created_at INTEGER NOT NULL);
CREATE INDEX chat_by_request ON chat_contact(request_id);
)sql",
};
}  // namespace

Market::Market(const std::string& db_path) : db_(db_path) {
  migrate();
  auto c = db_.lease();
  auto st = c->q("SELECT DISTINCT supplier_id FROM message WHERE done = 0");
  while (st.step()) pending_.insert(st.i(0));
}

void Market::migrate() {
  auto c = db_.lease();
  int version = 0;
  {
    auto st = c->q("PRAGMA user_version");
    if (st.step()) version = static_cast<int>(st.i(0));
  }
  const int latest = static_cast<int>(std::size(kMigrations));
  if (version > latest)
    throw DbError("database schema version " + std::to_string(version) +
                  " is newer than this plixsrv understands (" + std::to_string(latest) + ")");
  for (int v = version; v < latest; ++v) {
    c->exec("BEGIN IMMEDIATE");
    try {
      c->exec(kMigrations[v]);
      c->exec(("PRAGMA user_version=" + std::to_string(v + 1)).c_str());
      c->exec("COMMIT");
    } catch (...) {
      sqlite3_exec(c->raw(), "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }
}

int64_t Market::next_seq(Conn& c) {
  auto st = c.q("UPDATE meta SET value = value + 1 WHERE key = 'seq' RETURNING value");
  if (!st.step()) throw DbError("sequence row missing");
  return st.i(0);
}

std::vector<std::string> split_fields(const std::string& joined, size_t count) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos <= joined.size() && !joined.empty()) {
    size_t d = joined.find('\x1f', pos);
    out.push_back(joined.substr(pos, d == std::string::npos ? std::string::npos : d - pos));
    if (d == std::string::npos) break;
    pos = d + 1;
  }
  out.resize(count);
  return out;
}

std::string join_fields(const std::vector<std::string>& fields) {
  std::string out;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) out += '\x1f';
    out += fields[i];
  }
  return out;
}

int64_t now_seconds() {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace plixsrv
