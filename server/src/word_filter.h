// A supplier's word filters: comma-separated block and pass words, matched
// case-insensitively (Windows-1252 letters included) anywhere in a request's
// title or details. A block word hides the request; when pass words are
// given, one must occur.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace plixsrv {

// Words shorter than this cannot be looked up in the trigram index.
constexpr size_t kIndexedWordLength = 3;

struct WordFilter {
  std::vector<std::string> block, pass;  // lowered, blanks around them dropped

  static WordFilter parse(const std::string& block_text, const std::string& pass_text);
  bool empty() const { return block.empty() && pass.empty(); }
  // The rule itself, on texts already lowered with lower1252.
  bool passes(std::string_view lowered_title, std::string_view lowered_details) const;
  // Some word is too short for the index, so the texts must be checked by passes().
  bool needs_text_check() const;
  // Full-text queries for the index: the pass words when all of them can be
  // looked up, the block words that can be; empty when there is none.
  std::string pass_query() const;
  std::string block_query() const;
};

// A title or details text as the full-text index holds it: lowered with the
// Windows-1252 rules, then in UTF-8, because the index reads UTF-8 (the raw
// accented bytes would be read as broken sequences and confused).
std::string index_text(std::string_view text);

}  // namespace plixsrv
