#pragma once
// Windows-1252 <-> UTF-8. Inside the program every character is one byte of
// Windows-1252; text crosses into Unicode only where Qt draws or reads it.
#include <string>
#include <string_view>

namespace plix {

// Unicode code point of a Windows-1252 byte. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of
// the same value, as Windows does, so every byte round-trips.
char32_t cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a code point, or '?' when the code page has none.
char unicodeToCp1252(char32_t cp);

std::string cp1252ToUtf8(std::string_view text);
// Malformed UTF-8 sequences and characters outside the code page become '?'.
std::string utf8ToCp1252(std::string_view text);

// Lower-case counterpart of a Windows-1252 letter (accented letters included).
char lower1252(char c);
std::string lower1252(std::string_view text);
// Upper-case counterpart, the reverse of lower1252.
char upper1252(char c);
std::string upper1252(std::string_view text);

// 0-based position of word in text from position from on, ignoring case;
// npos when absent. An empty word is never found.
std::size_t findNoCase(std::string_view text, std::string_view word, std::size_t from = 0);

}  // namespace plix
