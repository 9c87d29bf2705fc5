// The change marks of every supplier who polled, kept in memory and moved by
// the writes themselves: a write changes exactly the marks of the suppliers
// whose lists it changes, and a change poll is one look-up.
//
// Writes reach the book one at a time, after they committed, between begin()
// and end(). A supplier's marks are first worked out from a fresh read of its
// list (settle); a version counter, odd while a write is under way, tells
// whether a write came in between, in which case the fresh marks serve the
// poll but are not kept.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "supplier_marks.h"

namespace plixsrv {

struct MarkPair {
  uint64_t requests = 0, reactions = 0;
};

class MarkBook {
 public:
  explicit MarkBook(std::vector<RequestSummary> open) : open_(std::move(open)) {}

  std::optional<MarkPair> find(int64_t supplier);
  // Even while no write is under way.
  uint64_t version() const { return version_.load(std::memory_order_acquire); }
  // The marks of a list read at `version`; kept unless a write came since.
  MarkPair settle(int64_t supplier, SupplierWindow w, uint64_t read_at);
  // Most suppliers share their list: those of the same branches, without
  // word filters, who left no traces on it and purged nothing it holds.
  // Their marks come from one reading per group and version, given the
  // supplier's rules and traces (outline, without list); nothing when the
  // supplier's list is its own.
  using Lister = std::function<std::vector<ListedRequest>(const ListRules&)>;
  std::optional<MarkPair> settle_shared(int64_t supplier, SupplierWindow& outline,
                                        uint64_t read_at, const Lister& list);

  void begin() { version_.fetch_add(1, std::memory_order_acq_rel); }
  void end() { version_.fetch_add(1, std::memory_order_acq_rel); }

  void posted(const RequestAfter& r);
  void changed(const RequestAfter& r);  // texts changed or closed
  // A supplier's reaction or a customer's answer to it.
  void traced(int64_t supplier, const TraceAfter& t, bool counts_moved);
  // Reaction counts that went down with a deleted supplier.
  void counted(const std::vector<RequestSummary>& now);
  // The supplier's rules or hiding changed, or it is gone: work out again.
  void forget(int64_t supplier);

  size_t suppliers();

 private:
  // Marks lie in one array per shard, so that a post walks memory in order.
  struct Shard {
    std::mutex mu;
    std::vector<SupplierMarks> marks;
    std::vector<int64_t> ids;                      // the supplier of each entry
    std::unordered_map<int64_t, uint32_t> index;  // supplier -> entry
    SupplierMarks* find(int64_t id);
    void put(int64_t id, SupplierMarks m);
    void erase_at(size_t i);
    void erase(int64_t id);
  };
  static constexpr size_t kShards = 64;
  Shard& shard(int64_t supplier) { return shards_[static_cast<uint64_t>(supplier) % kShards]; }
  // Runs f(supplier, marks) on every supplier held; drops those for which it returns false.
  template <typename F>
  void each(F&& f);

  struct Shared {
    uint64_t version = 1;  // odd: never read
    std::vector<ListedRequest> listed;
    int64_t oldest_posting = 0;
  };
  std::mutex shared_mu_;
  std::map<std::tuple<bool, char, char>, Shared> shared_;

  OpenRequests open_;  // touched by writes only, which come one at a time
  std::array<Shard, kShards> shards_;
  std::atomic<uint64_t> version_{0};
};

}  // namespace plixsrv
