#include "desk/gui/form_binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>

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

FormBinder::FormBinder(std::function<void(const std::function<void()>&)> run)
    : run_(std::move(run)), twips_(screenDpi()) {}

void FormBinder::bind(Control& c, QWidget* w) {
    widgets_[&c] = w;
    draws_.push_back([this, &c, w] { drawControl(c, w, twips_); });
}

QWidget* FormBinder::makeText(QWidget* parent, TextBox& c, bool multiLine) {
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

QWidget* FormBinder::makeCheck(QWidget* parent, CheckBox& c) {
    auto* box = new QCheckBox(parent);
    QObject::connect(box, &QCheckBox::toggled, [&c](bool on) { c.Value = on ? 1 : 0; });
    widgets_[&c] = box;
    draws_.push_back([this, &c, box] { drawCheck(c, box, twips_); });
    return box;
}

QWidget* FormBinder::makeOption(QWidget* parent, OptionButton& c) {
    auto* option = new QRadioButton(parent);
    QObject::connect(option, &QRadioButton::toggled, [&c](bool on) { c.Value = on; });
    widgets_[&c] = option;
    draws_.push_back([this, &c, option] { drawOption(c, option, twips_); });
    return option;
}

QWidget* FormBinder::makeList(QWidget* parent, ListBox& c) {
    auto* list = new QListWidget(parent);
    QObject::connect(list, &QListWidget::currentRowChanged, [&c](int row) { c.ListIndex = row; });
    widgets_[&c] = list;
    draws_.push_back([this, &c, list] { drawList(c, list, twips_); });
    return list;
}

QWidget* FormBinder::makeClickLabel(QWidget* parent, Control& c) { return make<ClickLabel>(parent, c); }

QAction* FormBinder::addItem(QMenu* menu, MenuItem& item) {
    QAction* a = item.Separator ? menu->addSeparator() : menu->addAction(QString());
    bindMenu(item, a);
    return a;
}

QMenu* FormBinder::addMenu(QMenuBar* bar, MenuItem& item) {
    QMenu* menu = bar->addMenu(QString());
    bindMenu(item, menu->menuAction());
    return menu;
}

QMenu* FormBinder::addSubMenu(QMenu* parent, MenuItem& item) {
    QMenu* sub = parent->addMenu(QString());
    bindMenu(item, sub->menuAction());
    return sub;
}

void FormBinder::bindMenu(MenuItem& item, QAction* action) {
    actions_[&item] = action;
    draws_.push_back([&item, action] { drawMenu(item, action); });
}

QWidget* FormBinder::widgetOf(const void* control) const {
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
}

QAction* FormBinder::actionOf(const MenuItem& item) const {
    auto it = actions_.find(&item);
    return it == actions_.end() ? nullptr : it->second;
}

void FormBinder::onClick(const Control& control, std::function<void()> handler) {
    QWidget* w = widgetOf(&control);
    auto runIt = [this, handler] { run_(handler); };
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QObject::connect(button, &QAbstractButton::clicked, runIt);
    } else if (auto* label = dynamic_cast<ClickLabel*>(w)) {
        label->clicked = runIt;
    }
}

void FormBinder::onMenu(const MenuItem& item, std::function<void()> handler) {
    if (QAction* a = actionOf(item))
        QObject::connect(a, &QAction::triggered, [this, handler] { run_(handler); });
}

void FormBinder::draw() const {
    for (const auto& step : draws_) step();
}

}  // namespace plix
