// Word filters answered by the full-text index give what the text rules give:
// case ignored with the Windows-1252 letters, a word found anywhere in the
// title or the details, short words and the index's own syntax included.
#include <random>

#include "test_server.h"
#include "text/cp1252.h"

namespace {
std::vector<std::string> split(const std::string& list) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos <= list.size()) {
    size_t comma = std::min(list.find(',', pos), list.size());
    std::string w = list.substr(pos, comma - pos);
    size_t b = w.find_first_not_of(' ');  // blanks around a word do not count
    if (b != std::string::npos) out.push_back(w.substr(b, w.find_last_not_of(' ') - b + 1));
    pos = comma + 1;
  }
  return out;
}

bool mentions(const plixsrv::NewRequest& r, const std::string& word) {
  return plix::findNoCase(r.title, word) != std::string::npos ||
         plix::findNoCase(r.details, word) != std::string::npos;
}

// The list as the text rules make it, newest first.
std::vector<int64_t> expected(const std::vector<std::pair<int64_t, plixsrv::NewRequest>>& posted,
                              const std::string& block, const std::string& pass) {
  std::vector<int64_t> out;
  for (auto it = posted.rbegin(); it != posted.rend(); ++it) {
    bool ok = true;
    for (const auto& w : split(block)) ok = ok && !mentions(it->second, w);
    if (!split(pass).empty()) {
      bool any = false;
      for (const auto& w : split(pass)) any = any || mentions(it->second, w);
      ok = ok && any;
    }
    if (ok) out.push_back(it->first);
  }
  return out;
}
}  // namespace

TEST_F(ServerTest, IndexedWordFiltersAnswerAsTheTextRulesDo) {
  auto& m = *market_;
  int64_t s = m.register_supplier(std::vector<std::string>(31));
  // Letters that differ only in case or accent, the index's syntax, a blank.
  const std::vector<std::string> letters{"a", "A", "\xe7", "\xc7", "\xe8", "\xc8", "\xe9", "\xc9",
                                         "\xdf", "\xff", "\x9f", "\x9c", "\x8c", "\x9a", "\x8a",
                                         " ", "\"", "*", "(", "-", ":"};
  std::mt19937 rnd(16);
  auto text = [&](size_t n) {
    std::string t;
    while (t.size() < n) t += letters[rnd() % letters.size()];
    return t;
  };
  std::vector<std::pair<int64_t, plixsrv::NewRequest>> posted;
  for (int i = 0; i < 120; ++i) {
    plixsrv::NewRequest r;
    r.title = "T" + text(8);
    r.details = text(12);
    posted.emplace_back(m.post_request(r), r);
  }
  std::vector<std::pair<std::string, std::string>> filters{
      {"", "fa\xe7"}, {"", "\"a\" OR *"}, {"", "near(a"}, {"\xe8", ""}, {"", "\xe7" "a,\xc8"}};
  for (int i = 0; i < 60; ++i) filters.push_back({rnd() % 2 ? text(1 + rnd() % 4) : "", text(1 + rnd() % 4)});
  for (const auto& [block, pass] : filters) {
    SCOPED_TRACE("block <" + block + "> pass <" + pass + ">");
    m.set_filters(s, block, pass);
    std::vector<int64_t> got;
    for (const auto& e : m.request_list(s)) got.push_back(e.number);
    ASSERT_EQ(got, expected(posted, block, pass));
  }
}
