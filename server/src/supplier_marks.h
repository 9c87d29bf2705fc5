// One supplier's change marks, kept up to date request by request.
//
// The list holds the newest kMaxListed requests the supplier's rules let
// through. The marks are sums of one hash per listed request (mark_hash.h),
// so a request that enters or leaves the list, or changes in it, moves them
// by its own hash alone. What has to be known besides the sums is where the
// list ends: its oldest request (`floor`) and its length. When a new request
// pushes the oldest out, or a listed one goes and an older one moves up, the
// next request in line is found among the open requests in memory; for a
// supplier with word filters (whose rule needs the texts) the listed numbers
// are kept instead, and when an older request would have to move up the
// marks are simply worked out again.
#pragma once
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "list_rules.h"
#include "store.h"

namespace plixsrv {

// The open requests, ordered by number; the book's copy, changed by writes only.
class OpenRequests {
 public:
  explicit OpenRequests(std::vector<RequestSummary> open);
  const RequestSummary* find(int64_t id) const;
  void put(const RequestSummary& r);  // adds or replaces
  void erase(int64_t id);
  size_t size() const { return all_.size(); }

  // The next request above / below number id for which ok(r) holds.
  template <typename Ok>
  const RequestSummary* above(int64_t id, Ok&& ok) const;
  template <typename Ok>
  const RequestSummary* below(int64_t id, Ok&& ok) const;

 private:
  size_t lower(int64_t id) const;
  std::vector<RequestSummary> all_;
};

// Lowered title and details of a request, for word filters.
struct Texts {
  std::string_view title, details;
};

// What a new request does to a full list that ends at `floor`, for suppliers
// of one branch group without traces: most suppliers share it, so a post
// works it out once per group instead of once per supplier.
struct PostStep {
  int64_t floor = 0;
  bool all_categories = true;
  char category_a = 0, category_b = 0;
  uint64_t requests = 0, reactions = 0;  // added to the sums
  const RequestSummary* next = nullptr;  // the list's new oldest request
};
using PostSteps = std::vector<PostStep>;

class SupplierMarks {
 public:
  // The marks of a list read whole from the store.
  static SupplierMarks from(SupplierWindow w);

  uint64_t requests() const { return tv_; }
  uint64_t reactions() const { return tr_; }

  // Each returns false when the marks cannot follow and must be worked out again.
  bool posted(const RequestSummary& r, Texts t, const OpenRequests& open, PostSteps& steps);
  // A change of the request's texts (new), or its closing (closed, already out of open).
  bool changed(const RequestSummary& old, const RequestSummary& now, Texts t, bool closed,
               const OpenRequests& open);
  // The reaction count of a request moved (someone else's reaction or deletion).
  void counted(const RequestSummary& old, const RequestSummary& now, const OpenRequests& open);
  // This supplier's own traces on a request changed (its reaction, the customer's answer).
  void traced(const RequestSummary& old, const RequestSummary& now, const Trace& trace,
              const OpenRequests& open);

 private:
  const Trace* trace_of(int64_t request) const;
  bool admits(const RequestSummary& r) const;  // rules and hiding, not the words
  bool lists(const RequestSummary& r) const;
  void add(const RequestSummary& r, int sign);
  bool enter(const RequestSummary& r, const OpenRequests& open);
  bool leave(const RequestSummary& r, const OpenRequests& open);
  bool drop_oldest(const OpenRequests& open);
  bool shared_step(const RequestSummary& r, const OpenRequests& open, PostSteps& steps);

  // Suppliers with word filters keep their words and listed numbers (ascending).
  struct Filtered {
    WordFilter words;
    std::vector<int64_t> listed;
  };

  // A post walks every supplier: the state is kept small and flat.
  uint64_t tv_ = 0, tr_ = 0;
  int64_t floor_ = 0;  // number of the oldest listed request; 0 while the list is empty
  int32_t count_ = 0;
  Reach reach_;
  std::vector<Trace> traces_;  // ordered by request
  std::unique_ptr<Filtered> filtered_;
};

template <typename Ok>
const RequestSummary* OpenRequests::above(int64_t id, Ok&& ok) const {
  for (size_t i = lower(id + 1); i < all_.size(); ++i)
    if (ok(all_[i])) return &all_[i];
  return nullptr;
}

template <typename Ok>
const RequestSummary* OpenRequests::below(int64_t id, Ok&& ok) const {
  for (size_t i = lower(id); i-- > 0;)
    if (ok(all_[i])) return &all_[i];
  return nullptr;
}

}  // namespace plixsrv
