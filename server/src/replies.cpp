#include "replies.h"

#include <ctime>

namespace plixsrv {

namespace {
void replace_all(std::string& s, std::string_view from, std::string_view to) {
  for (size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
    s.replace(p, from.size(), to);
}

std::string bracket(std::string_view text) {
  std::string out = "[";
  out += text;
  out += ']';
  return out;
}

// The list and conversation parsers stop at these markers wherever they stand.
void disarm_markers(std::string& s) {
  replace_all(s, "QEND", "Qend");
  replace_all(s, "*Q", "*q");
  replace_all(s, "CNTRLCODE", "Cntrlcode");
}
}  // namespace

std::string field_text(std::string_view text, bool conversation_body) {
  std::string s(text);
  for (auto& c : s) {
    if (c == '[') c = '(';
    if (c == ']') c = ')';
  }
  replace_all(s, "\r\n", "\n");
  replace_all(s, "\r", "\n");
  replace_all(s, "\n", "<br>");
  disarm_markers(s);
  if (conversation_body) {
    // The reactions window rewrites and colours fields holding these phrases.
    replace_all(s, "beantwoord op", "Beantwoord op");
    replace_all(s, "vervolgreactie", "Vervolgreactie");
    replace_all(s, "details aanvraag", "Details aanvraag");
  }
  return s;
}

std::string time_text(int64_t unix_seconds) {
  std::time_t t = static_cast<std::time_t>(unix_seconds);
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%d-%m %H:%M", &tm);
  return buf;
}

std::string reply_connection_test(int64_t count, const std::string& version) {
  // The client reads the count from the second character after "="; ":" fills
  // the first. The version must be the very last characters of the page.
  return "PLIX marketplace server<br>cnt=:" + std::to_string(count) + "<br>Taal=1<br>VERSIE=" +
         version;
}

std::string reply_login(int64_t id) { return "ID_LV=" + std::to_string(id) + "<br>"; }

std::string reply_registered(int64_t id) { return "<LEVID=" + std::to_string(id) + ">"; }

std::string reply_supplier_record(const SupplierInfo& s) {
  std::string out = "QLEV=<br>";
  for (const auto& slot : s.slots) {
    std::string v = slot;
    replace_all(v, "<br>", "<br >");
    replace_all(v, "Warning", "warning");  // "Warning" would make the client drop the number
    out += v + "<br>";
  }
  return out;
}

std::string reply_unknown_supplier_record() {
  return "Warning: this supplier number is not (or no longer) a member of the marketplace.";
}

std::string reply_categories(const std::vector<BranchLine>& categories,
                             const std::vector<size_t>& sub_counts) {
  // MAX and QCNT carry the same count, which the client takes as a complete catalogue.
  std::string n = std::to_string(categories.size());
  std::string out = "MAX=" + n + "<br>";
  for (size_t i = 0; i < categories.size(); ++i)
    out += categories[i].code + " " + categories[i].name + "*" +
           std::to_string(i < sub_counts.size() ? sub_counts[i] : 0) + "<br>";
  out += "QCNT=" + n + "<br>";
  return out;
}

std::string reply_subcategories(const std::string& category_name,
                                const std::vector<BranchLine>& lines) {
  // The client shows a line's first four characters and then the line from
  // position (category name length + 4) on; blanks fill the part it skips.
  // "MAX<br>" is exactly the seven characters the client skips.
  std::string filler(category_name.empty() ? 0 : category_name.size() - 1, ' ');
  std::string out = "MAX<br>";
  for (const auto& l : lines) out += l.code + " " + filler + l.name + "<br>";
  out += "QCNT=" + std::to_string(lines.size()) + "<br>";
  return out;
}

std::string reply_filters(const SupplierInfo& s) {
  return "QFILT=<br>" + s.block_words + "<br>" + s.pass_words + "<br>" + std::to_string(s.id) +
         "<br>";
}

std::string request_details(const ListEntry& e) {
  std::string d = field_text(e.details);
  if (e.visit) d += " *QV";
  if (!e.place.empty()) d += " *QP" + field_text(e.place);
  if (e.country >= 1 && e.country <= 9) d += "*QL" + std::to_string(e.country + 10);
  return d;
}

std::string reply_request_list(const std::vector<ListEntry>& list) {
  std::string out = "CNTRLCODE=02<br>";
  for (const auto& e : list) {
    out += bracket(std::to_string(e.number));
    out += bracket(time_text(e.posted_at));
    out += bracket(field_text(e.title));
    out += bracket(request_details(e));
    out += bracket(field_text(e.requester));
    out += bracket(e.status);
    out += "<br>";
  }
  out += "QEND" + std::to_string(list.size());
  return out;
}

std::string reply_marks(const Marks& m, const std::optional<Message>& msg) {
  std::string out = "TV=" + m.requests + "]TR=" + m.reactions + "]";
  if (msg) {
    std::string text = msg->text;
    // A plain message shaped like "Q..Q" would lose its first four characters.
    if (msg->control.empty() && text.size() >= 4 && text[0] == 'Q' && text[3] == 'Q')
      text = " " + text;
    out += "MESS" + msg->control + text;  // runs to the end of the page
  }
  return out;
}

std::string reply_conversation(int64_t request, const std::vector<ConversationEntry>& entries) {
  // Field 0 is the request itself (not shown); then per entry a body, preceded
  // by a heading for customer answers and for follow-up reactions.
  std::vector<std::vector<std::string>> groups;
  bool first_reaction = true;
  for (const auto& e : entries) {
    std::vector<std::string> g;
    if (e.from_customer) {
      g.push_back("beantwoord op " + time_text(e.at));
    } else if (!first_reaction) {
      g.push_back("vervolgreactie " + time_text(e.at));
    }
    if (!e.from_customer) first_reaction = false;
    g.push_back(field_text(e.text, true));
    groups.push_back(std::move(g));
  }
  // The client stores 257 fields: keep the newest entries whole.
  size_t total = 0, start = groups.size();
  while (start > 0 && total + groups[start - 1].size() <= 254) total += groups[--start].size();

  std::vector<std::string> fields{"details aanvraag " + std::to_string(request)};
  for (size_t i = start; i < groups.size(); ++i)
    for (auto& f : groups[i]) fields.push_back(std::move(f));
  // The client keeps reading while (text left before "<br>QEND") exceeds the
  // last field's length + 4; a final hidden field longer than every other
  // keeps it reading to the end and stops it right after.
  size_t longest = 0;
  for (const auto& f : fields) longest = std::max(longest, f.size());
  std::string pad = "details aanvraag";
  pad.resize(std::max(pad.size(), longest + 3), ' ');
  fields.push_back(pad);

  std::string out = "RNR=" + std::to_string(request) + "<br>";
  for (const auto& f : fields) out += bracket(f);
  out += "<br>QEND" + std::to_string(fields.size());
  return out;
}

std::string reply_last_offer(const std::optional<Offer>& o) {
  if (!o) return "No offer yet<br>QEND0";
  return bracket(field_text(o->description)) + bracket(field_text(o->amount)) +
         bracket(field_text(o->vat)) + bracket(field_text(o->payment)) +
         bracket(field_text(o->delivery)) + bracket(field_text(o->shipping)) + "<br>QEND1";
}

std::string reply_offered(const std::vector<int64_t>& numbers) {
  std::string out;
  for (auto n : numbers) out += bracket(std::to_string(n));
  out += "<br>QEND" + std::to_string(numbers.size());
  return out;
}

std::string reply_offers_overview(const std::vector<OfferWithContact>& offers) {
  std::string out;
  for (const auto& w : offers) {
    const Offer& o = w.offer;
    const Contact& k = w.contact;
    for (const auto* f : {&o.description, &o.amount, &o.vat, &o.payment, &o.delivery, &o.shipping,
                          &k.name, &k.address, &k.place, &k.postcode, &k.email, &k.phone, &k.gsm})
      out += bracket(field_text(*f));
    out += "<br>";
  }
  out += "QEND" + std::to_string(offers.size());
  return out;
}

std::string reply_chat_contacts(const std::vector<std::string>& tokens) {
  std::string out;
  for (const auto& t : tokens) out += bracket(t);
  out += "<br>QEND" + std::to_string(tokens.size());
  return out;
}

std::string reply_chat(const ChatConversation& conv) {
  std::string out = bracket(conv.token) + bracket(field_text(conv.customer_name)) +
                    bracket(conv.blocked ? "Blocked" : "open");
  // The window keeps 257 fields: the newest 127 lines.
  size_t first = conv.lines.size() > 127 ? conv.lines.size() - 127 : 0;
  for (size_t i = first; i < conv.lines.size(); ++i) {
    const auto& l = conv.lines[i];
    out += bracket(l.from_supplier ? "vervolg" : "klant");
    out += bracket(time_text(l.at).substr(6) + "  " + field_text(l.text));
  }
  return out;
}

std::string reply_reaction_counts(const std::vector<std::pair<std::string, int64_t>>& counts) {
  std::string out;
  for (const auto& [number, count] : counts)
    out += bracket(field_text(number)) + bracket(std::to_string(count)) + "<br>";
  out += "QEND" + std::to_string(counts.size());
  return out;
}

std::string reply_done(const std::string& what) { return "OK<br>" + what; }

std::string reply_error(int status, const std::string& message) {
  return "Error " + std::to_string(status) + "<br>" + message;
}

}  // namespace plixsrv
