// A 64-bit FNV-1a digest of a run of fields, for marks that must change
// whenever any field does (not a protection against forgery).
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace plixsrv {

struct Fnv {
  uint64_t h = 1469598103934665603ull;
  void add(std::string_view s) {
    for (unsigned char c : s) {
      h ^= c;
      h *= 1099511628211ull;
    }
    h ^= 0xff;  // field end, so "ab"+"c" differs from "a"+"bc"
    h *= 1099511628211ull;
  }
  void add(int64_t v) { add(std::to_string(v)); }
  std::string hex() const {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
    return buf;
  }
};

}  // namespace plixsrv
