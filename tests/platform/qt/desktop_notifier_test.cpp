// Desktop notifications against a notification service of our own on a
// private D-Bus, and the fallback when no service answers.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QTest>

#include "platform/qt/desktop_notifier.h"
#include "tests/platform/qt/private_bus.h"
#include "tests/support/qt_app.h"

namespace plix {

// Stands in for the desktop's notification daemon.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList caps{QStringLiteral("body"), QStringLiteral("body-markup"),
                     QStringLiteral("actions")};
    QString summary, body;
    QStringList actions;
    uint replaced = 99;
    int calls = 0;

public slots:
    QStringList GetCapabilities() { return caps; }
    uint Notify(const QString&, uint replacesId, const QString&, const QString& s, const QString& b,
                const QStringList& a, const QVariantMap&, int) {
        ++calls;
        replaced = replacesId;
        summary = s;
        body = b;
        actions = a;
        return 7;
    }

signals:
    void ActionInvoked(uint id, const QString& actionKey);
};

namespace {

class DesktopNotifierTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(bus.address().isEmpty()); }
    QDBusConnection connect(const char* name) { return bus.connect(name); }
    bool appReady = (plix::testing::app(), true);
    plix::testing::PrivateBus bus;
};

TEST_F(DesktopNotifierTest, NotifiesReplacesAndReportsTheClick) {
    QDBusConnection service = connect("service");
    ASSERT_TRUE(service.isConnected());
    FakeNotifications fake;
    ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.Notifications")));
    ASSERT_TRUE(service.registerObject(
        QStringLiteral("/org/freedesktop/Notifications"), &fake,
        QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));

    int fallbacks = 0, clicks = 0;
    DesktopNotifier notifier(connect("client"),
                             [&](const QString&, const QString&) { ++fallbacks; });
    notifier.onClick([&] { ++clicks; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.takesMarkup(); }, 3000));

    notifier.notify("PLIX", "Tom & Jerry <b>\xE9t\xE9</b>");  // Windows-1252 text
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return notifier.lastRoute() == DesktopNotifier::Route::Service; }, 3000));
    EXPECT_EQ(fake.summary, QStringLiteral("PLIX"));
    EXPECT_EQ(fake.body, QStringLiteral("Tom &amp; Jerry &lt;b&gt;\u00e9t\u00e9&lt;/b&gt;"));
    EXPECT_EQ(fake.replaced, 0u);
    EXPECT_TRUE(fake.actions.contains(QStringLiteral("default")));
    EXPECT_EQ(notifier.lastId(), 7u);

    notifier.notify("PLIX", "Second");  // replaces the first on screen
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake.calls == 2; }, 3000));
    EXPECT_EQ(fake.replaced, 7u);

    emit fake.ActionInvoked(3, QStringLiteral("default"));  // another program's notification
    emit fake.ActionInvoked(7, QStringLiteral("default"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return clicks > 0; }, 3000));
    QTest::qWait(50);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(fallbacks, 0);
}

TEST_F(DesktopNotifierTest, FallsBackWhenNoServiceAnswers) {
    QString shownTitle, shownText;
    DesktopNotifier notifier(connect("client"), [&](const QString& t, const QString& x) {
        shownTitle = t;
        shownText = x;
    });
    notifier.notify("PLIX", "Roof repair");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shownText.isEmpty(); }, 5000));
    EXPECT_EQ(shownTitle, QStringLiteral("PLIX"));
    EXPECT_EQ(shownText, QStringLiteral("Roof repair"));
    EXPECT_EQ(notifier.lastRoute(), DesktopNotifier::Route::Fallback);

    // No session bus at all: the fallback at once.
    DesktopNotifier busless(QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nobus")));
    busless.notify("PLIX", "Roof repair");
    EXPECT_EQ(busless.lastRoute(), DesktopNotifier::Route::Fallback);
    QDBusConnection::disconnectFromBus(QStringLiteral("nobus"));
}

}  // namespace
}  // namespace plix

#include "desktop_notifier_test.moc"
