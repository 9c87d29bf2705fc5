#include "desk/gui/veltovo_view.h"

#include <QPushButton>
#include <QTextEdit>

#include "desk/gui/rich_text_binding.h"
#include "desk/gui/window_set.h"
#include "desk/trade/veltovo.h"

namespace plix {

VeltovoView::VeltovoView(WindowSet& set) : WindowView(set, set.desk().veltovo.form) {
    Desk& d = desk();
    VeltovoForm& w = d.veltovo;
    FormBinder& b = binder();
    makeRichText(b, body(), w.loff)->setLineWrapMode(QTextEdit::NoWrap);
    for (Button* button : {&w.cprint, &w.cpdf, &w.cexit}) b.make<QPushButton>(body(), *button);
    b.onClick(w.cprint, [&d] { veltovo_cprint_Click(d); });
    b.onClick(w.cpdf, [&d] { veltovo_cpdf_Click(d); });
    b.onClick(w.cexit, [&d] { veltovo_cexit_Click(d); });
}

bool VeltovoView::closeBox() {
    veltovo_cexit_Click(desk());
    return true;
}

}  // namespace plix
