#include "word_filter.h"

#include "text/cp1252.h"

namespace plixsrv {

namespace {
std::vector<std::string> word_list(std::string_view text) {
  std::vector<std::string> words;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t comma = text.find(',', pos);
    std::string_view w = text.substr(pos, comma == std::string_view::npos ? text.npos : comma - pos);
    size_t b = w.find_first_not_of(" \t");
    if (b != std::string_view::npos)
      words.push_back(plix::lower1252(w.substr(b, w.find_last_not_of(" \t") - b + 1)));
    if (comma == std::string_view::npos) break;
    pos = comma + 1;
  }
  return words;
}

bool mentions(std::string_view title, std::string_view details, const std::string& word) {
  return title.find(word) != std::string_view::npos || details.find(word) != std::string_view::npos;
}

// Each word is one phrase of the trigram index: an exact substring match.
std::string any_of(const std::vector<std::string>& words) {
  std::string q;
  for (const auto& w : words) {
    if (w.size() < kIndexedWordLength) continue;
    if (!q.empty()) q += " OR ";
    q += '"';
    for (char c : index_text(w)) {
      if (c == '"') q += '"';
      q += c;
    }
    q += '"';
  }
  return q;
}
}  // namespace

WordFilter WordFilter::parse(const std::string& block_text, const std::string& pass_text) {
  return WordFilter{word_list(block_text), word_list(pass_text)};
}

bool WordFilter::passes(std::string_view title, std::string_view details) const {
  for (const auto& w : block)
    if (mentions(title, details, w)) return false;
  if (pass.empty()) return true;
  for (const auto& w : pass)
    if (mentions(title, details, w)) return true;
  return false;
}

bool WordFilter::needs_text_check() const {
  for (const auto* list : {&block, &pass})
    for (const auto& w : *list)
      if (w.size() < kIndexedWordLength) return true;
  return false;
}

std::string WordFilter::pass_query() const {
  for (const auto& w : pass)
    if (w.size() < kIndexedWordLength) return {};  // a short pass word: only the text check knows
  return any_of(pass);
}

std::string WordFilter::block_query() const { return any_of(block); }

std::string index_text(std::string_view text) {
  return plix::cp1252ToUtf8(plix::lower1252(text));
}

}  // namespace plixsrv
