// Offers, reaction counts and server messages.
#include "market.h"

namespace plixsrv {

void Market::make_offer(const Offer& o) {
  write_for(o.supplier, [&](Conn& c) {
    if (!c.q("SELECT 1 FROM supplier WHERE id = ?", o.supplier).step())
      throw Refused(404, "Unknown supplier.");
    auto st = c.q("SELECT closed FROM request WHERE id = ?", o.request);
    if (!st.step()) throw Refused(404, "Unknown request.");
    if (st.i(0) != 0) throw Refused(409, "The customer has closed that request.");
    c.q("INSERT INTO offer(supplier_id, request_id, description, amount, vat, payment, delivery, "
        "shipping, at) VALUES(?,?,?,?,?,?,?,?,?)",
        o.supplier, o.request, o.description, o.amount, o.vat, o.payment, o.delivery, o.shipping,
        now_seconds())
        .run();
    // Making an offer counts as having read the request.
    c.q("INSERT INTO view(supplier_id, request_id, seen_seq) VALUES(?,?,?) "
        "ON CONFLICT(supplier_id, request_id) DO UPDATE SET seen_seq = excluded.seen_seq",
        o.supplier, o.request, next_seq(c))
        .run();
  });
}

namespace {
Offer read_offer(Stmt& st) {
  Offer o;
  o.request = st.i(0);
  o.description = st.s(1);
  o.amount = st.s(2);
  o.vat = st.s(3);
  o.payment = st.s(4);
  o.delivery = st.s(5);
  o.shipping = st.s(6);
  o.supplier = st.i(7);
  o.at = st.i(8);
  return o;
}
}  // namespace

std::optional<Offer> Market::last_offer(int64_t supplier, int64_t request) {
  auto c = db_.lease();
  auto st = c->q(
      "SELECT request_id, description, amount, vat, payment, delivery, shipping, supplier_id, at "
      "FROM offer WHERE supplier_id = ? AND request_id = ? ORDER BY id DESC LIMIT 1",
      supplier, request);
  if (!st.step()) return std::nullopt;
  return read_offer(st);
}

std::vector<int64_t> Market::offered_requests(int64_t supplier) {
  std::vector<int64_t> out;
  auto c = db_.lease();
  auto st = c->q(
      "SELECT DISTINCT request_id FROM offer WHERE supplier_id = ? ORDER BY request_id DESC",
      supplier);
  while (st.step()) out.push_back(st.i(0));
  return out;
}

std::vector<OfferWithContact> Market::offers_of_supplier(int64_t supplier) {
  std::vector<OfferWithContact> out;
  auto c = db_.lease();
  auto st = c->q(
      "SELECT o.request_id, o.description, o.amount, o.vat, o.payment, o.delivery, o.shipping, "
      "o.supplier_id, o.at, r.contact FROM offer o JOIN request r ON r.id = o.request_id "
      "WHERE o.supplier_id = ? ORDER BY o.id DESC",
      supplier);
  while (st.step()) {
    OfferWithContact w;
    w.offer = read_offer(st);
    auto k = split_fields(st.s(9), 7);
    w.contact = {k[0], k[1], k[2], k[3], k[4], k[5], k[6]};
    out.push_back(std::move(w));
  }
  return out;
}

std::vector<Offer> Market::offers_on_request(int64_t request) {
  std::vector<Offer> out;
  auto c = db_.lease();
  auto st = c->q(
      "SELECT request_id, description, amount, vat, payment, delivery, shipping, supplier_id, at "
      "FROM offer WHERE request_id = ? ORDER BY id",
      request);
  while (st.step()) out.push_back(read_offer(st));
  return out;
}

std::vector<std::pair<int64_t, std::vector<ConversationEntry>>> Market::reactions_on_request(
    int64_t request) {
  std::vector<std::pair<int64_t, std::vector<ConversationEntry>>> out;
  auto c = db_.lease();
  auto st = c->q(
      "SELECT supplier_id, from_customer, text, at FROM reaction WHERE request_id = ? "
      "ORDER BY supplier_id, seq",
      request);
  while (st.step()) {
    if (out.empty() || out.back().first != st.i(0)) out.push_back({st.i(0), {}});
    out.back().second.push_back({st.i(1) != 0, st.s(2), st.i(3)});
  }
  return out;
}

int64_t Market::reaction_count(int64_t request) {
  auto c = db_.lease();
  auto st = c->q("SELECT COUNT(*) FROM reaction WHERE request_id = ? AND from_customer = 0",
                 request);
  return st.step() ? st.i(0) : 0;
}

int64_t Market::post_message(int64_t supplier, const std::string& control,
                             const std::string& text) {
  if (!control.empty() && control != "QC1Q" && control != "QC2Q")
    throw Refused(400, "The control code must be QC1Q (quit) or QC2Q (disconnect).");
  int64_t id = db_.write([&](Conn& c) {
    if (!c.q("SELECT 1 FROM supplier WHERE id = ?", supplier).step())
      throw Refused(404, "Unknown supplier.");
    c.q("INSERT INTO message(supplier_id, control, text, at) VALUES(?,?,?,?)", supplier, control,
        text, now_seconds())
        .run();
    return c.last_id();
  });
  std::lock_guard lock(pending_mu_);  // only after the commit, so no poll misses it
  pending_.insert(supplier);
  return id;
}

void Market::refresh_pending(int64_t supplier) {
  // The lock is held across the query: a message posted meanwhile is either
  // seen by the query or inserted after it, never lost.
  std::lock_guard lock(pending_mu_);
  auto c = db_.lease();
  if (c->q("SELECT 1 FROM message WHERE supplier_id = ? AND done = 0 LIMIT 1", supplier).step())
    pending_.insert(supplier);
  else
    pending_.erase(supplier);
}

std::optional<Message> Market::message_for_poll(int64_t supplier, bool first_poll) {
  {
    std::lock_guard lock(pending_mu_);
    if (!pending_.count(supplier)) return std::nullopt;
  }
  std::optional<Message> m;
  {
    auto c = db_.lease();
    auto st = c->q(
        "SELECT id, control, text FROM message WHERE supplier_id = ? AND done = 0 "
        "ORDER BY id LIMIT 1",
        supplier);
    if (!st.step()) return std::nullopt;
    m = Message{st.i(0), st.s(1), st.s(2)};
  }
  // The desktop acts on a message only from its second poll of a run on (its
  // marks are then no longer empty); a control order is never acknowledged,
  // so it is retired when it goes to such a poll.
  if (!m->control.empty() && !first_poll) {
    db_.write([&](Conn& c) { c.q("UPDATE message SET done = 1 WHERE id = ?", m->id).run(); });
    refresh_pending(supplier);
  }
  return m;
}

void Market::acknowledge_message(int64_t supplier) {
  db_.write([&](Conn& c) {
    if (!c.q("SELECT 1 FROM supplier WHERE id = ?", supplier).step())
      throw Refused(404, "Unknown supplier.");
    c.q("UPDATE message SET done = 1 WHERE id = (SELECT id FROM message WHERE supplier_id = ? "
        "AND done = 0 AND control = '' ORDER BY id LIMIT 1)",
        supplier)
        .run();
  });
  refresh_pending(supplier);
}

}  // namespace plixsrv
