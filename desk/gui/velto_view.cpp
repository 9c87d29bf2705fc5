#include "desk/gui/velto_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "desk/gui/window_set.h"
#include "desk/velto/startup.h"

namespace plix {

VeltoView::VeltoView(WindowSet& set) : WindowView(set, set.desk().velto.form) {
    buildControls();
    buildMenus();
    wireEvents();
}

void VeltoView::buildControls() {
    VeltoForm& f = desk().velto;
    FormBinder& b = binder();
    QWidget* central = body();

    auto* start = b.make<QGroupBox>(central, f.fr_start);
    auto* ltest = b.makeLabel(start, f.ltest);
    ltest->setWordWrap(true);
    ltest->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* system = b.make<QGroupBox>(start, f.frsystem);
    for (auto& l : f.llab) b.makeLabel(system, l);
    for (auto& t : f.tsys) b.makeText(system, t);
    b.makeText(system, f.tgsm);
    b.makeLabel(system, f.lgsm);
    b.makeCheck(system, f.chkgsm);
    b.makeCheck(system, f.chkema);
    for (auto& c : f.chkact) b.makeCheck(system, c);
    b.makeCheck(system, f.chksnd);
    b.make<QPushButton>(system, f.cupdate);
    b.make<QPushButton>(system, f.cexit);
    b.makeLabel(system, f.lcred);
    // Each line's label takes the keyboard to its box.
    for (int i = 0; i < 4; ++i) b.buddy(f.llab[i], f.tsys[i]);
    b.buddy(f.llab[4], f.tgsm);

    auto* login = b.make<QGroupBox>(start, f.frlogin);
    b.makeText(login, f.tlogin);
    static_cast<QLineEdit*>(b.makeText(login, f.tpasw))->setEchoMode(QLineEdit::Password);
    b.make<QPushButton>(login, f.cexl);

    auto* lan = b.make<QGroupBox>(start, f.frlan);
    for (auto& o : f.optlan) b.makeOption(lan, o);
    b.makeText(lan, f.tprx);
    b.make<QPushButton>(lan, f.closeprx);
    b.makeLabel(lan, f.lprx)->setWordWrap(true);
    b.makeLabel(lan, f.lprx2);
    b.makeLabel(lan, f.lplix);

    auto* url = b.make<QGroupBox>(start, f.fr_url);
    b.makeText(url, f.t_url);
    b.make<QPushButton>(url, f.c_geturl);
    b.makeText(url, f.t_echo, true);
    b.make<QPushButton>(url, f.c_exiturl);

    // The request list is created last so that it lies over the other frames.
    auto* list = b.make<QGroupBox>(start, f.fr_vraag);
    for (int i = 0; i < kRows; ++i) {
        b.make<QFrame>(list, f.Shape1[i])->setFrameShape(QFrame::Box);
        for (Label* l : {&f.lnr[i], &f.ltime[i], &f.lvraag[i]}) {
            QLabel* label = b.makeClickLabel(list, *l);
            label->setAutoFillBackground(true);
            label->setFrameShape(QFrame::Panel);
            label->setFrameShadow(QFrame::Sunken);
        }
        for (Button* button : {&f.cvink[i], &f.cnew[i], &f.chand[i]})
            b.make<QPushButton>(list, *button);
    }
    for (auto& button : f.cvraag) b.make<QPushButton>(list, button);

    b.make<QLabel>(central, f.Picture1);
    b.make<QLabel>(central, f.Picture2);
    b.makeText(central, f.ttst);
    b.makeLabel(central, f.ltst);
}

void VeltoView::buildMenus() {
    VeltoForm& f = desk().velto;
    FormBinder& b = binder();
    QMenuBar* bar = menuBar();

    QMenu* ctrl = b.addMenu(bar, f.ctrlplix);
    for (MenuItem* m : {&f.recon, &f.discon, &f.ttray, &f.spac, &f.close_ze2002})
        b.addItem(ctrl, *m);

    QMenu* setup = b.addMenu(bar, f.setup);
    for (MenuItem* m : {&f.splix, &f.leverancier, &f.filter}) b.addItem(setup, *m);
    QMenu* language = b.addSubMenu(setup, f.taal);
    for (int i = 1; i <= 4; ++i) b.addItem(language, f.lng[i])->setCheckable(true);
    for (MenuItem* m : {&f.lan, &f.offertes}) b.addItem(setup, *m);

    QMenu* questions = b.addMenu(bar, f.vragen);
    for (MenuItem* m : {&f.clrall, &f.viewall}) b.addItem(questions, *m);

    QMenu* extra = b.addMenu(bar, f.extra);
    for (MenuItem* m : {&f.directchat, &f.login}) b.addItem(extra, *m);

    QMenu* help = b.addMenu(bar, f.helps);
    for (auto& m : f.hlp) b.addItem(help, m);
    b.addItem(help, f.plixnet);

    // The notification-area icon's pop-up menu: built here, never in the menu bar.
    trayMenu_ = new QMenu(this);
    // The same menu on a right click in the window, so that its commands stay
    // within reach on desktops without a notification area.
    body()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(body(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { trayMenu_->popup(body()->mapToGlobal(at)); });
    b.bindMenu(f.MnBar, trayMenu_->menuAction());
    for (MenuItem* m : {&f.Mnexit, &f.aut, &f.testf, &f.serverinfo, &f.directurl, &f.logfile,
                        &f.clrlog, &f.viewl})
        b.addItem(trayMenu_, *m);
}

bool VeltoView::closeBox() {
    const UnloadMode mode =
        windows().endingProgram() ? UnloadMode::SystemShutdown : UnloadMode::CloseBox;
    return !Form_QueryUnload(desk(), mode);
}

// Without a notification area a hidden window could never be reached again,
// so there it is only minimised.
void VeltoView::drawHidden() {
    if (!isVisible() || isMinimized()) return;
    if (desk().os.tray && desk().os.tray->installed())
        hide();
    else
        showMinimized();
}

}  // namespace plix
