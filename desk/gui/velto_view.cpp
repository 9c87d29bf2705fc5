#include "desk/gui/velto_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMoveEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "desk/velto/startup.h"
#include "platform/qt/qt_text.h"

namespace plix {

VeltoWindow::VeltoWindow(Desk& desk, QWidget* parent)
    : QMainWindow(parent), d_(desk), binder_([this](const std::function<void()>& h) { run(h); }) {
    setCentralWidget(new QWidget(this));
    buildControls();
    buildMenus();
}

void VeltoWindow::buildControls() {
    VeltoForm& f = d_.velto;
    FormBinder& b = binder_;
    QWidget* central = centralWidget();

    auto* start = b.make<QGroupBox>(central, f.fr_start);
    auto* ltest = b.make<QLabel>(start, f.ltest);
    ltest->setWordWrap(true);
    ltest->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* system = b.make<QGroupBox>(start, f.frsystem);
    for (auto& l : f.llab) b.make<QLabel>(system, l);
    for (auto& t : f.tsys) b.makeText(system, t);
    b.makeText(system, f.tgsm);
    b.make<QLabel>(system, f.lgsm);
    b.makeCheck(system, f.chkgsm);
    b.makeCheck(system, f.chkema);
    for (auto& c : f.chkact) b.makeCheck(system, c);
    b.makeCheck(system, f.chksnd);
    b.make<QPushButton>(system, f.cupdate);
    b.make<QPushButton>(system, f.cexit);
    b.make<QLabel>(system, f.lcred);

    auto* login = b.make<QGroupBox>(start, f.frlogin);
    b.makeText(login, f.tlogin);
    static_cast<QLineEdit*>(b.makeText(login, f.tpasw))->setEchoMode(QLineEdit::Password);

    auto* lan = b.make<QGroupBox>(start, f.frlan);
    for (auto& o : f.optlan) b.makeOption(lan, o);
    b.makeText(lan, f.tprx);
    b.make<QPushButton>(lan, f.closeprx);
    b.make<QLabel>(lan, f.lprx)->setWordWrap(true);
    b.make<QLabel>(lan, f.lprx2);
    b.make<QLabel>(lan, f.lplix);

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
            auto* label = static_cast<QLabel*>(b.makeClickLabel(list, *l));
            label->setAutoFillBackground(true);
            label->setFrameShape(QFrame::Panel);
            label->setFrameShadow(QFrame::Sunken);
        }
        for (Button* button : {&f.cvink[i], &f.cnew[i], &f.chand[i]}) b.make<QPushButton>(list, *button);
    }
    for (auto& button : f.cvraag) b.make<QPushButton>(list, button);

    b.make<QLabel>(central, f.Picture1);
    b.make<QLabel>(central, f.Picture2);
    b.makeText(central, f.ttst);
    b.make<QLabel>(central, f.ltst);
}

void VeltoWindow::buildMenus() {
    VeltoForm& f = d_.velto;
    FormBinder& b = binder_;
    QMenuBar* bar = menuBar();

    QMenu* ctrl = b.addMenu(bar, f.ctrlplix);
    for (MenuItem* m : {&f.recon, &f.discon, &f.ttray, &f.spac, &f.close_ze2002}) b.addItem(ctrl, *m);

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
    centralWidget()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(centralWidget(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { trayMenu_->popup(centralWidget()->mapToGlobal(at)); });
    b.bindMenu(f.MnBar, trayMenu_->menuAction());
    for (MenuItem* m : {&f.Mnexit, &f.aut, &f.testf, &f.serverinfo, &f.directurl, &f.logfile,
                        &f.clrlog, &f.viewl})
        b.addItem(trayMenu_, *m);
}

void VeltoWindow::run(const std::function<void()>& handler) {
    handler();
    refresh();
}

void VeltoWindow::drawForm() {
    const FormControl& form = d_.velto.form;
    setWindowTitle(toQt(form.Caption));
    const Twips& t = binder_.twips();
    const QSize size(t.px(form.Width), t.px(form.Height));
    if (this->size() != size) resize(size);
    // The logic moved the window (it puts it back after the reactions window).
    if (QPoint(form.Left, form.Top) != placed_) {
        placed_ = QPoint(form.Left, form.Top);
        move(t.px(form.Left), t.px(form.Top));
    }
    setCursor(form.Pointer == MousePointer::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor);

    if (form.Visible) {
        // Only a difference between the struct and the window is acted on:
        // the user's own minimising reaches the struct through changeEvent.
        const bool wantMinimized = form.State == WindowState::Minimized;
        if (!isVisible() || wantMinimized != isMinimized()) {
            if (wantMinimized) {
                showMinimized();
            } else {
                showNormal();
                raise();
                activateWindow();
            }
        }
    } else if (isVisible() && !isMinimized()) {
        // Without a notification area a hidden window could never be reached
        // again, so there it is only minimised.
        if (d_.os.tray && d_.os.tray->installed())
            hide();
        else
            showMinimized();
    }
}

void VeltoWindow::refresh() {
    if (d_.st.ProgramEnded) {
        if (!quitting_) {
            quitting_ = true;
            hide();
            QApplication::quit();
        }
        return;
    }
    binder_.draw();
    drawForm();
    for (auto& draw : refreshers_) draw();
    if (d_.os.scheduler) d_.os.scheduler->sync();
}

void VeltoWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    d_.velto.form.State = isMinimized()   ? WindowState::Minimized
                          : isMaximized() ? WindowState::Maximized
                                          : WindowState::Normal;
}

void VeltoWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    const Twips& t = binder_.twips();
    FormControl& form = d_.velto.form;
    form.Left = t.twips(x());
    form.Top = t.twips(y());
    placed_ = QPoint(form.Left, form.Top);
}

void VeltoWindow::closeEvent(QCloseEvent* event) {
    const UnloadMode mode = systemShuttingDown_ || quitting_ ? UnloadMode::SystemShutdown
                                                             : UnloadMode::CloseBox;
    if (Form_QueryUnload(d_, mode))
        event->ignore();
    else
        event->accept();
    refresh();
}

}  // namespace plix
