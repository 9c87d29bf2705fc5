// The conversation between one supplier and the customer of a request.
// Triggers keep the counts the change marks read (reactions per request, a
// supplier's entries and the customer's last answer) with every entry.
#include "sqlite_store.h"

namespace plixsrv {

namespace {
void mark_seen(Conn& c, int64_t supplier, int64_t request, int64_t seq) {
  c.q("INSERT INTO view(supplier_id, request_id, seen_seq) VALUES(?,?,?) "
      "ON CONFLICT(supplier_id, request_id) DO UPDATE SET seen_seq = excluded.seen_seq",
      supplier, request, seq)
      .run();
}

std::vector<ConversationEntry> read_conversation(Conn& c, int64_t supplier, int64_t request) {
  std::vector<ConversationEntry> out;
  auto st = c.q(
      "SELECT from_customer, text, at FROM reaction WHERE request_id = ? AND supplier_id = ? "
      "ORDER BY seq",
      request, supplier);
  while (st.step()) out.push_back({st.i(0) != 0, st.s(1), st.i(2)});
  return out;
}

TraceAfter trace_after(Conn& c, int64_t supplier, int64_t request) {
  TraceAfter t{read_summary(c, request), {request, 0, 0, false}};
  auto st = c.q("SELECT answer_seq, own, hidden FROM view WHERE supplier_id = ? AND request_id = ?",
                supplier, request);
  if (st.step()) t.trace = {request, st.i(0), st.i(1), st.i(2) != 0};
  return t;
}
}  // namespace

std::vector<ConversationEntry> SqliteStore::open_conversation(int64_t supplier, int64_t request) {
  return db_.write([&](Conn& c) {
    require_supplier(c, supplier);
    require_request(c, request);
    mark_seen(c, supplier, request, next_seq(c));
    return read_conversation(c, supplier, request);
  });
}

std::vector<ConversationEntry> SqliteStore::conversation(int64_t supplier, int64_t request) {
  return db_.read([&](Conn& c) { return read_conversation(c, supplier, request); });
}

TraceAfter SqliteStore::react(int64_t supplier, int64_t request, const std::string& requester,
                              const std::string& text) {
  if (text.empty()) throw Refused(400, "An empty reaction is not stored.");
  return db_.write([&](Conn& c) {
    require_supplier(c, supplier);
    auto st = c.q("SELECT requester, closed FROM request WHERE id = ?", request);
    if (!st.step()) throw Refused(404, "Unknown request.");
    if (!requester.empty() && st.s(0) != requester)
      throw Refused(400, "The requester does not belong to that request.");
    if (st.i(1) != 0) throw Refused(409, "The customer has closed that request.");
    int64_t seq = next_seq(c);
    c.q("INSERT INTO reaction(request_id, supplier_id, from_customer, text, at, seq) "
        "VALUES(?,?,0,?,?,?)",
        request, supplier, text, now_seconds(), seq)
        .run();
    mark_seen(c, supplier, request, seq);
    return trace_after(c, supplier, request);
  });
}

TraceAfter SqliteStore::answer(int64_t request, int64_t supplier, const std::string& text) {
  if (text.empty()) throw Refused(400, "An empty answer is not stored.");
  return db_.write([&](Conn& c) {
    require_request(c, request);
    if (!c.q("SELECT 1 FROM reaction WHERE request_id = ? AND supplier_id = ? AND from_customer = 0",
             request, supplier)
             .step())
      throw Refused(409, "That supplier has not reacted on that request.");
    c.q("INSERT INTO reaction(request_id, supplier_id, from_customer, text, at, seq) "
        "VALUES(?,?,1,?,?,?)",
        request, supplier, text, now_seconds(), next_seq(c))
        .run();
    return trace_after(c, supplier, request);
  });
}

}  // namespace plixsrv
