#include "desk/velto/profile_menu.h"

#include "desk/profile/veltoflt.h"
#include "desk/profile/veltolev.h"
#include "desk/velto/commands.h"

namespace plix {

void leverancier_Click(Desk& d) {
    d.st.IdleTicks = 0;
    unloadall(d);
    d.st.WindowFetchAllowed = 1;
    clrscr(d);
    veltolev_Load(d);
}

void filter_Click(Desk& d) {
    d.st.IdleTicks = 0;
    unloadall(d);
    d.st.WindowFetchAllowed = 1;
    veltoflt_Load(d);
}

}  // namespace plix
