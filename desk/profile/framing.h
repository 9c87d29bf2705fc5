#pragma once
// Typed text that would break the framing it travels in: "<" and ">" end an
// item of an item list (the settings record, the CTR values) and start the
// "<br>" that ends a reply field; "|" also splits the bank slot. Such text is
// refused with a message that names the box; ordinary text goes out as typed.
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

inline constexpr std::string_view kItemBreakers = "<>";
inline constexpr std::string_view kBankBreakers = "<>|";

// The characters of breakers that text holds, each once, in breakers' order;
// empty when it holds none.
std::string breakingCharacters(std::string_view text, std::string_view breakers);

// Checks one box: true when its text may go out. Otherwise shows the message
// naming the box (its label without the access-key marker) and the
// characters, and returns false.
bool acceptFieldText(Desk& d, std::string_view text, std::string_view label,
                     std::string_view breakers = kItemBreakers);

}  // namespace plix
