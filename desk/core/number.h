#pragma once
// The leading-number rule: skip leading blanks, take an optional sign, digits
// and one decimal point up to the first other character; no digits give 0.
#include <string>
#include <string_view>

namespace plix {

double val(std::string_view text);

// val() as a whole number (fraction dropped), kept within +-1e15 so that
// a wild value can never overflow the integer.
long long valInt(std::string_view text);

// Decimal text of a whole number, without sign padding or blanks.
std::string numText(long long n);

}  // namespace plix
