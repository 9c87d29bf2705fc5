#include "desk/gui/veltolog_view.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "desk/gui/velto_view.h"
#include "platform/qt/qt_text.h"

namespace plix {

VeltologWindow::VeltologWindow(Desk& desk, VeltoWindow& main)
    : QWidget(nullptr, Qt::Window),
      d_(desk),
      main_(main),
      binder_([&main](const std::function<void()>& h) { main.run(h); }) {
    VeltologForm& log_ = d_.veltolog;
    auto* text = static_cast<QPlainTextEdit*>(binder_.makeText(this, log_.tlog, true));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    binder_.make<QPushButton>(this, log_.cclr);
    binder_.make<QPushButton>(this, log_.cexit);
    binder_.onClick(log_.cclr, [this] { veltolog_cclr_Click(d_); });
    binder_.onClick(log_.cexit, [this] { veltolog_cexit_Click(d_); });
    main.addRefresher([this] { draw(); });
}

void VeltologWindow::draw() {
    const FormControl& form = d_.veltolog.form;
    if (!form.Visible) {
        if (isVisible()) hide();
        return;
    }
    setWindowTitle(toQt(form.Caption));
    const Twips& t = binder_.twips();
    if (!isVisible()) setGeometry(t.px(form.Left), t.px(form.Top), t.px(form.Width), t.px(form.Height));
    const int before = static_cast<int>(d_.veltolog.tlog.Text.size());
    binder_.draw();
    if (auto* text = qobject_cast<QPlainTextEdit*>(binder_.widgetOf(&d_.veltolog.tlog)); text && before > 0)
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    if (!isVisible()) {
        show();
        raise();
    }
}

void VeltologWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    main_.run([this] { veltolog_cexit_Click(d_); });
}

}  // namespace plix
