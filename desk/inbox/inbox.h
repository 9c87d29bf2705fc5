#pragma once
// The request inbox: fetching the request list, screening it with the
// supplier's own exclusions, keeping it and drawing one page of ten rows.
#include "desk/core/desk.h"

namespace plix {

// Row colours, 0xBBGGRR.
constexpr int kNewRowColour = 0xAAC3A7;       // green: a request new to this supplier
constexpr int kChangedRowColour = 0x88DBE8;   // yellow: a changed request
constexpr int kTitleRestColour = 0xD3D3D3;
constexpr int kTimeRestColour = 0xD2D2D2;
constexpr int kNumberRestColour = 0xD0D0D0;
constexpr int kButtonFaceColour = kDefaultColour;   // the row marker's resting fill

// Fetches the request list (chkl 02), filters and stores it and draws the
// page that starts at PageOffset.
void getvraag(Desk& d);

// Hides the ten request rows and the page buttons, gives the rows their
// resting colours and clears InboxLoaded.
void clrvra(Desk& d);

}  // namespace plix
