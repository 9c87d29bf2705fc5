// The digests behind the change marks. A supplier's request mark is the sum
// (mod 2^64) of one hash per listed request, over what the customers shaped:
// number, time, texts, place, country, requester and the customer's last
// change or answer. The reaction mark sums one hash per listed request over
// its reaction count and the supplier's own conversation. A sum can be kept
// up to date one request at a time, and equals what a fresh computation over
// the whole list gives, so a mark survives restarts unchanged.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace plixsrv {

struct NewRequest;

// Digest of everything a customer can shape in a request; stored with it.
uint64_t content_hash(int64_t number, const NewRequest& r);

uint64_t listed_hash(uint64_t content_hash, int64_t customer_seq);
uint64_t reaction_hash(int64_t number, int64_t reactions, int64_t own_entries);

// The mark as it travels: 16 hexadecimal digits.
std::string mark_text(uint64_t sum);

}  // namespace plixsrv
