#include "list_rules.h"

#include "text/cp1252.h"

namespace plixsrv {

namespace {
char first_letter(const std::string& code) {
  size_t b = code.find_first_not_of(' ');
  return b == std::string::npos ? 0 : plix::lower1252(code[b]);
}
}  // namespace

char category_of(const std::string& branch) {
  return branch.empty() ? 0 : plix::lower1252(branch[0]);
}

ListRules ListRules::of(const std::string& branch1, const std::string& branch2,
                        int64_t purge_before, const std::string& block_words,
                        const std::string& pass_words) {
  ListRules r;
  r.category_a = first_letter(branch1);
  r.category_b = first_letter(branch2);
  r.all_categories = r.category_a == 0 && r.category_b == 0;
  r.purge_before = purge_before;
  r.words = WordFilter::parse(block_words, pass_words);
  return r;
}

}  // namespace plixsrv
