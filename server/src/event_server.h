// The connection model of plixsrv: one epoll set holds every connection, and
// a small, fixed pool of workers takes whichever connection has a whole
// request waiting. A kept-alive connection with nothing to say holds no
// worker, only a few hundred bytes, so many idle desktops cost nothing and a
// busy one cannot starve the others: each connection is served a turn at a
// time, in the order the requests came in.
//
// Idle connections are closed after the keep-alive time, and after one second
// once half of the connection budget is in use; a request that does not
// arrive whole within the read time-out is dropped.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

namespace plixsrv {

struct Peer {
  std::string ip;
  int port = 0;
};

struct EventOptions {
  std::string host = "127.0.0.1";
  int port = 8080;  // 0 picks a free port
  int workers = 8;
  int keep_alive_seconds = 5;
  int read_timeout_seconds = 5;
  size_t max_connections = 10000;
  size_t max_head = 16 * 1024;  // request line and headers
  size_t max_body = 64 * 1024;
  // Body of the page for a request refused before it reached the handler.
  std::function<std::string(int status)> error_body = [](int status) {
    return "Error " + std::to_string(status);
  };
};

class EventServer {
 public:
  // Answers one whole request: appends the response to out. close comes in
  // set when the server wants the connection ended after this request, and
  // is set by the handler when the client asked for that.
  using Handler =
      std::function<void(std::string_view request, const Peer& peer, std::string& out, bool& close)>;

  EventServer(EventOptions options, Handler handler);
  ~EventServer();
  // Binds the listening socket; returns the port, or -1 when binding failed.
  int bind();
  // Serves until stop(); returns false when the server could not run.
  bool run();
  void stop();
  bool running() const { return running_; }
  size_t connections();

 private:
  struct Connection;
  void work();
  void accept_all();
  void serve(Connection* c, uint32_t events);
  bool answer_buffered(Connection* c);
  void read_in(Connection* c);
  bool flush(Connection* c);
  void arm(Connection* c, uint32_t events);
  void close_connection(Connection* c);
  void reap();

  EventOptions opt_;
  Handler handler_;
  int listen_fd_ = -1, epoll_fd_ = -1, wake_fd_ = -1;
  char listen_tag_ = 0, wake_tag_ = 0;  // their addresses tell epoll events apart
  std::atomic<bool> running_{false}, stopping_{false};
  std::mutex stop_mu_;
  std::condition_variable stopped_;  // wakes the reaper
  std::mutex table_mu_;
  std::unordered_map<int, std::unique_ptr<Connection>> table_;
  bool accepting_ = true;  // false while the connection budget is used up
};

}  // namespace plixsrv
