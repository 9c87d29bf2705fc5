#include "desk/gui/velto_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "desk/core/startup.h"
#include "platform/qt/qt_text.h"

namespace plix {
namespace {

// A label that reports clicks, as the request rows need.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (clicked && e->button() == Qt::LeftButton) clicked();
        QLabel::mouseReleaseEvent(e);
    }
};

double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace

VeltoWindow::VeltoWindow(Desk& desk, QWidget* parent)
    : QMainWindow(parent), d_(desk), twips_(screenDpi()) {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    buildControls();
    buildMenus();
}

template <class W>
W* VeltoWindow::make(QWidget* parent, Control& c) {
    auto* w = new W(parent);
    widgets_[&c] = w;
    draws_.push_back([this, &c, w] { drawControl(c, w, twips_); });
    return w;
}

QWidget* VeltoWindow::makeText(QWidget* parent, TextBox& c, bool multiLine) {
    QWidget* w;
    if (multiLine) {
        auto* edit = new QPlainTextEdit(parent);
        QObject::connect(edit, &QPlainTextEdit::textChanged,
                         [&c, edit] { c.Text = fromQt(edit->toPlainText()); });
        w = edit;
    } else {
        auto* line = new QLineEdit(parent);
        QObject::connect(line, &QLineEdit::textEdited, [&c](const QString& t) { c.Text = fromQt(t); });
        w = line;
    }
    widgets_[&c] = w;
    draws_.push_back([this, &c, w] { drawText(c, w, twips_); });
    return w;
}

QWidget* VeltoWindow::makeCheck(QWidget* parent, CheckBox& c) {
    auto* box = new QCheckBox(parent);
    QObject::connect(box, &QCheckBox::toggled, [&c](bool on) { c.Value = on ? 1 : 0; });
    widgets_[&c] = box;
    draws_.push_back([this, &c, box] { drawCheck(c, box, twips_); });
    return box;
}

QWidget* VeltoWindow::makeOption(QWidget* parent, OptionButton& c) {
    auto* option = new QRadioButton(parent);
    QObject::connect(option, &QRadioButton::toggled, [&c](bool on) { c.Value = on; });
    widgets_[&c] = option;
    draws_.push_back([this, &c, option] { drawOption(c, option, twips_); });
    return option;
}

void VeltoWindow::buildControls() {
    VeltoForm& f = d_.velto;
    QWidget* central = centralWidget();

    auto* start = make<QGroupBox>(central, f.fr_start);
    auto* ltest = make<QLabel>(start, f.ltest);
    ltest->setWordWrap(true);
    ltest->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* system = make<QGroupBox>(start, f.frsystem);
    for (auto& l : f.llab) make<QLabel>(system, l);
    for (auto& t : f.tsys) makeText(system, t);
    makeText(system, f.tgsm);
    make<QLabel>(system, f.lgsm);
    makeCheck(system, f.chkgsm);
    makeCheck(system, f.chkema);
    for (auto& c : f.chkact) makeCheck(system, c);
    makeCheck(system, f.chksnd);
    make<QPushButton>(system, f.cupdate);
    make<QPushButton>(system, f.cexit);
    make<QLabel>(system, f.lcred);

    auto* login = make<QGroupBox>(start, f.frlogin);
    makeText(login, f.tlogin);
    auto* password = static_cast<QLineEdit*>(makeText(login, f.tpasw));
    password->setEchoMode(QLineEdit::Password);

    auto* lan = make<QGroupBox>(start, f.frlan);
    for (auto& o : f.optlan) makeOption(lan, o);
    makeText(lan, f.tprx);
    make<QPushButton>(lan, f.closeprx);
    make<QLabel>(lan, f.lprx)->setWordWrap(true);
    make<QLabel>(lan, f.lprx2);
    make<QLabel>(lan, f.lplix);

    auto* url = make<QGroupBox>(start, f.fr_url);
    makeText(url, f.t_url);
    make<QPushButton>(url, f.c_geturl);
    makeText(url, f.t_echo, true);
    make<QPushButton>(url, f.c_exiturl);

    // The request list is created last so that it lies over the other frames.
    auto* list = make<QGroupBox>(start, f.fr_vraag);
    for (int i = 0; i < kRows; ++i) {
        auto* shape = make<QFrame>(list, f.Shape1[i]);
        shape->setFrameShape(QFrame::Box);
        for (Label* l : {&f.lnr[i], &f.ltime[i], &f.lvraag[i]}) {
            auto* label = make<ClickLabel>(list, *l);
            label->setAutoFillBackground(true);
            label->setFrameShape(QFrame::Panel);
            label->setFrameShadow(QFrame::Sunken);
        }
        for (Button* b : {&f.cvink[i], &f.cnew[i], &f.chand[i]}) make<QPushButton>(list, *b);
    }
    for (auto& b : f.cvraag) make<QPushButton>(list, b);

    make<QLabel>(central, f.Picture1);
    make<QLabel>(central, f.Picture2);
    makeText(central, f.ttst);
    make<QLabel>(central, f.ltst);
}

