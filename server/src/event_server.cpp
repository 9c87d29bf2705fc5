#include "event_server.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>

#include "event_connection.h"

namespace plixsrv {

namespace {
Peer peer_of(const sockaddr_storage& sa) {
  char ip[INET6_ADDRSTRLEN] = "";
  Peer p;
  if (sa.ss_family == AF_INET) {
    auto* a = reinterpret_cast<const sockaddr_in*>(&sa);
    inet_ntop(AF_INET, &a->sin_addr, ip, sizeof ip);
    p.port = ntohs(a->sin_port);
  } else if (sa.ss_family == AF_INET6) {
    auto* a = reinterpret_cast<const sockaddr_in6*>(&sa);
    inet_ntop(AF_INET6, &a->sin6_addr, ip, sizeof ip);
    p.port = ntohs(a->sin6_port);
  }
  p.ip = ip;
  return p;
}

}  // namespace

EventServer::EventServer(EventOptions options, Handler handler)
    : opt_(std::move(options)), handler_(std::move(handler)) {
  if (opt_.workers < 1) opt_.workers = 1;
  epoll_fd_ = epoll_create1(EPOLL_CLOEXEC);
  wake_fd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

EventServer::~EventServer() {
  stop();
  for (int fd : {listen_fd_, epoll_fd_, wake_fd_})
    if (fd >= 0) ::close(fd);
}

int EventServer::bind() {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE;
  addrinfo* found = nullptr;
  if (getaddrinfo(opt_.host.c_str(), std::to_string(opt_.port).c_str(), &hints, &found) != 0)
    return -1;
  for (addrinfo* a = found; a && listen_fd_ < 0; a = a->ai_next) {
    int fd = socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) continue;
    int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0 && listen(fd, 4096) == 0) listen_fd_ = fd;
    else ::close(fd);
  }
  freeaddrinfo(found);
  if (listen_fd_ < 0) return -1;
  sockaddr_storage sa{};
  socklen_t len = sizeof sa;
  getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&sa), &len);
  return peer_of(sa).port;
}

bool EventServer::run() {
  if (listen_fd_ < 0 || epoll_fd_ < 0 || wake_fd_ < 0 || stopping_) return false;
  epoll_event ev{};
  ev.events = EPOLLIN | EPOLLONESHOT;
  ev.data.ptr = &listen_tag_;
  epoll_ctl(epoll_fd_, EPOLL_CTL_ADD, listen_fd_, &ev);
  ev.events = EPOLLIN;  // stays ready: every worker sees it
  ev.data.ptr = &wake_tag_;
  epoll_ctl(epoll_fd_, EPOLL_CTL_ADD, wake_fd_, &ev);
  running_ = true;
  std::vector<std::thread> threads;
  for (int i = 1; i < opt_.workers; ++i) threads.emplace_back([this] { work(); });
  std::thread reaper([this] { reap(); });
  work();
  for (auto& t : threads) t.join();
  reaper.join();
  std::lock_guard lock(table_mu_);
  for (auto& [fd, c] : table_) ::close(fd);
  table_.clear();
  running_ = false;
  return true;
}

void EventServer::stop() {
  stopping_ = true;
  stopped_.notify_all();
  uint64_t one = 1;
  if (wake_fd_ >= 0 && ::write(wake_fd_, &one, sizeof one) < 0) {
    // Already woken: the counter is full, which is just as good.
  }
}

size_t EventServer::connections() {
  std::lock_guard lock(table_mu_);
  return table_.size();
}

void EventServer::work() {
  epoll_event ev;
  while (!stopping_) {
    int n = epoll_wait(epoll_fd_, &ev, 1, -1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    if (ev.data.ptr == &wake_tag_) break;
    if (ev.data.ptr == &listen_tag_) accept_all();
    else serve(static_cast<Connection*>(ev.data.ptr), ev.events);
  }
}

void EventServer::accept_all() {
  for (int i = 0; i < 256; ++i) {
    sockaddr_storage sa{};
    socklen_t len = sizeof sa;
    int fd = accept4(listen_fd_, reinterpret_cast<sockaddr*>(&sa), &len,
                     SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      if (errno == EMFILE || errno == ENFILE) {  // out of descriptors: wait for a close
        std::lock_guard lock(table_mu_);
        accepting_ = false;
        return;
      }
      break;  // EAGAIN: all taken
    }
    int yes = 1;
    // Without it every reply on a kept-alive connection waits ~40 ms for the delayed ACK.
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    auto c = std::make_unique<Connection>();
    c->fd = fd;
    c->peer = peer_of(sa);
    c->active_ms = now_ms();
    Connection* raw = c.get();
    std::lock_guard lock(table_mu_);
    table_[fd] = std::move(c);
    epoll_event ev{};
    ev.events = EPOLLIN | EPOLLRDHUP | EPOLLONESHOT;
    ev.data.ptr = raw;
    epoll_ctl(epoll_fd_, EPOLL_CTL_ADD, fd, &ev);
    if (table_.size() >= opt_.max_connections) {
      accepting_ = false;  // the kernel's backlog holds newcomers until one closes
      return;
    }
  }
  std::lock_guard lock(table_mu_);
  epoll_event ev{};
  ev.events = EPOLLIN | EPOLLONESHOT;
  ev.data.ptr = &listen_tag_;
  epoll_ctl(epoll_fd_, EPOLL_CTL_MOD, listen_fd_, &ev);
}

void EventServer::arm(Connection* c, uint32_t events) {
  epoll_event ev{};
  ev.events = events | EPOLLONESHOT;
  ev.data.ptr = c;
  if (epoll_ctl(epoll_fd_, EPOLL_CTL_MOD, c->fd, &ev) != 0) close_connection(c);
}

void EventServer::close_connection(Connection* c) {
  std::unique_ptr<Connection> gone;
  std::lock_guard lock(table_mu_);
  auto it = table_.find(c->fd);
  if (it != table_.end()) {
    gone = std::move(it->second);
    table_.erase(it);
  }
  // Closed under the lock, so the reaper never shuts a number down that a new connection got.
  ::close(c->fd);
  if (!accepting_ && !stopping_ && table_.size() < opt_.max_connections) {
    accepting_ = true;
    epoll_event ev{};
    ev.events = EPOLLIN | EPOLLONESHOT;
    ev.data.ptr = &listen_tag_;
    epoll_ctl(epoll_fd_, EPOLL_CTL_MOD, listen_fd_, &ev);
  }
}

}  // namespace plixsrv
