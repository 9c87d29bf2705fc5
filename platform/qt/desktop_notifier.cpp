#include "platform/qt/desktop_notifier.h"

#include <QDBusMessage>
#include <QVariantMap>

#include "platform/qt/qt_text.h"
#include "platform/qt/qt_tray.h"

namespace plix {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
constexpr int kCallTimeoutMs = 5000;

}  // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus, Fallback fallback)
    : bus_(std::move(bus)), fallback_(std::move(fallback)) {
    if (!bus_.isConnected()) return;
    bus_.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                 SLOT(actionInvoked(uint, QString)));
    // Services that take markup in the body need "&" and "<" written as entities.
    QDBusMessage ask = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                      QStringLiteral("GetCapabilities"));
    bus_.callWithCallback(ask, this, SLOT(capabilities(QStringList)), nullptr, kCallTimeoutMs);
}

void DesktopNotifier::fallBackTo(QtTray& tray) {
    fallback_ = [&tray](const QString& title, const QString& text) { tray.showMessage(title, text); };
    tray.onMessageClick([this] { clicked(); });
}

void DesktopNotifier::notify(const std::string& title, const std::string& text) {
    pendingTitle_ = toQt(title);
    pendingText_ = toQt(text);
    if (!bus_.isConnected()) {
        useFallback();
        return;
    }
    const QString body = markup_ ? pendingText_.toHtmlEscaped() : pendingText_;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("plixdesk"));
    // app name, id to replace (0: none), icon, summary, body, actions, hints, timeout (-1: the service's own)
    call << QStringLiteral("plixdesk") << lastId_ << QStringLiteral("mail-message-new") << pendingTitle_
         << body << QStringList{QStringLiteral("default"), pendingTitle_} << hints << -1;
    if (!bus_.callWithCallback(call, this, SLOT(notified(uint)), SLOT(notifyFailed(QDBusError)),
                               kCallTimeoutMs))
        useFallback();
}

void DesktopNotifier::notified(uint id) {
    lastId_ = id;
    route_ = Route::Service;
}

void DesktopNotifier::notifyFailed(const QDBusError&) { useFallback(); }

void DesktopNotifier::useFallback() {
    route_ = Route::Fallback;
    if (fallback_) fallback_(pendingTitle_, pendingText_);
}

void DesktopNotifier::capabilities(const QStringList& caps) {
    markup_ = caps.contains(QStringLiteral("body-markup"));
}

void DesktopNotifier::actionInvoked(uint id, const QString&) {
    // Any action of our own notification ("default" is the click on its body).
    if (id != 0 && id == lastId_) clicked();
}

}  // namespace plix
