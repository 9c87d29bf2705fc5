#pragma once
// Row markers of the request list: reaction counts per row (chkl 18) and the
// requests already offered on (chkl 11).
#include "desk/core/desk.h"

namespace plix {

void gettelreacties(Desk& d);
void getofp(Desk& d);

}  // namespace plix
