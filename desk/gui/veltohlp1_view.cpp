#include "desk/gui/veltohlp1_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "desk/gui/window_set.h"
#include "desk/lang/veltohlp1.h"

namespace plix {

Veltohlp1View::Veltohlp1View(WindowSet& set) : WindowView(set, set.desk().veltohlp1.form) {
    Desk& d = desk();
    Veltohlp1Form& w = d.veltohlp1;
    FormBinder& b = binder();
    auto* frame = b.make<QGroupBox>(body(), w.frhlp);
    QLabel* text = b.makeLabel(frame, w.lhlp);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setMargin(6);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    b.makeLabel(frame, w.lhlp2);
    b.make<QPushButton>(frame, w.cexit);
    b.onClick(w.cexit, [&d] { veltohlp1_cexit_Click(d); });
}

bool Veltohlp1View::closeBox() {
    veltohlp1_cexit_Click(desk());
    return true;
}

}  // namespace plix
