// The main window's buttons, menu items and keys, wired to its procedures.
#include <QAction>
#include <QLineEdit>
#include <QShortcut>

#include "desk/gui/velto_view.h"
#include "desk/velto/commands.h"
#include "desk/velto/connection.h"
#include "desk/velto/hide_show.h"
#include "desk/velto/language_menu.h"
#include "desk/velto/log_commands.h"
#include "desk/velto/login.h"
#include "desk/velto/paging.h"
#include "desk/velto/profile_menu.h"
#include "desk/velto/row_click.h"
#include "desk/velto/startup.h"
#include "desk/velto/tray.h"
#include "desk/trade/offers_overview.h"

namespace plix {

void VeltoView::wireEvents() {
    Desk& d = desk();
    VeltoForm& f = d.velto;
    FormBinder& b = binder();
    b.onMenu(f.close_ze2002, [&d] { close_ze2002_Click(d); });
    b.onMenu(f.Mnexit, [&d] { Mnexit_Click(d); });
    b.onMenu(f.ttray, [&d] { ttray_Click(d); });
    for (int i = 1; i <= 4; ++i) b.onMenu(f.lng[i], [&d, i] { lng_Click(d, i); });
    b.onMenu(f.recon, [&d] { recon_Click(d); });
    b.onMenu(f.discon, [&d] { discon_Click(d); });
    b.onMenu(f.clrall, [&d] { clrall_Click(d); });
    b.onMenu(f.viewall, [&d] { viewall_Click(d); });
    for (int i = 0; i < 5; ++i) b.onClick(f.cvraag[i], [&d, i] { cvraag_Click(d, i); });
    // Any element of a request row opens that request.
    for (int i = 0; i < kRows; ++i)
        for (const Control* c : std::initializer_list<const Control*>{
                 &f.lnr[i], &f.ltime[i], &f.lvraag[i], &f.cnew[i], &f.cvink[i], &f.chand[i]})
            b.onClick(*c, [&d, i] { vraag_Click(d, i); });
    b.onMenu(f.offertes, [&d] { offertes_Click(d); });
    b.onMenu(f.logfile, [&d] { logfile_Click(d); });
    b.onMenu(f.viewl, [&d] { viewl_Click(d); });
    b.onMenu(f.clrlog, [&d] { clrlog_Click(d); });
    b.onMenu(f.leverancier, [&d] { leverancier_Click(d); });
    b.onMenu(f.filter, [&d] { filter_Click(d); });
    wireLogin();
}

void VeltoView::wireLogin() {
    Desk& d = desk();
    VeltoForm& f = d.velto;
    binder().onMenu(f.login, [&d] { login_Click(d); });
    if (QAction* login = actionOf(f.login)) {
        // After the handler and the redraw: the frame lies over the request list.
        connect(login, &QAction::triggered, this, [this, &f] {
            if (QWidget* frame = widgetOf(&f.frlogin)) frame->raise();
        });
    }
    // Enter in a text box runs its KeyPress handler with key code 13.
    const auto onEnter = [this, &d](const TextBox& box, void (*keyPress)(Desk&, int&)) {
        if (auto* edit = qobject_cast<QLineEdit*>(widgetOf(&box)))
            connect(edit, &QLineEdit::returnPressed, this, [this, &d, keyPress] {
                run([&d, keyPress] {
                    int key = kEnterKey;
                    keyPress(d, key);
                });
            });
    };
    onEnter(f.tlogin, tlogin_KeyPress);
    onEnter(f.tpasw, tpasw_KeyPress);
    binder().onClick(f.cexl, [&d] { cexl_Click(d); });
    // Escape anywhere in the frame is its close button.
    if (QWidget* frame = widgetOf(&f.frlogin)) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), frame);
        escape->setContext(Qt::WidgetWithChildrenShortcut);
        connect(escape, &QShortcut::activated, this, [this, &d] { run([&d] { cexl_Click(d); }); });
    }
}

}  // namespace plix
