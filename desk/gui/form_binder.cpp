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
    addDraw(c, [this, &c, w] { drawControl(c, w, twips_); });
    // What only the view knows of cannot be compared here: it draws each time
    // (the view's own drawing keeps it cheap).
    if (drawValue) draws_.push_back(std::move(drawValue));
}

QLabel* FormBinder::makeLabel(QWidget* parent, Label& c) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    widgets_[&c] = label;
    addDraw(c, [this, &c, label] { drawLabel(c, label, twips_); });
    return label;
}

QLabel* FormBinder::makeClickLabel(QWidget* parent, Label& c) {
    auto* label = new ClickLabel(parent);
    label->setTextFormat(Qt::PlainText);
    widgets_[&c] = label;
    addDraw(c, [this, &c, label] { drawLabel(c, label, twips_); });
    return label;
}

void FormBinder::add(const void* control, QWidget* w, std::function<void()> draw) {
    widgets_[control] = w;
    draws_.push_back(std::move(draw));
}

// With a buddy the caption's "&" marks an access key instead of being left
// out: the label is drawn again at once, whether or not its struct changed.
void FormBinder::buddy(const Label& label, const Control& control) {
    if (auto* l = qobject_cast<QLabel*>(widgetOf(&label))) {
        l->setBuddy(widgetOf(&control));
        drawLabel(label, l, twips_);
    }
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
    QWidget* w = multiLine ? static_cast<QWidget*>(new QPlainTextEdit(parent)) : new QLineEdit(parent);
    widgets_[&c] = w;
    const auto drawn = addDraw(c, [this, &c, w, shown] {
        drawControl(c, w, twips_);
        if (shown->drawn && c.Text == shown->text) return;
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
            drawMultiLine(edit, c.Text, shown->drawn ? shown->text : std::string());
        else if (auto* line = qobject_cast<QLineEdit*>(w))
            line->setText(toQt(c.Text));
        shown->text = c.Text;
        shown->drawn = true;
    });
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        QObject::connect(edit, &QPlainTextEdit::textChanged, [&c, edit, shown, drawn] {
            c.Text = fromQt(edit->toPlainText());
            shown->text = c.Text;
            drawn->reset();
        });
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        QObject::connect(line, &QLineEdit::textEdited, [&c, shown, drawn](const QString& t) {
            c.Text = fromQt(t);
            shown->text = c.Text;
            drawn->reset();
        });
    }
    return w;
}

QWidget* FormBinder::makeCheck(QWidget* parent, CheckBox& c) {
    auto* box = new QCheckBox(parent);
    widgets_[&c] = box;
    const auto drawn = addDraw(c, [this, &c, box] { drawCheck(c, box, twips_); });
    QObject::connect(box, &QCheckBox::toggled, [&c, drawn](bool on) {
        c.Value = on ? 1 : 0;
        drawn->reset();
    });
    return box;
}

QWidget* FormBinder::makeOption(QWidget* parent, OptionButton& c) {
    auto* option = new QRadioButton(parent);
    widgets_[&c] = option;
    const auto drawn = addDraw(c, [this, &c, option] { drawOption(c, option, twips_); });
    QObject::connect(option, &QRadioButton::toggled, [&c, drawn](bool on) {
        c.Value = on;
        drawn->reset();
    });
    return option;
}

QWidget* FormBinder::makeList(QWidget* parent, ListBox& c) {
    auto* list = new QListWidget(parent);
    widgets_[&c] = list;
    const auto drawn = addDraw(c, [this, &c, list] { drawList(c, list, twips_); });
    QObject::connect(list, &QListWidget::currentRowChanged, [&c, drawn](int row) {
        c.ListIndex = row;
        drawn->reset();
    });
    return list;
}

QWidget* FormBinder::makeCombo(QWidget* parent, ComboBox& c) {
    auto* combo = new QComboBox(parent);
    widgets_[&c] = combo;
    const auto drawn = addDraw(c, [this, &c, combo] { drawList(c, combo, twips_); });
    QObject::connect(combo, &QComboBox::activated, [&c, drawn](int index) {
        c.ListIndex = index;
        drawn->reset();
    });
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
    addDraw(item, [&item, action] { drawMenu(item, action); });
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
        // The user's choice, also of the item already chosen; makeCombo's own
        // connection has put it into ListIndex by then.
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

void FormBinder::onEnter(const TextBox& box, std::function<void(int&)> keyPress) {
    if (auto* edit = qobject_cast<QLineEdit*>(widgetOf(&box)))
        QObject::connect(edit, &QLineEdit::returnPressed, [this, keyPress] {
            run_([keyPress] {
                int key = kEnterKey;
                keyPress(key);
            });
        });
}

void FormBinder::onTyped(const TextBox& box, std::function<void()> handler) {
    if (auto* edit = qobject_cast<QLineEdit*>(widgetOf(&box)))
        QObject::connect(edit, &QLineEdit::textEdited, [this, handler] { run_(handler); });
}

void FormBinder::draw() const {
    for (const auto& step : draws_) step();
}

}  // namespace plix
