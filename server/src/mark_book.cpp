#include "mark_book.h"

#include <algorithm>
#include <climits>

namespace plixsrv {

SupplierMarks* MarkBook::Shard::find(int64_t id) {
  auto it = index.find(id);
  return it == index.end() ? nullptr : &marks[it->second];
}

void MarkBook::Shard::put(int64_t id, SupplierMarks m) {
  if (SupplierMarks* have = find(id)) {
    *have = std::move(m);
    return;
  }
  index[id] = static_cast<uint32_t>(marks.size());
  marks.push_back(std::move(m));
  ids.push_back(id);
}

void MarkBook::Shard::erase_at(size_t i) {
  index.erase(ids[i]);
  if (i + 1 != marks.size()) {
    marks[i] = std::move(marks.back());
    ids[i] = ids.back();
    index[ids[i]] = static_cast<uint32_t>(i);
  }
  marks.pop_back();
  ids.pop_back();
}

void MarkBook::Shard::erase(int64_t id) {
  auto it = index.find(id);
  if (it != index.end()) erase_at(it->second);
}

template <typename F>
void MarkBook::each(F&& f) {
  // One shard at a time, so a poll waits at most for one shard's share.
  for (auto& s : shards_) {
    std::lock_guard lock(s.mu);
    for (size_t i = 0; i < s.marks.size();) {
      if (f(s.ids[i], s.marks[i])) ++i;
      else s.erase_at(i);
    }
  }
}

std::optional<MarkPair> MarkBook::find(int64_t supplier) {
  Shard& s = shard(supplier);
  std::lock_guard lock(s.mu);
  SupplierMarks* m = s.find(supplier);
  if (!m) return std::nullopt;
  return MarkPair{m->requests(), m->reactions()};
}

MarkPair MarkBook::settle(int64_t supplier, SupplierWindow w, uint64_t read_at) {
  SupplierMarks m = SupplierMarks::from(std::move(w));
  MarkPair pair{m.requests(), m.reactions()};
  Shard& s = shard(supplier);
  std::lock_guard lock(s.mu);
  // Checked under the shard's lock: a write that starts later finds these
  // marks there and moves them along.
  if (read_at % 2 == 0 && version() == read_at) s.put(supplier, std::move(m));
  return pair;
}

std::optional<MarkPair> MarkBook::settle_shared(int64_t supplier, SupplierWindow& w,
                                                uint64_t read_at, const Lister& list) {
  const ListRules& r = w.rules;
  if (read_at % 2 != 0 || !r.words.empty()) return std::nullopt;
  {
    std::lock_guard lock(shared_mu_);
    Shared& sh = shared_[{r.all_categories, r.category_a, r.category_b}];
    if (sh.version != read_at) {
      ListRules group = r;
      group.purge_before = 0;
      sh.listed = list(group);
      sh.version = read_at;
      sh.oldest_posting = INT64_MAX;
      for (const auto& item : sh.listed)
        sh.oldest_posting = std::min(sh.oldest_posting, item.summary.posted_at);
    }
    if (version() != read_at || sh.listed.empty()) return std::nullopt;
    // Hidden or answered requests and the supplier's own reactions below the
    // list's end, and a horizon before its oldest posting, change nothing in it.
    if (!w.traces.empty() && w.traces.back().request >= sh.listed.back().summary.id)
      return std::nullopt;
    if (r.purge_before > sh.oldest_posting) return std::nullopt;
    w.listed = sh.listed;
  }
  return settle(supplier, std::move(w), read_at);
}

void MarkBook::posted(const RequestAfter& r) {
  open_.put(r.summary);
  Texts t{r.title, r.details};
  PostSteps steps;
  each([&](int64_t, SupplierMarks& m) { return m.posted(r.summary, t, open_, steps); });
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
  if (SupplierMarks* m = s.find(supplier)) m->traced(old, t.summary, t.trace, open_);
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
  s.erase(supplier);
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
