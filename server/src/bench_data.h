// Benchmark data: a marketplace of a given size in a fresh database.
#pragma once
#include <cstdint>
#include <string>

namespace plixsrv {
class Market;

struct BenchData {
  int64_t first_id = 3000000;  // suppliers are numbered from here on
  int filtered_every = 100;    // supplier first_id + 1 + k * filtered_every passes only...
  std::string narrow_word = "walnut";  // ...requests with this word, one in 500
};

// `suppliers` suppliers and at least `requests` requests, posted evenly over
// the last 60 days (so half are past a 30-day purge age). Every fourth
// supplier names a branch, half the requests have one. Safe to run again on
// the same database.
BenchData seed_bench(Market& market, int suppliers, int requests);

}  // namespace plixsrv
