#include "desk/gui/widget_binding.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/qt/qt_text.h"

namespace plix {
namespace {

QString rgb(int bbggrr) {
    return QStringLiteral("#%1%2%3")
        .arg(bbggrr & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bbggrr >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bbggrr >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

void setCaption(QWidget* w, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text() != caption) label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->text() != caption) button->setText(caption);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        if (box->title() != caption) box->setTitle(caption);
    }
}

}  // namespace

QString colourStyle(int foreColor, int backColor) {
    QString style;
    if (foreColor != kDefaultColour) style += QStringLiteral("color: %1;").arg(rgb(foreColor));
    if (backColor != kDefaultColour)
        style += QStringLiteral("background-color: %1;").arg(rgb(backColor));
    return style;
}

void drawControl(const Control& c, QWidget* w, const Twips& t) {
    const QRect geometry(t.px(c.Left), t.px(c.Top), t.px(c.Width), t.px(c.Height));
    if (w->geometry() != geometry) w->setGeometry(geometry);
    setCaption(w, toQt(c.Caption));
    const QString style = colourStyle(c.ForeColor, c.BackColor);
    if (w->styleSheet() != style && !qobject_cast<QGroupBox*>(w)) w->setStyleSheet(style);
    w->setEnabled(c.Enabled);
    w->setVisible(c.Visible);
}

std::string withoutMnemonic(std::string_view caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && ++i == caption.size()) break;  // a marker at the end marks nothing
        out += caption[i];                                      // and "&&" shows one "&"
    }
    return out;
}

void drawLabel(const Label& c, QLabel* w, const Twips& t) {
    Control shown = c;
    if (c.UseMnemonic && !w->buddy()) shown.Caption = withoutMnemonic(c.Caption);
    drawControl(shown, w, t);
    // A one-line text cut at the label's width shows in full as its tooltip.
    if (w->wordWrap()) return;
    const QString text = w->text();
    const bool cut = w->fontMetrics().horizontalAdvance(text) > w->contentsRect().width();
    const QString tip = cut ? text : QString();
    if (w->toolTip() != tip) w->setToolTip(tip);
}

void drawCheck(const CheckBox& c, QWidget* w, const Twips& t) {
    drawControl(c, w, t);
    if (auto* box = qobject_cast<QCheckBox*>(w)) box->setChecked(c.Value == 1);
}

void drawOption(const OptionButton& c, QWidget* w, const Twips& t) {
    drawControl(c, w, t);
    if (auto* option = qobject_cast<QRadioButton*>(w)) option->setChecked(c.Value);
}

void drawList(const ListBox& c, QWidget* w, const Twips& t) {
    drawControl(c, w, t);
    auto* list = qobject_cast<QListWidget*>(w);
    auto* combo = qobject_cast<QComboBox*>(w);
    if (!list && !combo) return;
    const QSignalBlocker block(w);  // the program's own change is no choice of the user's
    const int count = list ? list->count() : combo->count();
    const auto shown = [&](int i) { return list ? list->item(i)->text() : combo->itemText(i); };
    bool same = count == static_cast<int>(c.Items.size());
    for (int i = 0; same && i < count; ++i) same = shown(i) == toQt(c.Items[i]);
    if (!same) {
        QStringList items;
        for (const auto& item : c.Items) items << toQt(item);
        if (list) {
            list->clear();
            list->addItems(items);
        } else {
            combo->clear();
            combo->addItems(items);
            // A drop-down list offers only the entries that have a text.
            if (auto* view = qobject_cast<QListView*>(combo->view()))
                for (int i = 0; i < combo->count(); ++i) view->setRowHidden(i, c.Items[i].empty());
        }
    }
    if (list && list->currentRow() != c.ListIndex) list->setCurrentRow(c.ListIndex);
    if (combo && combo->currentIndex() != c.ListIndex) combo->setCurrentIndex(c.ListIndex);
}

void drawMenu(const MenuItem& m, QAction* a) {
    const QString caption = toQt(m.Caption);
    if (a->text() != caption) a->setText(caption);
    a->setVisible(m.Visible);
    a->setEnabled(m.Enabled);
    a->setCheckable(m.Checked || a->isCheckable());
    a->setChecked(m.Checked);
}

}  // namespace plix
