// One client connection of the event server; see event_server.h.
#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

#include "event_server.h"

namespace plixsrv {

// What the reaper may do with a connection: an idle one is closed after the
// keep-alive time, a half-received or half-sent one after the read time-out,
// a busy one (a worker has it) never.
enum Phase { kIdle, kPartial, kWriting, kBusy };

inline int64_t now_ms() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

struct EventServer::Connection {
  int fd = -1;
  Peer peer;
  std::string in, out;
  size_t sent = 0;
  bool closing = false, eof = false, continue_sent = false;
  std::atomic<int64_t> active_ms{0};
  std::atomic<int> phase{kIdle};
  std::atomic<bool> reaped{false};
};

}  // namespace plixsrv
