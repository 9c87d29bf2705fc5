#include "mark_book.h"

namespace plixsrv {

template <typename F>
void MarkBook::each(F&& f) {
  // One shard at a time, so a poll waits at most for one shard's share.
  for (auto& s : shards_) {
    std::lock_guard lock(s.mu);
    for (auto it = s.marks.begin(); it != s.marks.end();) {
      if (f(it->first, it->second)) ++it;
      else it = s.marks.erase(it);
    }
  }
}

std::optional<MarkPair> MarkBook::find(int64_t supplier) {
  Shard& s = shard(supplier);
  std::lock_guard lock(s.mu);
  auto it = s.marks.find(supplier);
  if (it == s.marks.end()) return std::nullopt;
  return MarkPair{it->second.requests(), it->second.reactions()};
}

MarkPair MarkBook::settle(int64_t supplier, SupplierWindow w, uint64_t read_at) {
  SupplierMarks m = SupplierMarks::from(std::move(w));
  MarkPair pair{m.requests(), m.reactions()};
  Shard& s = shard(supplier);
  std::lock_guard lock(s.mu);
  // Checked under the shard's lock: a write that starts later finds these
  // marks there and moves them along.
  if (read_at % 2 == 0 && version() == read_at) s.marks.insert_or_assign(supplier, std::move(m));
  return pair;
}

void MarkBook::posted(const RequestAfter& r) {
  open_.put(r.summary);
  Texts t{r.title, r.details};
  each([&](int64_t, SupplierMarks& m) { return m.posted(r.summary, t, open_); });
}

void MarkBook::changed(const RequestAfter& r) {
  const RequestSummary* was = open_.find(r.summary.id);
  if (!was) return;  // closed before: on no list
  RequestSummary old = *was;
  if (r.closed) open_.erase(old.id);
  else open_.put(r.summary);
  Texts t{r.title, r.details};
  each([&](int64_t, SupplierMarks& m) { return m.changed(old, r.summary, t, r.closed, open_); });
}

void MarkBook::traced(int64_t supplier, const TraceAfter& t, bool counts_moved) {
  const RequestSummary* was = open_.find(t.summary.id);
  RequestSummary old = was ? *was : t.summary;
  if (was) open_.put(t.summary);
  if (counts_moved && was) {
    each([&](int64_t id, SupplierMarks& m) {
      if (id == supplier) m.traced(old, t.summary, t.trace, open_);
      else m.counted(old, t.summary, open_);
      return true;
    });
    return;
  }
  Shard& s = shard(supplier);
  std::lock_guard lock(s.mu);
  auto it = s.marks.find(supplier);
  if (it != s.marks.end()) it->second.traced(old, t.summary, t.trace, open_);
}

void MarkBook::counted(const std::vector<RequestSummary>& now) {
  for (const auto& r : now) {
    const RequestSummary* was = open_.find(r.id);
    if (!was) continue;
    RequestSummary old = *was;
    open_.put(r);
    each([&](int64_t, SupplierMarks& m) {
      m.counted(old, r, open_);
      return true;
    });
  }
}

void MarkBook::forget(int64_t supplier) {
  Shard& s = shard(supplier);
  std::lock_guard lock(s.mu);
  s.marks.erase(supplier);
}

size_t MarkBook::suppliers() {
  size_t n = 0;
  for (auto& s : shards_) {
    std::lock_guard lock(s.mu);
    n += s.marks.size();
  }
  return n;
}

}  // namespace plixsrv
