// The login frame in the real window: menu, Enter in both boxes, focus, and
// the frame lying over the request list.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "tests/support/gui_fixture.h"

namespace plix {
namespace {

class LoginFrameTest : public testing::GuiFixture {};

TEST_F(LoginFrameTest, LogsInFromTheKeyboard) {
    Form_Load(desk);
    st.OnlineFlag = 1;
    st.ServerHost = "www.plix.test";
    velto.fr_vraag.Visible = true;  // the request list is up
    windows.redraw();

    window.actionOf(velto.login)->trigger();
    QWidget* frame = window.widgetOf(&velto.frlogin);
    QWidget* list = window.widgetOf(&velto.fr_vraag);
    auto* name = qobject_cast<QLineEdit*>(window.widgetOf(&velto.tlogin));
    auto* password = qobject_cast<QLineEdit*>(window.widgetOf(&velto.tpasw));
    ASSERT_TRUE(frame && list && name && password);
    EXPECT_TRUE(frame->isVisible());
    const QObjectList stack = frame->parentWidget()->children();
    EXPECT_GT(stack.indexOf(frame), stack.indexOf(list));  // above the list
    EXPECT_EQ(window.focusWidget(), name);
    EXPECT_EQ(velto.form.Focus, nullptr);

    // Typed text and Enter as the box reports them (synthetic key events would
    // leave Qt's test input device behind at exit).
    name->insert(QStringLiteral("demo"));
    emit name->returnPressed();
    EXPECT_EQ(window.focusWidget(), password);
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);

    fakes.http.replies.push_back({true, "ID_LV=1001", {}});
    password->insert(QStringLiteral("demo1234"));
    emit password->returnPressed();
    ASSERT_EQ(fakes.http.requests.size(), 2u);  // the login, then the record
    EXPECT_EQ(fakes.http.requests[0].url,
              "http://www.plix.test/plix_ctrl.php?CD=13&LOGINL=demo&PASWL=demo1234");
    EXPECT_EQ(st.SupplierNumber, 1001);
    EXPECT_FALSE(frame->isVisible());

    // Opening the frame again starts with empty boxes.
    window.actionOf(velto.login)->trigger();
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_TRUE(password->text().isEmpty());
}

TEST_F(LoginFrameTest, EscapeOrItsButtonClosesTheFrame) {
    load();
    QWidget* frame = window.widgetOf(&velto.frlogin);
    auto* close = qobject_cast<QPushButton*>(window.widgetOf(&velto.cexl));
    auto* escape = frame ? frame->findChild<QShortcut*>() : nullptr;
    ASSERT_TRUE(close && escape);
    EXPECT_EQ(escape->key(), QKeySequence(Qt::Key_Escape));
    EXPECT_EQ(escape->context(),
              Qt::WidgetWithChildrenShortcut);  // only while the frame has the focus

    window.actionOf(velto.login)->trigger();
    velto.tpasw.Text = "half typed";
    emit escape->activated();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(velto.tpasw.Text, "");

    window.actionOf(velto.login)->trigger();
    close->click();
    EXPECT_FALSE(frame->isVisible());
}

}  // namespace
}  // namespace plix
