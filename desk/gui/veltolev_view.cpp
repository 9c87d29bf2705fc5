#include "desk/gui/veltolev_view.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "desk/gui/key_hook.h"
#include "desk/gui/window_set.h"
#include "desk/profile/branches.h"
#include "desk/profile/veltolev.h"

namespace plix {
namespace {

// The boxes in the order Enter walks them, which is also the Tab order.
constexpr int kProfileOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14, 16};
constexpr int kBankOrder[] = {17, 18, 19, 20, 21, 22};

}  // namespace

VeltolevView::VeltolevView(WindowSet& set) : WindowView(set, set.desk().veltolev.form) {
    buildProfile();
    buildCatalogue();
    wireBoxes();
}

void VeltolevView::buildProfile() {
    Desk& d = desk();
    VeltolevForm& w = d.veltolev;
    FormBinder& b = binder();
    auto* start = b.make<QGroupBox>(body(), w.fr_start);
    auto* bank = b.make<QGroupBox>(start, w.frbank);
    for (int k = 0; k < kProfileBoxes; ++k) {
        const int box = kBoxOfLabel[k];
        b.makeLabel(box >= 17 && box <= 22 ? bank : start, w.llev[k]);
    }
    for (int box : kProfileOrder) {
        if (box == kLanguageListBox) b.makeCombo(start, w.taal);
        b.makeText(start, w.tlev[box]);
    }
    for (int box : kBankOrder) b.makeText(bank, w.tlev[box]);
    for (int box : {kPasswordBox, kPasswordAgainBox})
        static_cast<QLineEdit*>(widgetOf(&w.tlev[box]))->setEchoMode(QLineEdit::Password);
    for (int box : {kBranchBox1, kBranchBox2})
        static_cast<QLineEdit*>(widgetOf(&w.tlev[box]))->setMaxLength(3);
    for (int k = 0; k < kProfileBoxes; ++k) {
        if (kBoxOfLabel[k] != kNoBox) b.buddy(w.llev[k], w.tlev[kBoxOfLabel[k]]);
    }
    b.buddy(w.llev[kLanguageListLabel], w.taal);
    b.makeLabel(start, w.lcred);
    b.makeLabel(start, w.lleva)->setWordWrap(true);
    b.makeText(start, w.Text1);
    b.makeText(start, w.Text2);
    for (Button* button : {&w.cupdate, &w.cdelete, &w.c_exit, &w.view})
        b.make<QPushButton>(start, *button);
    b.onClick(w.cupdate, [&d] { veltolev_cupdate_Click(d); });
    b.onClick(w.cdelete, [&d] { veltolev_cdelete_Click(d); });
    b.onClick(w.c_exit, [&d] { veltolev_c_exit_Click(d); });
    b.onClick(w.view, [&d] { veltolev_view_Click(d); });
}

void VeltolevView::buildCatalogue() {
    Desk& d = desk();
    VeltolevForm& w = d.veltolev;
    FormBinder& b = binder();
    QWidget* start = widgetOf(&w.fr_start);
    b.makeLabel(start, w.brcod);
    auto* categories = static_cast<QListWidget*>(b.makeList(start, w.List1));
    auto* subcategories = static_cast<QListWidget*>(b.makeList(start, w.List2));
    for (QListWidget* list : {categories, subcategories}) {
        list->setWordWrap(true);  // long names and the help lines fit the width
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    const auto runner = [this](const std::function<void()>& h) { run(h); };
    // A category chosen with the mouse or the keys shows its subcategories.
    connect(categories, &QListWidget::currentRowChanged, this,
            [this, &d] { run([&d] { veltolev_List1_Click(d); }); });
    // A double click or Enter copies the line's code.
    const auto copyOn = [&](QListWidget* list, void (*copy)(Desk&)) {
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, &d, copy] { run([&d, copy] { copy(d); }); });
        const auto enter = [&d, copy](int& key) {
            if (key != kEnterKey) return;
            key = 0;
            copy(d);
        };
        hookKeys(list, {nullptr, enter, nullptr}, runner);
    };
    copyOn(categories, veltolev_List1_DblClick);
    copyOn(subcategories, veltolev_List2_DblClick);
}

// Every box reports its focus, its keys and changes made without keys.
void VeltolevView::wireBoxes() {
    Desk& d = desk();
    VeltolevForm& w = d.veltolev;
    const auto runner = [this](const std::function<void()>& h) { run(h); };
    for (int i = 0; i < kProfileBoxes; ++i) {
        auto* box = static_cast<QLineEdit*>(widgetOf(&w.tlev[i]));
        hookKeys(box,
                 {[&d, i](int& code) { veltolev_tlev_KeyDown(d, i, code); },
                  [&d, i](int& ascii) { veltolev_tlev_KeyPress(d, i, ascii); },
                  [&d, i] { veltolev_tlev_GotFocus(d, i); }},
                 runner);
        connect(box, &QLineEdit::textEdited, this,
                [this, &d, i] { run([&d, i] { veltolev_tlev_Change(d, i); }); });
    }
    auto* language = static_cast<QComboBox*>(widgetOf(&w.taal));
    hookKeys(language,
             {[&d](int& code) { veltolev_taal_KeyDown(d, code); },
              [&d](int& ascii) { veltolev_taal_KeyPress(d, ascii); }, nullptr},
             runner);
    connect(language, &QComboBox::activated, this,
            [this, &d] { run([&d] { veltolev_taal_Click(d); }); });
}

bool VeltolevView::closeBox() { return veltolev_c_exit_Click(desk()); }

}  // namespace plix
