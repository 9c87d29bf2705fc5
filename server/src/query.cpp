#include "query.h"

#include "text/percent.h"

namespace plixsrv {

const std::string* Query::get(std::string_view name) const {
  for (const auto& [k, v] : params)
    if (k == name) return &v;
  return nullptr;
}

size_t value_limit(std::string_view name) {
  if (name == "TXT") return 4000;
  if (name == "CTR") return 4096;
  if (name == "C" || name == "D") return 1000;
  return 256;
}

QueryResult parse_query(std::string_view raw) {
  QueryResult r;
  size_t pos = 0;
  while (pos <= raw.size()) {
    size_t amp = raw.find('&', pos);
    size_t eq = raw.find('=', pos);
    std::string_view piece = raw.substr(pos, amp == std::string_view::npos ? raw.npos : amp - pos);
    std::string_view raw_name = piece;
    std::string_view raw_value;
    bool rest = false;
    if (eq != std::string_view::npos && eq < pos + piece.size()) {
      raw_name = raw.substr(pos, eq - pos);
      if (raw_name == "TXT") {  // the text runs to the end of the query
        raw_value = raw.substr(eq + 1);
        rest = true;
      } else {
        raw_value = piece.substr(eq - pos + 1);
      }
    }
    if (!raw_name.empty()) {
      auto name = plix::percentDecode(raw_name);
      auto value = plix::percentDecode(raw_value);
      if (!name || !value) {
        r.error = "Broken percent-encoding in the query.";
        return r;
      }
      if (value->size() > value_limit(*name)) {
        r.error = "The value of " + *name + " is too long (at most " +
                  std::to_string(value_limit(*name)) + " characters).";
        return r;
      }
      r.query.params.emplace_back(std::move(*name), std::move(*value));
    }
    if (rest || amp == std::string_view::npos) break;
    pos = amp + 1;
  }
  r.ok = true;
  return r;
}

std::optional<std::vector<std::string>> parse_item_list(std::string_view text) {
  std::vector<std::string> items;
  size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] != '<') return std::nullopt;
    size_t close = text.find('>', pos + 1);
    if (close == std::string_view::npos) return std::nullopt;
    items.emplace_back(text.substr(pos + 1, close - pos - 1));
    pos = close + 1;
  }
  return items;
}

std::optional<int64_t> parse_number(std::string_view text) {
  if (text.empty() || text.size() > 15) return std::nullopt;
  int64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v <= 0) return std::nullopt;
  return v;
}

}  // namespace plixsrv
