// "plixsrv customer ...": a thin command-line client of the customer JSON API.
#pragma once
#include <string>
#include <vector>

namespace plixsrv {
// Returns the process exit code; prints the server's JSON answer on stdout.
int run_customer_cli(const std::vector<std::string>& args);
}  // namespace plixsrv
