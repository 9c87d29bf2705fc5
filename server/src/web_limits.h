// Rate limits per client address for the customer pages, so that one browser
// cannot flood the suppliers with requests or lines.
#pragma once
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>

namespace plixsrv {

// The rate limits' name for a client address. An IPv6 host picks its own
// address within its /64 network at will, so an IPv6 client counts by that
// network; an IPv4 address (also written IPv4-mapped) counts by itself.
std::string rate_key(const std::string& remote_addr);

// A token bucket per address: `burst` actions at once, refilled at
// `per_hour` actions an hour. The state lives in memory only: a restart
// forgives everyone, which costs little next to a stored table written on
// every post.
class RateLimiter {
 public:
  using Clock = std::function<double()>;  // seconds, monotonic
  RateLimiter(double burst, double per_hour, Clock now = {});
  // Takes one action from the address's bucket; false when it is empty.
  bool allow(const std::string& address);
  // Seconds until the address may act again (0 when it may now).
  int wait_seconds(const std::string& address);

 private:
  struct Bucket {
    double tokens;
    double at;
  };
  Bucket& refill(const std::string& address, double now);
  void forget_full(double now);

  double burst_, per_second_;
  Clock now_;
  std::mutex mu_;
  std::unordered_map<std::string, Bucket> buckets_;
};

}  // namespace plixsrv
