#include "web_view.h"

#include <algorithm>
#include <map>

#include "text/cp1252.h"

namespace plixsrv {

using nlohmann::json;

namespace {
std::string u8(const std::string& cp1252) { return plix::cp1252ToUtf8(cp1252); }

// What the customer may see of a supplier: the name always; the contact data
// once the supplier has made an offer, as a supplier sees the customer's.
json supplier_card(Market& m, int64_t id, bool with_contact) {
  auto s = m.supplier(id);
  json card = {{"id", id}, {"name", s ? u8(s->slots[0]) : "#" + std::to_string(id)}};
  card["in_chat"] = s && in_chat_now(s->chat_seen_at);
  if (s && with_contact) {
    const auto& v = s->slots;
    std::string street = v[1] + (v[2].empty() ? "" : " " + v[2]);
    card["contact"] = {{"name", u8(v[0])},     {"address", u8(street)}, {"postcode", u8(v[4])},
                       {"place", u8(v[3])},    {"country", u8(v[5])},   {"phone", u8(v[6])},
                       {"fax", u8(v[7])},      {"email", u8(v[8])},     {"web", u8(v[12])}};
  }
  return card;
}

json conversation_of(const std::vector<ConversationEntry>& entries) {
  json out = json::array();
  for (const auto& e : entries)
    out.push_back({{"from", e.from_customer ? "customer" : "supplier"}, {"text", u8(e.text)}, {"at", e.at}});
  return out;
}

json offer_of(const Offer& o) {
  return {{"description", u8(o.description)}, {"amount", u8(o.amount)},
          {"vat", u8(o.vat)},                 {"payment", u8(o.payment)},
          {"delivery_days", u8(o.delivery)},  {"shipping", u8(o.shipping)},
          {"at", o.at}};
}

json chat_of(Market& m, const RequestChat& rc) {
  json lines = json::array();
  if (auto conv = m.chat(rc.token))
    for (const auto& l : conv->lines)
      lines.push_back({{"from", l.from_supplier ? "supplier" : "customer"}, {"text", u8(l.text)}, {"at", l.at}});
  return {{"blocked", rc.blocked}, {"lines", lines}};
}

struct Activity {
  int64_t first_at = INT64_MAX;
  std::vector<ConversationEntry> conversation;
  std::vector<Offer> offers;
  const RequestChat* chat = nullptr;
  void seen(int64_t at) { first_at = std::min(first_at, at); }
};
}  // namespace

json request_view(WebStore& store, int64_t request) {
  Market& m = store.market();
  auto r = m.request(request);
  if (!r) return json();
  std::map<int64_t, Activity> by_supplier;
  for (auto& [supplier, entries] : m.reactions_on_request(request)) {
    Activity& a = by_supplier[supplier];
    if (!entries.empty()) a.seen(entries.front().at);
    a.conversation = std::move(entries);
  }
  for (auto& o : m.offers_on_request(request)) {
    Activity& a = by_supplier[o.supplier];
    a.seen(o.at);
    a.offers.push_back(std::move(o));
  }
  auto chats = store.chats(request);
  for (const auto& c : chats) {
    Activity& a = by_supplier[c.supplier];
    a.chat = &c;
    if (auto conv = m.chat(c.token); conv && !conv->lines.empty()) a.seen(conv->lines.front().at);
  }
  std::vector<std::pair<int64_t, const Activity*>> order;
  for (const auto& [id, a] : by_supplier) order.emplace_back(id, &a);
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& x, const auto& y) { return x.second->first_at < y.second->first_at; });

  json suppliers = json::array();
  for (const auto& [id, a] : order) {
    json card = supplier_card(m, id, !a->offers.empty());
    card["conversation"] = conversation_of(a->conversation);
    json offers = json::array();
    for (const auto& o : a->offers) offers.push_back(offer_of(o));
    card["offers"] = offers;
    card["chat"] = a->chat ? chat_of(m, *a->chat) : json();
    suppliers.push_back(std::move(card));
  }
  return {{"number", request},
          {"title", u8(r->title)},
          {"details", u8(r->details)},
          {"place", u8(r->place)},
          {"country", r->country},
          {"posted_at", r->posted_at},
          {"closed", store.closed(request)},
          {"contact", {{"name", u8(r->contact.name)}, {"email", u8(r->contact.email)},
                       {"phone", u8(r->contact.phone)}}},
          {"suppliers", suppliers}};
}

bool supplier_on_request(const json& view, int64_t supplier) {
  for (const auto& s : view["suppliers"])
    if (s["id"] == supplier) return true;
  return false;
}

}  // namespace plixsrv
