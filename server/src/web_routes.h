// The customer's side of the marketplace as web pages served by plixsrv.
#pragma once
#include "web_http.h"

namespace httplib {
class Server;
}

namespace plixsrv {
class Market;

// The posting page, the request pages and their files.
void add_web_pages(httplib::Server& svr);
// The JSON the pages talk to, under /web/api/: open to every address, but
// writes come only from our own pages and a request's only with its key.
void add_web_api(httplib::Server& svr, Market& market, const WebOptions& options);

}  // namespace plixsrv
