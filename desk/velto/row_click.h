#pragma once
// A click on a request row: the request becomes the selected one and the
// reactions window opens beside the main window to show it.
#include "desk/core/desk.h"

namespace plix {

// Any element of row (0..9) was clicked: lnr, ltime, lvraag, cnew, cvink or
// chand. A row that shows no request does nothing.
void vraag_Click(Desk& d, int row);
// Opens (or reuses) the reactions window for SelectedRequest, which holds
// the clicked row until here, places it beside the main window and asks it
// to load the request.
void makeresp(Desk& d);

}  // namespace plix
