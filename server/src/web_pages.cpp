// The customer pages' files: the posting page at "/", the request page at
// "/request" (its key travels in the address's "#" part, which the browser
// never sends, so it appears in no log), and scripts and styles under "/web/".
#include <httplib.h>

#include "web_files.h"
#include "web_http.h"
#include "web_routes.h"

namespace plixsrv {

namespace {
std::string type_of(std::string_view name) {
  auto ends = [&](std::string_view ext) {
    return name.size() >= ext.size() && name.substr(name.size() - ext.size()) == ext;
  };
  if (ends(".html")) return "text/html; charset=utf-8";
  if (ends(".css")) return "text/css; charset=utf-8";
  if (ends(".js")) return "text/javascript; charset=utf-8";
  if (ends(".svg")) return "image/svg+xml";
  return "application/octet-stream";
}

httplib::Server::Handler serve(std::string name) {
  return [name](const httplib::Request&, httplib::Response& res) {
    const WebFile* f = web_file(name);
    if (!f) {
      res.status = 404;
      return;
    }
    add_security_headers(res);
    // Always asked again, so a new plixsrv never meets an old script.
    res.set_header("Cache-Control", "no-cache");
    res.set_content(std::string(f->body), type_of(name));
  };
}
}  // namespace

void add_web_pages(httplib::Server& svr) {
  svr.Get("/", serve("index.html"));
  svr.Get("/request", serve("request.html"));
  svr.Get(R"(/web/([a-z0-9-]+\.(?:js|css|svg)))", [](const httplib::Request& req, httplib::Response& res) {
    serve(req.matches[1].str())(req, res);
  });
}

}  // namespace plixsrv
