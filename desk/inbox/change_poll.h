#pragma once
// The change poll: asks the server whether the supplier's requests or
// reactions changed or a message waits, and fetches the inbox when so.
#include "desk/core/desk.h"

namespace plix {

// chkl 03 with the last marks; on a change arms the alert, brings the window
// up (from the second change of the run on), shows a waiting message and
// fetches the inbox.
void getchange(Desk& d);

// Asks the server to purge the supplier's old requests (chkl 01); the reply
// is not read.
void deleteold(Desk& d);

}  // namespace plix
