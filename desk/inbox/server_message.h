#pragma once
// Messages the server leaves for the supplier, with their control codes
// "QC1Q" (quit) and "QC2Q" (disconnect).
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

// Shows the text after "MESS" in ServerReply and acknowledges it (ctrl 11),
// or carries out its control code. While its message box is open, a nested
// change poll neither shows the message again nor acknowledges it. A new
// message that comes while any box is open is held and shown after it.
void msghandle(Desk& d);

// Shows the held messages in turn, once no box is open.
void handleHeldMessages(Desk& d);

// Whether text (what follows "MESS") is the message whose box is open now or
// one held for later: a poll that finds it again has found no change.
bool messageInHand(const DeskState& s, std::string_view text);

}  // namespace plix
