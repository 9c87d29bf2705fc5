#include "desk/gui/velto_events.h"

#include <QAction>
#include <QLineEdit>

#include "desk/velto/log_commands.h"
#include "desk/core/alerts.h"
#include "desk/velto/tray.h"
#include "desk/velto/login.h"
#include "desk/velto/startup.h"
#include "desk/gui/velto_view.h"
#include "desk/gui/veltolog_view.h"
#include "desk/velto/hide_show.h"
#include "desk/lang/language_table.h"
#include "desk/velto/language_menu.h"
#include "desk/velto/commands.h"
#include "desk/velto/connection.h"
#include "desk/velto/paging.h"

namespace plix {
namespace {

// Moves the keyboard focus where the logic asked for it (SetFocus).
void takeFocus(VeltoWindow& w, Desk& d) {
    const Control*& focus = d.velto.form.Focus;
    if (!focus) return;
    if (QWidget* widget = w.widgetOf(focus)) widget->setFocus();
    focus = nullptr;
}

// Enter in a text box runs its KeyPress handler with key code 13.
void onEnter(VeltoWindow& w, Desk& d, const TextBox& box, void (*keyPress)(Desk&, int&)) {
    if (auto* edit = qobject_cast<QLineEdit*>(w.widgetOf(&box))) {
        QObject::connect(edit, &QLineEdit::returnPressed, [&w, &d, keyPress] {
            int key = kEnterKey;
            keyPress(d, key);
            w.refresh();
            takeFocus(w, d);
        });
    }
}

void wireLogin(VeltoWindow& w, Desk& d) {
    VeltoForm& f = d.velto;
    w.onMenu(f.login, [&d] { login_Click(d); });
    if (QAction* login = w.actionOf(f.login)) {
        // After the handler and the redraw: the frame lies over the request list.
        QObject::connect(login, &QAction::triggered, [&w, &d] {
            if (QWidget* frame = w.widgetOf(&d.velto.frlogin)) frame->raise();
            takeFocus(w, d);
        });
    }
    onEnter(w, d, f.tlogin, tlogin_KeyPress);
    onEnter(w, d, f.tpasw, tpasw_KeyPress);
}

}  // namespace

void wireVeltoEvents(VeltoWindow& w, Desk& d) {
    VeltoForm& f = d.velto;
    w.onMenu(f.close_ze2002, [&d] { close_ze2002_Click(d); });
    w.onMenu(f.Mnexit, [&d] { Mnexit_Click(d); });
    w.onMenu(f.ttray, [&d] { ttray_Click(d); });
    for (int i = 1; i <= 4; ++i) w.onMenu(f.lng[i], [&d, i] { lng_Click(d, i); });
    w.onMenu(f.recon, [&d] { recon_Click(d); });
    w.onMenu(f.discon, [&d] { discon_Click(d); });
    w.onMenu(f.clrall, [&d] { clrall_Click(d); });
    w.onMenu(f.viewall, [&d] { viewall_Click(d); });
    for (int i = 0; i < 5; ++i) w.onClick(f.cvraag[i], [&d, i] { cvraag_Click(d, i); });
    wireLogin(w, d);
}

void wireLogEvents(VeltoWindow& w, VeltologWindow& log, Desk& d) {
    VeltoForm& f = d.velto;
    w.onMenu(f.logfile, [&d] { logfile_Click(d); });
    w.onMenu(f.viewl, [&d] { viewl_Click(d); });
    w.onMenu(f.clrlog, [&d] { clrlog_Click(d); });
}

}  // namespace plix
