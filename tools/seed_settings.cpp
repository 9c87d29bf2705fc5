// plixdesk-seed [--sound] [--poll TICKS] [--host HOST] FOLDER NUMBER [CHECK]
// Stores a supplier number with its check value in FOLDER/pxini.dat, exactly
// as a login in the program does, keeping every other setting of the record.
// Used to start a working folder logged in (the demo). With CHECK given, it
// must be the check value that belongs to NUMBER. --sound also switches the
// alert sound on, as ticking the settings frame's sound box does; --poll sets
// the change-poll cycle in 2-second ticks (5..65000, as the settings frame
// takes it; without one stored the program polls at the minimum, 5 ticks);
// --host stores the server host (it must begin with "www", as the record's
// host does, and fit its 30 characters), so one build can talk to a server
// on any port.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "desk/core/desk.h"
#include "desk/velto/login.h"
#include "desk/core/settings.h"

namespace {

// Messages of the settings reader go to the terminal.
class StderrMessages : public plix::MessageBoxes {
public:
    plix::MsgResult ask(std::string_view text, std::string_view title, plix::MsgIcon,
                        plix::MsgButtons) override {
        std::fprintf(stderr, "plixdesk-seed: %.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                     static_cast<int>(text.size()), text.data());
        return plix::MsgResult::Ok;
    }
};

bool wholeNumber(std::string_view text, long long& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

int usage() {
    std::fputs("usage: plixdesk-seed [--sound] [--poll TICKS] [--host HOST] FOLDER NUMBER [CHECK]\n"
               "Stores the supplier NUMBER and its check value in FOLDER/pxini.dat;\n"
               "--sound also switches the alert sound on, --poll sets the change-poll\n"
               "cycle in 2-second ticks (5..65000), --host the server host (www...,\n"
               "at most 30 characters).\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool sound = false;
    long long poll = 0;
    std::string host;
    while (argc > 1 && argv[1][0] == '-' && argv[1][1] == '-') {
        const std::string_view option = argv[1];
        if (option == "--sound") {
            sound = true;
        } else if (option == "--poll" && argc > 2 && wholeNumber(argv[2], poll) && poll >= 5 &&
                   poll <= 65000) {
            --argc;
            ++argv;
        } else if (option == "--host" && argc > 2 && std::string_view(argv[2]).starts_with("www") &&
                   std::string_view(argv[2]).size() <= plix::kHostWidth) {
            host = argv[2];
            --argc;
            ++argv;
        } else {
            return usage();
        }
        --argc;
        ++argv;
    }
    if (argc < 3 || argc > 4) return usage();
    const std::filesystem::path folder = argv[1];
    long long number = 0, check = 0;
    if (!std::filesystem::is_directory(folder) || !wholeNumber(argv[2], number)) return usage();
    if (argc == 4 && (!wholeNumber(argv[3], check) || check != number + plix::kSupplierNumberCheck)) {
        std::fprintf(stderr, "plixdesk-seed: %s is not the check value of %s\n", argv[3], argv[2]);
        return 1;
    }

    StderrMessages messages;
    plix::Services services;
    services.messages = &messages;
    plix::Desk desk(services, plix::DeskConfig{folder});
    plix::loaddat(desk);
    if (sound) desk.st.SupplierList[27] = "ja";
    if (poll != 0) desk.st.SystemList[0] = std::to_string(poll);
    if (!host.empty()) {
        host.resize(plix::kHostWidth, ' ');
        desk.st.SettingsRecord.replace(plix::kHostOffset, plix::kHostWidth, host);
    }
    if (!plix::storeSupplierNumber(desk, number)) {
        std::fprintf(stderr, "plixdesk-seed: %s does not fit the settings record (1..99999999)\n", argv[2]);
        return 1;
    }
    const auto shown = [](const std::string& item) { return item.empty() ? "-" : item.c_str(); };
    std::printf("%s: supplier %lld, check %s, sound %s, poll %s\n", (folder / plix::kSettingsFile).c_str(),
                number, desk.st.SystemList[18].c_str(), shown(desk.st.SupplierList[27]),
                shown(desk.st.SystemList[0]));
    return 0;
}
