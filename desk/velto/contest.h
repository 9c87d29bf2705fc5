#pragma once
// The connection test with version check (ctrl 01): is the server there,
// does it know this supplier, and does it name another program version?
#include "desk/core/desk.h"

namespace plix {

// Sets ConnectState (0 none, 1 the server answered, 2 it knows the
// supplier), StatusLine1/StatusLine2 and TestFailed. When the server names
// another version the user is asked whether to update; accepting opens
// "http://" + ServerHost + "/update/raridi.exe" through the desktop and saves
// and quits as the Exit menu does. A known supplier's record is fetched after.
void contest(Desk& d);

}  // namespace plix
