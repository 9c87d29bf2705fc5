#pragma once
#include "desk/core/desk.h"

namespace plix {

// Tests whether the network answers and sets OnlineFlag.
void pingst(Desk& d);

}  // namespace plix
