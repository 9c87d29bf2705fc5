// Which open requests a supplier's list holds, in terms that need no texts
// (the word filters aside): the branch category, the purge horizon, hiding.
#pragma once
#include <cstdint>
#include <string>

#include "word_filter.h"

namespace plixsrv {

// An open request as the change marks see it.
struct RequestSummary {
  int64_t id = 0;
  int64_t posted_at = 0;
  uint64_t content_hash = 0;
  int64_t changed_seq = 0;  // the request's own change sequence: posting, change, closing
  int64_t reactions = 0;    // reactions of all suppliers
  char category = 0;        // lowered first character of the branch code; 0 without one
};

// One supplier's own traces on one request.
struct Trace {
  int64_t request = 0;
  int64_t answer_seq = 0;  // the customer's last answer to this supplier
  int64_t own = 0;         // entries of this supplier's conversation
  bool hidden = false;
};

// The rules that need no texts: branch categories and the purge horizon.
struct Reach {
  bool all_categories = true;  // the supplier names no branch
  char category_a = 0, category_b = 0;
  int64_t purge_before = 0;    // requests posted earlier are purged for the supplier

  bool admits(const RequestSummary& r) const {
    if (r.posted_at < purge_before) return false;
    return all_categories || r.category == 0 || r.category == category_a ||
           r.category == category_b;
  }
};

struct ListRules : Reach {
  WordFilter words;

  // slots 10 and 11 of the supplier record are its branch codes.
  static ListRules of(const std::string& branch1, const std::string& branch2, int64_t purge_before,
                      const std::string& block_words, const std::string& pass_words);
};

// The category a branch code falls in: its first character, lowered; 0 without code.
char category_of(const std::string& branch);

}  // namespace plixsrv
