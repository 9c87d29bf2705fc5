// Database schema, created and migrated at start by PRAGMA user_version.
#include "sqlite_store.h"

#include <algorithm>

#include "mark_hash.h"
#include "word_filter.h"

namespace plixsrv {

namespace {
// Version 1: the first schema.
const char* const kVersion1 = R"sql(
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
)sql";

// Version 2: marks that follow each write, filters and purging answered by
// indexes.
// - request: content_hash (digest of what the customer shaped, for the marks),
//   category (of its branch), reactions (count of suppliers' reactions).
// - view: answer_seq and own (the customer's last answer to the supplier and
//   the supplier's conversation entries), kept by triggers with the counts.
// - Purging no longer writes a row per supplier and old request: each
//   supplier keeps one horizon, purge_before; the old purged rows become it.
// - posting_hour: requests per hour of posting, kept by a trigger, so a purge
//   counts what it purges without stepping through every old request.
// - request_words: trigram full-text index of the lowered texts.
const char* const kVersion2 = R"sql(
ALTER TABLE request ADD COLUMN content_hash INTEGER NOT NULL DEFAULT 0;
ALTER TABLE request ADD COLUMN category TEXT NOT NULL DEFAULT '';
ALTER TABLE request ADD COLUMN reactions INTEGER NOT NULL DEFAULT 0;
ALTER TABLE supplier ADD COLUMN purge_before INTEGER NOT NULL DEFAULT 0;
ALTER TABLE view ADD COLUMN answer_seq INTEGER NOT NULL DEFAULT 0;
ALTER TABLE view ADD COLUMN own INTEGER NOT NULL DEFAULT 0;

UPDATE supplier SET purge_before = COALESCE((SELECT MAX(r.posted_at) + 1 FROM view v
  JOIN request r ON r.id = v.request_id WHERE v.supplier_id = supplier.id AND v.purged = 1), 0);
DELETE FROM view WHERE purged = 1 AND hidden = 0 AND seen_seq = 0;
ALTER TABLE view DROP COLUMN purged;

UPDATE request SET reactions = (SELECT COUNT(*) FROM reaction x
  WHERE x.request_id = request.id AND x.from_customer = 0);
INSERT INTO view(supplier_id, request_id)
  SELECT DISTINCT supplier_id, request_id FROM reaction WHERE true
  ON CONFLICT(supplier_id, request_id) DO NOTHING;
UPDATE view SET
  own = (SELECT COUNT(*) FROM reaction x
    WHERE x.request_id = view.request_id AND x.supplier_id = view.supplier_id),
  answer_seq = (SELECT COALESCE(MAX(x.seq), 0) FROM reaction x
    WHERE x.request_id = view.request_id AND x.supplier_id = view.supplier_id
    AND x.from_customer = 1);

CREATE TRIGGER reaction_added AFTER INSERT ON reaction BEGIN
  UPDATE request SET reactions = reactions + (NEW.from_customer = 0) WHERE id = NEW.request_id;
  INSERT INTO view(supplier_id, request_id, own, answer_seq)
    VALUES(NEW.supplier_id, NEW.request_id, 1, CASE WHEN NEW.from_customer THEN NEW.seq ELSE 0 END)
    ON CONFLICT(supplier_id, request_id) DO UPDATE SET own = own + 1,
      answer_seq = CASE WHEN NEW.from_customer THEN NEW.seq ELSE answer_seq END;
END;
CREATE TRIGGER reaction_removed AFTER DELETE ON reaction WHEN OLD.from_customer = 0 BEGIN
  UPDATE request SET reactions = reactions - 1 WHERE id = OLD.request_id;
END;

CREATE TABLE posting_hour(hour INTEGER PRIMARY KEY, requests INTEGER NOT NULL);
INSERT INTO posting_hour SELECT posted_at / 3600, COUNT(*) FROM request GROUP BY 1;
CREATE TRIGGER request_counted AFTER INSERT ON request BEGIN
  INSERT INTO posting_hour VALUES(NEW.posted_at / 3600, 1)
    ON CONFLICT(hour) DO UPDATE SET requests = requests + 1;
END;

CREATE INDEX request_by_posting ON request(posted_at);
CREATE INDEX request_open ON request(id) WHERE closed = 0;
CREATE INDEX view_traces ON view(supplier_id) WHERE hidden = 1 OR own > 0;
CREATE VIRTUAL TABLE request_words USING fts5(title, details,
  tokenize = 'trigram case_sensitive 1');
)sql";

// The columns of version 2 that are worked out in C++: digest, category, index texts.
void fill_version2(Conn& c) {
  auto st = c.q(
      "SELECT id, requester, title, details, place, country, visit, posted_at, branch FROM request");
  while (st.step()) {
    NewRequest r;
    int64_t id = st.i(0);
    r.requester = st.s(1);
    r.title = st.s(2);
    r.details = st.s(3);
    r.place = st.s(4);
    r.country = static_cast<int>(st.i(5));
    r.visit = st.i(6) != 0;
    r.posted_at = st.i(7);
    char category = category_of(st.s(8));
    c.q("UPDATE request SET content_hash = ?, category = ? WHERE id = ?",
        static_cast<int64_t>(content_hash(id, r)), std::string(category ? 1 : 0, category), id)
        .run();
    c.q("INSERT INTO request_words(rowid, title, details) VALUES(?,?,?)", id,
        index_text(r.title), index_text(r.details))
        .run();
  }
}

// Version 3: the customer web pages. Each request's private page key, kept
// only as its SHA-256 digest, so the database alone opens no page; and the
// chats of a request, looked up by request for its page.
const char* const kVersion3 = R"sql(
CREATE TABLE request_key(
  request_id INTEGER PRIMARY KEY REFERENCES request(id) ON DELETE CASCADE,
  key_digest TEXT NOT NULL UNIQUE,
  created_at INTEGER NOT NULL);
CREATE INDEX chat_by_request ON chat_contact(request_id);
)sql";

struct Step {
  const char* sql;
  void (*fill)(Conn&);  // data work after the SQL, or nullptr
};

// Step i brings the schema from version i to i + 1. Never edit a step that
// shipped; add the next one at the end.
const Step kSteps[] = {
    {kVersion1, nullptr},
    {kVersion2, fill_version2},
    {kVersion3, nullptr},
};
}  // namespace

void migrate(Database& db, int to) {
  auto c = db.lease();
  int version = 0;
  {
    auto st = c->q("PRAGMA user_version");
    if (st.step()) version = static_cast<int>(st.i(0));
  }
  const int latest = static_cast<int>(std::size(kSteps));
  if (version > latest)
    throw DbError("database schema version " + std::to_string(version) +
                  " is newer than this plixsrv understands (" + std::to_string(latest) + ")");
  for (int v = version; v < (to > 0 ? std::min(to, latest) : latest); ++v) {
    c->exec("BEGIN IMMEDIATE");
    try {
      c->exec(kSteps[v].sql);
      if (kSteps[v].fill) kSteps[v].fill(*c);
      c->exec(("PRAGMA user_version=" + std::to_string(v + 1)).c_str());
      c->exec("COMMIT");
    } catch (...) {
      sqlite3_exec(c->raw(), "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }
}

int64_t next_seq(Conn& c) {
  auto st = c.q("UPDATE meta SET value = value + 1 WHERE key = 'seq' RETURNING value");
  if (!st.step()) throw DbError("sequence row missing");
  return st.i(0);
}

SqliteStore::SqliteStore(const std::string& path, PoolLimits limits) : db_(path, limits) {
  migrate(db_);
}

}  // namespace plixsrv
