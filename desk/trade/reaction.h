#pragma once
// A reaction to the selected request (chkl 05), and the reactions typed and
// not yet sent, kept per request while the supplier looks at other requests.
#include <string>

#include "desk/core/desk.h"

namespace plix {

// Keeps what treact holds for the request it was typed for.
void keepDraft(Desk& d);
// Keeps treact's text for its request, then puts the text kept for number
// (empty when none) into treact.
void takeDraftOf(Desk& d, const std::string& number);
// Forgets what was typed for number (it was sent, or the request deleted).
void dropDraftOf(Desk& d, const std::string& number);

}  // namespace plix