QAction* VeltoWindow::addItem(QMenu* menu, MenuItem& item) {
    QAction* a = item.Separator ? menu->addSeparator() : menu->addAction(QString());
    actions_[&item] = a;
    draws_.push_back([&item, a] { drawMenu(item, a); });
    return a;
}

QMenu* VeltoWindow::addSubMenu(QMenu* parent, MenuItem& item) {
    QMenu* sub = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    QAction* a = sub->menuAction();
    actions_[&item] = a;
    draws_.push_back([&item, a] { drawMenu(item, a); });
    return sub;
}

void VeltoWindow::buildMenus() {
    VeltoForm& f = d_.velto;
    QMenu* ctrl = addSubMenu(nullptr, f.ctrlplix);
    for (MenuItem* m : {&f.recon, &f.discon, &f.ttray, &f.spac, &f.close_ze2002}) addItem(ctrl, *m);

    QMenu* setup = addSubMenu(nullptr, f.setup);
    for (MenuItem* m : {&f.splix, &f.leverancier, &f.filter}) addItem(setup, *m);
    QMenu* language = addSubMenu(setup, f.taal);
    for (int i = 1; i <= 4; ++i) addItem(language, f.lng[i])->setCheckable(true);
    for (MenuItem* m : {&f.lan, &f.offertes}) addItem(setup, *m);

    QMenu* questions = addSubMenu(nullptr, f.vragen);
    for (MenuItem* m : {&f.clrall, &f.viewall}) addItem(questions, *m);

    QMenu* extra = addSubMenu(nullptr, f.extra);
    for (MenuItem* m : {&f.directchat, &f.login}) addItem(extra, *m);

    QMenu* help = addSubMenu(nullptr, f.helps);
    for (auto& m : f.hlp) addItem(help, m);
    addItem(help, f.plixnet);

    // The notification-area icon's pop-up menu: built here, never in the menu bar.
    trayMenu_ = new QMenu(this);
    actions_[&f.MnBar] = trayMenu_->menuAction();
    for (MenuItem* m : {&f.Mnexit, &f.aut, &f.testf, &f.serverinfo, &f.directurl, &f.logfile,
                        &f.clrlog, &f.viewl})
        addItem(trayMenu_, *m);
}

QWidget* VeltoWindow::widgetOf(const void* control) const {
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
}

QAction* VeltoWindow::actionOf(const MenuItem& item) const {
    auto it = actions_.find(&item);
    return it == actions_.end() ? nullptr : it->second;
}

void VeltoWindow::onClick(const Control& control, std::function<void()> handler) {
    QWidget* w = widgetOf(&control);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QObject::connect(button, &QAbstractButton::clicked, [this, handler] { run(handler); });
    } else if (auto* label = dynamic_cast<ClickLabel*>(w)) {
        label->clicked = [this, handler] { run(handler); };
    }
}

void VeltoWindow::onMenu(const MenuItem& item, std::function<void()> handler) {
    if (QAction* a = actionOf(item))
        QObject::connect(a, &QAction::triggered, [this, handler] { run(handler); });
}

void VeltoWindow::run(const std::function<void()>& handler) {
    handler();
    refresh();
}

void VeltoWindow::drawForm() {
    const FormControl& form = d_.velto.form;
    setWindowTitle(toQt(form.Caption));
    const QSize size(twips_.px(form.Width), twips_.px(form.Height));
    if (this->size() != size) resize(size);
    setCursor(form.Pointer == MousePointer::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor);

    if (form.Visible) {
        if (!isVisible() || isMinimized()) {
            form.State == WindowState::Minimized ? showMinimized() : showNormal();
            raise();
            activateWindow();
        }
    } else if (isVisible() && !isMinimized()) {
        // Without a notification area a hidden window could never be reached
        // again, so it is only minimised there.
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
    for (auto& draw : draws_) draw();
    drawForm();
    if (d_.os.scheduler) d_.os.scheduler->sync();
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
