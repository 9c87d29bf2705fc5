#pragma once
// The offers overview (chkl 12): every offer the supplier made, with the
// customer's contact data, composed into one text for the print window.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

// The overview text of a chkl 12 reply: per offer its six fields and the
// seven contact fields, labelled from the language table, closed by a line
// of dashes. Nothing when the reply holds no "[".
std::optional<std::string> composeOverview(std::string_view reply,
                                           const std::array<std::string, 301>& table);

// The menu item offertes: fetches the offers, composes OverviewText and
// opens the print window. A reply without offers leaves the text empty, so
// that the window says there are none.
void offertes_Click(Desk& d);

}  // namespace plix
