#pragma once
// The direct-URL panel fr_url: fetches a typed address and shows the raw
// reply, for looking at what the server sends. The program stays
// disconnected while it is open.
#include "desk/core/desk.h"

namespace plix {

// Menu "Direct URL": the panel with the request list's address on the
// default host, the window grown to hold it.
void directurl_Click(Desk& d);
// Fetches the typed address (http and https only) and shows the reply.
void c_geturl_Click(Desk& d);
// Enter in the address box fetches (the key is swallowed).
void t_url_KeyPress(Desk& d, int& KeyAscii);
// Closes the panel: the start layout, and the connection as it was before.
void c_exiturl_Click(Desk& d);

}  // namespace plix
