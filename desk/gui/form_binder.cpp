#include "desk/gui/form_binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
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
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <stdexcept>

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

void FormBinder::bind(Control& c, QWidget* w, std::function<void()> drawValue) {
    // A picture drawn as a label shows no markup either.
    if (auto* label = qobject_cast<QLabel*>(w)) label->setTextFormat(Qt::PlainText);
    widgets_[&c] = w;
    draws_.push_back([this, &c, w, drawValue = std::move(drawValue)] {
        drawControl(c, w, twips_);
        if (drawValue) drawValue();
    });
}

QLabel* FormBinder::makeLabel(QWidget* parent, Label& c) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    widgets_[&c] = label;
    draws_.push_back([this, &c, label] { drawLabel(c, label, twips_); });
    return label;
}

QLabel* FormBinder::makeClickLabel(QWidget* parent, Label& c) {
    auto* label = new ClickLabel(parent);
    label->setTextFormat(Qt::PlainText);
    widgets_[&c] = label;
    draws_.push_back([this, &c, label] { drawLabel(c, label, twips_); });
    return label;
}

void FormBinder::add(const void* control, QWidget* w, std::function<void()> draw) {
    widgets_[control] = w;
    draws_.push_back(std::move(draw));
}

void FormBinder::buddy(const Label& label, const Control& control) {
    if (auto* l = qobject_cast<QLabel*>(widgetOf(&label))) l->setBuddy(widgetOf(&control));
}

namespace {

// Draws a multi-line box: text added at the end is appended alone (and the
// box follows it when the user was at the end); anything else is set whole.
void drawMultiLine(QPlainTextEdit* edit, const std::string& text, const std::string& shown) {
    const QSignalBlocker quiet(edit);  // the program's own change is no typing
    QScrollBar* bar = edit->verticalScrollBar();
    const bool follow = bar->value() == bar->maximum();
    if (!shown.empty() && text.size() > shown.size() && text.compare(0, shown.size(), shown) == 0) {
        QTextCursor end(edit->document());
        end.movePosition(QTextCursor::End);
        end.insertText(toQt(std::string_view(text).substr(shown.size())));
    } else {
        edit->setPlainText(toQt(text));
    }
    if (follow) bar->setValue(bar->maximum());
}

}  // namespace

QWidget* FormBinder::makeText(QWidget* parent, TextBox& c, bool multiLine) {
    auto shown = std::make_shared<Shown>();
    QWidget* w;
    if (multiLine) {
        auto* edit = new QPlainTextEdit(parent);
        QObject::connect(edit, &QPlainTextEdit::textChanged, [&c, edit, shown] {
            c.Text = fromQt(edit->toPlainText());
            shown->text = c.Text;
        });
        w = edit;
    } else {
        auto* line = new QLineEdit(parent);
        QObject::connect(line, &QLineEdit::textEdited, [&c, shown](const QString& t) {
            c.Text = fromQt(t);
            shown->text = c.Text;
        });
        w = line;
    }
    widgets_[&c] = w;
    draws_.push_back([this, &c, w, shown] {
        drawControl(c, w, twips_);
        if (shown->drawn && c.Text == shown->text) return;
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
            drawMultiLine(edit, c.Text, shown->drawn ? shown->text : std::string());
        else if (auto* line = qobject_cast<QLineEdit*>(w))
            line->setText(toQt(c.Text));
        shown->text = c.Text;
        shown->drawn = true;
    });
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

QWidget* FormBinder::makeCombo(QWidget* parent, ComboBox& c) {
    auto* combo = new QComboBox(parent);
    QObject::connect(combo, &QComboBox::activated, [&c](int index) { c.ListIndex = index; });
    widgets_[&c] = combo;
    draws_.push_back([this, &c, combo] { drawList(c, combo, twips_); });
    return combo;
}

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
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QObject::connect(combo, &QComboBox::activated, runIt);
    } else {
        throw std::invalid_argument("a click handler for \"" + control.Caption +
                                    "\", whose widget " +
                                    (w ? "cannot be clicked" : "this window does not have"));
    }
}

void FormBinder::onMenu(const MenuItem& item, std::function<void()> handler) {
    QAction* a = actionOf(item);
    if (!a)
        throw std::invalid_argument("a handler for the menu item \"" + item.Caption +
                                    "\", which this window does not have");
    QObject::connect(a, &QAction::triggered, [this, handler] { run_(handler); });
}

void FormBinder::draw() const {
    for (const auto& step : draws_) step();
}

}  // namespace plix
