#pragma once
// Sending what the supplier wrote (a reaction, an offer) and telling when the
// server did not take it. The server takes a request by answering a page
// that begins with "OK"; a refusal is an "Error" page with its reason.
#include <string>
#include <string_view>

#include "desk/core/desk.h"
#include "desk/net/transport.h"

namespace plix {

struct SendOutcome {
    bool taken = false;
    std::string why;  // why it was not taken, for the user
};

// The reactions window's fetch, with the hourglass on that window.
FetchOptions reactionsFetch(Desk& d);

// Sends query to the chkl script through the reactions window's geturl.
// A stale reply can never count: the reply is emptied first, and nothing
// counts as taken while offline.
SendOutcome sendToServer(Desk& d, std::string_view label, const std::string& query);

// Tells the user that what was not sent, why, and what to do now.
void tellNotSent(Desk& d, std::string_view what, const SendOutcome& outcome,
                 std::string_view whatNow);

// The title of the program's own messages.
std::string messageTitle(const DeskState& s);

}  // namespace plix
