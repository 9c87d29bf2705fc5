#include "desk/net/proxy.h"

namespace plix {

std::string proxyHost(std::string_view setting) {
    std::string_view s = setting;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    if (const std::size_t scheme = s.find("://"); scheme != std::string_view::npos)
        s.remove_prefix(scheme + 3);
    if (const std::size_t path = s.find('/'); path != std::string_view::npos) s = s.substr(0, path);
    if (const std::size_t user = s.rfind('@'); user != std::string_view::npos) s.remove_prefix(user + 1);
    if (!s.empty() && s.front() == '[') {   // an IPv6 literal keeps its colons
        const std::size_t close = s.find(']');
        return std::string(close == std::string_view::npos ? s : s.substr(0, close + 1));
    }
    return std::string(s.substr(0, s.find(':')));
}

void getproxy(Desk& d) {
    DeskState& s = d.st;
    std::optional<std::string> setting;
    if (d.os.network) setting = d.os.network->systemProxy();
    std::string host = setting ? proxyHost(*setting) : std::string();
    if (host.empty()) {
        s.ProxyNote = kNoProxyNote;
        return;
    }
    s.ProxyServer = host;
    s.ProxyNote = host;
}

}  // namespace plix
