// Reading the query part of a request: percent-decoding, size limits, item lists.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plixsrv {

struct Query {
  std::vector<std::pair<std::string, std::string>> params;  // decoded, in the order sent
  // First value of a parameter, or nullptr when it was not sent.
  const std::string* get(std::string_view name) const;
};

struct QueryResult {
  bool ok = false;
  Query query;
  std::string error;  // plain sentence for the error page
};


// Splits "A=1&B=2" (no leading "?"). A parameter named TXT takes the whole
// rest of the query, so a reaction holding a raw "&" stays whole. Values longer
// than the limit for their name are refused.
QueryResult parse_query(std::string_view raw);
size_t value_limit(std::string_view name);

// "<a><b><c>" -> {"a","b","c"}; nullopt when the text is not such a list.
std::optional<std::vector<std::string>> parse_item_list(std::string_view text);

// A supplier or request number: decimal digits only, 1..15 of them, above 0.
std::optional<int64_t> parse_number(std::string_view text);

}  // namespace plixsrv
