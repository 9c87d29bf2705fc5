// Readers for the replies whose desktop parser is not a callable function
// (the inbox fills its window as it reads) or not written yet. Each is put
// together from the desktop's own cutting rules in desk/net/reply.h, so a
// change in those rules shows up here too.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "desk/core/number.h"
#include "desk/net/reply.h"

namespace cuts {

struct Record {
  std::string number, time, title, details, requester, status;
};

// Request list as the inbox reads it (six fields, four skipped characters, the
// loop end at 20 characters, "QEND" and its count).
struct RequestList {
  std::vector<Record> records;
  long held = 0;
};
inline RequestList request_list(std::string_view reply) {
  RequestList out;
  const long c = static_cast<long>(plix::markerPos(reply, "CNTRLCODE=02"));
  const long q = static_cast<long>(plix::markerPos(reply, "QEND"));
  if (q != 0) out.held = static_cast<long>(plix::numberAfter(reply, "QEND"));
  if (q - c <= 20) return out;
  plix::ReplyCursor s(plix::listStart(reply, "CNTRLCODE=02", 4));
  for (int guard = 0; guard < 1000; ++guard) {
    std::string_view f[6];
    long status_close = 0;
    for (int k = 0; k < 6; ++k) {
      if (k == 5) status_close = static_cast<long>(s.find("]"));
      if (!s.field(f[k])) return out;
    }
    out.records.push_back({std::string(f[0]), std::string(f[1]), std::string(f[2]),
                           std::string(f[3]), std::string(f[4]), std::string(f[5])});
    s.skip(4);
    if (static_cast<long>(s.find("QEND")) - status_close <= 20) break;
  }
  return out;
}

// Conversation of the reactions window: from the "<br>" after "RNR" on, with
// its loop end at "<br>QEND"; at most 257 fields.
inline std::vector<std::string> conversation(std::string_view reply) {
  std::vector<std::string> fields;
  const auto from_rnr = plix::afterMarker(reply, "RNR");
  if (!from_rnr) return fields;
  const auto body = plix::afterMarker(*from_rnr, "<br>");
  if (!body) return fields;
  plix::ReplyCursor s(*body);
  std::string_view f;
  while (fields.size() < 257) {
    const long close = static_cast<long>(s.find("]"));
    if (s.find("[") == 0 || !s.field(f)) break;
    fields.emplace_back(f);
    if (static_cast<long>(s.find("<br>QEND")) - close <= 3) break;
  }
  return fields;
}

// The text from the first "[" on (empty without one).
inline std::string_view from_first_bracket(std::string_view reply) {
  const size_t open = reply.find('[');
  return open == std::string_view::npos ? std::string_view{} : reply.substr(open);
}

// Fields cut by the bracket rule, from the first "[" on, while a "[" is left
// (the last offer, the offered requests).
inline std::vector<std::string> bracket_fields(std::string_view reply) {
  std::vector<std::string> out;
  plix::ReplyCursor s(from_first_bracket(reply));
  std::string_view f;
  while (s.find("[") != 0 && s.field(f)) out.emplace_back(f);
  return out;
}

// Fields as "text between a '[' and the next ']'" (chat contacts and lines).
inline std::vector<std::string> enclosed_fields(std::string_view reply) {
  std::vector<std::string> out;
  plix::ReplyCursor s(reply);
  std::string_view f;
  while (s.enclosed(f)) out.emplace_back(f);
  return out;
}

// Offers overview: 13 fields per record, next record while "QEND" stands
// further than 10 characters into the rest.
inline std::vector<std::vector<std::string>> offers(std::string_view reply) {
  std::vector<std::vector<std::string>> out;
  plix::ReplyCursor s(from_first_bracket(reply));
  if (s.atEnd()) return out;
  for (int guard = 0; guard < 1000; ++guard) {
    std::vector<std::string> rec;
    std::string_view f;
    for (int k = 0; k < 13; ++k) {
      if (!s.enclosed(f)) return out;
      rec.emplace_back(f);
    }
    out.push_back(rec);
    if (s.find("QEND") <= 10) break;
  }
  return out;
}

// Reaction counts: pairs read by row (ten rows), one character dropped after
// each pair.
inline std::vector<long> counts(std::string_view reply) {
  std::vector<long> out;
  std::string_view s = from_first_bracket(reply);
  for (int row = 0; row < 10 && !s.empty(); ++row) {
    const size_t close = s.find(']');
    if (close == std::string_view::npos) break;
    s.remove_prefix(close);
    std::string_view count;
    if (!plix::cutEnclosed(s, count)) break;
    out.push_back(static_cast<long>(plix::val(count)));
    s.remove_prefix(s.empty() ? 0 : 1);
  }
  return out;
}

// "<br>"-ended values after a marker and a number of skipped characters
// (counted from the start of the marker).
inline std::vector<std::string> br_values(std::string_view reply, std::string_view marker,
                                          size_t skip, size_t count) {
  std::vector<std::string> out;
  const size_t p = plix::markerPos(reply, marker);
  if (p == 0) return out;
  std::string_view s = plix::fromPosition(reply, p + skip);
  while (out.size() < count) {
    const size_t b = s.find("<br>");
    if (b == std::string_view::npos) break;
    out.emplace_back(s.substr(0, b));
    s.remove_prefix(b + 4);
  }
  return out;
}

}  // namespace cuts
