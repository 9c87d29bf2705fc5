#include "customer_api.h"

#include <httplib.h>

#include <nlohmann/json.hpp>

#include "text/cp1252.h"
#include "market.h"
#include "replies.h"

namespace plixsrv {

using plix::cp1252ToUtf8;
using plix::utf8ToCp1252;

using nlohmann::json;

namespace {
struct BadJson : std::runtime_error {
  using std::runtime_error::runtime_error;
};

bool from_loopback(const httplib::Request& req) {
  return req.remote_addr.rfind("127.", 0) == 0 || req.remote_addr == "::1" ||
         req.remote_addr == "::ffff:127.0.0.1";
}

std::string u8(const std::string& cp1252) { return cp1252ToUtf8(cp1252); }

std::string text(const json& j, const char* key, bool required = false) {
  if (!j.contains(key)) {
    if (required) throw BadJson(std::string("missing field \"") + key + "\"");
    return {};
  }
  if (!j[key].is_string()) throw BadJson(std::string("field \"") + key + "\" must be a string");
  std::string s = utf8ToCp1252(j[key].get<std::string>());
  if (s.size() > 4000) throw BadJson(std::string("field \"") + key + "\" is too long");
  return s;
}

int64_t number(const json& j, const char* key, bool required = true) {
  if (!j.contains(key)) {
    if (required) throw BadJson(std::string("missing field \"") + key + "\"");
    return 0;
  }
  if (!j[key].is_number_integer()) throw BadJson(std::string("field \"") + key + "\" must be a whole number");
  return j[key].get<int64_t>();
}

json contact_json(const Contact& k) {
  return {{"name", u8(k.name)},       {"address", u8(k.address)}, {"place", u8(k.place)},
          {"postcode", u8(k.postcode)}, {"email", u8(k.email)},   {"phone", u8(k.phone)},
          {"gsm", u8(k.gsm)}};
}

json offer_json(const Offer& o) {
  return {{"request", o.request},         {"supplier", o.supplier},
          {"description", u8(o.description)}, {"amount", u8(o.amount)},
          {"vat", u8(o.vat)},             {"payment", u8(o.payment)},
          {"delivery_days", u8(o.delivery)}, {"shipping", u8(o.shipping)},
          {"at", o.at}};
}

json conversation_json(const std::vector<ConversationEntry>& entries) {
  json out = json::array();
  for (const auto& e : entries)
    out.push_back({{"from", e.from_customer ? "customer" : "supplier"}, {"text", u8(e.text)},
                   {"at", e.at}});
  return out;
}

using Handler = std::function<json(const httplib::Request&, const json&)>;

// Wraps a handler: loopback check, JSON parsing, errors as {"error": ...}.
httplib::Server::Handler api(Handler h) {
  return [h](const httplib::Request& req, httplib::Response& res) {
    auto reply = [&](int status, const json& body) {
      res.status = status;
      res.set_content(body.dump(2) + "\n", "application/json; charset=utf-8");
    };
    if (!from_loopback(req)) return reply(403, {{"error", "the customer API answers loopback only"}});
    try {
      json in = json::object();
      if (!req.body.empty()) in = json::parse(req.body);
      if (!in.is_object()) throw BadJson("the body must be a JSON object");
      reply(200, h(req, in));
    } catch (const json::exception& e) {
      reply(400, {{"error", std::string("bad JSON: ") + e.what()}});
    } catch (const BadJson& e) {
      reply(400, {{"error", e.what()}});
    } catch (const Refused& e) {
      reply(e.status, {{"error", e.what()}});
    } catch (const DbError&) {
      reply(503, {{"error", "the database is busy; try again"}});
    }
  };
}

int64_t path_number(const httplib::Request& req, size_t i = 1) {
  try {
    return std::stoll(req.matches[static_cast<int>(i)].str());
  } catch (...) {
    throw BadJson("bad number in the path");
  }
}

NewRequest request_from(const json& in) {
  NewRequest r;
  r.title = text(in, "title", true);
  r.details = text(in, "details");
  r.place = text(in, "place");
  r.branch = text(in, "branch");
  r.requester = text(in, "requester");
  r.country = static_cast<int>(number(in, "country", false));
  if (r.country != 0 && r.country != 99 && (r.country < 1 || r.country > 9))
    throw BadJson("country must be 1..9, 99 (elsewhere) or 0 (not given)");
  r.visit = in.value("visit", false);
  if (in.contains("contact")) {
    const json& k = in["contact"];
    if (!k.is_object()) throw BadJson("contact must be an object");
    r.contact = {text(k, "name"),  text(k, "address"), text(k, "place"), text(k, "postcode"),
                 text(k, "email"), text(k, "phone"),   text(k, "gsm")};
  }
  return r;
}
}  // namespace

void add_customer_api(httplib::Server& svr, Market& m) {
  svr.Get("/api/health", api([&](const httplib::Request&, const json&) -> json {
            return {{"ok", true}, {"suppliers", m.supplier_count()}};
          }));

  svr.Post("/api/requests", api([&](const httplib::Request&, const json& in) -> json {
             NewRequest r = request_from(in);
             int64_t id = m.post_request(r);
             auto stored = m.request(id);
             return {{"number", id}, {"requester", u8(stored ? stored->requester : "")}};
           }));

  svr.Post(R"(/api/requests/(\d+))", api([&](const httplib::Request& req, const json& in) -> json {
             int64_t id = path_number(req);
             std::optional<std::string> title, details;
             if (in.contains("title")) title = text(in, "title");
             if (in.contains("details")) details = text(in, "details");
             bool close = in.value("closed", false);
             // An empty change would still mark the request changed for every supplier.
             if (!title && !details && !close) throw BadJson("nothing to change: give title, details or closed");
             m.change_request(id, title, details, close);
             return {{"number", id}, {"changed", true}};
           }));

  svr.Get(R"(/api/requests/(\d+))", api([&](const httplib::Request& req, const json&) -> json {
            int64_t id = path_number(req);
            auto r = m.request(id);
            if (!r) throw Refused(404, "unknown request");
            json reactions = json::array();
            for (const auto& [supplier, entries] : m.reactions_on_request(id))
              reactions.push_back({{"supplier", supplier}, {"conversation", conversation_json(entries)}});
            json offers = json::array();
            for (const auto& o : m.offers_on_request(id)) offers.push_back(offer_json(o));
            return {{"number", id},          {"requester", u8(r->requester)},
                    {"title", u8(r->title)}, {"details", u8(r->details)},
                    {"place", u8(r->place)}, {"country", r->country},
                    {"visit", r->visit},     {"branch", u8(r->branch)},
                    {"contact", contact_json(r->contact)}, {"posted_at", r->posted_at},
                    {"reactions", reactions}, {"offers", offers}};
          }));

  svr.Post(R"(/api/requests/(\d+)/answers)",
           api([&](const httplib::Request& req, const json& in) -> json {
             int64_t id = path_number(req);
             m.answer(id, number(in, "supplier"), text(in, "text", true));
             return {{"number", id}, {"answered", true}};
           }));

  svr.Post("/api/messages", api([&](const httplib::Request&, const json& in) -> json {
             int64_t id = m.post_message(number(in, "supplier"), text(in, "control"),
                                         text(in, "text", true));
             return {{"message", id}};
           }));

  svr.Post("/api/chats", api([&](const httplib::Request&, const json& in) -> json {
             std::string token = m.open_chat(number(in, "supplier"), text(in, "customer_name", true),
                                             number(in, "request", false));
             return {{"contact", token}};
           }));

  svr.Post(R"(/api/chats/([A-Za-z0-9-]+)/lines)",
           api([&](const httplib::Request& req, const json& in) -> json {
             m.chat_write(req.matches[1].str(), false, text(in, "text", true));
             return {{"written", true}};
           }));

  svr.Get(R"(/api/chats/([A-Za-z0-9-]+))", api([&](const httplib::Request& req, const json&) -> json {
            auto conv = m.chat(req.matches[1].str());
            if (!conv) throw Refused(404, "unknown chat contact");
            json lines = json::array();
            for (const auto& l : conv->lines)
              lines.push_back({{"from", l.from_supplier ? "supplier" : "customer"},
                               {"text", u8(l.text)}, {"at", l.at}});
            return {{"contact", conv->token}, {"customer_name", u8(conv->customer_name)},
                    {"request", conv->request}, {"blocked", conv->blocked}, {"lines", lines}};
          }));

  svr.Get(R"(/api/suppliers/(\d+))", api([&](const httplib::Request& req, const json&) -> json {
            int64_t id = path_number(req);
            auto s = m.supplier(id);
            if (!s) throw Refused(404, "unknown supplier");
            json slots = json::array();
            for (const auto& v : s->slots) slots.push_back(u8(v));
            json alerts = json::array();
            for (const auto& v : s->alerts) alerts.push_back(u8(v));
            json offers = json::array();
            for (const auto& w : m.offers_of_supplier(id)) offers.push_back(offer_json(w.offer));
            json chats = json::array();
            for (const auto& t : m.chat_contacts(id)) chats.push_back(t);
            return {{"supplier", id},
                    {"name", u8(s->slots[0])},
                    {"login", u8(s->slots[15])},
                    {"record", slots},
                    {"filters", {{"block", u8(s->block_words)}, {"pass", u8(s->pass_words)}}},
                    {"settings", alerts},
                    {"in_chat_since", s->chat_seen_at},
                    {"offers", offers},
                    {"chats", chats}};
          }));
}

}  // namespace plixsrv
