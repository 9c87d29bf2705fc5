// A supplier's list in SQLite: one query, put together from the supplier's
// rules, reads the listed requests newest first. Branch, purge horizon and
// hiding are plain conditions; word filters go to the full-text index, so a
// narrow pass filter reads only the requests it lets through.
#include "sqlite_store.h"
#include "text/cp1252.h"

namespace plixsrv {

namespace {
struct Row {
  RequestSummary summary;
  Trace trace;
  int64_t seen_seq = 0;
  Stmt* st = nullptr;  // for the texts, read only by those who need them
};

ListRules rules_of(Conn& c, int64_t supplier) {
  auto st = c.q("SELECT slots, block_words, pass_words, purge_before FROM supplier WHERE id = ?",
                supplier);
  if (!st.step()) throw Refused(404, "Unknown supplier.");
  auto slots = split_fields(st.s(0), kSupplierSlots);
  return ListRules::of(slots[10], slots[11], st.i(3), st.s(1), st.s(2));
}

std::string letter(char c) { return std::string(c ? 1 : 0, c); }

// Calls take(row) for each listed request, newest first, until it returns false.
template <typename F>
void for_listed(Conn& c, int64_t supplier, const ListRules& rules, F&& take) {
  const WordFilter& w = rules.words;
  std::string pass = w.pass_query(), block = w.block_query();
  bool check_texts = w.needs_text_check();
  std::string sql =
      "SELECT r.id, r.posted_at, r.content_hash, r.changed_seq, r.reactions, r.category, "
      "COALESCE(v.answer_seq, 0), COALESCE(v.own, 0), COALESCE(v.seen_seq, 0), "
      "r.title, r.details, r.place, r.country, r.visit, r.requester "
      "FROM request r LEFT JOIN view v ON v.supplier_id = ? AND v.request_id = r.id "
      "WHERE r.closed = 0 AND r.posted_at >= ? AND COALESCE(v.hidden, 0) = 0 "
      "AND (? OR r.category = '' OR r.category = ? OR r.category = ?)";
  if (!pass.empty())
    sql += " AND r.id IN (SELECT rowid FROM request_words WHERE request_words MATCH ?)";
  if (!block.empty())
    sql += " AND r.id NOT IN (SELECT rowid FROM request_words WHERE request_words MATCH ?)";
  sql += " ORDER BY r.id DESC";
  // With a word too short for the index every row is checked here, so no limit.
  if (!check_texts) sql += " LIMIT " + std::to_string(kMaxListed);
  auto st = c.q_text(sql, supplier, rules.purge_before, rules.all_categories ? 1 : 0,
                     letter(rules.category_a), letter(rules.category_b));
  if (!pass.empty()) st.bind(pass);
  if (!block.empty()) st.bind(block);
  int listed = 0;
  while (listed < kMaxListed && st.step()) {
    if (check_texts && !w.passes(plix::lower1252(st.s(9)), plix::lower1252(st.s(10)))) continue;
    Row row;
    std::string category = st.s(5);
    row.summary = {st.i(0), st.i(1), static_cast<uint64_t>(st.i(2)), st.i(3), st.i(4),
                   category.empty() ? char(0) : category[0]};
    row.trace = {row.summary.id, st.i(6), st.i(7), false};
    row.seen_seq = st.i(8);
    row.st = &st;
    ++listed;
    if (!take(row)) break;
  }
}
}  // namespace

std::vector<ListEntry> SqliteStore::request_list(int64_t supplier) {
  return db_.read([&](Conn& c) {
    std::vector<ListEntry> out;
    for_listed(c, supplier, rules_of(c, supplier), [&](const Row& row) {
      ListEntry e;
      e.number = row.summary.id;
      e.posted_at = row.summary.posted_at;
      e.title = row.st->s(9);
      e.details = row.st->s(10);
      e.place = row.st->s(11);
      e.country = static_cast<int>(row.st->i(12));
      e.visit = row.st->i(13) != 0;
      e.requester = row.st->s(14);
      e.customer_seq = std::max(row.summary.changed_seq, row.trace.answer_seq);
      e.status = row.seen_seq == 0 ? "onb" : (e.customer_seq > row.seen_seq ? "mut" : "oud");
      out.push_back(std::move(e));
      return true;
    });
    return out;
  });
}

SupplierWindow SqliteStore::window(int64_t supplier, bool with_list) {
  return db_.read([&](Conn& c) {
    SupplierWindow w;
    w.rules = rules_of(c, supplier);
    if (with_list)
      for_listed(c, supplier, w.rules, [&](const Row& row) {
        w.listed.push_back({row.summary, row.trace});
        return true;
      });
    auto st = c.q(
        "SELECT request_id, answer_seq, own, hidden FROM view "
        "WHERE supplier_id = ? AND (hidden = 1 OR own > 0) ORDER BY request_id",
        supplier);
    while (st.step()) w.traces.push_back({st.i(0), st.i(1), st.i(2), st.i(3) != 0});
    return w;
  });
}

std::vector<ListedRequest> SqliteStore::listed_for(const ListRules& rules) {
  return db_.read([&](Conn& c) {
    std::vector<ListedRequest> out;
    // Supplier number 0 has no traces.
    for_listed(c, 0, rules, [&](const Row& row) {
      out.push_back({row.summary, row.trace});
      return true;
    });
    return out;
  });
}

}  // namespace plixsrv
