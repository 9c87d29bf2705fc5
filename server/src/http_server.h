// HTTP front of plixsrv: the two desktop scripts, the update download, the
// customer pages and the customer JSON API. Connections are held by the event
// server (event_server.h); each whole request is parsed, routed and answered by
// cpp-httplib's server logic, fed from memory.
#pragma once
#include <memory>
#include <string>

#include "market.h"
#include "protocol.h"
#include "web_http.h"

namespace plixsrv {

class EventServer;
class Routes;

struct ServerOptions {
  std::string host = "127.0.0.1";
  int port = 8080;  // 0 picks a free port
  // Workers answer requests; a connection holds one only while a request of
  // it is being answered, so a few serve any number of connections.
  int threads = 8;
  int keep_alive_seconds = 5;  // an idle kept-alive connection is closed after this
  int max_connections = 10000;
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
  std::unique_ptr<Routes> routes_;
  std::unique_ptr<EventServer> events_;
};

}  // namespace plixsrv
