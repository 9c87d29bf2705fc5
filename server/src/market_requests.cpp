// Customer requests as each supplier sees them: list, status, hiding, purging,
// and the conversation between one supplier and the customer of a request.
#include "text/cp1252.h"
#include "market.h"
#include "secrets.h"

namespace plixsrv {

using plix::findNoCase;
using plix::lower1252;

namespace {
std::vector<std::string> word_list(const std::string& text) {
  std::vector<std::string> words;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t comma = text.find(',', pos);
    std::string w = text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
    size_t b = w.find_first_not_of(" \t");
    if (b != std::string::npos) words.push_back(w.substr(b, w.find_last_not_of(" \t") - b + 1));
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  return words;
}

bool mentions(const ListEntry& e, const std::string& word) {
  return findNoCase(e.title, word) != std::string::npos ||
         findNoCase(e.details, word) != std::string::npos;
}

// Block words (any hit hides) win over pass words (when given, one must hit).
bool passes_words(const ListEntry& e, const std::vector<std::string>& block,
                  const std::vector<std::string>& pass) {
  for (const auto& w : block)
    if (mentions(e, w)) return false;
  if (pass.empty()) return true;
  for (const auto& w : pass)
    if (mentions(e, w)) return true;
  return false;
}

// A request with a branch reaches suppliers of the same category (first
// character of the code); suppliers without branch codes see every request.
bool passes_branch(const std::string& branch, const std::string& code1, const std::string& code2) {
  if (branch.empty()) return true;
  auto trimmed = [](const std::string& s) {
    size_t b = s.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b);
  };
  std::string a = trimmed(code1), b = trimmed(code2);
  if (a.empty() && b.empty()) return true;
  char want = lower1252(branch[0]);
  return (!a.empty() && lower1252(a[0]) == want) || (!b.empty() && lower1252(b[0]) == want);
}

void mark_seen(Conn& c, int64_t supplier, int64_t request, int64_t seq) {
  c.q("INSERT INTO view(supplier_id, request_id, seen_seq) VALUES(?,?,?) "
      "ON CONFLICT(supplier_id, request_id) DO UPDATE SET seen_seq = excluded.seen_seq",
      supplier, request, seq)
      .run();
}

void require_supplier(Conn& c, int64_t supplier) {
  if (!c.q("SELECT 1 FROM supplier WHERE id = ?", supplier).step())
    throw Refused(404, "Unknown supplier.");
}

void require_request(Conn& c, int64_t request) {
  if (!c.q("SELECT 1 FROM request WHERE id = ?", request).step())
    throw Refused(404, "Unknown request.");
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
}  // namespace

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
}  // namespace

int64_t Market::post_request(const NewRequest& r) {
  if (r.title.empty()) throw Refused(400, "A request needs a title.");
  if (!travels_unchanged(r.requester))
    throw Refused(400,
                  "A requester identifier holds at most 64 letters, digits, \"-\", \"_\", \".\" or \"@\".");
  return write([&](Conn& c) {
    int64_t seq = next_seq(c);
    std::string requester = r.requester.empty() ? "K" + random_token(7) : r.requester;
    const Contact& k = r.contact;
    c.q("INSERT INTO request(requester, title, details, place, country, visit, branch, contact, "
        "posted_at, changed_seq) VALUES(?,?,?,?,?,?,?,?,?,?)",
        requester, r.title, r.details, r.place, r.country, (r.visit || r.country == 99) ? 1 : 0,
        r.branch,
        join_fields({k.name, k.address, k.place, k.postcode, k.email, k.phone, k.gsm}),
        r.posted_at ? r.posted_at : now_seconds(), seq)
        .run();
    return c.last_id();
  });
}

void Market::change_request(int64_t id, const std::optional<std::string>& title,
                            const std::optional<std::string>& details, bool close) {
  write([&](Conn& c) {
    require_request(c, id);
    int64_t seq = next_seq(c);
    if (title) c.q("UPDATE request SET title = ? WHERE id = ?", *title, id).run();
    if (details) c.q("UPDATE request SET details = ? WHERE id = ?", *details, id).run();
    if (close) c.q("UPDATE request SET closed = 1 WHERE id = ?", id).run();
    c.q("UPDATE request SET changed_seq = ? WHERE id = ?", seq, id).run();
  });
}

