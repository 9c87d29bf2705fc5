#include "customer_cli.h"

#include <httplib.h>

#include <iostream>
#include <nlohmann/json.hpp>

namespace plixsrv {

using nlohmann::json;

namespace {
const char* const kCustomerUsage =
    "usage: plixsrv customer [--server HOST:PORT] COMMAND ...\n"
    "  post-request TITLE [--details T] [--place P] [--country N] [--visit] [--branch B]\n"
    "               [--name N] [--email E] [--phone P]      post a new request\n"
    "  change-request NUMBER [--title T] [--details D] [--close]\n"
    "  show-request NUMBER                 the request, its reactions and offers\n"
    "  answer NUMBER SUPPLIER TEXT         answer a supplier's reaction\n"
    "  message SUPPLIER TEXT [--quit|--disconnect]   leave a server message\n"
    "  open-chat SUPPLIER NAME [--request NUMBER]    start a chat, prints the contact\n"
    "  chat CONTACT TEXT                   write a chat line as the customer\n"
    "  show-chat CONTACT                   the chat lines\n"
    "  show-supplier SUPPLIER              record, filters, settings, offers, chats\n"
    "Texts are UTF-8 on the terminal; the server keeps them in Windows-1252.\n";

struct Args {
  std::vector<std::string> positional;
  std::vector<std::pair<std::string, std::string>> flags;
  std::string flag(const std::string& name) const {
    for (const auto& [k, v] : flags)
      if (k == name) return v;
    return {};
  }
  bool has(const std::string& name) const {
    for (const auto& [k, v] : flags)
      if (k == name) return true;
    return false;
  }
};

bool is_switch(const std::string& s) {
  return s == "--visit" || s == "--close" || s == "--quit" || s == "--disconnect";
}

int64_t to_number(const std::string& s) {
  try {
    size_t used = 0;
    int64_t v = std::stoll(s, &used);
    if (used == s.size()) return v;
  } catch (...) {
  }
  throw std::invalid_argument("not a number: " + s);
}
}  // namespace

int run_customer_cli(const std::vector<std::string>& raw) {
  std::string server = "127.0.0.1:8080";
  Args a;
  for (size_t i = 0; i < raw.size(); ++i) {
    const std::string& s = raw[i];
    if (s == "--server" && i + 1 < raw.size()) server = raw[++i];
    else if (is_switch(s)) a.flags.emplace_back(s, "1");
    else if (s.rfind("--", 0) == 0 && i + 1 < raw.size()) a.flags.emplace_back(s, raw[++i]);
    else a.positional.push_back(s);
  }
  if (a.positional.empty() || a.positional[0] == "help") {
    std::cout << kCustomerUsage;
    return a.positional.empty() ? 2 : 0;
  }
  size_t colon = server.rfind(':');
  std::string host = colon == std::string::npos ? server : server.substr(0, colon);
  int port = colon == std::string::npos ? 8080 : std::atoi(server.c_str() + colon + 1);
  httplib::Client cli(host, port);
  cli.set_connection_timeout(5);

  const std::string cmd = a.positional[0];
  auto arg = [&](size_t i) -> const std::string& {
    if (i >= a.positional.size()) throw std::invalid_argument("missing argument for " + cmd);
    return a.positional[i];
  };
  try {
    httplib::Result res{nullptr, httplib::Error::Unknown};
    auto post = [&](const std::string& path, const json& body) {
      return cli.Post(path, body.dump(), "application/json");
    };
    if (cmd == "post-request") {
      json b = {{"title", arg(1)}, {"details", a.flag("--details")}, {"place", a.flag("--place")},
                {"branch", a.flag("--branch")}, {"visit", a.has("--visit")}};
      if (a.has("--country")) b["country"] = to_number(a.flag("--country"));
      b["contact"] = {{"name", a.flag("--name")}, {"email", a.flag("--email")},
                      {"phone", a.flag("--phone")}, {"place", a.flag("--place")}};
      res = post("/api/requests", b);
    } else if (cmd == "change-request") {
      json b = json::object();
      if (a.has("--title")) b["title"] = a.flag("--title");
      if (a.has("--details")) b["details"] = a.flag("--details");
      if (a.has("--close")) b["closed"] = true;
      res = post("/api/requests/" + std::to_string(to_number(arg(1))), b);
    } else if (cmd == "show-request") {
      res = cli.Get("/api/requests/" + std::to_string(to_number(arg(1))));
    } else if (cmd == "answer") {
      res = post("/api/requests/" + std::to_string(to_number(arg(1))) + "/answers",
                 {{"supplier", to_number(arg(2))}, {"text", arg(3)}});
    } else if (cmd == "message") {
      std::string control = a.has("--quit") ? "QC1Q" : a.has("--disconnect") ? "QC2Q" : "";
      res = post("/api/messages", {{"supplier", to_number(arg(1))}, {"text", arg(2)}, {"control", control}});
    } else if (cmd == "open-chat") {
      json b = {{"supplier", to_number(arg(1))}, {"customer_name", arg(2)}};
      if (a.has("--request")) b["request"] = to_number(a.flag("--request"));
      res = post("/api/chats", b);
    } else if (cmd == "chat") {
      res = post("/api/chats/" + arg(1) + "/lines", {{"text", arg(2)}});
    } else if (cmd == "show-chat") {
      res = cli.Get("/api/chats/" + arg(1));
    } else if (cmd == "show-supplier") {
      res = cli.Get("/api/suppliers/" + std::to_string(to_number(arg(1))));
    } else {
      std::cerr << "unknown command " << cmd << "\n" << kCustomerUsage;
      return 2;
    }
    if (!res) {
      std::cerr << "no answer from " << server << ": " << httplib::to_string(res.error()) << "\n";
      return 1;
    }
    std::cout << res->body;
    return res->status == 200 ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n" << kCustomerUsage;
    return 2;
  }
}

}  // namespace plixsrv
