#pragma once
// The running program: its state, its windows' controls and the operating
// system's services. Every procedure takes a Desk&.
#include <filesystem>
#include <string>

#include "desk/core/build_config.h"
#include "desk/core/state.h"
#include "desk/core/sub_windows.h"
#include "desk/forms/velto_form.h"
#include "platform/services.h"

namespace plix {

struct DeskConfig {
    std::filesystem::path folder = ".";            // the working folder with the data files
    std::string defaultHost = buildDefaultHost();   // server host when the record names none
};

struct Desk {
    Desk(Services services, DeskConfig config)
        : os(services), folder(std::move(config.folder)), defaultHost(std::move(config.defaultHost)) {}

    DeskState st;
    VeltoForm velto;
    SubWindows windows;   // the other windows, as the main window sees them
    Services os;
    std::filesystem::path folder;
    std::string defaultHost;

    std::filesystem::path file(const char* name) const { return folder / name; }
};

}  // namespace plix
