// The connection model: whole requests are found in the bytes as they come,
// answered in order, and a connection that says nothing holds no worker.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "http_frame.h"
#include "test_server.h"

namespace {
// A raw client connection, for what httplib's client will not send.
struct Raw {
  int fd = -1;
  explicit Raw(int port) {
    fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval tv{2, 0};  // a missing answer fails the test instead of hanging it
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  }
  ~Raw() { close(fd); }
  void send(const std::string& s) { EXPECT_EQ(::send(fd, s.data(), s.size(), MSG_NOSIGNAL), ssize_t(s.size())); }
  // Reads until `count` answers' ends (the last marker) arrived or the peer stops.
  std::string read_until(const std::string& marker, int count = 1) {
    std::string got;
    char buf[4096];
    size_t seen = 0;
    for (int found = 0; found < count;) {
      ssize_t n = recv(fd, buf, sizeof buf, 0);
      if (n <= 0) break;
      got.append(buf, static_cast<size_t>(n));
      for (size_t p; (p = got.find(marker, seen)) != std::string::npos; seen = p + 1) ++found;
    }
    return got;
  }
};

const std::string kProbe = "GET /plix_ctrl.php?CD=01 HTTP/1.1\r\nHost: x\r\n\r\n";
}  // namespace

TEST(Framing, FindsWholeRequestsAndRefusesWhatItCannotTake) {
  using plixsrv::Frame;
  using plixsrv::frame_request;
  auto f = [](const std::string& s) { return frame_request(s, 1024, 64); };
  EXPECT_EQ(f("GET / HTTP/1.1\r\nHost: x\r\n").kind, Frame::Incomplete);
  EXPECT_EQ(f(kProbe + "GET").length, kProbe.size());
  std::string post = "POST /a HTTP/1.1\r\ncontent-LENGTH: 3\r\nExpect: 100-continue\r\n\r\n";
  EXPECT_TRUE(f(post + "ab").awaits_continue);
  EXPECT_EQ(f(post + "abcGET").length, post.size() + 3);
  EXPECT_EQ(f("POST /a HTTP/1.1\r\nContent-Length: 65\r\n\r\n").status, 413);
  EXPECT_EQ(f("POST /a HTTP/1.1\r\nContent-Length: 1x\r\n\r\n").status, 400);
  EXPECT_EQ(f("POST /a HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n").status, 501);
  EXPECT_EQ(f("GET /" + std::string(1100, 'a')).status, 414);
  EXPECT_EQ(f("GET / HTTP/1.1\r\nX: " + std::string(1100, 'a')).status, 431);
}

TEST_F(ServerTest, PipelinedAndSplitRequestsAreAnsweredInOrder) {
  Raw c(port_);
  c.send(kProbe + "GET /api/health HTTP/1.1\r\nHost: x\r\n\r\n" + kProbe);
  std::string got = c.read_until("HTTP/1.1 200", 3);
  size_t first = got.find("VERSIE"), health = got.find("\"ok\""), last = got.rfind("VERSIE");
  EXPECT_LT(first, health);
  EXPECT_LT(health, last);
  EXPECT_NE(last, std::string::npos);
  c.send(kProbe.substr(0, 10));  // the rest comes later
  c.send(kProbe.substr(10));
  EXPECT_NE(c.read_until("VERSIE").find("VERSIE"), std::string::npos);
}

TEST_F(ServerTest, AClientWaitingToSendItsBodyIsToldToGoOn) {
  Raw c(port_);
  std::string body = R"({"title":"Sent after the interim answer"})";
  c.send("POST /api/requests HTTP/1.1\r\nHost: x\r\nContent-Type: application/json\r\n"
         "Expect: 100-continue\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n");
  EXPECT_NE(c.read_until("\r\n\r\n").find("HTTP/1.1 100 Continue"), std::string::npos);
  c.send(body);
  std::string got = c.read_until("\"requester\"");
  EXPECT_NE(got.find("HTTP/1.1 200"), std::string::npos);
  EXPECT_EQ(got.find("100 Continue"), std::string::npos);  // said once only
}

TEST_F(ServerTest, OversizedOrChunkedRequestsGetAPlainRefusal) {
  for (auto [request, status] : std::vector<std::pair<std::string, int>>{
           {"GET /api/health HTTP/1.1\r\nX-Pad: " + std::string(20000, 'a') + "\r\n\r\n", 431},
           {"POST /api/requests HTTP/1.1\r\nContent-Length: 70000\r\n\r\n", 413},
           {"POST /api/requests HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n", 501}}) {
    Raw c(port_);
    c.send(request);
    std::string got = c.read_until("<br>");
    EXPECT_NE(got.find("HTTP/1.1 " + std::to_string(status)), std::string::npos) << got;
    EXPECT_NE(got.find("Error " + std::to_string(status) + "<br>"), std::string::npos);
  }
}

// More idle kept-alive connections than workers: newcomers are still served.
TEST_F(ServerTest, IdleConnectionsHoldNoWorker) {
  std::vector<std::unique_ptr<Raw>> idle;
  for (int i = 0; i < 24; ++i) {  // the test server has 8 workers
    idle.push_back(std::make_unique<Raw>(port_));
    idle.back()->send(kProbe);
    EXPECT_NE(idle.back()->read_until("VERSIE").find("VERSIE"), std::string::npos);
  }
  for (int i = 0; i < 8; ++i) {
    Raw fresh(port_);
    fresh.send(kProbe);
    EXPECT_NE(fresh.read_until("VERSIE").find("VERSIE"), std::string::npos);
  }
  idle.front()->send(kProbe);  // and the idle ones are still there
  EXPECT_NE(idle.front()->read_until("VERSIE").find("VERSIE"), std::string::npos);
}

// A second server on the same market, with a connection budget of two and no
// keep-alive time: a third client waits until an idle one is closed.
TEST_F(ServerTest, ConnectionsBeyondTheBudgetWaitForAnIdleOneToGo) {
  plixsrv::ServerOptions o;
  o.port = 0;
  o.threads = 2;
  o.max_connections = 2;
  o.keep_alive_seconds = 0;
  o.log_requests = false;
  plixsrv::PlixServer small(*market_, o);
  int port = small.bind();
  ASSERT_GT(port, 0);
  std::thread t([&] { small.run(); });
  {
    Raw a(port), b(port), c(port);
    for (Raw* r : {&a, &b}) {
      r->send(kProbe);
      EXPECT_NE(r->read_until("VERSIE").find("VERSIE"), std::string::npos);
    }
    c.send(kProbe);  // answered once the idle ones are closed
    EXPECT_NE(c.read_until("VERSIE").find("VERSIE"), std::string::npos);
    EXPECT_EQ(a.read_until("never"), "");  // closed by the server, not left hanging
  }
  small.stop();
  t.join();
}
