// The desktop's reply-cutting rules, written out plainly (1-based positions,
// 0 = absent) so the tests read each reply exactly as the client will.
#pragma once
#include <string>
#include <vector>

namespace cuts {

// Position of needle in hay from 1-based start, 1-based; 0 when absent.
inline size_t instr(const std::string& hay, const std::string& needle, size_t start = 1) {
  if (start == 0 || start > hay.size() + 1) return 0;
  auto p = hay.find(needle, start - 1);
  return p == std::string::npos ? 0 : p + 1;
}
// Characters from 1-based position p on (Mid$ without length).
inline std::string mid(const std::string& s, size_t p) { return p - 1 >= s.size() ? "" : s.substr(p - 1); }
inline std::string mid(const std::string& s, size_t p, long n) {
  if (n <= 0 || p - 1 >= s.size()) return "";
  return s.substr(p - 1, static_cast<size_t>(n));
}
// Leading-number rule: blanks skipped, digits (sign, point) taken, none gives 0.
inline double value(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  size_t b = i;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  while (i < s.size() && ((s[i] >= '0' && s[i] <= '9') || s[i] == '.')) ++i;
  try {
    return i > b ? std::stod(s.substr(b, i - b)) : 0;
  } catch (...) {
    return 0;
  }
}

struct Record {
  std::string number, time, title, details, requester, status;
};

// Request list as the inbox reads it (six fields, four skipped characters, the
// loop end at 20 characters, "QEND" and its count).
struct RequestList {
  std::vector<Record> records;
  long held = 0;
};
inline RequestList request_list(const std::string& reply) {
  RequestList out;
  size_t c = instr(reply, "CNTRLCODE=02"), q = instr(reply, "QEND");
  out.held = static_cast<long>(value(mid(reply, q + 4)));
  if (static_cast<long>(q) - static_cast<long>(c) <= 20) return out;
  std::string s = mid(reply, c + 16);
  for (int guard = 0; guard < 1000; ++guard) {
    std::string f[6];
    size_t j6 = 0;
    for (int k = 0; k < 6; ++k) {
      size_t i = instr(s, "["), j = instr(s, "]");
      if (i == 0 || j == 0) return out;
      f[k] = mid(s, i + 1, static_cast<long>(j) - 2);
      if (k == 5) {
        j6 = j;
        s = mid(s, j + 1 + 4);
      } else {
        s = mid(s, j + 1);
      }
    }
    out.records.push_back({f[0], f[1], f[2], f[3], f[4], f[5]});
    if (static_cast<long>(instr(s, "QEND")) - static_cast<long>(j6) <= 20) break;
  }
  return out;
}

// Value after a marker up to the first "]" (change marks).
inline std::string mark(const std::string& reply, const std::string& marker) {
  size_t p = instr(reply, marker);
  if (p == 0) return "<absent>";
  std::string rest = mid(reply, p + marker.size());
  size_t e = instr(rest, "]");
  return e == 0 ? "" : mid(rest, 1, static_cast<long>(e) - 1);
}

// Conversation of the reactions window, with its loop end at "<br>QEND".
inline std::vector<std::string> conversation(const std::string& reply) {
  std::vector<std::string> fields;
  size_t p = instr(reply, "RNR");
  if (p == 0) return fields;
  std::string s = mid(reply, p);
  size_t b = instr(s, "<br>");
  if (b == 0) return fields;
  s = mid(s, b + 4);
  while (fields.size() < 257) {
    size_t i = instr(s, "["), j = instr(s, "]");
    if (i == 0 || j == 0) break;
    fields.push_back(mid(s, i + 1, static_cast<long>(j) - 2));
    s = mid(s, j + 1);
    if (static_cast<long>(instr(s, "<br>QEND")) - static_cast<long>(j) <= 3) break;
  }
  return fields;
}

// Fields as "text between a '[' and the next ']'", from the first "[" on.
inline std::vector<std::string> loose_fields(const std::string& reply) {
  std::vector<std::string> out;
  size_t pos = reply.find('[');
  while (pos != std::string::npos) {
    size_t e = reply.find(']', pos);
    if (e == std::string::npos) break;
    out.push_back(reply.substr(pos + 1, e - pos - 1));
    pos = reply.find('[', e);
  }
  return out;
}

// Offers overview: 13 fields per record, next record while "QEND" stands
// further than 10 characters into the rest.
inline std::vector<std::vector<std::string>> offers(const std::string& reply) {
  std::vector<std::vector<std::string>> out;
  size_t first = reply.find('[');
  if (first == std::string::npos) return out;
  std::string rest = reply.substr(first);
  for (int guard = 0; guard < 1000; ++guard) {
    std::vector<std::string> rec;
    for (int k = 0; k < 13; ++k) {
      size_t o = rest.find('[');
      if (o == std::string::npos) return out;
      rest = rest.substr(o + 1);
      size_t e = rest.find(']');
      if (e == std::string::npos) return out;
      rec.push_back(rest.substr(0, e));
      rest = rest.substr(e + 1);
    }
    out.push_back(rec);
    if (instr(rest, "QEND") <= 10) break;
  }
  return out;
}

// Reaction counts: pairs read by row, one character dropped after each pair.
inline std::vector<long> counts(const std::string& reply) {
  std::vector<long> out;
  size_t first = reply.find('[');
  if (first == std::string::npos) return out;
  std::string s = reply.substr(first);
  for (int row = 0; row < 10; ++row) {
    size_t a = s.find(']');
    if (a == std::string::npos) break;
    s = s.substr(a);
    size_t o = s.find('[');
    if (o == std::string::npos) break;
    s = s.substr(o + 1);
    size_t e = s.find(']');
    if (e == std::string::npos) break;
    out.push_back(static_cast<long>(value(s.substr(0, e))));
    s = e + 2 <= s.size() ? s.substr(e + 2) : "";
  }
  return out;
}

// "<br>"-ended values after a marker and a number of skipped characters.
inline std::vector<std::string> br_values(const std::string& reply, const std::string& marker,
                                          size_t skip, size_t count) {
  std::vector<std::string> out;
  size_t p = instr(reply, marker);
  if (p == 0) return out;
  std::string s = mid(reply, p + skip);
  while (out.size() < count) {
    size_t b = instr(s, "<br>");
    if (b == 0) break;
    out.push_back(mid(s, 1, static_cast<long>(b) - 1));
    s = mid(s, b + 4);
  }
  return out;
}

}  // namespace cuts
