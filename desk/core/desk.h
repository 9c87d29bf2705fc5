#pragma once
// The running program: its state, every window's controls and the operating
// system's services. Every procedure takes a Desk& (and no more than its
// event's own arguments, such as the index of a control array).
#include <filesystem>
#include <string>

#include "desk/core/build_config.h"
#include "desk/core/state.h"
#include "desk/forms/velto_form.h"
#include "desk/forms/veltoflt_form.h"
#include "desk/forms/veltolev_form.h"
#include "desk/forms/veltolog_form.h"
#include "desk/forms/veltooff_form.h"
#include "desk/forms/veltorsp_form.h"
#include "desk/forms/veltovo_form.h"
#include "platform/services.h"

namespace plix {

struct DeskConfig {
    std::filesystem::path folder = ".";            // the working folder with the data files
    std::string defaultHost = buildDefaultHost();  // server host when the record names none
};

struct Desk {
    Desk(Services services, DeskConfig config)
        : os(services),
          folder(std::move(config.folder)),
          defaultHost(std::move(config.defaultHost)) {}

    DeskState st;

    // Every window's controls, one line per window; each struct is in desk/forms.
    VeltoForm velto;
    VeltologForm veltolog;
    VeltorspForm veltorsp;
    VeltooffForm veltooff;
    VeltovoForm veltovo;
    VeltolevForm veltolev;
    VeltofltForm veltoflt;

    Services os;
    std::filesystem::path folder;
    std::string defaultHost;

    std::filesystem::path file(const char* name) const { return folder / name; }
};

}  // namespace plix
