#include "web_input.h"

#include "text/cp1252.h"

namespace plixsrv {

namespace {
std::string cleaned(std::string_view cp1252, bool multiline) {
  std::string out;
  out.reserve(cp1252.size());
  for (size_t i = 0; i < cp1252.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(cp1252[i]);
    if (c == '\r') {
      if (i + 1 < cp1252.size() && cp1252[i + 1] == '\n') continue;  // CR LF: keep the LF
      c = '\n';
    }
    if (c == '\n') {
      out += multiline ? '\n' : ' ';
    } else if (c == '\t') {
      out += ' ';
    } else if (c >= 0x20 && c != 0x7f) {
      out += static_cast<char>(c);
    }
  }
  size_t b = out.find_first_not_of(" \n");
  if (b == std::string::npos) return {};
  return out.substr(b, out.find_last_not_of(" \n") - b + 1);
}
}  // namespace

std::string web_text(const nlohmann::json& body, const TextRule& rule) {
  auto it = body.find(rule.field);
  std::string text;
  if (it != body.end() && !it->is_null()) {
    if (!it->is_string())
      throw WebRefusal(400, "bad_field", std::string(rule.field) + " must be text", rule.field);
    text = cleaned(plix::utf8ToCp1252(it->get_ref<const std::string&>()), rule.multiline);
  }
  if (text.empty() && rule.required)
    throw WebRefusal(400, "missing", std::string(rule.field) + " is missing", rule.field);
  if (text.size() > rule.limit)
    throw WebRefusal(400, "too_long",
                     std::string(rule.field) + " is longer than " + std::to_string(rule.limit) +
                         " characters",
                     rule.field, rule.limit);
  return text;
}

int64_t web_number(const nlohmann::json& body, const char* field) {
  auto it = body.find(field);
  if (it == body.end() || !it->is_number_integer())
    throw WebRefusal(400, "bad_field", std::string(field) + " must be a whole number", field);
  return it->get<int64_t>();
}

bool plausible_email(const std::string& email) {
  size_t at = email.find('@');
  if (at == std::string::npos || at == 0 || email.find('@', at + 1) != std::string::npos)
    return false;
  size_t dot = email.find('.', at + 2);
  if (dot == std::string::npos || dot + 1 >= email.size()) return false;
  return email.find_first_of(" <>()[],;:\"\\") == std::string::npos;
}

}  // namespace plixsrv
