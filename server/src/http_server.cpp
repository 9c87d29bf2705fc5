#include "http_server.h"

#include <httplib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "customer_api.h"
#include "event_server.h"
#include "replies.h"
#include "web_routes.h"

namespace plixsrv {

// cpp-httplib's server with its routing, parsing and answering, driven one
// whole request at a time from memory instead of from its own sockets.
class Routes : public httplib::Server {
 public:
  void answer(httplib::Stream& s, bool& close) {
    bool closed = false;
    process_request(s, close, closed, nullptr);
    close = close || closed;
  }
};

namespace {
// One received request in, its answer out.
class BufferStream final : public httplib::Stream {
 public:
  BufferStream(std::string_view in, std::string& out, const Peer& peer)
      : in_(in), out_(out), peer_(peer) {}
  bool is_readable() const override { return true; }
  bool is_writable() const override { return true; }
  ssize_t read(char* p, size_t n) override {
    n = std::min(n, in_.size() - pos_);
    std::memcpy(p, in_.data() + pos_, n);
    pos_ += n;
    return static_cast<ssize_t>(n);
  }
  ssize_t write(const char* p, size_t n) override {
    // The body is already here: a "100 Continue" went out when the client waited for it.
    bool interim = !wrote_ && n > 13 && std::memcmp(p, "HTTP/1.1 100 ", 13) == 0;
    wrote_ = true;
    if (!interim) out_.append(p, n);
    return static_cast<ssize_t>(n);
  }
  void get_remote_ip_and_port(std::string& ip, int& port) const override {
    ip = peer_.ip;
    port = peer_.port;
  }
  void get_local_ip_and_port(std::string& ip, int& port) const override {
    ip.clear();
    port = 0;
  }
  // No socket to wait on: everything is in memory.
  socket_t socket() const override { return INVALID_SOCKET; }

 private:
  std::string_view in_;
  size_t pos_ = 0;
  std::string& out_;
  const Peer& peer_;
  bool wrote_ = false;
};

constexpr const char* kPageType = "text/html; charset=windows-1252";

std::string raw_query_of(const httplib::Request& req) {
  size_t q = req.target.find('?');
  return q == std::string::npos ? std::string() : req.target.substr(q + 1);
}

// Logs the script and code but no values: queries carry passwords and texts.
std::string log_target(const httplib::Request& req) {
  std::string out = req.path;
  auto cd = req.params.find("CD");
  if (cd != req.params.end()) out += "?CD=" + cd->second.substr(0, 4);
  auto id = req.params.find("ID_LV");
  if (id != req.params.end()) out += " ID_LV=" + id->second.substr(0, 16);
  return out;
}

void send_page(httplib::Response& res, const Reply& r) {
  res.status = r.status;
  res.set_header("Cache-Control", "no-store");
  res.set_content(r.body, kPageType);
}
}  // namespace

PlixServer::PlixServer(Market& market, ServerOptions options)
    : market_(market), opt_(std::move(options)), protocol_(market, opt_.protocol),
      routes_(std::make_unique<Routes>()) {
  EventOptions e;
  e.host = opt_.host;
  e.port = opt_.port;
  e.workers = opt_.threads;
  e.keep_alive_seconds = opt_.keep_alive_seconds;
  e.max_connections = static_cast<size_t>(std::max(1, opt_.max_connections));
  e.error_body = [](int status) { return reply_error(status, "The request could not be read."); };
  // What the Keep-Alive header of each answer announces.
  routes_->set_keep_alive_timeout(opt_.keep_alive_seconds);
  routes_->set_keep_alive_max_count(1000000);
  routes_->set_payload_max_length(e.max_body);
  events_ = std::make_unique<EventServer>(
      e, [this](std::string_view request, const Peer& peer, std::string& out, bool& close) {
        BufferStream s(request, out, peer);
        routes_->answer(s, close);
      });
  routes();
}

PlixServer::~PlixServer() { stop(); }

void PlixServer::routes() {
  // The two desktop scripts carry nearly all traffic; answering them before
  // the library's pattern routing saves a regular-expression match per poll.
  routes_->set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
    if (req.method != "GET") return httplib::Server::HandlerResponse::Unhandled;
    if (req.path == "/plix_chkl.php") send_page(res, protocol_.chkl(raw_query_of(req)));
    else if (req.path == "/plix_ctrl.php") send_page(res, protocol_.ctrl(raw_query_of(req)));
    else return httplib::Server::HandlerResponse::Unhandled;
    return httplib::Server::HandlerResponse::Handled;
  });
  routes_->Get("/update/raridi.exe", [](const httplib::Request&, httplib::Response& res) {
    // A stand-in for the update program: the desktop only opens this address.
    res.set_header("Content-Disposition", "attachment; filename=raridi.exe");
    res.set_content("PLIX update placeholder: no newer program is published by this server.\r\n",
                    "application/octet-stream");
  });
  add_customer_api(*routes_, market_);
  add_web_pages(*routes_);
  add_web_api(*routes_, market_, opt_.web);
  routes_->set_error_handler([](const httplib::Request&, httplib::Response& res) {
    if (!res.body.empty()) return;
    std::string msg = res.status == 404 ? "No such page." : "The request could not be read.";
    res.set_content(reply_error(res.status, msg), kPageType);
  });
  routes_->set_exception_handler(
      [](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
        res.status = 500;
        res.set_content(reply_error(500, "Internal error; nothing was changed."), kPageType);
      });
  if (opt_.log_requests) {
    routes_->set_logger([](const httplib::Request& req, const httplib::Response& res) {
      std::time_t t = std::time(nullptr);
      std::tm tm{};
      localtime_r(&t, &tm);
      char when[32];
      std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &tm);
      std::fprintf(stderr, "%s %s %s %s %d %zu\n", when, req.remote_addr.c_str(),
                   req.method.c_str(), log_target(req).c_str(), res.status, res.body.size());
    });
  }
}

int PlixServer::bind() { return events_->bind(); }

bool PlixServer::run() { return events_->run(); }

void PlixServer::stop() {
  if (events_) events_->stop();
}

bool PlixServer::running() const { return events_->running(); }

}  // namespace plixsrv
