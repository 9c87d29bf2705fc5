// plixsrv: the reference marketplace server for plixdesk.
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <thread>

#include "customer_cli.h"
#include "bench_data.h"
#include "demo_data.h"
#include "http_server.h"
#include "market.h"
#include "options.h"

namespace {
plixsrv::PlixServer* g_server = nullptr;

void on_signal(int) {
  if (g_server) g_server->stop();
}

// Every connection is a descriptor: take all the system allows this process.
void raise_descriptor_limit() {
  rlimit r{};
  if (getrlimit(RLIMIT_NOFILE, &r) == 0 && r.rlim_cur < r.rlim_max) {
    r.rlim_cur = r.rlim_max;
    setrlimit(RLIMIT_NOFILE, &r);
  }
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "customer")
    return plixsrv::run_customer_cli(std::vector<std::string>(args.begin() + 1, args.end()));

  auto cl = plixsrv::parse_command_line(args);
  if (cl.help) {
    std::cout << plixsrv::kUsage;
    return 0;
  }
  if (!cl.error.empty()) {
    std::cerr << "plixsrv: " << cl.error << "\n" << plixsrv::kUsage;
    return 2;
  }
  raise_descriptor_limit();
  try {
    plixsrv::Market market(cl.db_path);
    std::string demo_page_key;
    if (cl.demo) {
      auto d = plixsrv::seed_demo(market);
      demo_page_key = d.request_page_key;
      std::cout << "demo_login=" << d.login << "\n"
                << "demo_password=" << d.password << "\n"
                << "demo_id_lv=" << d.id << "\n"
                << "demo_check=" << d.check() << "\n";
    }
    if (cl.bench_suppliers > 0) {
      auto b = plixsrv::seed_bench(market, cl.bench_suppliers, cl.bench_requests);
      std::cout << "bench_first_id=" << b.first_id << "\n"
                << "bench_suppliers=" << cl.bench_suppliers << "\n"
                << "bench_filtered_every=" << b.filtered_every << "\n"
                << "bench_narrow_word=" << b.narrow_word << "\n";
    }
    plixsrv::PlixServer server(market, cl.server);
    int port = server.bind();
    if (port < 0) {
      std::cerr << "plixsrv: cannot listen on " << cl.server.host << ":" << cl.server.port << "\n";
      return 1;
    }
    std::string base = "http://" + cl.server.host + ":" + std::to_string(port);
    std::cout << "customer_page=" << base << "/\n";
    if (!demo_page_key.empty())
      std::cout << "demo_request_page=" << base << "/request#" << demo_page_key << "\n";
    g_server = &server;
    std::signal(SIGINT, on_signal);
    std::signal(SIGTERM, on_signal);
    std::cout << "listening=" << base << "\n" << std::flush;
    bool ok = server.run();
    g_server = nullptr;
    return ok ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "plixsrv: " << e.what() << "\n";
    return 1;
  }
}
