#include "mark_hash.h"

#include "digest.h"
#include "market_types.h"

namespace plixsrv {

namespace {
// Bit mixer (the finaliser of SplitMix64): every input bit reaches every output bit.
uint64_t mix(uint64_t x) {
  x ^= x >> 30;
  x *= 0xbf58476d1ce4e5b9ull;
  x ^= x >> 27;
  x *= 0x94d049bb133111ebull;
  x ^= x >> 31;
  return x;
}

uint64_t combine(uint64_t a, uint64_t b) { return mix(a ^ mix(b + 0x9e3779b97f4a7c15ull)); }
}  // namespace

uint64_t content_hash(int64_t number, const NewRequest& r) {
  Fnv f;
  f.add(number);
  f.add(r.posted_at);
  f.add(r.title);
  f.add(r.details);
  f.add(r.place);
  f.add(static_cast<int64_t>(r.country));
  f.add(static_cast<int64_t>((r.visit || r.country == 99) ? 1 : 0));
  f.add(r.requester);
  return f.h;
}

uint64_t listed_hash(uint64_t content, int64_t customer_seq) {
  return combine(content, static_cast<uint64_t>(customer_seq));
}

uint64_t reaction_hash(int64_t number, int64_t reactions, int64_t own_entries) {
  return combine(combine(static_cast<uint64_t>(number), static_cast<uint64_t>(reactions)),
                 static_cast<uint64_t>(own_entries));
}

std::string mark_text(uint64_t sum) {
  static const char* digits = "0123456789abcdef";
  std::string out(16, '0');
  for (int i = 15; i >= 0; --i, sum >>= 4) out[static_cast<size_t>(i)] = digits[sum & 15];
  return out;
}

}  // namespace plixsrv
