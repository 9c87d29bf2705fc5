#pragma once
// Logging in with a login name and password: the login frame on the main
// window, the ctrl request 13 and storing the supplier's number.
#include "desk/core/desk.h"

namespace plix {

// Menu item `login`: shows the empty login frame.
void login_Click(Desk& d);
// Enter in the login-name box moves on to the password box. A handled key
// is swallowed (KeyAscii := 0).
void tlogin_KeyPress(Desk& d, int& KeyAscii);
// Enter in the password box sends the login.
void tpasw_KeyPress(Desk& d, int& KeyAscii);
void tpasw_Change(Desk& d);
// The frame's close button (and Escape in the frame): hides the frame; the
// typed password goes with it.
void cexl_Click(Desk& d);

// The number a login reply names ("ID_LV=" and its leading number); 0 when
// the reply names none.
long long loginReplyNumber(std::string_view reply);

// Takes number as the supplier's number and stores it with its check value
// in pxini.dat, as a successful login does. A number the eight positions of
// the record cannot hold (or one below 1) is refused: nothing changes and
// the result is false.
bool storeSupplierNumber(Desk& d, long long number);

}  // namespace plix
