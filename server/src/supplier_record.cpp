#include "supplier_record.h"

#include "market_types.h"

namespace plixsrv {

std::string trim(std::string s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

std::vector<std::string> clean_items(std::vector<std::string> items) {
  items.resize(kRecordItems);
  for (auto& s : items)
    for (auto& c : s)
      if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return items;
}

void check_passwords(const std::vector<std::string>& items) {
  if (items.size() > kPasswordAgain && !items[kPasswordAgain].empty() &&
      items[kPasswordAgain] != items[kPassword])
    throw Refused(400, "The two passwords differ; nothing was stored.");
}

}  // namespace plixsrv
