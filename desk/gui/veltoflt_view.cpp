#include "desk/gui/veltoflt_view.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "desk/gui/key_hook.h"
#include "desk/gui/window_set.h"
#include "desk/profile/veltoflt.h"

namespace plix {

VeltofltView::VeltofltView(WindowSet& set) : WindowView(set, set.desk().veltoflt.form) {
    Desk& d = desk();
    VeltofltForm& w = d.veltoflt;
    FormBinder& b = binder();
    const auto runner = [this](const std::function<void()>& h) { run(h); };

    auto* start = b.make<QGroupBox>(body(), w.fr_start);
    b.makeLabel(start, w.Label3)->setWordWrap(true);
    b.makeLabel(start, w.Label1);
    b.makeLabel(start, w.Label2);
    for (TextBox* words : {&w.tsper, &w.tdoorlaat}) {
        auto* edit = static_cast<QPlainTextEdit*>(b.makeText(start, *words, true));
        edit->setTabChangesFocus(true);
        hookKeys(edit,
                 {[&d](int&) { veltoflt_words_KeyDown(d); },
                  [&d](int& ascii) { veltoflt_words_KeyPress(d, ascii); }, nullptr},
                 runner);
        connect(edit, &QPlainTextEdit::textChanged, this,
                [this, &d] { run([&d] { veltoflt_words_Change(d); }); });
    }
    b.buddy(w.Label1, w.tsper);
    b.buddy(w.Label2, w.tdoorlaat);
    b.makeLabel(start, w.brcod)->setWordWrap(true);

    auto* countries = b.make<QGroupBox>(start, w.frland);
    for (int i = 0; i < kCountryBoxes; ++i) {
        if (i == kCountryBoxes - 1)  // the place boxes come before the last box
            for (int p = 0; p < 2; ++p) {
                auto* place = static_cast<QLineEdit*>(b.makeText(countries, w.tplaats[p]));
                connect(place, &QLineEdit::textEdited, this,
                        [this, &d, p] { run([&d, p] { veltoflt_tplaats_Change(d, p); }); });
            }
        auto* box = static_cast<QCheckBox*>(b.makeCheck(countries, w.chkland[i]));
        connect(box, &QCheckBox::clicked, this,
                [this, &d, i] { run([&d, i] { veltoflt_chkland_Click(d, i); }); });
    }

    b.makeLabel(start, w.lleva)->setWordWrap(true);
    b.make<QPushButton>(start, w.cupdate);
    b.make<QPushButton>(start, w.cexit);
    b.onClick(w.cupdate, [&d] { veltoflt_cupdate_Click(d); });
    b.onClick(w.cexit, [&d] { veltoflt_cexit_Click(d); });
}

bool VeltofltView::closeBox() { return veltoflt_cexit_Click(desk()); }

}  // namespace plix
