// The form binder: what it refuses to wire, how it draws a growing text box,
// and a drop-down list's lines and the user's choice.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <stdexcept>

#include "desk/gui/form_binder.h"
#include "tests/support/qt_app.h"

namespace plix {
namespace {

class FormBinderTest : public ::testing::Test {
protected:
    bool appReady = (testing::app(), true);
    int handled = 0;
    FormBinder binder{[this](const std::function<void()>& h) {
        h();
        binder.draw();
    }};
    QWidget window;
};

TEST_F(FormBinderTest, AClickIsWiredOnlyWhereItCanHappen) {
    Label status{}, row{};
    Button button{};
    MenuItem missing{"&Missing"};
    binder.makeLabel(&window, status);
    binder.makeClickLabel(&window, row);
    auto* push = binder.make<QPushButton>(&window, button);
    EXPECT_THROW(binder.onClick(status, [this] { ++handled; }), std::invalid_argument);
    Control unbound;
    EXPECT_THROW(binder.onClick(unbound, [this] { ++handled; }), std::invalid_argument);
    EXPECT_THROW(binder.onMenu(missing, [this] { ++handled; }), std::invalid_argument);
    binder.onClick(row, [this] { ++handled; });
    binder.onClick(button, [this] { ++handled; });
    push->click();
    EXPECT_EQ(handled, 1);
}

// A log box: a redraw that adds nothing touches nothing, so the user's place
// stays; new text is appended alone and followed only from the end.
TEST_F(FormBinderTest, AGrowingBoxKeepsTheUsersPlaceAndConvertsOnlyWhatIsNew) {
    TextBox log{};
    log.Width = 3000;
    log.Height = 1500;
    auto* box = static_cast<QPlainTextEdit*>(binder.makeText(&window, log, true));
    window.show();
    for (int i = 0; i < 200; ++i) log.Text += " GETVRAAG 10:00:0" + std::to_string(i % 10) + "\r\n";
    binder.draw();
    QScrollBar* bar = box->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 10);
    EXPECT_EQ(bar->value(), bar->maximum());  // a new box follows its end

    std::vector<std::array<int, 3>> changes;  // position, removed, added
    QObject::connect(box->document(), &QTextDocument::contentsChange,
                     [&](int at, int removed, int added) {
                         changes.push_back({at, removed, added});
                     });
    bar->setValue(bar->maximum() / 2);  // the user scrolls up to read
    binder.draw();
    binder.draw();
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(bar->value(), bar->maximum() / 2);

    const int before = box->document()->characterCount();
    const int place = bar->value();
    log.Text += " GETCHANGE 10:01:00\r\n";
    binder.draw();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0][0], before - 1);  // appended at the end, nothing replaced
    EXPECT_EQ(changes[0][1], 0);
    EXPECT_EQ(bar->value(), place);  // the user's place, not the end

    bar->setValue(bar->maximum());
    log.Text += " GETCHANGE 10:01:10\r\n";
    binder.draw();
    EXPECT_EQ(bar->value(), bar->maximum());  // at the end it follows

    log.Text.clear();
    binder.draw();
    EXPECT_TRUE(box->toPlainText().isEmpty());
}

// The handler finds the user's choice in ListIndex; the program's own
// redraws of the lines and the choice are no click.
TEST_F(FormBinderTest, ADropDownListShowsItsLinesAndReportsTheChoiceBeforeItsHandler) {
    ComboBox languages{};
    languages.Items = {"English",
                       "Fran\xe7"
                       "ais"};
    languages.ListIndex = 0;
    auto* combo = qobject_cast<QComboBox*>(binder.makeCombo(&window, languages));
    ASSERT_NE(combo, nullptr);
    int chosen = -1;
    binder.onClick(languages, [&] {
        ++handled;
        chosen = languages.ListIndex;
    });
    binder.draw();
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1), QStringLiteral("Fran\u00e7ais"));

    languages.Items.push_back("Nederlands");
    languages.ListIndex = 2;
    binder.draw();
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(handled, 0);

    emit combo->activated(1);  // the user picks a line
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(chosen, 1);
}

// A draw touches only the widgets whose struct changed since the last one; a
// widget the user changed is drawn again from its struct, even to the value
// the struct held before.
TEST_F(FormBinderTest, ADrawTouchesOnlyWhatChangedAndWhatTheUserChanged) {
    Label status{};
    CheckBox sound{};
    MenuItem connect{"&Connect"};
    auto* label = binder.makeLabel(&window, status);
    auto* box = static_cast<QCheckBox*>(binder.makeCheck(&window, sound));
    QMenu menu;
    binder.addItem(&menu, connect);
    status.Caption = "Online";
    binder.draw();
    EXPECT_EQ(label->text(), QStringLiteral("Online"));

    label->setText(QStringLiteral("scribbled"));  // what a draw would overwrite
    binder.actionOf(connect)->setText(QStringLiteral("scribbled"));
    binder.draw();
    EXPECT_EQ(label->text(), QStringLiteral("scribbled"));  // unchanged structs: not touched
    EXPECT_EQ(binder.actionOf(connect)->text(), QStringLiteral("scribbled"));
    status.Caption = "Offline";
    connect.Enabled = false;
    binder.draw();
    EXPECT_EQ(label->text(), QStringLiteral("Offline"));
    EXPECT_EQ(binder.actionOf(connect)->text(), QStringLiteral("&Connect"));
    EXPECT_FALSE(binder.actionOf(connect)->isEnabled());

    box->click();  // the user ticks; the logic takes it back
    EXPECT_EQ(sound.Value, 1);
    sound.Value = 0;
    binder.draw();
    EXPECT_FALSE(box->isChecked());
}

}  // namespace
}  // namespace plix
