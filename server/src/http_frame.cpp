#include "http_frame.h"

namespace plixsrv {

namespace {
bool same_word(std::string_view a, std::string_view lower) {
  if (a.size() != lower.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char c = a[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lower[i]) return false;
  }
  return true;
}

std::string_view trimmed(std::string_view v) {
  while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.remove_prefix(1);
  while (!v.empty() && (v.back() == ' ' || v.back() == '\t')) v.remove_suffix(1);
  return v;
}

Frame refused(int status) {
  Frame f;
  f.kind = Frame::Refused;
  f.status = status;
  return f;
}
}  // namespace

Frame frame_request(std::string_view in, size_t max_head, size_t max_body) {
  size_t end = in.find("\r\n\r\n");
  if (end == std::string_view::npos || end + 4 > max_head) {
    if (in.size() < max_head) return Frame{};
    // A request line that never ends is a too long address, else the headers are too long.
    return refused(in.substr(0, max_head).find("\r\n") == std::string_view::npos ? 414 : 431);
  }
  size_t body = 0;
  bool expect = false;
  std::string_view head = in.substr(0, end);
  for (size_t pos = head.find("\r\n"); pos != std::string_view::npos;) {
    size_t next = head.find("\r\n", pos + 2);
    std::string_view line = head.substr(pos + 2, next == std::string_view::npos ? head.npos : next - pos - 2);
    pos = next;
    size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view name = line.substr(0, colon), value = trimmed(line.substr(colon + 1));
    if (same_word(name, "content-length")) {
      if (value.empty() || value.size() > 12) return refused(400);
      body = 0;
      for (char c : value) {
        if (c < '0' || c > '9') return refused(400);
        body = body * 10 + static_cast<size_t>(c - '0');
      }
      if (body > max_body) return refused(413);
    } else if (same_word(name, "transfer-encoding") && !same_word(value, "identity")) {
      return refused(501);  // chunked uploads: no client of ours sends them
    } else if (same_word(name, "expect") && same_word(value, "100-continue")) {
      expect = true;
    }
  }
  Frame f;
  if (in.size() - (end + 4) < body) {
    f.awaits_continue = expect;
    return f;
  }
  f.kind = Frame::Complete;
  f.length = end + 4 + body;
  return f;
}

}  // namespace plixsrv
