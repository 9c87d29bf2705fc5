#include "desk/gui/veltosrv_view.h"

#include <functional>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "desk/gui/window_set.h"
#include "desk/lang/veltosrv.h"

namespace plix {

VeltosrvView::VeltosrvView(WindowSet& set) : WindowView(set, set.desk().veltosrv.form) {
    Desk& d = desk();
    VeltosrvForm& w = d.veltosrv;
    FormBinder& b = binder();
    auto* frame = b.make<QGroupBox>(body(), w.fr_start);
    b.makeLabel(frame, w.lurl);
    auto* host = static_cast<QLineEdit*>(b.makeText(frame, w.turl));
    host->setMaxLength(kServerHostLength);
    b.makeLabel(frame, w.lid);
    b.makeText(frame, w.tid);
    b.buddy(w.lurl, w.turl);
    b.buddy(w.lid, w.tid);
    b.make<QPushButton>(frame, w.cid);
    b.make<QPushButton>(frame, w.cexit);
    // The frame's caption is bold, its controls are not.
    QFont bold = frame->font();
    bold.setBold(true);
    frame->setFont(bold);
    QFont plain = bold;
    plain.setBold(false);
    for (QWidget* child : frame->findChildren<QWidget*>()) child->setFont(plain);

    b.onClick(w.cid, [&d] { veltosrv_cid_Click(d); });
    b.onClick(w.cexit, [&d] { veltosrv_cexit_Click(d); });
    b.onTyped(w.turl, [&d] { veltosrv_turl_KeyDown(d); });
    b.onEnter(w.turl, std::bind_front(veltosrv_turl_KeyPress, std::ref(d)));
    b.onEnter(w.tid, std::bind_front(veltosrv_tid_KeyPress, std::ref(d)));
}

bool VeltosrvView::closeBox() {
    veltosrv_cexit_Click(desk());
    return !desk().veltosrv.form.Visible;
}

}  // namespace plix
