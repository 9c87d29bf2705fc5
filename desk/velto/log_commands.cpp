#include "desk/velto/log_commands.h"

#include "desk/core/activity_log.h"
#include "desk/core/files.h"
#include "desk/core/veltolog.h"

namespace plix {

void logfile_Click(Desk& d) {
    d.st.IdleTicks = 0;
    d.st.LogEnabled = d.st.LogEnabled == 1 ? 0 : 1;
    d.velto.logfile.Checked = d.st.LogEnabled == 1;
    d.velto.viewl.Enabled = d.st.LogEnabled == 1;
}

void viewl_Click(Desk& d) {
    d.st.IdleTicks = 0;
    veltolog_Load(d);
}

void clrlog_Click(Desk& d) {
    d.st.IdleTicks = 0;
    writeFileAtomic(d.file(kLogFile), std::string());
}

}  // namespace plix
