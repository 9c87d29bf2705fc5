#include "web_limits.h"

#include <arpa/inet.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace plixsrv {

namespace {
double steady_seconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}
// Beyond this many addresses, buckets that have filled up again are dropped.
constexpr size_t kKeptAddresses = 10000;
}  // namespace

std::string rate_key(const std::string& remote_addr) {
  in6_addr a;
  if (inet_pton(AF_INET6, remote_addr.c_str(), &a) != 1) return remote_addr;
  if (IN6_IS_ADDR_V4MAPPED(&a)) return remote_addr.substr(remote_addr.rfind(':') + 1);
  std::fill(a.s6_addr + 8, a.s6_addr + 16, 0);
  char text[INET6_ADDRSTRLEN];
  inet_ntop(AF_INET6, &a, text, sizeof text);
  return std::string(text) + "/64";
}

RateLimiter::RateLimiter(double burst, double per_hour, Clock now)
    : burst_(std::max(1.0, burst)),
      per_second_(std::max(0.0, per_hour) / 3600.0),
      now_(now ? std::move(now) : Clock(steady_seconds)) {}

RateLimiter::Bucket& RateLimiter::refill(const std::string& address, double now) {
  auto [it, fresh] = buckets_.try_emplace(address, Bucket{burst_, now});
  Bucket& b = it->second;
  if (!fresh) {
    b.tokens = std::min(burst_, b.tokens + (now - b.at) * per_second_);
    b.at = now;
  }
  return b;
}

void RateLimiter::forget_full(double now) {
  for (auto it = buckets_.begin(); it != buckets_.end();) {
    bool full = it->second.tokens + (now - it->second.at) * per_second_ >= burst_;
    it = full ? buckets_.erase(it) : std::next(it);
  }
}

bool RateLimiter::allow(const std::string& address) {
  std::lock_guard lock(mu_);
  double now = now_();
  if (buckets_.size() >= kKeptAddresses) forget_full(now);
  Bucket& b = refill(address, now);
  if (b.tokens < 1.0) return false;
  b.tokens -= 1.0;
  return true;
}

int RateLimiter::wait_seconds(const std::string& address) {
  std::lock_guard lock(mu_);
  Bucket& b = refill(address, now_());
  if (b.tokens >= 1.0) return 0;
  if (per_second_ <= 0) return 3600;
  return static_cast<int>(std::ceil((1.0 - b.tokens) / per_second_));
}

}  // namespace plixsrv
