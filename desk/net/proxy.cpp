#include "desk/net/proxy.h"

namespace plix {

void getproxy(Desk& d) { d.st.ProxyNote = "proxy not found"; }

}  // namespace plix
