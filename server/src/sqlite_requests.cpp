// Customer requests in SQLite: posting, changing, hiding and purging.
#include "mark_hash.h"
#include "secrets.h"
#include "sqlite_store.h"
#include "text/cp1252.h"

namespace plixsrv {

namespace {
// The desktop gets the requester in the request list and sends it back as
// AID with every reaction, which is refused unless it matches exactly. So
// only identifiers that travel both ways unchanged are taken: no brackets or
// line breaks (rewritten in the list), nothing a query would split at.
bool travels_unchanged(std::string_view requester) {
  if (requester.size() > 64) return false;
  for (unsigned char c : requester)
    if (!(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z') && !(c >= '0' && c <= '9') && c != '-' &&
        c != '_' && c != '.' && c != '@')
      return false;
  return true;
}

NewRequest read_request(Conn& c, int64_t id) {
  auto st = c.q(
      "SELECT requester, title, details, place, country, visit, branch, contact, posted_at "
      "FROM request WHERE id = ?",
      id);
  if (!st.step()) throw Refused(404, "Unknown request.");
  NewRequest r;
  r.requester = st.s(0);
  r.title = st.s(1);
  r.details = st.s(2);
  r.place = st.s(3);
  r.country = static_cast<int>(st.i(4));
  r.visit = st.i(5) != 0;
  r.branch = st.s(6);
  auto k = split_fields(st.s(7), 7);
  r.contact = {k[0], k[1], k[2], k[3], k[4], k[5], k[6]};
  r.posted_at = st.i(8);
  return r;
}

RequestAfter after(Conn& c, int64_t id, const NewRequest& r, bool closed) {
  return RequestAfter{read_summary(c, id), plix::lower1252(r.title), plix::lower1252(r.details),
                      closed};
}
}  // namespace

void require_supplier(Conn& c, int64_t supplier) {
  if (!c.q("SELECT 1 FROM supplier WHERE id = ?", supplier).step())
    throw Refused(404, "Unknown supplier.");
}

void require_request(Conn& c, int64_t request) {
  if (!c.q("SELECT 1 FROM request WHERE id = ?", request).step())
    throw Refused(404, "Unknown request.");
}

RequestSummary read_summary(Conn& c, int64_t request) {
  auto st = c.q(
      "SELECT id, posted_at, content_hash, changed_seq, reactions, category FROM request "
      "WHERE id = ?",
      request);
  if (!st.step()) throw Refused(404, "Unknown request.");
  std::string category = st.s(5);
  return RequestSummary{st.i(0), st.i(1), static_cast<uint64_t>(st.i(2)), st.i(3), st.i(4),
                        category.empty() ? char(0) : category[0]};
}

RequestAfter SqliteStore::post_request(const NewRequest& given) {
  if (given.title.empty()) throw Refused(400, "A request needs a title.");
  if (!travels_unchanged(given.requester))
    throw Refused(400,
                  "A requester identifier holds at most 64 letters, digits, \"-\", \"_\", \".\" or \"@\".");
  NewRequest r = given;
  if (r.requester.empty()) r.requester = "K" + random_token(7);
  if (r.posted_at == 0) r.posted_at = now_seconds();
  r.visit = r.visit || r.country == 99;
  return db_.write([&](Conn& c) {
    int64_t seq = next_seq(c);
    char category = category_of(r.branch);
    const Contact& k = r.contact;
    c.q("INSERT INTO request(requester, title, details, place, country, visit, branch, contact, "
        "posted_at, changed_seq, category) VALUES(?,?,?,?,?,?,?,?,?,?,?)",
        r.requester, r.title, r.details, r.place, r.country, r.visit ? 1 : 0, r.branch,
        join_fields({k.name, k.address, k.place, k.postcode, k.email, k.phone, k.gsm}),
        r.posted_at, seq, std::string(category ? 1 : 0, category))
        .run();
    int64_t id = c.last_id();
    c.q("UPDATE request SET content_hash = ? WHERE id = ?", static_cast<int64_t>(content_hash(id, r)),
        id)
        .run();
    c.q("INSERT INTO request_words(rowid, title, details) VALUES(?,?,?)", id, index_text(r.title),
        index_text(r.details))
        .run();
    return after(c, id, r, false);
  });
}

RequestAfter SqliteStore::change_request(int64_t id, const std::optional<std::string>& title,
                                         const std::optional<std::string>& details, bool close) {
  return db_.write([&](Conn& c) {
    NewRequest r = read_request(c, id);
    int64_t seq = next_seq(c);
    if (title) r.title = *title;
    if (details) r.details = *details;
    c.q("UPDATE request SET title = ?, details = ?, content_hash = ?, changed_seq = ? WHERE id = ?",
        r.title, r.details, static_cast<int64_t>(content_hash(id, r)), seq, id)
        .run();
    if (close) c.q("UPDATE request SET closed = 1 WHERE id = ?", id).run();
    if (title || details)
      c.q("UPDATE request_words SET title = ?, details = ? WHERE rowid = ?", index_text(r.title),
          index_text(r.details), id)
          .run();
    auto st = c.q("SELECT closed FROM request WHERE id = ?", id);
    return after(c, id, r, st.step() && st.i(0) != 0);
  });
}

std::optional<NewRequest> SqliteStore::request(int64_t id) {
  auto c = db_.lease();
  try {
    return read_request(*c, id);
  } catch (const Refused&) {
    return std::nullopt;
  }
}

std::vector<RequestSummary> SqliteStore::open_requests() {
  std::vector<RequestSummary> out;
  db_.read([&](Conn& c) {
    auto st = c.q(
        "SELECT id, posted_at, content_hash, changed_seq, reactions, category FROM request "
        "WHERE closed = 0 ORDER BY id");
    while (st.step()) {
      std::string category = st.s(5);
      out.push_back({st.i(0), st.i(1), static_cast<uint64_t>(st.i(2)), st.i(3), st.i(4),
                     category.empty() ? char(0) : category[0]});
    }
  });
  return out;
}

void SqliteStore::hide(int64_t supplier, int64_t request) {
  db_.write([&](Conn& c) {
    require_supplier(c, supplier);
    require_request(c, request);
    c.q("INSERT INTO view(supplier_id, request_id, hidden) VALUES(?,?,1) "
        "ON CONFLICT(supplier_id, request_id) DO UPDATE SET hidden = 1",
        supplier, request)
        .run();
  });
}

void SqliteStore::show_all(int64_t supplier) {
  db_.write([&](Conn& c) {
    require_supplier(c, supplier);
    c.q("UPDATE view SET hidden = 0 WHERE supplier_id = ? AND hidden = 1", supplier).run();
  });
}

namespace {
int64_t count_in_index(Conn& c, int64_t from, int64_t to) {
  if (from >= to) return 0;
  auto n = c.q("SELECT COUNT(*) FROM request WHERE posted_at >= ? AND posted_at < ?", from, to);
  return n.step() ? n.i(0) : 0;
}

// Requests posted in [from, to): whole hours from the hourly counts, the
// broken hours at both ends from the posting-time index.
int64_t count_posted(Conn& c, int64_t from, int64_t to) {
  int64_t first = (from + 3599) / 3600, last = to / 3600;  // the whole hours: [first, last)
  if (first >= last) return count_in_index(c, from, to);
  auto n = c.q("SELECT COALESCE(SUM(requests), 0) FROM posting_hour WHERE hour >= ? AND hour < ?",
               first, last);
  int64_t whole = n.step() ? n.i(0) : 0;
  return count_in_index(c, from, first * 3600) + whole + count_in_index(c, last * 3600, to);
}
}  // namespace

// One horizon per supplier: purging moves it and counts what it passed over,
// so neither time nor storage grows with old requests.
int SqliteStore::purge_before(int64_t supplier, int64_t before) {
  return db_.write([&](Conn& c) {
    auto st = c.q("SELECT purge_before FROM supplier WHERE id = ?", supplier);
    if (!st.step()) throw Refused(404, "Unknown supplier.");
    int64_t old = st.i(0);
    if (before <= old) return 0;
    int count = static_cast<int>(count_posted(c, old, before));
    c.q("UPDATE supplier SET purge_before = ? WHERE id = ?", before, supplier).run();
    return count;
  });
}

}  // namespace plixsrv