std::optional<NewRequest> Market::request(int64_t id) {
  auto c = db_.lease();
  auto st = c->q(
      "SELECT requester, title, details, place, country, visit, branch, contact, posted_at "
      "FROM request WHERE id = ?",
      id);
  if (!st.step()) return std::nullopt;
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

std::vector<ListEntry> Market::request_list(int64_t supplier) {
  return db_.read([&](Conn& c) {
    std::vector<ListEntry> out;
    auto who = c.q("SELECT slots, block_words, pass_words FROM supplier WHERE id = ?", supplier);
    if (!who.step()) throw Refused(404, "Unknown supplier.");
    auto slots = split_fields(who.s(0), kSupplierSlots);
    auto block = word_list(who.s(1));
    auto pass = word_list(who.s(2));
    auto st = c.q(
        "SELECT r.id, r.posted_at, r.title, r.details, r.place, r.country, r.visit, r.requester, "
        "r.branch, COALESCE(v.seen_seq, 0), "
        "MAX(r.changed_seq, COALESCE((SELECT MAX(x.seq) FROM reaction x WHERE x.request_id = r.id "
        "  AND x.supplier_id = ?1 AND x.from_customer = 1), 0)), "
        "(SELECT COUNT(*) FROM reaction x WHERE x.request_id = r.id AND x.from_customer = 0), "
        "(SELECT COUNT(*) FROM reaction x WHERE x.request_id = r.id AND x.supplier_id = ?1) "
        "FROM request r LEFT JOIN view v ON v.request_id = r.id AND v.supplier_id = ?1 "
        "WHERE r.closed = 0 AND COALESCE(v.hidden, 0) = 0 AND COALESCE(v.purged, 0) = 0 "
        "ORDER BY r.id DESC",
        supplier);
    while (st.step() && out.size() < static_cast<size_t>(kMaxListed)) {
      ListEntry e;
      e.number = st.i(0);
      e.posted_at = st.i(1);
      e.title = st.s(2);
      e.details = st.s(3);
      e.place = st.s(4);
      e.country = static_cast<int>(st.i(5));
      e.visit = st.i(6) != 0;
      e.requester = st.s(7);
      e.branch = st.s(8);
      int64_t seen = st.i(9);
      e.customer_seq = st.i(10);
      e.reactions = st.i(11);
      e.own_reactions = st.i(12);
      if (!passes_branch(e.branch, slots[10], slots[11]) || !passes_words(e, block, pass))
        continue;
      e.status = seen == 0 ? "onb" : (e.customer_seq > seen ? "mut" : "oud");
      out.push_back(std::move(e));
    }
    return out;
  });
}

void Market::hide(int64_t supplier, int64_t request) {
  write_for(supplier, [&](Conn& c) {
    require_supplier(c, supplier);
    require_request(c, request);
    c.q("INSERT INTO view(supplier_id, request_id, hidden) VALUES(?,?,1) "
        "ON CONFLICT(supplier_id, request_id) DO UPDATE SET hidden = 1",
        supplier, request)
        .run();
  });
}

void Market::show_all(int64_t supplier) {
  write_for(supplier, [&](Conn& c) {
    require_supplier(c, supplier);
    c.q("UPDATE view SET hidden = 0 WHERE supplier_id = ? AND hidden = 1", supplier).run();
  });
}

int Market::purge_old(int64_t supplier, int64_t max_age_seconds) {
  return write_for(supplier, [&](Conn& c) {
    require_supplier(c, supplier);
    c.q("INSERT INTO view(supplier_id, request_id, purged) "
        "SELECT ?, id, 1 FROM request WHERE posted_at < ? AND true "
        "ON CONFLICT(supplier_id, request_id) DO UPDATE SET purged = 1 WHERE purged = 0",
        supplier, now_seconds() - max_age_seconds)
        .run();
    return static_cast<int>(c.changes());
  });
}

std::vector<ConversationEntry> Market::open_conversation(int64_t supplier, int64_t request) {
  return write_for(supplier, [&](Conn& c) {
    require_supplier(c, supplier);
    require_request(c, request);
    mark_seen(c, supplier, request, next_seq(c));
    return read_conversation(c, supplier, request);
  });
}

std::vector<ConversationEntry> Market::conversation(int64_t supplier, int64_t request) {
  return db_.read([&](Conn& c) { return read_conversation(c, supplier, request); });
}

void Market::react(int64_t supplier, int64_t request, const std::string& requester,
                   const std::string& text) {
  if (text.empty()) throw Refused(400, "An empty reaction is not stored.");
  write([&](Conn& c) {
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
  });
}

void Market::answer(int64_t request, int64_t supplier, const std::string& text) {
  if (text.empty()) throw Refused(400, "An empty answer is not stored.");
  write_for(supplier, [&](Conn& c) {
    require_request(c, request);
    if (!c.q("SELECT 1 FROM reaction WHERE request_id = ? AND supplier_id = ? AND from_customer = 0",
             request, supplier)
             .step())
      throw Refused(409, "That supplier has not reacted on that request.");
    c.q("INSERT INTO reaction(request_id, supplier_id, from_customer, text, at, seq) "
        "VALUES(?,?,1,?,?,?)",
        request, supplier, text, now_seconds(), next_seq(c))
        .run();
  });
}

}  // namespace plixsrv
