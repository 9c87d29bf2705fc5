// JSON for the customer pages. A request's page key travels in the X-Plix-Key
// header: a form from another site can set no header and send no JSON, and a
// script from another site is stopped by the browser (no CORS answer here).
#include <httplib.h>

#include <memory>

#include "market.h"
#include "web_input.h"
#include "web_limits.h"
#include "web_routes.h"
#include "web_store.h"
#include "web_view.h"

namespace plixsrv {

using nlohmann::json;

namespace {
struct WebState {
  WebState(Market& m, const WebOptions& o)
      : store(m),
        posts(o.posts_per_hour, o.posts_per_hour),
        writes(o.write_burst, o.writes_per_hour) {}
  WebStore store;
  RateLimiter posts, writes;
};

struct Call {
  const httplib::Request& req;
  const json& body;
  int64_t request = 0;  // opened by the key, for the calls that need one
};
using Handler = std::function<json(Call&)>;

enum class Need { Nothing, Key };

void refuse(httplib::Response& res, const WebRefusal& e) {
  if (e.retry_after > 0) res.set_header("Retry-After", std::to_string(e.retry_after));
  json body = {{"error", e.code}, {"message", e.what()}};
  if (!e.field.empty()) body["field"] = e.field;
  if (e.limit) body["limit"] = e.limit;
  send_json(res, e.status, body);
}

void take(RateLimiter& limiter, const httplib::Request& req) {
  std::string client = rate_key(req.remote_addr);
  if (limiter.allow(client)) return;
  WebRefusal e(429, "rate_limited", "too many requests from this address; try again later");
  e.retry_after = limiter.wait_seconds(client);
  throw e;
}

// Wraps a handler: same-site and JSON checks for writes, the key, errors as
// {"error": code, "message": text}.
httplib::Server::Handler web(std::shared_ptr<WebState> state, Need need, Handler h) {
  return [state, need, h](const httplib::Request& req, httplib::Response& res) {
    try {
      bool write = req.method == "POST";
      if (write && from_other_site(req))
        throw WebRefusal(403, "other_site", "writes come only from this site's own pages");
      if (write && !is_json_body(req)) throw WebRefusal(415, "not_json", "the body must be JSON");
      json body = json::object();
      if (write && !req.body.empty()) body = json::parse(req.body);
      if (!body.is_object()) throw WebRefusal(400, "bad_json", "the body must be a JSON object");
      Call call{req, body};
      if (need == Need::Key) {
        call.request = state->store.request_of(req.get_header_value("X-Plix-Key"));
        if (call.request == 0) throw WebRefusal(403, "bad_key", "this key opens no request");
        if (write) take(state->writes, req);
      }
      send_json(res, 200, h(call));
    } catch (const WebRefusal& e) {
      refuse(res, e);
    } catch (const json::exception&) {
      refuse(res, WebRefusal(400, "bad_json", "the body is not JSON"));
    } catch (const Refused& e) {
      refuse(res, WebRefusal(e.status, "refused", e.what()));
    } catch (const DbError&) {
      refuse(res, WebRefusal(503, "busy", "the database is busy; try again"));
    }
  };
}

NewRequest request_from(const json& in) {
  using namespace web_limit;
  NewRequest r;
  r.title = web_text(in, {"title", kTitle, true});
  r.details = web_text(in, {"details", kDetails, true, true});
  r.place = web_text(in, {"place", kPlace, true});
  if (!in.contains("country") || !in["country"].is_number_integer())
    throw WebRefusal(400, "missing", "country is missing", "country");
  r.country = in["country"].get<int>();
  if (!(r.country >= 1 && r.country <= 4) && r.country != 99)
    throw WebRefusal(400, "bad_field", "country must be 1..4 or 99 (elsewhere)", "country");
  r.contact.name = web_text(in, {"name", kName, true});
  r.contact.email = web_text(in, {"email", kEmail, true});
  if (!plausible_email(r.contact.email))
    throw WebRefusal(400, "bad_email", "the e-mail address looks wrong", "email");
  r.contact.phone = web_text(in, {"phone", kPhone});
  r.contact.place = r.place;
  return r;
}

// The view of a call's request, refusing writes to a withdrawn one.
json open_view(WebState& s, const Call& c, bool for_writing) {
  json view = request_view(s.store, c.request);
  if (for_writing && view["closed"] == true)
    throw WebRefusal(409, "withdrawn", "the request is withdrawn");
  return view;
}

int64_t supplier_of(const json& view, const json& body) {
  int64_t supplier = web_number(body, "supplier");
  if (!supplier_on_request(view, supplier))
    throw WebRefusal(404, "unknown_supplier", "that supplier has not reacted on this request");
  return supplier;
}
}  // namespace

void add_web_api(httplib::Server& svr, Market& market, const WebOptions& options) {
  auto state = std::make_shared<WebState>(market, options);
  WebState& s = *state;

  svr.Post("/web/api/requests", web(state, Need::Nothing, [&s](Call& c) -> json {
             NewRequest r = request_from(c.body);
             take(s.posts, c.req);  // only a post that would be stored counts
             auto posted = s.store.post(r);
             return {{"number", posted.number}, {"key", posted.key}};
           }));

  // The page's short poll: "unchanged" while its mark still holds, which
  // costs two small queries instead of the whole view.
  svr.Get("/web/api/request", web(state, Need::Key, [&s](Call& c) -> json {
            std::string mark = s.store.stamp(c.request);
            if (c.req.get_param_value("since") == mark) return {{"mark", mark}, {"unchanged", true}};
            json view = open_view(s, c, false);
            view["mark"] = mark;
            return view;
          }));

  svr.Post("/web/api/request/change", web(state, Need::Key, [&s](Call& c) -> json {
             open_view(s, c, true);
             std::string title = web_text(c.body, {"title", web_limit::kTitle, true});
             std::string details = web_text(c.body, {"details", web_limit::kDetails, true, true});
             s.store.market().change_request(c.request, title, details, false);
             return {{"changed", true}};
           }));

  svr.Post("/web/api/request/withdraw", web(state, Need::Key, [&s](Call& c) -> json {
             open_view(s, c, true);
             s.store.market().change_request(c.request, std::nullopt, std::nullopt, true);
             return {{"withdrawn", true}};
           }));

  svr.Post("/web/api/request/answer", web(state, Need::Key, [&s](Call& c) -> json {
             json view = open_view(s, c, true);
             int64_t supplier = supplier_of(view, c.body);
             std::string text = web_text(c.body, {"text", web_limit::kAnswer, true, true});
             s.store.market().answer(c.request, supplier, text);
             return {{"answered", true}};
           }));

  svr.Post("/web/api/request/chat", web(state, Need::Key, [&s](Call& c) -> json {
             json view = open_view(s, c, false);
             int64_t supplier = supplier_of(view, c.body);
             auto r = s.store.market().request(c.request);
             s.store.open_chat(c.request, supplier, r ? r->contact.name : std::string());
             return {{"chat", true}};
           }));

  svr.Post("/web/api/request/chat/line", web(state, Need::Key, [&s](Call& c) -> json {
             json view = open_view(s, c, false);
             int64_t supplier = supplier_of(view, c.body);
             // One line: the desktop's chat window shows a line break as "<br>".
             std::string text = web_text(c.body, {"text", web_limit::kChatLine, true});
             std::string token;
             for (const auto& chat : s.store.chats(c.request))
               if (chat.supplier == supplier) token = chat.token;
             if (token.empty()) throw WebRefusal(409, "no_chat", "no chat is open with that supplier");
             s.store.market().chat_write(token, false, text);
             return {{"written", true}};
           }));
}

}  // namespace plixsrv
