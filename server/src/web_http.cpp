#include "web_http.h"

#include <httplib.h>

namespace plixsrv {

void add_security_headers(httplib::Response& res) {
  res.set_header("Content-Security-Policy",
                 "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
                 "connect-src 'self'; form-action 'none'; base-uri 'none'; frame-ancestors 'none'");
  res.set_header("X-Content-Type-Options", "nosniff");
  res.set_header("Referrer-Policy", "no-referrer");
  res.set_header("X-Frame-Options", "DENY");
  res.set_header("Cross-Origin-Opener-Policy", "same-origin");
  res.set_header("Cross-Origin-Resource-Policy", "same-origin");
}

void send_json(httplib::Response& res, int status, const nlohmann::json& body) {
  res.status = status;
  add_security_headers(res);
  res.set_header("Cache-Control", "no-store");
  // Texts from the database may hold anything; never let a bad byte stop the answer.
  res.set_content(body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace),
                  "application/json; charset=utf-8");
}

bool from_other_site(const httplib::Request& req) {
  // Browsers name the relation on every fetch; "same-site" is another port
  // or subdomain, which is another origin all the same.
  std::string site = req.get_header_value("Sec-Fetch-Site");
  if (!site.empty() && site != "same-origin") return true;
  std::string origin = req.get_header_value("Origin");
  if (origin.empty()) return false;
  std::string host = req.get_header_value("Host");
  return host.empty() || (origin != "http://" + host && origin != "https://" + host);
}

bool is_json_body(const httplib::Request& req) {
  std::string type = req.get_header_value("Content-Type");
  return type.rfind("application/json", 0) == 0;
}

}  // namespace plixsrv
