#pragma once
// The notification-area icon through QSystemTrayIcon, and the main window it
// stands for.
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/tray.h"

namespace plix {

// The program's icon, drawn: no image file to ship or lose.
QIcon plixIcon();

// How long install() keeps looking for a notification area that is not there
// yet: a tray that starts after the program (at login) is found within two
// minutes.
struct TrayRetry {
    int intervalMs = 2000;
    int attempts = 60;
};

class QtTray : public TrayIcon {
public:
    // trayAvailable answers whether the desktop has a notification area now.
    explicit QtTray(QWidget* window, std::function<bool()> trayAvailable = {}, TrayRetry retry = {});
    ~QtTray() override;

    // The icon's pop-up menu; the entry that shows the window is put first.
    void attachMenu(QMenu* menu);

    bool install() override;
    void remove() override;
    bool installed() const override { return shown_; }
    void setTexts(const std::string& tip, const std::string& showEntry) override;
    void restoreWindow() override;

    bool retrying() const { return retry_.isActive(); }
    QSystemTrayIcon& icon() { return icon_; }
    QAction& showEntry() { return *showEntry_; }

private:
    void showIcon();
    void retryTick();
    void activated(QSystemTrayIcon::ActivationReason reason);

    QPointer<QWidget> window_;
    std::function<bool()> trayAvailable_;
    TrayRetry retrySettings_;
    int attemptsLeft_ = 0;
    QTimer retry_;
    QSystemTrayIcon icon_;
    std::unique_ptr<QMenu> ownMenu_;
    QAction* showEntry_;
    bool shown_ = false;
    qint64 lastLeftClickMs_ = -1;
};

}  // namespace plix
