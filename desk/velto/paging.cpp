#include "desk/velto/paging.h"

#include "desk/core/alerts.h"
#include "desk/inbox/inbox.h"
#include "desk/velto/commands.h"
#include "desk/velto/tray.h"

namespace plix {

int pagedOffset(int p, int n, int index) {
    if (index == kNextPage && p < n - 10) p += 10;
    if (p > n - 10) p = n - 10;
    if (index == kPreviousPage && p > 0) p -= 10;
    if (p < 0) p = 0;
    if (index == kFirstPage) p = 0;
    if (index == kLastPage) p = n - 10 < 0 ? 0 : n - 10;
    return p;
}

void cvraag_Click(Desk& d, int index) {
    d.st.IdleTicks = 0;  // paging is the user at work: the idle rule must not hide the window
    unloadall(d);
    if (index == kToTray) {
        ttray_Click(d);
        return;
    }
    d.st.PageOffset = pagedOffset(d.st.PageOffset, d.st.HeldCount, index);
    getvraag(d);
}

}  // namespace plix
