#pragma once
// Desktop notifications through the freedesktop notification service on the
// session D-Bus, with a fallback (the tray icon's message) where no such
// service answers.
#include <QDBusConnection>
#include <QDBusError>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/notifier.h"

namespace plix {

class QtTray;

class DesktopNotifier : public QObject, public Notifier {
    Q_OBJECT
public:
    using Fallback = std::function<void(const QString& title, const QString& text)>;

    explicit DesktopNotifier(QDBusConnection bus = QDBusConnection::sessionBus(),
                             Fallback fallback = {});
    // Falls back to the icon's message balloon; a click on it counts as a
    // click on the notification.
    void fallBackTo(QtTray& tray);

    // Sends without waiting for the service: a slow or hung one never holds
    // up the program. An error reply shows the fallback instead.
    void notify(const std::string& title, const std::string& text) override;

    // Where the last notification went, for the tests.
    enum class Route { None, Service, Fallback };
    Route lastRoute() const { return route_; }
    uint lastId() const { return lastId_; }
    bool takesMarkup() const { return markup_; }

private slots:
    void notified(uint id);
    void notifyFailed(const QDBusError& error);
    void capabilities(const QStringList& caps);
    void actionInvoked(uint id, const QString& action);

private:
    void useFallback();

    QDBusConnection bus_;
    Fallback fallback_;
    QString pendingTitle_, pendingText_;
    uint lastId_ = 0;
    bool markup_ = false;
    Route route_ = Route::None;
};

}  // namespace plix
