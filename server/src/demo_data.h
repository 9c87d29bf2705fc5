// Demo data.
#pragma once
#include <cstdint>
#include <string>

namespace plixsrv {
class Market;

struct DemoLogin {
  std::string login = "demo";
  std::string password = "demo1234";
  int64_t id = 1001;  // fixed, so run scripts can rely on it
  int64_t check() const { return id + 583204; }
  // Page key of the demo's first request, for its customer page; empty when
  // the demo data was there already (only a digest of the key is kept).
  std::string request_page_key;
};

// Seeds the demo supplier and its marketplace; does nothing when the demo
// supplier already exists, so it is safe on every start.
DemoLogin seed_demo(Market& market);

}  // namespace plixsrv
