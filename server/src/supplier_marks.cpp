#include "supplier_marks.h"

#include <algorithm>

#include "mark_hash.h"

namespace plixsrv {

OpenRequests::OpenRequests(std::vector<RequestSummary> open) : all_(std::move(open)) {
  std::sort(all_.begin(), all_.end(), [](auto& a, auto& b) { return a.id < b.id; });
}

size_t OpenRequests::lower(int64_t id) const {
  return static_cast<size_t>(
      std::lower_bound(all_.begin(), all_.end(), id, [](auto& r, int64_t v) { return r.id < v; }) -
      all_.begin());
}

const RequestSummary* OpenRequests::find(int64_t id) const {
  size_t i = lower(id);
  return i < all_.size() && all_[i].id == id ? &all_[i] : nullptr;
}

void OpenRequests::put(const RequestSummary& r) {
  if (all_.empty() || all_.back().id < r.id) return all_.push_back(r);  // the usual case
  size_t i = lower(r.id);
  if (i < all_.size() && all_[i].id == r.id) all_[i] = r;
  else all_.insert(all_.begin() + static_cast<std::ptrdiff_t>(i), r);
}

void OpenRequests::erase(int64_t id) {
  size_t i = lower(id);
  if (i < all_.size() && all_[i].id == id) all_.erase(all_.begin() + static_cast<std::ptrdiff_t>(i));
}

SupplierMarks SupplierMarks::from(SupplierWindow w) {
  SupplierMarks m;
  m.reach_ = w.rules;
  m.traces_ = std::move(w.traces);
  if (!w.rules.words.empty()) m.filtered_ = std::make_unique<Filtered>(Filtered{std::move(w.rules.words), {}});
  for (const auto& item : w.listed) {  // newest first
    const RequestSummary& r = item.summary;
    m.tv_ += listed_hash(r.content_hash, std::max(r.changed_seq, item.trace.answer_seq));
    m.tr_ += reaction_hash(r.id, r.reactions, item.trace.own);
    ++m.count_;
    m.floor_ = r.id;
    if (m.filtered_) m.filtered_->listed.push_back(r.id);
  }
  if (m.filtered_) std::reverse(m.filtered_->listed.begin(), m.filtered_->listed.end());
  return m;
}

const Trace* SupplierMarks::trace_of(int64_t request) const {
  auto it = std::lower_bound(traces_.begin(), traces_.end(), request,
                             [](const Trace& t, int64_t v) { return t.request < v; });
  return it != traces_.end() && it->request == request ? &*it : nullptr;
}

bool SupplierMarks::admits(const RequestSummary& r) const {
  if (!reach_.admits(r)) return false;
  const Trace* t = traces_.empty() ? nullptr : trace_of(r.id);
  return !(t && t->hidden);
}

bool SupplierMarks::lists(const RequestSummary& r) const {
  if (filtered_) return std::binary_search(filtered_->listed.begin(), filtered_->listed.end(), r.id);
  return admits(r) && (count_ < kMaxListed || r.id >= floor_);
}

void SupplierMarks::add(const RequestSummary& r, int sign) {
  const Trace* t = traces_.empty() ? nullptr : trace_of(r.id);
  uint64_t v = listed_hash(r.content_hash, std::max(r.changed_seq, t ? t->answer_seq : 0));
  uint64_t c = reaction_hash(r.id, r.reactions, t ? t->own : 0);
  if (sign > 0) {
    tv_ += v;
    tr_ += c;
  } else {
    tv_ -= v;
    tr_ -= c;
  }
}

bool SupplierMarks::enter(const RequestSummary& r, const OpenRequests& open) {
  add(r, +1);
  ++count_;
  if (filtered_) {
    auto& l = filtered_->listed;
    l.insert(std::upper_bound(l.begin(), l.end(), r.id), r.id);
  }
  floor_ = count_ == 1 ? r.id : std::min(floor_, r.id);
  return count_ > kMaxListed ? drop_oldest(open) : true;
}

bool SupplierMarks::drop_oldest(const OpenRequests& open) {
  const RequestSummary* oldest = open.find(floor_);
  if (!oldest) return false;
  add(*oldest, -1);
  --count_;
  if (filtered_) {
    auto& l = filtered_->listed;
    l.erase(l.begin());
    floor_ = l.front();
    return true;
  }
  const RequestSummary* next = open.above(floor_, [&](auto& r) { return admits(r); });
  if (!next) return false;
  floor_ = next->id;
  return true;
}

bool SupplierMarks::leave(const RequestSummary& r, const OpenRequests& open) {
  add(r, -1);
  bool was_full = count_ == kMaxListed;
  --count_;
  if (filtered_) {
    auto& l = filtered_->listed;
    l.erase(std::lower_bound(l.begin(), l.end(), r.id));
    if (was_full) return false;  // the request to move up is known only by its texts
    floor_ = l.empty() ? 0 : l.front();
    return true;
  }
  if (was_full) {
    if (const RequestSummary* up = open.below(floor_, [&](auto& x) { return admits(x); })) {
      add(*up, +1);
      ++count_;
      floor_ = up->id;
      return true;
    }
  }
  if (count_ == 0) {
    floor_ = 0;
  } else if (r.id == floor_) {
    const RequestSummary* next = open.above(r.id, [&](auto& x) { return admits(x); });
    if (!next) return false;
    floor_ = next->id;
  }
  return true;
}

bool SupplierMarks::posted(const RequestSummary& r, Texts t, const OpenRequests& open,
                           PostSteps& steps) {
  if (!admits(r)) return true;
  if (filtered_ && !filtered_->words.passes(t.title, t.details)) return true;
  if (count_ >= kMaxListed && r.id < floor_) return true;
  if (shared_step(r, open, steps)) return true;
  return enter(r, open);
}

bool SupplierMarks::shared_step(const RequestSummary& r, const OpenRequests& open,
                                PostSteps& steps) {
  if (filtered_ || !traces_.empty() || count_ != kMaxListed) return false;
  const Reach& g = reach_;
  PostStep* step = nullptr;
  for (auto& s : steps)
    if (s.floor == floor_ && s.all_categories == g.all_categories && s.category_a == g.category_a &&
        s.category_b == g.category_b)
      step = &s;
  if (!step) {
    const RequestSummary* oldest = open.find(floor_);
    if (!oldest) return false;
    PostStep s{floor_, g.all_categories, g.category_a, g.category_b};
    s.requests = listed_hash(r.content_hash, r.changed_seq) -
                 listed_hash(oldest->content_hash, oldest->changed_seq);
    s.reactions = reaction_hash(r.id, r.reactions, 0) -
                  reaction_hash(oldest->id, oldest->reactions, 0);
    // The branch group alone: what a supplier's horizon adds is checked below.
    Reach group = g;
    group.purge_before = 0;
    s.next = open.above(floor_, [&](auto& x) { return group.admits(x); });
    steps.push_back(s);
    step = &steps.back();
  }
  // Requests between the old and the new end failed the branch rule, as for
  // every supplier of the group; the new end must also be within the horizon.
  if (!step->next || step->next->posted_at < g.purge_before) return false;
  tv_ += step->requests;
  tr_ += step->reactions;
  floor_ = step->next->id;
  return true;
}

bool SupplierMarks::changed(const RequestSummary& old, const RequestSummary& now, Texts t,
                            bool closed, const OpenRequests& open) {
  bool was = lists(old);
  if (closed) return was ? leave(old, open) : true;
  bool passes = admits(now) && (!filtered_ || filtered_->words.passes(t.title, t.details));
  if (was && passes) {
    add(old, -1);
    add(now, +1);
    return true;
  }
  if (was) return leave(old, open);
  if (passes && (count_ < kMaxListed || now.id > floor_)) return enter(now, open);
  return true;
}

void SupplierMarks::counted(const RequestSummary& old, const RequestSummary& now,
                            const OpenRequests&) {
  if (!lists(old)) return;
  add(old, -1);
  add(now, +1);
}

void SupplierMarks::traced(const RequestSummary& old, const RequestSummary& now,
                           const Trace& trace, const OpenRequests& open) {
  bool was = open.find(old.id) && lists(old);
  if (was) add(old, -1);
  auto it = std::lower_bound(traces_.begin(), traces_.end(), trace.request,
                             [](const Trace& t, int64_t v) { return t.request < v; });
  if (it != traces_.end() && it->request == trace.request) *it = trace;
  else traces_.insert(it, trace);
  if (was) add(now, +1);
}

}  // namespace plixsrv
