#pragma once
// The server settings window veltosrv: shows and changes the server host and
// the supplier number of this installation in the settings record, and can
// wipe the identity.
#include "desk/core/desk.h"

namespace plix {

// Loads and shows the window with the host and the supplier number.
void veltosrv_Load(Desk& d);
// Writes the host (at most 30 characters) and the number into positions
// 1..38 of the settings record, saves it, closes the window and restarts the
// start-up sequence with them (the main window gets its request list back). A number
// of more than 8 characters is refused with a message and the window stays.
void veltosrv_cexit_Click(Desk& d);
// Wipes the identity: host, number and every supplier item, in the record and
// in memory; the language stays. A fresh inbox is asked for.
void veltosrv_cid_Click(Desk& d);
// Enter takes the typed number (refused as above when too long).
void veltosrv_tid_KeyPress(Desk& d, int& KeyAscii);
// Any key in the host box marks the settings changed.
void veltosrv_turl_KeyDown(Desk& d);
// Enter in the host box moves on to the close button (the key is swallowed).
void veltosrv_turl_KeyPress(Desk& d, int& KeyAscii);
void veltosrv_Unload(Desk& d);

}  // namespace plix
