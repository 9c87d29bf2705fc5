// Command line of plixsrv.
#pragma once
#include <string>
#include <vector>

#include "http_server.h"

namespace plixsrv {

struct CommandLine {
  ServerOptions server;
  std::string db_path = "plixsrv.db";
  bool demo = false;
  int bench_suppliers = 0;
  int bench_requests = 25;
  bool help = false;
  std::string error;  // set when the arguments could not be read
};

CommandLine parse_command_line(const std::vector<std::string>& args);
extern const char* const kUsage;

}  // namespace plixsrv
