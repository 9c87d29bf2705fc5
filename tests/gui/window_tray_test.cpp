// The main window with its notification-area icon, wired as the program
// wires them: hiding to the icon (or minimising without one) and coming back.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "desk/velto/tray.h"
#include "platform/qt/qt_tray.h"
#include "tests/support/gui_fixture.h"

namespace plix {
namespace {

class WindowTrayTest : public testing::GuiFixture {
protected:
    bool trayThere = false;
    QtTray tray{&window, [this] { return trayThere; }, TrayRetry{10, 2}};

    void SetUp() override {
        tray.attachMenu(window.trayMenu());
        desk.os.tray = &tray;
        wireAlerts(desk, [this] { windows.redraw(); });
        load();
        ASSERT_TRUE(window.isVisible());
    }
};

TEST_F(WindowTrayTest, WithoutATrayTheWindowMinimisesAndTheMenuEntryBringsItBack) {
    window.actionOf(velto.ttray)->trigger();
    EXPECT_FALSE(velto.form.Visible);
    EXPECT_TRUE(window.isMinimized());  // still reachable from the task bar

    tray.showEntry().trigger();
    EXPECT_TRUE(velto.form.Visible);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(st.StartupStep, 503);  // Form_Load's request, not changed by "show"
}

TEST_F(WindowTrayTest, WithATrayTheWindowHidesAndALeftClickRestartsTheSequence) {
    trayThere = true;
    window.actionOf(velto.ttray)->trigger();
    ASSERT_TRUE(tray.installed());
    EXPECT_FALSE(window.isVisible());

    st.StartupStep = 0;
    st.IdleTicks = 12;
    emit tray.icon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(st.StartupStep, 503);
    EXPECT_EQ(st.IdleTicks, 0);

    // The icon's menu: the show entry first, then the window's own MnBar items.
    const QList<QAction*> items = window.trayMenu()->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items[0], &tray.showEntry());
    EXPECT_EQ(items[2], window.actionOf(velto.Mnexit));
    EXPECT_EQ(tray.icon()->contextMenu(), window.trayMenu());
}

}  // namespace
}  // namespace plix
