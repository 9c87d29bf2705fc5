// The notification-area icon: finding a late tray, mapping the clicks of
// Linux trays, the pop-up menu's first entry and bringing the window back.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <vector>

#include "platform/qt/qt_tray.h"
#include "tests/platform/qt/private_bus.h"
#include "tests/support/qt_app.h"

namespace plix {
namespace {

class QtTrayTest : public ::testing::Test {
protected:
    bool appReady = (plix::testing::app(), true);  // before any widget
    bool trayThere = false;
    std::vector<TrayClick> clicks;
    QWidget window;
    std::unique_ptr<QtTray> make(TrayRetry retry = {10, 5}) {
        auto tray = std::make_unique<QtTray>(
            &window, [this] { return trayThere; }, retry);
        tray->onClick([this](TrayClick c) { clicks.push_back(c); });
        return tray;
    }
};

TEST_F(QtTrayTest, ALateTrayIsFoundByRetrying) {
    auto tray = make();
    EXPECT_FALSE(tray->install());
    EXPECT_FALSE(tray->installed());
    EXPECT_TRUE(tray->retrying());
    // Qt settles on the kind of tray at its first icon: none is made early.
    EXPECT_EQ(tray->icon(), nullptr);
    trayThere = true;  // the desktop's panel has started
    EXPECT_TRUE(QTest::qWaitFor([&] { return tray->installed(); }, 2000));
    EXPECT_FALSE(tray->retrying());
    ASSERT_NE(tray->icon(), nullptr);
    EXPECT_TRUE(tray->icon()->isVisible());

    tray->remove();
    EXPECT_FALSE(tray->installed());
    EXPECT_FALSE(tray->icon()->isVisible());
    EXPECT_FALSE(tray->showMessage(QStringLiteral("PLIX"), QStringLiteral("Roof repair")));
    EXPECT_TRUE(tray->install());  // there now: at once
}

TEST_F(QtTrayTest, RetryingStopsAfterAWhile) {
    auto tray = make({5, 3});
    EXPECT_FALSE(tray->install());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tray->retrying(); }, 2000));
    EXPECT_FALSE(tray->installed());
    tray->remove();  // stops a retry too, and is harmless twice
    tray->remove();
}

TEST_F(QtTrayTest, LinuxTrayClicksMapToTheProgramsActions) {
    auto tray = make();
    trayThere = true;
    ASSERT_TRUE(tray->install());
    QSystemTrayIcon& icon = *tray->icon();
    emit icon.activated(QSystemTrayIcon::Trigger);      // StatusNotifierItem left click
    emit icon.activated(QSystemTrayIcon::DoubleClick);  // same click's double on XEmbed trays
    emit icon.activated(QSystemTrayIcon::MiddleClick);
    emit icon.activated(QSystemTrayIcon::Context);  // the menu opens by itself
    EXPECT_EQ(clicks, (std::vector<TrayClick>{TrayClick::Left, TrayClick::Middle}));

    clicks.clear();
    emit icon.activated(QSystemTrayIcon::DoubleClick);  // a double click on its own counts
    EXPECT_EQ(clicks, (std::vector<TrayClick>{TrayClick::Double}));
}

TEST_F(QtTrayTest, MenuOpensWithAnEntryThatShowsTheWindow) {
    auto tray = make();
    QMenu mnBar;
    mnBar.addAction(QStringLiteral("&Close PLIX"));
    tray->attachMenu(&mnBar);
    tray->setTexts("PLIX Deliverer", "PLIX && Co");
    trayThere = true;
    ASSERT_TRUE(tray->install());
    EXPECT_TRUE(mnBar.actions().value(1)->isSeparator());
    EXPECT_EQ(tray->showEntry().text(), QStringLiteral("PLIX && Co"));
    EXPECT_EQ(tray->icon()->toolTip(), QStringLiteral("PLIX Deliverer"));

    tray->showEntry().trigger();
    EXPECT_EQ(clicks, (std::vector<TrayClick>{TrayClick::ShowEntry}));
    EXPECT_FALSE(tray->icon()->icon().isNull());
    int messageClicks = 0;
    tray->onMessageClick([&] { ++messageClicks; });
    EXPECT_TRUE(tray->showMessage(QStringLiteral("PLIX"), QStringLiteral("Roof repair")));
    emit tray->icon()->messageClicked();
    EXPECT_EQ(messageClicks, 1);
}

TEST_F(QtTrayTest, ARestoreFromTheTaskBarReachesTheProgramOnlyWithoutIcon) {
    auto tray = make();
    window.showMinimized();
    window.showNormal();          // the user, through the task bar
    EXPECT_TRUE(clicks.empty());  // reported after the event, not inside it
    // Only the queued report runs: window-system events would leave Qt's
    // input devices behind at exit.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(clicks, (std::vector<TrayClick>{TrayClick::TaskBar}));

    clicks.clear();
    trayThere = true;
    ASSERT_TRUE(tray->install());  // with an icon, hiding hides: nothing to report
    window.showMinimized();
    window.showNormal();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_TRUE(clicks.empty());
}

}  // namespace
}  // namespace plix

namespace plix {

// Stands in for the desktop's StatusNotifierWatcher. It lives in a thread of
// its own: the property is read with a blocking call from the test's thread.
class FakeWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
public:
    std::atomic<bool> host{false};
    bool hostRegistered() const { return host; }
};

namespace {

TEST(StatusNotifierHost, IsReadFromTheWatcherOnTheBus) {
    plix::testing::app();
    plix::testing::PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty());
    QDBusConnection client = bus.connect("client");
    EXPECT_EQ(statusNotifierHost(client), std::nullopt);  // a desktop without any

    QThread thread;
    FakeWatcher watcher;
    watcher.moveToThread(&thread);
    thread.start();
    QDBusConnection service = bus.connect("watcher");
    ASSERT_TRUE(service.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    ASSERT_TRUE(service.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                                       QDBusConnection::ExportAllProperties));
    EXPECT_EQ(statusNotifierHost(client), false);  // the panel is still starting
    watcher.host = true;
    EXPECT_EQ(statusNotifierHost(client), true);
    service.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    thread.quit();
    thread.wait();
}

}  // namespace
}  // namespace plix

#include "qt_tray_test.moc"
