#pragma once
#include "desk/core/desk.h"

namespace plix {

// Hides the ten request rows and the page buttons and gives the rows their
// resting colours.
void clrvra(Desk& d);

}  // namespace plix
