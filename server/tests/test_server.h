// A real plixsrv on a free loopback port with a fresh database, for one test.
#pragma once
#include <gtest/gtest.h>
#include <httplib.h>

#include <memory>
#include <string>
#include <thread>

#include "http_server.h"
#include "market.h"
#include "query.h"
#include "text/percent.h"

class ServerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // GET of a target such as "/plix_chkl.php?CD=02&ID_LV=1"; status goes to *status.
  std::string get(const std::string& target, int* status = nullptr);
  std::string ctrl(const std::string& query, int* status = nullptr) {
    return get("/plix_ctrl.php?" + query, status);
  }
  std::string chkl(const std::string& query, int* status = nullptr) {
    return get("/plix_chkl.php?" + query, status);
  }
  // Registers through ctrl 02 as the desktop does; returns the new number.
  int64_t register_supplier(const std::string& login, const std::string& password,
                            const std::string& own_place = "");
  int64_t post(const std::string& title, const std::string& details = "",
               const std::string& place = "", int country = 0);
  static std::string enc(const std::string& s) { return plix::percentEncode(s); }

  plixsrv::ServerOptions options_;  // a derived fixture may change it before SetUp
  std::string dir_;
  std::unique_ptr<plixsrv::Market> market_;
  std::unique_ptr<plixsrv::PlixServer> server_;
  std::thread thread_;
  int port_ = 0;
};
