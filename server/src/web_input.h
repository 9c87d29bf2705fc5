// Reading what the customer pages send: UTF-8 JSON fields become the
// Windows-1252 texts the marketplace keeps, within the pages' own limits.
#pragma once
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

namespace plixsrv {

// A refusal the page can word in its own language: `code` names the case,
// `field` and `limit` fill in the sentence, `message` is the English text.
struct WebRefusal : std::runtime_error {
  WebRefusal(int st, std::string c, const std::string& message, std::string f = {}, size_t l = 0)
      : std::runtime_error(message), status(st), code(std::move(c)), field(std::move(f)), limit(l) {}
  int status;
  std::string code, field;
  size_t limit;
  int retry_after = 0;  // seconds, for a rate limit
};

struct TextRule {
  const char* field;
  size_t limit;            // characters after conversion
  bool required = false;
  bool multiline = false;  // one-line fields get blanks for line breaks
};

// The field as Windows-1252: control characters other than line breaks (and
// tabs, which become blanks) are dropped, line breaks are "\n", blanks around
// the text are trimmed. Refused (400) when missing but required, not a
// string, or longer than the limit.
std::string web_text(const nlohmann::json& body, const TextRule& rule);
// A whole number field; refused (400) when missing or of another type.
int64_t web_number(const nlohmann::json& body, const char* field);
// A loose check that catches typing slips, not a full address grammar.
bool plausible_email(const std::string& email);

// Limits of the pages' fields, also written as maxlength into the forms.
namespace web_limit {
constexpr size_t kTitle = 150;
constexpr size_t kDetails = 4000;
constexpr size_t kPlace = 80;
constexpr size_t kName = 80;
constexpr size_t kEmail = 120;
constexpr size_t kPhone = 40;
constexpr size_t kAnswer = 4000;
constexpr size_t kChatLine = 1000;
}  // namespace web_limit

}  // namespace plixsrv
