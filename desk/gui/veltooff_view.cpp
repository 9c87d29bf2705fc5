#include "desk/gui/veltooff_view.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "desk/gui/rich_text_binding.h"
#include "desk/gui/window_set.h"
#include "desk/trade/veltooff.h"

namespace plix {

VeltooffView::VeltooffView(WindowSet& set) : WindowView(set, set.desk().veltooff.form) {
    Desk& d = desk();
    VeltooffForm& w = d.veltooff;
    FormBinder& b = binder();
    const auto input = [this, &d] { run([&d] { veltooff_Input(d); }); };
    auto* frame = b.make<QGroupBox>(body(), w.fr_offer);
    for (Label& l : w.loff) b.makeLabel(frame, l);
    for (TextBox* box : {&w.tsub, &w.tbedrag}) onKey(b.makeText(frame, *box), false, input);
    auto* vat = b.make<QGroupBox>(frame, w.frbtw);
    for (OptionButton& o : w.optbtw) b.makeOption(vat, o);
    for (ComboBox& list : w.coff) {
        auto* combo = static_cast<QComboBox*>(b.makeCombo(frame, list));
        connect(combo, &QComboBox::activated, this, input);
    }
    b.buddy(w.loff[0], w.tsub);
    b.buddy(w.loff[1], w.tbedrag);
    for (int i = 0; i < 3; ++i) b.buddy(w.loff[3 + i], w.coff[i]);
    b.make<QPushButton>(frame, w.cconfirm);
    b.make<QPushButton>(frame, w.cexit);
    b.onClick(w.cconfirm, [&d] { veltooff_cconfirm_Click(d); });
    b.onClick(w.cexit, [&d] { veltooff_cexit_Click(d); });
}

bool VeltooffView::closeBox() {
    veltooff_cexit_Click(desk());
    return true;
}

}  // namespace plix
