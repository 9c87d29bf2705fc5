// HTTP front of plixsrv: the two desktop scripts, the update download, the
// customer pages and the customer JSON API, on cpp-httplib with settings
// chosen for many short polls.
#pragma once
#include <memory>
#include <string>

#include "market.h"
#include "protocol.h"
#include "web_http.h"

namespace httplib {
class Server;
}

namespace plixsrv {

struct ServerOptions {
  std::string host = "127.0.0.1";
  int port = 8080;  // 0 picks a free port
  // Every keep-alive connection holds a worker while it is open, so the pool
  // must be larger than the number of clients that talk at the same moment.
  int threads = 64;
  int keep_alive_seconds = 2;   // an idle client frees its worker after this
  int keep_alive_requests = 1000;
  bool log_requests = true;
  ProtocolOptions protocol;
  WebOptions web;
};

class PlixServer {
 public:
  PlixServer(Market& market, ServerOptions options);
  ~PlixServer();
  // Binds the listening socket; returns the port, or -1 when binding failed.
  int bind();
  // Serves until stop(); returns false when the server could not run.
  bool run();
  void stop();
  bool running() const;

 private:
  void routes();
  Market& market_;
  ServerOptions opt_;
  Protocol protocol_;
  std::unique_ptr<httplib::Server> svr_;
};

}  // namespace plixsrv
