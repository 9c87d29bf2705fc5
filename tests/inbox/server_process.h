#pragma once
// Runs the real plixsrv with demo data on a free loopback port for one test.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace plix::testing {

class ServerProcess {
public:
    // Starts program --demo --port 0 --db dbPath and reads its start-up lines
    // (demo login, "listening=...") into values.
    ServerProcess(const std::string& program, const std::string& dbPath) {
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        std::vector<std::string> args = {program, "--demo", "--port", "0", "--db", dbPath, "--quiet"};
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        if (pid_ < 0) {
            close(out[0]);
            return;
        }
        FILE* in = fdopen(out[0], "r");
        char line[512];
        while (std::fgets(line, sizeof line, in)) {
            std::string text(line);
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
            const auto eq = text.find('=');
            if (eq != std::string::npos) values[text.substr(0, eq)] = text.substr(eq + 1);
            if (text.starts_with("listening=")) break;
        }
        std::fclose(in);   // the server writes nothing more to stdout
    }

    ~ServerProcess() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }

    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    bool running() const { return pid_ > 0 && values.count("listening") != 0; }
    // "127.0.0.1:port", as the settings name a server host.
    std::string hostPort() const {
        const std::string url = values.at("listening");
        return url.substr(url.find("//") + 2);
    }

    std::map<std::string, std::string> values;

private:
    pid_t pid_ = -1;
};

}  // namespace plix::testing
