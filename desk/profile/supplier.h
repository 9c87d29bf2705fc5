#pragma once
#include "desk/core/desk.h"

namespace plix {

// Fetches the supplier record from the server (ctrl 04).
void getlev(Desk& d);

}  // namespace plix
