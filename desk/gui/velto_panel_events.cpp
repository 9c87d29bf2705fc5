// The main window's panels (alert settings, network, direct URL, test mode)
// and the menu items that open the other windows, wired to their procedures.
#include <functional>

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QRadioButton>

#include "desk/gui/velto_view.h"
#include "desk/velto/proxy_frame.h"
#include "desk/velto/settings_panel.h"
#include "desk/velto/test_mode.h"
#include "desk/velto/url_panel.h"
#include "desk/velto/window_openers.h"

namespace plix {
namespace {

// Runs a handler when the mouse enters a widget or moves over it, and
// another when it leaves.
class MouseWatch : public QObject {
public:
    MouseWatch(QObject* parent, std::function<void()> onMove, std::function<void()> onLeave = {})
        : QObject(parent), onMove_(std::move(onMove)), onLeave_(std::move(onLeave)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) onMove_();
        if (event->type() == QEvent::Leave && onLeave_) onLeave_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onMove_, onLeave_;
};

}  // namespace

void VeltoView::wirePanels() {
    Desk& d = desk();
    VeltoForm& f = d.velto;
    FormBinder& b = binder();
    // A frame opened from the menu lies over the request list, and hides
    // what it covers.
    const auto raising = [this](const MenuItem& item, const Control& frame) {
        if (QWidget* w = widgetOf(&frame)) w->setAutoFillBackground(true);
        if (QAction* action = actionOf(item))
            connect(action, &QAction::triggered, this, [this, &frame] {
                if (QWidget* w = widgetOf(&frame)) w->raise();
            });
    };

    // Alert settings.
    b.onMenu(f.splix, [&d] { splix_Click(d); });
    raising(f.splix, f.frsystem);
    for (int i = 0; i < 3; ++i) b.onClick(f.chkact[i], [&d, i] { chkact_Click(d, i); });
    b.onClick(f.chkema, [&d] { chkema_Click(d); });
    b.onClick(f.chkgsm, [&d] { chkgsm_Click(d); });
    b.onClick(f.chksnd, [&d] { chksnd_Click(d); });
    for (int i = 0; i < 4; ++i) b.onTyped(f.tsys[i], [&d, i] { tsys_KeyPress(d, i); });
    b.onTyped(f.tgsm, [&d] { tgsm_KeyPress(d); });
    b.onClick(f.cupdate, [&d] { cupdate_Click(d); });
    b.onClick(f.cexit, [&d] { cexit_Click(d); });

    // Network.
    b.onMenu(f.lan, [&d] { lan_Click(d); });
    raising(f.lan, f.frlan);
    for (int i = 0; i < 2; ++i) b.onClick(f.optlan[i], [&d, i] { optlan_Click(d, i); });
    b.onTyped(f.tprx, [&d] { tprx_KeyDown(d); });
    b.onClick(f.closeprx, [&d] { closeprx_Click(d); });

    // Direct URL.
    b.onMenu(f.directurl, [&d] { directurl_Click(d); });
    raising(f.directurl, f.fr_url);
    b.onClick(f.c_geturl, [&d] { c_geturl_Click(d); });
    b.onEnter(f.t_url, std::bind_front(t_url_KeyPress, std::ref(d)));
    b.onClick(f.c_exiturl, [&d] { c_exiturl_Click(d); });

    // Test mode: the access box and the row note.
    b.onClick(f.lplix, [&d] { lplix_Click(d); });
    b.onEnter(f.ttst, std::bind_front(ttst_KeyPress, std::ref(d)));
    b.onMenu(f.testf, [&d] { testf_Click(d); });
    // The note goes as soon as the mouse is over the list elsewhere, or leaves it.
    const auto hideNote = [this, &d] {
        if (d.velto.ltst.Visible) run([&d] { fr_vraag_MouseMove(d); });
    };
    for (int i = 0; i < kRows; ++i)
        if (QWidget* row = widgetOf(&f.lnr[i]))
            row->installEventFilter(new MouseWatch(
                row,
                [this, &d, i] {
                    if (d.st.TestMode == 1) run([&d, i] { lnr_MouseMove(d, i); });
                },
                hideNote));
    if (QWidget* list = widgetOf(&f.fr_vraag)) {
        list->setMouseTracking(true);
        list->installEventFilter(new MouseWatch(list, hideNote, hideNote));
    }
}

void VeltoView::wireWindows() {
    Desk& d = desk();
    VeltoForm& f = d.velto;
    FormBinder& b = binder();
    b.onMenu(f.serverinfo, [&d] { serverinfo_Click(d); });
    b.onMenu(f.aut, [&d] { aut_Click(d); });
    b.onMenu(f.directchat, [&d] { directchat_Click(d); });
    for (int i = 0; i < 6; ++i) b.onMenu(f.hlp[i], [&d, i] { hlp_Click(d, i); });
    b.onMenu(f.plixnet, [&d] { plixnet_Click(d); });
}

}  // namespace plix
