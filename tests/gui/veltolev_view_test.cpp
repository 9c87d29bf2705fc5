// The supplier and filter windows in their real widgets: keys and focus
// reach the handlers, the catalogue widens the window, the language list
// offers only named entries, and the filter boxes reach the settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>

#include "desk/gui/veltoflt_view.h"
#include "desk/gui/veltolev_view.h"
#include "desk/profile/veltoflt.h"
#include "desk/profile/veltolev.h"
#include "tests/support/gui_fixture.h"
#include "tests/support/market_double.h"

namespace plix {
namespace {

class ProfileWindowsTest : public testing::GuiFixture {
protected:
    testing::MarketDouble market;
    VeltolevForm& lev = desk.veltolev;

    ProfileWindowsTest() {
        desk.os.http = &market;
        market.answer("ctrl05", "MAX=1<br>A00 Bouw*1<br>QCNT=1<br>");
        market.answer("ctrl06", "QFILT=<br>tegels<br>hout<br>0<br>");
        st.ServerHost = "srv.test";
        st.OnlineFlag = 1;
        st.TrayFlag = 1;
        st.WindowFetchAllowed = 1;
        st.SupplierList[30] = "0";
        st.LanguageTable[108] = "OK";
        st.CurrentLanguage = 2;
        st.LanguageTable[190] = "English";
        st.LanguageTable[191] = "Nederlands";
    }
    template <class W>
    W* widget(const WindowView& view, const void* control) {
        return qobject_cast<W*>(view.widgetOf(control));
    }
    // A key typed into a widget, as the keyboard delivers it.
    static void press(QWidget* w, int key, const QString& text = {}) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &down);
    }
    static void focusIn(QWidget* w) {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(w, &in);
    }
};

TEST_F(ProfileWindowsTest, KeysWalkTheSupplierWindowAndTheBranchBoxWidensIt) {
    auto& view = windows.view<VeltolevView>();
    veltolev_Load(desk);
    windows.redraw();
    ASSERT_TRUE(view.isVisible());
    auto* name = widget<QLineEdit>(view, &lev.tlev[0]);
    auto* address = widget<QLineEdit>(view, &lev.tlev[1]);
    ASSERT_TRUE(name && address);

    // "&" types a character: its key code must not read as an arrow key.
    press(name, Qt::Key_Ampersand, QStringLiteral("&"));
    EXPECT_EQ(lev.tlev[0].Text, "&");
    EXPECT_EQ(st.SettingsDirty, 1);

    press(name, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(view.focusWidget(), address);
    EXPECT_EQ(widget<QLineEdit>(view, &lev.tlev[10])->maxLength(), 3);
    focusIn(widget<QLineEdit>(view, &lev.tlev[10]));
    EXPECT_EQ(view.width(), view.twips().px(11000));
    EXPECT_TRUE(widget<QLineEdit>(view, &lev.tlev[10])->styleSheet().contains("#ffffc0"));
    focusIn(address);
    EXPECT_EQ(view.width(), view.twips().px(5600));

    // The language list offers the named languages only.
    auto* languages = widget<QComboBox>(view, &lev.taal);
    EXPECT_EQ(languages->currentText(), QStringLiteral("Nederlands"));
    EXPECT_TRUE(qobject_cast<QListView*>(languages->view())->isRowHidden(5));

    // Text that cannot be stored keeps the window open when it is closed.
    lev.tlev[6].Text = "a > b";
    EXPECT_FALSE(view.close());
    EXPECT_TRUE(view.isVisible());
    lev.tlev[6].Text.clear();
    EXPECT_TRUE(view.close());
    windows.redraw();
    EXPECT_FALSE(view.isVisible());
}

TEST_F(ProfileWindowsTest, FilterBoxesReachTheSettingsOnceTheWindowIsArmed) {
    auto& view = windows.view<VeltofltView>();
    veltoflt_Timers(desk, fakes.scheduler);
    veltoflt_Load(desk);
    windows.redraw();
    auto* uk = widget<QCheckBox>(view, &desk.veltoflt.chkland[0]);
    ASSERT_TRUE(uk && view.isVisible());
    EXPECT_FALSE(view.widgetOf(&desk.veltoflt.chkland[4])->isVisible());  // no name
    uk->click();
    EXPECT_EQ(st.SystemList[17], "");  // not armed yet
    fakes.scheduler.advance(500);
    uk->click();
    uk->click();
    EXPECT_EQ(st.SystemList[17], "1");

    auto* place = widget<QLineEdit>(view, &desk.veltoflt.tplaats[0]);
    place->setText(QStringLiteral("Zeist"));
    emit place->textEdited(place->text());
    EXPECT_EQ(st.SystemList[15], "Zeist");

    auto* words = widget<QPlainTextEdit>(view, &desk.veltoflt.tsper);
    EXPECT_EQ(words->toPlainText(), QStringLiteral("tegels"));
    press(words, Qt::Key_Return, QStringLiteral("\r"));  // swallowed: the words stay on one line
    EXPECT_EQ(words->toPlainText(), QStringLiteral("tegels"));
    words->setPlainText(QStringLiteral("tegels, dak"));
    EXPECT_EQ(st.FilterState, 1);
    EXPECT_TRUE(desk.veltoflt.cupdate.Visible);
}

}  // namespace
}  // namespace plix
