#include "market_types.h"

#include <chrono>

namespace plixsrv {

std::vector<std::string> split_fields(const std::string& joined, size_t count) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos <= joined.size() && !joined.empty()) {
    size_t d = joined.find('\x1f', pos);
    out.push_back(joined.substr(pos, d == std::string::npos ? std::string::npos : d - pos));
    if (d == std::string::npos) break;
    pos = d + 1;
  }
  out.resize(count);
  return out;
}

std::string join_fields(const std::vector<std::string>& fields) {
  std::string out;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) out += '\x1f';
    out += fields[i];
  }
  return out;
}

int64_t now_seconds() {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace plixsrv
