#pragma once
// A NetworkProbe double: answers from tables and records what was asked.
#include <map>
#include <string>
#include <vector>

#include "platform/network_probe.h"

namespace plix::testing {

class FakeNetworkProbe : public NetworkProbe {
public:
    std::map<std::string, std::uint32_t> names;  // resolvable host names
    EchoReply answer{};                          // what every echo returns
    std::optional<std::string> proxySetting;
    std::vector<std::string> lookedUp;
    struct Echo {
        std::uint32_t address;
        std::uint16_t port;
        std::string data;
        int timeoutMs;
    };
    std::vector<Echo> echoes;

    std::optional<std::uint32_t> resolve(const std::string& host) override {
        lookedUp.push_back(host);
        auto it = names.find(host);
        if (it == names.end()) return std::nullopt;
        return it->second;
    }
    EchoReply echo(std::uint32_t address, std::uint16_t port, std::string_view data,
                   int timeoutMs) override {
        echoes.push_back({address, port, std::string(data), timeoutMs});
        return answer;
    }
    std::optional<std::string> systemProxy() override { return proxySetting; }
};

}  // namespace plix::testing
