#include "bench_data.h"

#include "market.h"
#include "secrets.h"

namespace plixsrv {

namespace {
const char* const kTitles[] = {"Need 40 m2 oak flooring", "Roof repair after storm",
                               "20 office chairs",        "Catering for 60 guests",
                               "Man with van, Saturday",  "Garden fence, 35 metres",
                               "Printer lease for office", "Bathroom renovation"};
const char* const kBranches[] = {"A01", "B02", "C01", "D01", "E02", "F01"};
constexpr int64_t kSpan = 60 * 86400;
}  // namespace

BenchData seed_bench(Market& m, int suppliers, int requests) {
  BenchData d;
  // One hash for all benchmark suppliers: hashing 100,000 passwords would take hours.
  const std::string hash = hash_password("bench");
  for (int i = 0; i < suppliers; ++i) {
    int64_t id = d.first_id + i;
    if (m.supplier_exists(id)) continue;
    std::vector<std::string> record(31);
    record[0] = "Bench supplier " + std::to_string(i);
    record[10] = i % 4 == 2 ? "A01" : "";
    record[15] = "bench" + std::to_string(id);
    m.register_supplier(record, id, &hash);
    if (i % d.filtered_every == 1) m.set_filters(id, "", d.narrow_word);
  }
  auto ids = m.supplier_ids();
  int64_t have = 0;
  if (!ids.empty()) have = static_cast<int64_t>(m.request_list(ids.front()).size());
  if (have >= kMaxListed || have >= requests) return d;  // seeded before
  int64_t start = now_seconds() - kSpan;
  for (int j = 0; j < requests; ++j) {
    NewRequest n;
    n.title = std::string(kTitles[j % 8]) + " " + std::to_string(j + 1);
    n.details = j % 500 == 7 ? "Walnut veneer, laid and finished." : "Laid and finished, in May.";
    n.place = "Utrecht";
    n.country = 2;
    n.branch = j % 2 ? kBranches[j % 6] : "";
    n.posted_at = start + kSpan * j / requests;
    m.post_request(n);
  }
  return d;
}

}  // namespace plixsrv
