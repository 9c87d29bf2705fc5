#pragma once
// The Settings menu's Supplier and Filters entries.
#include "desk/core/desk.h"

namespace plix {

// Opens the supplier window on a cleared main window, allowed to fetch.
void leverancier_Click(Desk& d);
// Opens the filter window, allowed to fetch.
void filter_Click(Desk& d);

}  // namespace plix
