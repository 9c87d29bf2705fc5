#include "desk/inbox/find_no_case.h"

namespace plix {
namespace {

// Lower-case counterpart of a Windows-1252 letter.
unsigned char fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    switch (c) {
        case 0x8A: return 0x9A;   // S caron
        case 0x8C: return 0x9C;   // OE
        case 0x8E: return 0x9E;   // Z caron
        case 0x9F: return 0xFF;   // Y diaeresis
        default: return c;
    }
}

}  // namespace

std::size_t findNoCase(std::string_view text, std::string_view word, std::size_t from) {
    if (word.empty() || from > text.size() || word.size() > text.size() - from)
        return std::string_view::npos;
    for (std::size_t i = from; i + word.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < word.size() && fold(text[i + k]) == fold(word[k])) ++k;
        if (k == word.size()) return i;
    }
    return std::string_view::npos;
}

}  // namespace plix
