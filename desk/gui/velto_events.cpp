#include "desk/gui/velto_events.h"

#include "desk/core/alerts.h"
#include "desk/core/startup.h"
#include "desk/gui/velto_window.h"
#include "desk/lang/language_table.h"
#include "desk/trade/commands.h"

namespace plix {

void wireVeltoEvents(VeltoWindow& w, Desk& d) {
    VeltoForm& f = d.velto;
    w.onMenu(f.close_ze2002, [&d] { close_ze2002_Click(d); });
    w.onMenu(f.Mnexit, [&d] { Mnexit_Click(d); });
    w.onMenu(f.ttray, [&d] { ttray_Click(d); });
    for (int i = 1; i <= 4; ++i) w.onMenu(f.lng[i], [&d, i] { lng_Click(d, i); });
}

}  // namespace plix
