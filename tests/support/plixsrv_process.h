#pragma once
// Runs plixsrv on a free loopback port for one test and stops it afterwards.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace plix::testing {

class PlixsrvProcess {
public:
    // Starts the server with the given arguments (a port 0 and a database are
    // added) and waits for its "listening=" line. port() is 0 when it failed.
    PlixsrvProcess(const std::string& program, const std::string& database,
                   std::vector<std::string> args) {
        args.insert(args.begin(), {program, "--port", "0", "--db", database, "--quiet"});
        int out[2];
        if (::pipe(out) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], 1);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv;
            for (auto& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        readHeader(out[0]);
        ::close(out[0]);
    }
    ~PlixsrvProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    PlixsrvProcess(const PlixsrvProcess&) = delete;
    PlixsrvProcess& operator=(const PlixsrvProcess&) = delete;

    int port() const { return port_; }
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    // The "name=value" lines printed before listening (demo login and so on).
    std::string value(const std::string& name) const {
        auto it = values_.find(name);
        return it == values_.end() ? std::string() : it->second;
    }

private:
    void readHeader(int fd) {
        std::string text;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 200) <= 0) continue;
            char buffer[512];
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got <= 0) return;
            text.append(buffer, static_cast<std::size_t>(got));
            std::size_t end;
            while ((end = text.find('\n')) != std::string::npos) {
                const std::string line = text.substr(0, end);
                text.erase(0, end + 1);
                const std::size_t eq = line.find('=');
                if (eq == std::string::npos) continue;
                values_[line.substr(0, eq)] = line.substr(eq + 1);
                if (line.rfind("listening=", 0) == 0) {
                    port_ = std::stoi(line.substr(line.rfind(':') + 1));
                    return;
                }
            }
        }
    }
    pid_t pid_ = -1;
    int port_ = 0;
    std::map<std::string, std::string> values_;
};

}  // namespace plix::testing
