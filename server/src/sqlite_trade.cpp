// Offers, reaction counts and server messages in SQLite.
#include "sqlite_store.h"

namespace plixsrv {

void SqliteStore::make_offer(const Offer& o) {
  db_.write([&](Conn& c) {
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

std::optional<Offer> SqliteStore::last_offer(int64_t supplier, int64_t request) {
  auto c = db_.lease();
  auto st = c->q(
      "SELECT request_id, description, amount, vat, payment, delivery, shipping, supplier_id, at "
      "FROM offer WHERE supplier_id = ? AND request_id = ? ORDER BY id DESC LIMIT 1",
      supplier, request);
  if (!st.step()) return std::nullopt;
  return read_offer(st);
}

std::vector<int64_t> SqliteStore::offered_requests(int64_t supplier) {
  std::vector<int64_t> out;
  auto c = db_.lease();
  auto st = c->q(
      "SELECT DISTINCT request_id FROM offer WHERE supplier_id = ? ORDER BY request_id DESC",
      supplier);
  while (st.step()) out.push_back(st.i(0));
  return out;
}

std::vector<OfferWithContact> SqliteStore::offers_of_supplier(int64_t supplier) {
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

std::vector<Offer> SqliteStore::offers_on_request(int64_t request) {
  std::vector<Offer> out;
  auto c = db_.lease();
  auto st = c->q(
      "SELECT request_id, description, amount, vat, payment, delivery, shipping, supplier_id, at "
      "FROM offer WHERE request_id = ? ORDER BY id",
      request);
  while (st.step()) out.push_back(read_offer(st));
  return out;
}

std::vector<std::pair<int64_t, std::vector<ConversationEntry>>> SqliteStore::reactions_on_request(
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

int64_t SqliteStore::reaction_count(int64_t request) {
  auto c = db_.lease();
  auto st = c->q("SELECT reactions FROM request WHERE id = ?", request);
  return st.step() ? st.i(0) : 0;
}

int64_t SqliteStore::post_message(int64_t supplier, const std::string& control,
                                  const std::string& text) {
  return db_.write([&](Conn& c) {
    require_supplier(c, supplier);
    c.q("INSERT INTO message(supplier_id, control, text, at) VALUES(?,?,?,?)", supplier, control,
        text, now_seconds())
        .run();
    return c.last_id();
  });
}

std::vector<int64_t> SqliteStore::suppliers_with_messages() {
  std::vector<int64_t> out;
  auto c = db_.lease();
  auto st = c->q("SELECT DISTINCT supplier_id FROM message WHERE done = 0");
  while (st.step()) out.push_back(st.i(0));
  return out;
}

std::optional<Message> SqliteStore::oldest_message(int64_t supplier) {
  auto c = db_.lease();
  auto st = c->q(
      "SELECT id, control, text FROM message WHERE supplier_id = ? AND done = 0 "
      "ORDER BY id LIMIT 1",
      supplier);
  if (!st.step()) return std::nullopt;
  return Message{st.i(0), st.s(1), st.s(2)};
}

void SqliteStore::retire_message(int64_t id) {
  db_.write([&](Conn& c) { c.q("UPDATE message SET done = 1 WHERE id = ?", id).run(); });
}

void SqliteStore::acknowledge_message(int64_t supplier) {
  db_.write([&](Conn& c) {
    require_supplier(c, supplier);
    c.q("UPDATE message SET done = 1 WHERE id = (SELECT id FROM message WHERE supplier_id = ? "
        "AND done = 0 AND control = '' ORDER BY id LIMIT 1)",
        supplier)
        .run();
  });
}

}  // namespace plixsrv
