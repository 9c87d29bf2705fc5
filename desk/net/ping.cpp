#include "desk/net/ping.h"

namespace plix {

// Until the network probe arrives the program counts as online, so that the
// start-up sequence can reach the server.
void pingst(Desk& d) { d.st.OnlineFlag = 1; }

}  // namespace plix
