#include "protocol.h"

#include <cctype>

#include "catalogue.h"
#include "query.h"
#include "replies.h"

namespace plixsrv {

namespace {
const std::string& need(const Query& q, std::string_view name, const char* what) {
  const std::string* v = q.get(name);
  if (!v) throw Refused(400, std::string("The ") + what + " is missing.");
  return *v;
}

std::string optional_text(const Query& q, std::string_view name) {
  const std::string* v = q.get(name);
  return v ? *v : std::string();
}

int64_t need_number(const Query& q, std::string_view name, const char* what) {
  auto n = parse_number(need(q, name, what));
  if (!n) throw Refused(400, std::string("The ") + what + " is not a number.");
  return *n;
}

int64_t supplier_of(const Query& q) { return need_number(q, "ID_LV", "supplier number"); }
int64_t request_of(const Query& q) { return need_number(q, "RNR", "request number"); }

std::vector<std::string> items_of(const Query& q, const char* what) {
  auto items = parse_item_list(need(q, "CTR", what));
  if (!items) throw Refused(400, std::string("The ") + what + " is not a list of <items>.");
  return *items;
}

int language_of(const Query& q) {
  const std::string* v = q.get("LNG");
  if (!v || v->empty()) return 1;
  int n = 0;
  for (char c : *v) {
    if (c < '0' || c > '9' || n > 100) return 1;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::string two_digit_code(const Query& q) {
  const std::string* cd = q.get("CD");
  if (!cd) throw Refused(400, "The request code (CD) is missing.");
  if (cd->size() != 2 || !isdigit(static_cast<unsigned char>((*cd)[0])) ||
      !isdigit(static_cast<unsigned char>((*cd)[1])))
    throw Refused(400, "The request code must be two digits.");
  return *cd;
}

Reply ok(std::string body) { return Reply{200, std::move(body)}; }
}  // namespace

template <typename F>
Reply Protocol::guarded(std::string_view raw_query, F&& handler) {
  try {
    auto parsed = parse_query(raw_query);
    if (!parsed.ok) return Reply{400, reply_error(400, parsed.error)};
    return handler(parsed.query, two_digit_code(parsed.query));
  } catch (const Refused& r) {
    return Reply{r.status, reply_error(r.status, r.what())};
  } catch (const DbError&) {
    return Reply{503, reply_error(503, "The database is busy; please try again.")};
  } catch (const std::exception&) {
    return Reply{500, reply_error(500, "Internal error; nothing was changed.")};
  }
}

Reply Protocol::ctrl(std::string_view raw_query) {
  return guarded(raw_query, [&](const Query& q, const std::string& code) -> Reply {
    if (code == "01") {
      // Reaching the database is the test; a given supplier number must be known.
      int64_t count = market_.supplier_count() + 1;
      if (q.get("ID_LV")) count = market_.supplier_exists(supplier_of(q)) ? 1 : 0;
      return ok(reply_connection_test(count, opt_.version));
    }
    if (code == "02") return ok(reply_registered(market_.register_supplier(items_of(q, "supplier record"))));
    if (code == "03") {
      market_.update_supplier(supplier_of(q), items_of(q, "supplier record"));
      return ok(reply_done("record stored"));
    }
    if (code == "04") {
      auto s = market_.supplier(supplier_of(q));
      if (!s) return Reply{404, reply_unknown_supplier_record()};
      return ok(reply_supplier_record(*s));
    }
    if (code == "05") {
      int lng = language_of(q);
      const std::string* su = q.get("SU");
      if (su) {
        if (su->empty()) return ok(reply_subcategories("", {}));
        return ok(reply_subcategories(catalogue_category_name((*su)[0], lng),
                                      catalogue_subcategories((*su)[0], lng)));
      }
      auto cats = catalogue_categories(lng);
      std::vector<size_t> counts;
      for (const auto& c : cats) counts.push_back(catalogue_subcategories(c.code[0], lng).size());
      return ok(reply_categories(cats, counts));
    }
    if (code == "06") {
      auto s = market_.supplier(supplier_of(q));
      if (!s) throw Refused(404, "Unknown supplier.");
      return ok(reply_filters(*s));
    }
    if (code == "07") {
      auto items = items_of(q, "filter list");
      items.resize(2);
      market_.set_filters(supplier_of(q), items[0], items[1]);
      return ok(reply_done("filters stored"));
    }
    if (code == "08") {
      market_.delete_supplier(supplier_of(q));
      return ok(reply_done("membership deleted"));
    }
    if (code == "09") {
      market_.set_alerts(supplier_of(q), items_of(q, "settings list"));
      return ok(reply_done("settings stored"));
    }
    if (code == "11") {
      market_.acknowledge_message(supplier_of(q));
      return ok(reply_done("message acknowledged"));
    }
    if (code == "13") {
      int64_t id = market_.login(optional_text(q, "LOGINL"), optional_text(q, "PASWL"));
      if (id == 0)
        return Reply{403, reply_error(403, "Login refused: unknown login name or wrong password.")};
      return ok(reply_login(id));
    }
    throw Refused(400, "Unknown request code " + code + " for the control script.");
  });
}

Reply Protocol::chkl(std::string_view raw_query) {
  return guarded(raw_query, [&](const Query& q, const std::string& code) -> Reply {
    if (code == "01") {
      int n = market_.purge_old(supplier_of(q), opt_.purge_age_seconds);
      return ok(reply_done(std::to_string(n) + " old requests purged"));
    }
    if (code == "02") return ok(reply_request_list(market_.request_list(supplier_of(q))));
    if (code == "03") {
      int64_t s = supplier_of(q);
      // Marks come back empty only on the first poll of a desktop run.
      bool first_poll = optional_text(q, "TPR").empty() && optional_text(q, "TQR").empty();
      auto marks = market_.marks(s);
      return ok(reply_marks(marks, market_.message_for_poll(s, first_poll)));
    }
    if (code == "04") {
      int64_t r = request_of(q);
      return ok(reply_conversation(r, market_.open_conversation(supplier_of(q), r)));
    }
    if (code == "05") {
      int64_t s = supplier_of(q), r = request_of(q);
      market_.react(s, r, optional_text(q, "AID"), optional_text(q, "TXT"));
      return ok(reply_done("reaction stored"));
    }
    if (code == "06") {
      Offer o;
      o.supplier = supplier_of(q);
      o.request = request_of(q);
      o.amount = need(q, "A", "amount");
      o.vat = optional_text(q, "B");
      o.description = optional_text(q, "C");
      auto d = parse_item_list(need(q, "D", "payment and delivery list"));
      if (!d || d->size() != 3)
        throw Refused(400, "The payment and delivery list must hold three <items>.");
      o.payment = (*d)[0];
      o.delivery = (*d)[1];
      o.shipping = (*d)[2];
      market_.make_offer(o);
      return ok(reply_done("offer stored"));
    }
    if (code == "07") {
      market_.hide(supplier_of(q), request_of(q));
      return ok(reply_done("request hidden"));
    }
    if (code == "09") {
      market_.show_all(supplier_of(q));
      return ok(reply_done("all requests shown again"));
    }
    if (code == "10") {
      int64_t s = supplier_of(q), r = request_of(q);
      if (!market_.supplier_exists(s)) throw Refused(404, "Unknown supplier.");
      return ok(reply_last_offer(market_.last_offer(s, r)));
    }
    if (code == "11") {
      int64_t s = supplier_of(q);
      if (!market_.supplier_exists(s)) throw Refused(404, "Unknown supplier.");
      return ok(reply_offered(market_.offered_requests(s)));
    }
    if (code == "12") {
      int64_t s = supplier_of(q);
      if (!market_.supplier_exists(s)) throw Refused(404, "Unknown supplier.");
      return ok(reply_offers_overview(market_.offers_of_supplier(s)));
    }
    if (code == "13") {
      int64_t s = supplier_of(q);
      if (!market_.supplier_exists(s)) throw Refused(404, "Unknown supplier.");
      return ok(reply_chat_contacts(market_.chat_contacts(s)));
    }
    if (code == "14") {
      std::string text = optional_text(q, "TXT");
      if (text.empty()) throw Refused(400, "An empty chat line is not stored.");
      market_.chat_write(need(q, "ID_AV", "chat contact"), true, text);
      return ok(reply_done("line stored"));
    }
    if (code == "15") {
      auto conv = market_.chat(need(q, "ID_AV", "chat contact"));
      if (!conv) throw Refused(404, "Unknown chat contact.");
      return ok(reply_chat(*conv));
    }
    if (code == "16") {
      market_.force_chat(supplier_of(q));
      return ok(reply_done("chat mode noted"));
    }
    if (code == "17") {
      market_.block_chat(need(q, "ID_AV", "chat contact"), optional_text(q, "B") == "Blocked");
      return ok(reply_done("block state stored"));
    }
    if (code == "18") {
      auto items = items_of(q, "list of request numbers");
      if (items.size() > static_cast<size_t>(kMaxListed))
        throw Refused(400, "At most 257 request numbers per query.");
      std::vector<std::pair<std::string, int64_t>> counts;
      for (const auto& it : items) {
        auto n = parse_number(it);
        counts.emplace_back(it, n ? market_.reaction_count(*n) : 0);
      }
      return ok(reply_reaction_counts(counts));
    }
    throw Refused(400, "Unknown request code " + code + " for the request script.");
  });
}

}  // namespace plixsrv
