#include "test_server.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>

void ServerTest::SetUp() {
  char tmpl[] = "/tmp/plixsrv-test-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  dir_ = tmpl;
  market_ = std::make_unique<plixsrv::Market>(dir_ + "/market.db");
  plixsrv::ServerOptions o = options_;
  o.port = 0;
  o.threads = 8;
  o.log_requests = false;
  server_ = std::make_unique<plixsrv::PlixServer>(*market_, o);
  port_ = server_->bind();
  ASSERT_GT(port_, 0);
  thread_ = std::thread([this] { server_->run(); });
  for (int i = 0; i < 2000 && !server_->running(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ASSERT_TRUE(server_->running());
}

void ServerTest::TearDown() {
  if (server_) server_->stop();
  if (thread_.joinable()) thread_.join();
  server_.reset();
  market_.reset();
  std::filesystem::remove_all(dir_);
}

std::string ServerTest::get(const std::string& target, int* status) {
  httplib::Client cli("127.0.0.1", port_);
  auto res = cli.Get(target);
  if (!res) {
    ADD_FAILURE() << "no answer for " << target;
    if (status) *status = 0;
    return {};
  }
  if (status) *status = res->status;
  return res->body;
}

int64_t ServerTest::register_supplier(const std::string& login, const std::string& password,
                                      const std::string& own_place) {
  std::string ctr;
  for (int i = 0; i <= 30; ++i) {
    std::string v;
    if (i == 0) v = "Firma " + login;
    if (i == 3) v = own_place;
    if (i == 10) v = "A01";
    if (i == 14 || i == 16) v = password;
    if (i == 15) v = login;
    if (i == 30) v = "0";
    ctr += "<" + v + ">";
  }
  std::string body = ctrl("CD=02&CTR=" + enc(ctr));
  auto p = body.find("<LEVID");
  if (p == std::string::npos) {
    ADD_FAILURE() << "registration failed: " << body;
    return 0;
  }
  return std::stoll(body.substr(p + 7));
}

int64_t ServerTest::post(const std::string& title, const std::string& details,
                         const std::string& place, int country) {
  plixsrv::NewRequest r;
  r.title = title;
  r.details = details;
  r.place = place;
  r.country = country;
  return market_->post_request(r);
}
