#include "desk/gui/veltorsp_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "desk/gui/rich_text_binding.h"
#include "desk/gui/window_set.h"
#include "desk/trade/veltorsp.h"

namespace plix {

VeltorspView::VeltorspView(WindowSet& set) : WindowView(set, set.desk().veltorsp.form) {
    Desk& d = desk();
    VeltorspForm& w = d.veltorsp;
    FormBinder& b = binder();
    for (Label* l : {&w.lvraagc, &w.lvraag, &w.ldetailsc, &w.ldetails}) {
        QLabel* label = b.makeLabel(body(), *l);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(l == &w.ldetails);
    }
    auto* frame = b.make<QGroupBox>(body(), w.fr_rsp);
    QTextEdit* list = makeRichText(b, frame, w.list1);
    onKey(list, true, [this, &d] { run([&d] { veltorsp_list1_KeyPress(d); }); });
    b.makeLabel(body(), w.lrsp);
    QWidget* reaction = b.makeText(body(), w.treact, true);
    b.buddy(w.lrsp, w.treact);
    onKey(reaction, false, [this, &d] { run([&d] { veltorsp_treact_KeyDown(d); }); });
    for (Button* button : {&w.csend, &w.cbestel, &w.cdelete, &w.cexit})
        b.make<QPushButton>(body(), *button);
    b.onClick(w.csend, [&d] { veltorsp_csend_Click(d); });
    b.onClick(w.cbestel, [&d] { veltorsp_cbestel_Click(d); });
    b.onClick(w.cdelete, [&d] { veltorsp_cdelete_Click(d); });
    b.onClick(w.cexit, [&d] { veltorsp_cexit_Click(d); });
}

bool VeltorspView::closeBox() {
    veltorsp_cexit_Click(desk());
    return true;
}

}  // namespace plix
