#pragma once
// The language menu: switching the interface language.
#include "desk/core/desk.h"

namespace plix {

// Unloads the other windows, ticks the selected language, stores its number
// in pxini.dat and loads it (taalhandle).
void makelang(Desk& d);
// Menu item lng(index): selects that language and switches to it.
void lng_Click(Desk& d, int index);

}  // namespace plix
