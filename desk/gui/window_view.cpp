#include "desk/gui/window_view.h"

#include <QCloseEvent>
#include <memory>
#include <utility>

#include "desk/gui/window_set.h"
#include "platform/qt/qt_text.h"

namespace plix {

WindowBase::WindowBase(WindowSetBase& set, FormControl& form)
    : set_(set),
      form_(form),
      binder_([&set](const std::function<void()>& h) { set.run(h); }),
      placedAt_(form.Left, form.Top) {
    setCentralWidget(new QWidget(this));
}

bool WindowBase::run(const std::function<void()>& handler) { return set_.run(handler); }

WindowView::WindowView(WindowSet& set, FormControl& form) : WindowBase(set, form), set_(set) {}

Desk& WindowView::desk() const { return set_.desk(); }

void WindowBase::draw() {
    if (!form_.Visible) {
        drawHidden();
        return;
    }
    drawFrame();
    binder_.draw();
    // Only a difference between the struct and the window is acted on: the
    // user's own minimising reaches the struct through changeEvent.
    const bool minimised = form_.State == WindowState::Minimized;
    if (!isVisible() || minimised != isMinimized()) {
        if (minimised) {
            showMinimized();
        } else {
            showNormal();
            raise();
            activateWindow();
        }
    }
    takeFocus();
}

void WindowBase::drawHidden() {
    if (isVisible()) hide();
}

void WindowBase::drawFrame() {
    if (form_.Caption != drawnCaption_) {
        drawnCaption_ = form_.Caption;
        setWindowTitle(toQt(form_.Caption));
    }
    const Twips& t = twips();
    // The logic placed or sized the window (the main window goes back to its
    // place after the reactions window); the user's own changes are in the
    // frame already.
    if (QPoint(form_.Left, form_.Top) != placedAt_) {
        placedAt_ = QPoint(form_.Left, form_.Top);
        move(t.px(form_.Left), t.px(form_.Top));
    }
    if (QSize(form_.Width, form_.Height) != placedSize_) {
        placedSize_ = QSize(form_.Width, form_.Height);
        resize(t.px(form_.Width), t.px(form_.Height));
    }
    if (form_.Pointer != drawnPointer_) {
        drawnPointer_ = form_.Pointer;
        setCursor(form_.Pointer == MousePointer::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor);
    }
}

// Moves the keyboard focus where the logic asked for it (SetFocus).
void WindowBase::takeFocus() {
    if (!form_.Focus) return;
    if (QWidget* widget = widgetOf(form_.Focus)) widget->setFocus();
    form_.Focus = nullptr;
}

// While a fetch waits the close box's procedure runs after it, and the
// window closes then if the procedure says so.
void WindowBase::closeEvent(QCloseEvent* event) {
    auto answer = std::make_shared<std::pair<bool, bool>>();  // close, answered late
    const bool now = run([this, answer] {
        answer->first = closeBox();
        if (answer->second && answer->first) hide();
    });
    answer->second = !now;
    if (now && answer->first)
        event->accept();
    else
        event->ignore();
}

void WindowBase::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    form_.Left = twips().twips(x());
    form_.Top = twips().twips(y());
    placedAt_ = QPoint(form_.Left, form_.Top);
}

void WindowBase::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    form_.Width = twips().twips(width());
    form_.Height = twips().twips(height());
    placedSize_ = QSize(form_.Width, form_.Height);
}

void WindowBase::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    form_.State = isMinimized()   ? WindowState::Minimized
                  : isMaximized() ? WindowState::Maximized
                                  : WindowState::Normal;
}

}  // namespace plix
