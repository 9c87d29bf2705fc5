#pragma once
// Case-insensitive search in Windows-1252 text (accented letters included).
#include <string_view>

namespace plix {

// 0-based position of word in text from position from on, npos when absent.
// An empty word is never found.
std::size_t findNoCase(std::string_view text, std::string_view word, std::size_t from = 0);

}  // namespace plix
