#pragma once
// Percent-encoding of query values, shared by the program (which encodes
// every parameter it sends) and the server (which decodes them). Bytes are
// Windows-1252 and pass through unchanged in meaning: only RFC 3986's
// unreserved characters travel as they are.
#include <optional>
#include <string>
#include <string_view>

namespace plix {

std::string percentEncode(std::string_view value);

// Decodes %XX sequences; "+" stays "+" (the program never form-encodes).
// nullopt on a broken sequence or a NUL byte, encoded or not.
std::optional<std::string> percentDecode(std::string_view raw);

}  // namespace plix
