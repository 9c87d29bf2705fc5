#pragma once
// The page buttons under the request list.
#include "desk/core/desk.h"

namespace plix {

enum PageButton { kNextPage = 0, kPreviousPage = 1, kFirstPage = 2, kLastPage = 3, kToTray = 4 };

// The offset of row 0 after page button index, for `held` requests.
int pagedOffset(int offset, int held, int index);

// cvraag(0..3): page through the list and redraw it; cvraag(4): to the tray.
void cvraag_Click(Desk& d, int index);

}  // namespace plix
