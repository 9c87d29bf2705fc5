#include "http_server.h"

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <ctime>

#include "customer_api.h"
#include "replies.h"
#include "web_routes.h"

namespace plixsrv {

namespace {
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
      svr_(std::make_unique<httplib::Server>()) {
  // Measured on loopback: without TCP_NODELAY each reply on a reused connection
  // waits ~40 ms for the delayed ACK.
  svr_->set_tcp_nodelay(true);
  int threads = opt_.threads > 0 ? opt_.threads : 1;
  svr_->new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<size_t>(threads)); };
  svr_->set_keep_alive_max_count(static_cast<size_t>(opt_.keep_alive_requests));
  svr_->set_keep_alive_timeout(opt_.keep_alive_seconds);
  svr_->set_read_timeout(5, 0);
  svr_->set_write_timeout(5, 0);
  svr_->set_payload_max_length(64 * 1024);
  routes();
}

PlixServer::~PlixServer() { stop(); }

void PlixServer::routes() {
  // The two desktop scripts carry nearly all traffic; answering them before
  // the library's pattern routing saves a regular-expression match per poll.
  svr_->set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
    if (req.method != "GET") return httplib::Server::HandlerResponse::Unhandled;
    if (req.path == "/plix_chkl.php") send_page(res, protocol_.chkl(raw_query_of(req)));
    else if (req.path == "/plix_ctrl.php") send_page(res, protocol_.ctrl(raw_query_of(req)));
    else return httplib::Server::HandlerResponse::Unhandled;
    return httplib::Server::HandlerResponse::Handled;
  });
  svr_->Get("/update/raridi.exe", [](const httplib::Request&, httplib::Response& res) {
    // A stand-in for the update program: the desktop only opens this address.
    res.set_header("Content-Disposition", "attachment; filename=raridi.exe");
    res.set_content("PLIX update placeholder: no newer program is published by this server.\r\n",
                    "application/octet-stream");
  });
  add_customer_api(*svr_, market_);
  add_web_pages(*svr_);
  add_web_api(*svr_, market_, opt_.web);
  svr_->set_error_handler([](const httplib::Request&, httplib::Response& res) {
    if (!res.body.empty()) return;
    std::string msg = res.status == 404 ? "No such page." : "The request could not be read.";
    res.set_content(reply_error(res.status, msg), kPageType);
  });
  svr_->set_exception_handler(
      [](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
        res.status = 500;
        res.set_content(reply_error(500, "Internal error; nothing was changed."), kPageType);
      });
  if (opt_.log_requests) {
    svr_->set_logger([](const httplib::Request& req, const httplib::Response& res) {
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

int PlixServer::bind() {
  if (opt_.port == 0) return svr_->bind_to_any_port(opt_.host);
  return svr_->bind_to_port(opt_.host, opt_.port) ? opt_.port : -1;
}

bool PlixServer::run() { return svr_->listen_after_bind(); }

void PlixServer::stop() {
  if (svr_) svr_->stop();
}

bool PlixServer::running() const { return svr_->is_running(); }

}  // namespace plixsrv
