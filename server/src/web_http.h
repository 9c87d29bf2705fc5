// The customer pages' HTTP rules in one place: security headers, JSON
// answers, and the same-site test that keeps other sites from writing.
#pragma once
#include <nlohmann/json.hpp>

namespace httplib {
struct Request;
struct Response;
}  // namespace httplib

namespace plixsrv {

// Limits of the customer pages; see web_limits.h.
struct WebOptions {
  int posts_per_hour = 10;   // new requests per client address (also the burst)
  int writes_per_hour = 600; // answers, changes and chat lines per address
  int write_burst = 60;
};

// Scripts only from our own files (no inline code), nothing framed, no
// address sent along to other sites.
void add_security_headers(httplib::Response& res);
void send_json(httplib::Response& res, int status, const nlohmann::json& body);
// True when the browser says the request comes from another site or origin:
// such a request may not write, whatever it carries.
bool from_other_site(const httplib::Request& req);
// A POST body that a plain HTML form cannot send.
bool is_json_body(const httplib::Request& req);

}  // namespace plixsrv
