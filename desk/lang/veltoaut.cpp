#include "desk/lang/veltoaut.h"

#include "desk/core/autostart_entry.h"
#include "desk/lang/language_table.h"

namespace plix {

void veltoaut_Load(Desk& d) {
    VeltoautForm& w = d.veltoaut;
    const DeskState& s = d.st;
    if (s.LanguageTable[108] == "OK" && !s.LanguageTable[189].empty()) {
        w.Chkaut.Caption = "&" + s.LanguageTable[189];
        w.form.Caption = s.LanguageTable[189];
        if (!s.LanguageTable[12].empty()) w.cexit.Caption = s.LanguageTable[12];
    }
    cmdRegMachine(d, AutostartMode::Check);
    w.form.Loaded = true;
    w.form.Visible = true;
    w.form.State = WindowState::Normal;
}

void veltoaut_Chkaut_Click(Desk& d) {
    d.st.IdleTicks = 0;
    cmdRegMachine(d, d.veltoaut.Chkaut.Value == 1 ? AutostartMode::Create : AutostartMode::Delete);
}

void cmdRegMachine(Desk& d, AutostartMode mode) {
    CheckBox& box = d.veltoaut.Chkaut;
    if (d.dirs.configHome.empty()) {
        box.Value = 0;
        return;
    }
    // An entry the user's session settings switched off stays as it is
    // until the box is ticked; an empty file is no entry.
    if (mode == AutostartMode::Check && autostartEnabled(d.dirs)) mode = AutostartMode::Create;
    if (mode == AutostartMode::Check) {
        std::error_code ec;
        const auto path = autostartEntryPath(d.dirs);
        if (std::filesystem::exists(path, ec) && std::filesystem::file_size(path, ec) == 0)
            removeAutostartEntry(d.dirs);
    }
    if (mode == AutostartMode::Create)
        writeAutostartEntry(d.dirs, plixdeskLauncher(d.programFolder, entryOr(d.st, 3, "&Supplier")));
    if (mode == AutostartMode::Delete) removeAutostartEntry(d.dirs);
    box.Value = autostartEnabled(d.dirs) ? 1 : 0;
}

void veltoaut_Unload(Desk& d) {
    VeltoautForm& w = d.veltoaut;
    w.form.Visible = false;
    w.form.Loaded = false;
}

}  // namespace plix
