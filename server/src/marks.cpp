// Change marks of the change poll. The request mark is a digest of the
// supplier's list as the customers shaped it (numbers, texts, customer changes
// and answers), so it changes exactly when that list does, and not when the
// supplier merely reads a request. The reaction mark is a digest of the
// reaction counts on the listed requests and of the supplier's conversations.
#include <mutex>

#include "digest.h"
#include "market.h"

namespace plixsrv {

Marks Market::marks(int64_t supplier) {
  uint64_t rev = revision_.load();
  uint64_t local = 0;
  {
    std::shared_lock lock(marks_mu_);
    auto l = local_revision_.find(supplier);
    if (l != local_revision_.end()) local = l->second;
    auto it = marks_cache_.find(supplier);
    if (it != marks_cache_.end() && it->second.revision == rev && it->second.local_revision == local)
      return it->second.marks;
  }
  Fnv tv, tr;
  for (const auto& e : request_list(supplier)) {
    tv.add(e.number);
    tv.add(e.posted_at);
    tv.add(e.title);
    tv.add(e.details);
    tv.add(e.place);
    tv.add(e.country);
    tv.add(e.visit ? 1 : 0);
    tv.add(e.requester);
    tv.add(e.customer_seq);
    tr.add(e.number);
    tr.add(e.reactions);
    tr.add(e.own_reactions);
  }
  Marks m{tv.hex(), tr.hex()};
  std::unique_lock lock(marks_mu_);
  marks_cache_[supplier] = {rev, local, m};
  return m;
}

}  // namespace plixsrv
