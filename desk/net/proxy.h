#pragma once
#include "desk/core/desk.h"

namespace plix {

// Reads the desktop's proxy setting into ProxyServer and the proxy note.
void getproxy(Desk& d);

}  // namespace plix
