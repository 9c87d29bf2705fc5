#include "options.h"

namespace plixsrv {

const char* const kUsage =
    "usage: plixsrv [options]\n"
    "       plixsrv customer [--server HOST:PORT] COMMAND ...   (see 'plixsrv customer help')\n"
    "options:\n"
    "  --listen HOST        address to listen on (default 127.0.0.1)\n"
    "  --port N             port (default 8080; 0 picks a free port)\n"
    "  --db PATH            SQLite database file (default plixsrv.db)\n"
    "  --demo               seed the demo supplier and marketplace (once)\n"
    "  --threads N          worker threads (default 8); idle connections hold none\n"
    "  --keep-alive-seconds N  idle time before a kept-alive connection is closed (default 5)\n"
    "  --max-connections N  open connections at most (default 10000)\n"
    "  --purge-days N       age after which chkl 01 purges a request (default 30)\n"
    "  --version-text V     program version named in the connection test (default " PLIX_VERSION ")\n"
    "  --bench-suppliers N  seed N benchmark suppliers (and --bench-requests M, default 25)\n"
    "  --web-posts-per-hour N  requests one client address may post on the customer\n"
    "                       page per hour (default 10)\n"
    "  --quiet              no request log on stderr\n";

namespace {
bool to_int(const std::string& s, int lo, int hi, int& out) {
  if (s.empty() || s.size() > 9) return false;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v < lo || v > hi) return false;
  out = v;
  return true;
}
}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& args) {
  CommandLine cl;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        cl.error = a + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    auto number = [&](int lo, int hi, int& out) {
      std::string v;
      if (!value(v)) return;
      if (!to_int(v, lo, hi, out))
        cl.error = a + " needs a number from " + std::to_string(lo) + " to " + std::to_string(hi);
    };
    if (a == "--listen") value(cl.server.host);
    else if (a == "--port") number(0, 65535, cl.server.port);
    else if (a == "--db") value(cl.db_path);
    else if (a == "--demo") cl.demo = true;
    else if (a == "--threads") number(1, 1024, cl.server.threads);
    else if (a == "--keep-alive-seconds") number(0, 300, cl.server.keep_alive_seconds);
    else if (a == "--max-connections") number(1, 1000000, cl.server.max_connections);
    else if (a == "--purge-days") {
      int days = 30;
      number(1, 36500, days);
      cl.server.protocol.purge_age_seconds = static_cast<int64_t>(days) * 86400;
    } else if (a == "--version-text") value(cl.server.protocol.version);
    else if (a == "--bench-suppliers") number(1, 1000000, cl.bench_suppliers);
    else if (a == "--bench-requests") number(1, 10000000, cl.bench_requests);
    else if (a == "--web-posts-per-hour") number(1, 100000, cl.server.web.posts_per_hour);
    else if (a == "--quiet") cl.server.log_requests = false;
    else if (a == "--help" || a == "-h") cl.help = true;
    else cl.error = "unknown option " + a;
    if (!cl.error.empty()) break;
  }
  return cl;
}

}  // namespace plixsrv
