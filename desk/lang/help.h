#pragma once
#include <optional>
#include <string>

#include "desk/core/desk.h"

namespace plix {

// The help text of one topic from pxhlp.dat, or nothing when there is none.
std::optional<std::string> gethlp(Desk& d, int item);

}  // namespace plix
