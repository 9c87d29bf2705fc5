#pragma once
// The running program: its state, every window's controls and the operating
// system's services. Every procedure takes a Desk& (and no more than its
// event's own arguments, such as the index of a control array).
#include <filesystem>
#include <string>

#include "desk/core/build_config.h"
#include "desk/core/state.h"
#include "desk/core/xdg_dirs.h"
#include "desk/forms/velto_form.h"
#include "desk/forms/veltoaut_form.h"
#include "desk/forms/veltochatl_form.h"
#include "desk/forms/veltoflt_form.h"
#include "desk/forms/veltohlp1_form.h"
#include "desk/forms/veltolev_form.h"
#include "desk/forms/veltolog_form.h"
#include "desk/forms/veltooff_form.h"
#include "desk/forms/veltorsp_form.h"
#include "desk/forms/veltosrv_form.h"
#include "desk/forms/veltovo_form.h"
#include "platform/services.h"

namespace plix {

struct DeskConfig {
    std::filesystem::path folder = ".";            // the working folder with the data files
    std::string defaultHost = buildDefaultHost();  // server host when the record names none
    // The user's folders; the autostart window does nothing while they are unknown.
    XdgDirs dirs{};
    std::filesystem::path programFolder{};  // where plixdesk itself lies; empty: the working folder
};

struct Desk {
    Desk(Services services, DeskConfig config)
        : os(services),
          folder(std::move(config.folder)),
          defaultHost(std::move(config.defaultHost)),
          dirs(std::move(config.dirs)),
          programFolder(config.programFolder.empty() ? folder : std::move(config.programFolder)) {}

    DeskState st;

    // Every window's controls, one line per window; each struct is in desk/forms.
    VeltoForm velto;
    VeltoautForm veltoaut;
    VeltochatlForm veltochatl;
    Veltohlp1Form veltohlp1;
    VeltologForm veltolog;
    VeltosrvForm veltosrv;
    VeltorspForm veltorsp;
    VeltooffForm veltooff;
    VeltovoForm veltovo;
    VeltolevForm veltolev;
    VeltofltForm veltoflt;

    Services os;
    std::filesystem::path folder;
    std::string defaultHost;
    XdgDirs dirs;
    std::filesystem::path programFolder;

    std::filesystem::path file(const char* name) const { return folder / name; }
};

}  // namespace plix
