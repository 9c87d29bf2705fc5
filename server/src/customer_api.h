// The customer side of the marketplace as JSON under /api/, for loopback callers only.
#pragma once

namespace httplib {
class Server;
}

namespace plixsrv {
class Market;
void add_customer_api(httplib::Server& svr, Market& market);
}  // namespace plixsrv
