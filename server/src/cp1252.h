// Windows-1252 text helpers: every text inside plixsrv is one byte per character.
#pragma once
#include <string>
#include <string_view>

namespace plix {

// Lower case of one Windows-1252 byte (ASCII and the accented Latin-1 letters).
char lower1252(char c);
std::string lower1252(std::string_view s);
// Case-insensitive search; npos when absent. An empty needle is never found.
size_t find_nocase(std::string_view hay, std::string_view needle, size_t from = 0);

// JSON speaks UTF-8; the wire and the database speak Windows-1252.
std::string utf8_to_1252(std::string_view utf8);   // unmappable characters become '?'
std::string cp1252_to_utf8(std::string_view text);

}  // namespace plix
