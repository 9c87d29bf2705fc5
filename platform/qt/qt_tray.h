#pragma once
// The notification-area icon through QSystemTrayIcon, and the main window it
// stands for.
#include <QAction>
#include <QDBusConnection>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "platform/tray.h"

namespace plix {

// The program's icon, drawn: no image file to ship or lose.
QIcon plixIcon();

// Whether a StatusNotifierItem host (the tray of KDE, of GNOME with its
// AppIndicator extension, ...) is registered on the session bus; nothing
// when the desktop has no StatusNotifierWatcher at all.
std::optional<bool> statusNotifierHost(const QDBusConnection& bus);

// How long install() keeps looking for a notification area that is not there
// yet: a tray that starts after the program (at login) is found within two
// minutes.
struct TrayRetry {
    int intervalMs = 2000;
    int attempts = 60;
};

class QtTray : public TrayIcon {
public:
    // trayAvailable answers whether the desktop has a notification area now;
    // by default the session bus and Qt are asked (see available()).
    explicit QtTray(QWidget* window, std::function<bool()> trayAvailable = {}, TrayRetry retry = {});
    ~QtTray() override;

    // The icon's pop-up menu; the entry that shows the window is put first.
    void attachMenu(QMenu* menu);

    bool install() override;
    void remove() override;
    bool installed() const override { return shown_; }
    void setTexts(const std::string& tip, const std::string& showEntry) override;
    void restoreWindow() override;

    // A message balloon at the icon; false when the icon is not up.
    bool showMessage(const QString& title, const QString& text);
    void onMessageClick(std::function<void()> handler) { messageClick_ = std::move(handler); }

    bool retrying() const { return retry_.isActive(); }
    // The Qt icon; made only once a notification area was found.
    QSystemTrayIcon* icon() { return icon_.get(); }
    QAction& showEntry() { return *showEntry_; }

private:
    bool available() const;
    bool tryShow();
    void retryTick();
    void activated(QSystemTrayIcon::ActivationReason reason);

    QPointer<QWidget> window_;
    std::unique_ptr<QObject> windowWatch_;
    std::function<bool()> trayAvailable_;
    TrayRetry retrySettings_;
    int attemptsLeft_ = 0;
    bool lookedAround_ = false;  // the run's one stretch of retries has begun
    QTimer retry_;
    std::unique_ptr<QMenu> ownMenu_;
    QPointer<QMenu> menu_;
    QAction* showEntry_;
    QString tip_;
    // Qt settles at its first tray icon whether StatusNotifierItem is there
    // and never asks again; so the icon is made only once a tray is found.
    std::unique_ptr<QSystemTrayIcon> icon_;
    bool shown_ = false;
    qint64 lastLeftClickMs_ = -1;
    std::function<void()> messageClick_;
};

}  // namespace plix
