// A 64-bit FNV-1a digest of a run of fields, for marks that must change
// whenever any field does (not a protection against forgery). The stored
// content hashes of requests are made with it: never change its output.
#pragma once
#include <cstdint>
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
};

}  // namespace plixsrv
