#include "desk/gui/veltoaut_view.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "desk/gui/window_set.h"
#include "desk/lang/veltoaut.h"

namespace plix {

VeltoautView::VeltoautView(WindowSet& set) : WindowView(set, set.desk().veltoaut.form) {
    Desk& d = desk();
    VeltoautForm& w = d.veltoaut;
    FormBinder& b = binder();
    auto* frame = b.make<QGroupBox>(body(), w.Fraut);
    b.makeCheck(frame, w.Chkaut);
    b.make<QPushButton>(frame, w.cexit);
    b.onClick(w.Chkaut, [&d] { veltoaut_Chkaut_Click(d); });
    b.onClick(w.cexit, [&d] { veltoaut_Unload(d); });
}

bool VeltoautView::closeBox() {
    veltoaut_Unload(desk());
    return true;
}

}  // namespace plix
