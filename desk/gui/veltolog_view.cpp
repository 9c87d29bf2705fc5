#include "desk/gui/veltolog_view.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "desk/core/veltolog.h"
#include "desk/gui/window_set.h"

namespace plix {

VeltologView::VeltologView(WindowSet& set) : WindowView(set, set.desk().veltolog.form) {
    Desk& d = desk();
    VeltologForm& w = d.veltolog;
    FormBinder& b = binder();
    auto* text = static_cast<QPlainTextEdit*>(b.makeText(body(), w.tlog, true));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    b.make<QPushButton>(body(), w.cclr);
    b.make<QPushButton>(body(), w.cexit);
    b.onClick(w.cclr, [&d] { veltolog_cclr_Click(d); });
    b.onClick(w.cexit, [&d] { veltolog_cexit_Click(d); });
}

bool VeltologView::closeBox() {
    veltolog_cexit_Click(desk());
    return true;
}

}  // namespace plix
