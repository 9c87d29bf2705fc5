#include "platform/linux/linux_network_probe.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace plix {

namespace {

constexpr int kSuccess = 0;
constexpr int kNetUnreachable = 11002;
constexpr int kHostUnreachable = 11003;
constexpr int kPortUnreachable = 11005;
constexpr int kTimedOut = 11010;
constexpr int kGeneralFailure = 11050;

int statusOfErrno(int error) {
    switch (error) {
        case ENETUNREACH: return kNetUnreachable;
        case EHOSTUNREACH: return kHostUnreachable;
        case ECONNREFUSED: return kPortUnreachable;
        case ETIMEDOUT: return kTimedOut;
        default: return kGeneralFailure;
    }
}

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0) ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

using Clock = std::chrono::steady_clock;

int elapsedMs(Clock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

sockaddr_in socketAddress(std::uint32_t address, std::uint16_t port) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = address;
    return to;
}

}  // namespace

std::optional<std::uint32_t> LinuxNetworkProbe::resolve(const std::string& host) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return std::nullopt;
    const std::uint32_t address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    ::freeaddrinfo(found);
    return address;
}

std::optional<EchoReply> LinuxNetworkProbe::icmpEcho(std::uint32_t address, std::string_view data,
                                                     int timeoutMs) {
    Socket sock(::socket(AF_INET, SOCK_DGRAM, IPPROTO_ICMP));
    if (sock.fd() < 0) return std::nullopt;   // not permitted here: the caller tries TCP

    EchoReply reply;
    reply.kind = ProbeKind::IcmpEcho;
    reply.address = address;
    unsigned char packet[64] = {};
    const std::size_t length = sizeof(icmphdr) + std::min(data.size(), sizeof packet - sizeof(icmphdr));
    icmphdr header{};
    header.type = ICMP_ECHO;
    header.un.echo.sequence = htons(1);   // the kernel fills the identifier and checksum
    std::memcpy(packet, &header, sizeof header);
    std::memcpy(packet + sizeof header, data.data(), length - sizeof header);

    const sockaddr_in to = socketAddress(address, 0);
    const Clock::time_point start = Clock::now();
    if (::sendto(sock.fd(), packet, length, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
        reply.status = statusOfErrno(errno);
        return reply;
    }
    for (;;) {
        const int left = timeoutMs - elapsedMs(start);
        pollfd p{sock.fd(), POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, left) <= 0) {
            reply.status = kTimedOut;
            return reply;
        }
        unsigned char answer[256];
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t got = ::recvfrom(sock.fd(), answer, sizeof answer, 0,
                                       reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (got < 0) {
            reply.status = statusOfErrno(errno);
            return reply;
        }
        if (static_cast<std::size_t>(got) < sizeof(icmphdr) || answer[0] != ICMP_ECHOREPLY) continue;
        reply.status = kSuccess;
        reply.roundTripMs = elapsedMs(start);
        reply.address = from.sin_addr.s_addr;
        reply.data.assign(reinterpret_cast<const char*>(answer) + sizeof(icmphdr),
                          static_cast<std::size_t>(got) - sizeof(icmphdr));
        return reply;
    }
}

EchoReply LinuxNetworkProbe::tcpConnect(std::uint32_t address, std::uint16_t port, int timeoutMs) {
    EchoReply reply;
    reply.kind = ProbeKind::TcpConnect;
    reply.address = address;
    Socket sock(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (sock.fd() < 0) {
        reply.status = kGeneralFailure;
        return reply;
    }
    const sockaddr_in to = socketAddress(address, port);
    const Clock::time_point start = Clock::now();
    int error = 0;
    if (::connect(sock.fd(), reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
        if (errno != EINPROGRESS) {
            reply.status = statusOfErrno(errno);
            return reply;
        }
        pollfd p{sock.fd(), POLLOUT, 0};
        const int ready = ::poll(&p, 1, timeoutMs);
        if (ready <= 0) {
            reply.status = kTimedOut;
            return reply;
        }
        socklen_t size = sizeof error;
        if (::getsockopt(sock.fd(), SOL_SOCKET, SO_ERROR, &error, &size) < 0) error = errno;
    }
    reply.status = error == 0 ? kSuccess : statusOfErrno(error);
    reply.roundTripMs = elapsedMs(start);
    return reply;
}

EchoReply LinuxNetworkProbe::echo(std::uint32_t address, std::uint16_t tcpPort, std::string_view data,
                                  int timeoutMs) {
    if (std::optional<EchoReply> icmp = icmpEcho(address, data, timeoutMs)) return *icmp;
    return tcpConnect(address, tcpPort, timeoutMs);
}

std::optional<std::string> LinuxNetworkProbe::systemProxy() {
    for (const char* name : {"http_proxy", "HTTP_PROXY"}) {
        const char* value = std::getenv(name);
        if (value && *value) return std::string(value);
    }
    return std::nullopt;
}

}  // namespace plix
