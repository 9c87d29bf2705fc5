#include "desk/gui/veltochatl_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "desk/chat/veltochatl.h"
#include "desk/gui/rich_text_binding.h"
#include "desk/gui/window_set.h"

namespace plix {

VeltochatlView::VeltochatlView(WindowSet& set) : WindowView(set, set.desk().veltochatl.form) {
    Desk& d = desk();
    VeltochatlForm& w = d.veltochatl;
    FormBinder& b = binder();
    auto* frame = b.make<QGroupBox>(body(), w.frchat);
    b.makeCombo(frame, w.Combo1);
    b.make<QPushButton>(frame, w.cververs);
    b.make<QPushButton>(frame, w.cblock);
    QLabel* message = b.makeLabel(frame, w.lmessage);
    QFont bold = message->font();
    bold.setBold(true);
    message->setFont(bold);
    makeRichText(b, frame, w.lchat);
    auto* line = static_cast<QLineEdit*>(b.makeText(frame, w.tchat));
    b.make<QPushButton>(frame, w.csend);
    b.make<QPushButton>(frame, w.cexit);

    b.onClick(w.Combo1, [&d] { veltochatl_Combo1_Click(d); });
    b.onClick(w.cververs, [&d] { veltochatl_cververs_Click(d); });
    b.onClick(w.cblock, [&d] { veltochatl_cblock_Click(d); });
    b.onClick(w.csend, [&d] { veltochatl_csend_Click(d); });
    b.onClick(w.cexit, [&d] { veltochatl_cexit_Click(d); });
    // Typing keeps the user active; Enter sends the line.
    b.onTyped(w.tchat, [&d] { veltochatl_tchat_KeyDown(d); });
    connect(line, &QLineEdit::returnPressed, this,
            [this, &d] { run([&d] { veltochatl_csend_Click(d); }); });
}

bool VeltochatlView::closeBox() {
    veltochatl_cexit_Click(desk());
    return true;
}

}  // namespace plix
