#include "desk/lang/help.h"

namespace plix {

// The help table arrives with the help window; until then no topic has a text
// and callers keep what they show.
std::optional<std::string> gethlp(Desk&, int) { return std::nullopt; }

}  // namespace plix
