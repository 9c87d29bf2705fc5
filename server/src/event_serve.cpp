// A worker's turn with one connection: read what arrived, answer the whole
// requests in it, write the answers; then hand the connection back to epoll.
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "event_connection.h"
#include "http_frame.h"

namespace plixsrv {

namespace {
// Requests answered in one turn; a client that sends more waits for its next turn.
constexpr int kTurn = 16;

const char* reason(int status) {
  switch (status) {
    case 413: return "Payload Too Large";
    case 414: return "URI Too Long";
    case 431: return "Request Header Fields Too Large";
    case 501: return "Not Implemented";
    default: return "Bad Request";
  }
}
}  // namespace

void EventServer::serve(Connection* c, uint32_t events) {
  c->phase = kBusy;
  if (events & EPOLLERR) return close_connection(c);
  if (c->sent < c->out.size()) {
    if (!flush(c)) return close_connection(c);
  } else {
    read_in(c);
  }
  bool more = c->sent == c->out.size() && answer_buffered(c);
  if (!flush(c)) return close_connection(c);
  if (c->sent < c->out.size()) {
    c->phase = kWriting;
    return arm(c, EPOLLOUT);
  }
  c->out.clear();
  c->sent = 0;
  if (c->closing || c->eof) return close_connection(c);
  c->phase = c->in.empty() ? kIdle : kPartial;
  // A socket with room to write is ready at once: that is the next turn.
  arm(c, more ? EPOLLOUT : EPOLLIN | EPOLLRDHUP);
}

void EventServer::read_in(Connection* c) {
  char buf[16 * 1024];
  while (c->in.size() <= opt_.max_head + opt_.max_body) {
    ssize_t n = ::read(c->fd, buf, sizeof buf);
    if (n > 0) {
      c->in.append(buf, static_cast<size_t>(n));
      if (static_cast<size_t>(n) < sizeof buf) break;  // drained; saves a read that finds nothing
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n == 0 || errno != EAGAIN) c->eof = true;
    break;
  }
  c->active_ms = now_ms();
}

bool EventServer::answer_buffered(Connection* c) {
  for (int turn = 0; turn < kTurn && !c->closing; ++turn) {
    Frame f = frame_request(c->in, opt_.max_head, opt_.max_body);
    if (f.kind == Frame::Incomplete) {
      if (f.awaits_continue && !c->continue_sent) {
        c->out += "HTTP/1.1 100 Continue\r\n\r\n";
        c->continue_sent = true;
      }
      return false;
    }
    if (f.kind == Frame::Refused) {
      std::string body = opt_.error_body(f.status);
      c->out += "HTTP/1.1 " + std::to_string(f.status) + " " + reason(f.status) +
                "\r\nContent-Type: text/html; charset=windows-1252\r\nContent-Length: " +
                std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
      c->closing = true;
      c->in.clear();
      return false;
    }
    bool close = stopping_;
    try {
      handler_(std::string_view(c->in).substr(0, f.length), c->peer, c->out, close);
    } catch (...) {
      close = true;
    }
    c->in.erase(0, f.length);
    c->continue_sent = false;
    c->closing = close;
  }
  return !c->closing &&
         frame_request(c->in, opt_.max_head, opt_.max_body).kind != Frame::Incomplete;
}

bool EventServer::flush(Connection* c) {
  while (c->sent < c->out.size()) {
    ssize_t n = ::send(c->fd, c->out.data() + c->sent, c->out.size() - c->sent, MSG_NOSIGNAL);
    if (n > 0) {
      c->sent += static_cast<size_t>(n);
      c->active_ms = now_ms();
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    return n < 0 && errno == EAGAIN;
  }
  return true;
}

void EventServer::reap() {
  while (!stopping_) {
    {
      std::unique_lock wait(stop_mu_);
      stopped_.wait_for(wait, std::chrono::milliseconds(200), [this] { return stopping_.load(); });
    }
    int64_t now = now_ms();
    std::lock_guard lock(table_mu_);
    bool crowded = table_.size() * 2 > opt_.max_connections;
    int64_t keep = opt_.keep_alive_seconds * int64_t{1000};
    if (crowded && keep > 1000) keep = 1000;
    for (auto& [fd, c] : table_) {
      int phase = c->phase;
      if (phase == kBusy || c->reaped) continue;
      int64_t limit = phase == kIdle ? keep : opt_.read_timeout_seconds * int64_t{1000};
      if (now - c->active_ms > limit) {
        // The worker that next gets the connection finds it shut and closes it.
        ::shutdown(fd, SHUT_RDWR);
        c->reaped = true;
      }
    }
  }
}

}  // namespace plixsrv
