#include "platform/qt/qt_tray.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDateTime>
#include <QEvent>
#include <QWindowStateChangeEvent>
#include <QPainter>
#include <QWidget>

#include "platform/qt/qt_text.h"

namespace plix {
namespace {

// Tells when the user brings the minimised window back from the task bar.
class WindowWatch : public QObject {
public:
    explicit WindowWatch(std::function<void()> restored) : restored_(std::move(restored)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange) {
            const auto* change = static_cast<QWindowStateChangeEvent*>(event);
            const auto* window = static_cast<QWidget*>(watched);
            if ((change->oldState() & Qt::WindowMinimized) && !window->isMinimized()) {
                // After the event: the window may be in the middle of drawing itself.
                QTimer::singleShot(0, this, [this] { restored_(); });
            }
        }
        return false;
    }

private:
    std::function<void()> restored_;
};

}  // namespace

QIcon plixIcon() {
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2E, 0x6D, 0xA4));
        p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 5.0, size / 5.0);
        QFont font;
        font.setBold(true);
        font.setPixelSize(size * 3 / 4);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("P"));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

std::optional<bool> statusNotifierHost(const QDBusConnection& bus) {
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(watcher)) return std::nullopt;
    QDBusInterface iface(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    iface.setTimeout(2000);   // a busy desktop shell must not hold the program up for long
    return iface.property("IsStatusNotifierHostRegistered").toBool();
}

QtTray::QtTray(QWidget* window, std::function<bool()> trayAvailable, TrayRetry retry)
    : window_(window),
      trayAvailable_(std::move(trayAvailable)),
      retrySettings_(retry),
      ownMenu_(std::make_unique<QMenu>()),
      menu_(ownMenu_.get()) {
    showEntry_ = ownMenu_->addAction(QStringLiteral("PLIX"));
    QFont bold = showEntry_->font();
    bold.setBold(true);
    showEntry_->setFont(bold);
    QObject::connect(showEntry_, &QAction::triggered, [this] { clicked(TrayClick::ShowEntry); });
    retry_.setInterval(retrySettings_.intervalMs);
    QObject::connect(&retry_, &QTimer::timeout, [this] { retryTick(); });
    // Without an icon, hiding minimises the window; the user's restore from the
    // task bar must reach the program, or the next redraw would minimise it again.
    windowWatch_ = std::make_unique<WindowWatch>([this] {
        if (!shown_) clicked(TrayClick::TaskBar);
    });
    if (window_) window_->installEventFilter(windowWatch_.get());
}

QtTray::~QtTray() {
    if (window_) window_->removeEventFilter(windowWatch_.get());
    // The attached menu may belong to the window and go first; never leave the
    // icon pointing at it.
    if (icon_) icon_->setContextMenu(nullptr);
}

void QtTray::attachMenu(QMenu* menu) {
    if (!menu) return;
    QAction* first = menu->actions().value(0, nullptr);
    menu->insertAction(first, showEntry_);
    menu->insertSeparator(first);
    menu_ = menu;
    if (icon_) icon_->setContextMenu(menu);
}

bool QtTray::available() const {
    if (trayAvailable_) return trayAvailable_();
    // Where a StatusNotifierWatcher runs, wait for its host rather than let Qt
    // settle on "no tray" too early; only the last attempt asks Qt regardless
    // (an XEmbed tray next to a watcher without host).
    const std::optional<bool> host = statusNotifierHost(QDBusConnection::sessionBus());
    if (host == false && attemptsLeft_ > 1) return false;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTray::install() {
    if (shown_) return true;
    if (retry_.isActive()) return false;   // already looking
    attemptsLeft_ = retrySettings_.attempts;
    if (tryShow()) return true;
    // The notification area may still be starting (a login session): keep
    // looking for a while, once a run. A desktop that has none by then has
    // none: each later hide tries once more, without waking the program
    // every few seconds for the rest of the day.
    if (attemptsLeft_ > 0 && !lookedAround_) retry_.start();
    lookedAround_ = true;
    return false;
}

bool QtTray::tryShow() {
    if (!available()) return false;
    retry_.stop();
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>();
        const QIcon appIcon = QApplication::windowIcon();
        icon_->setIcon(appIcon.isNull() ? plixIcon() : appIcon);
        icon_->setContextMenu(menu_ ? menu_.data() : ownMenu_.get());
        QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason r) { activated(r); });
        QObject::connect(icon_.get(), &QSystemTrayIcon::messageClicked, [this] {
            if (messageClick_) messageClick_();
        });
    }
    icon_->setToolTip(tip_);
    icon_->show();
    shown_ = true;
    return true;
}

void QtTray::retryTick() {
    --attemptsLeft_;
    if (!tryShow() && attemptsLeft_ <= 0) retry_.stop();
}

void QtTray::remove() {
    retry_.stop();
    if (icon_) icon_->hide();
    shown_ = false;
}

void QtTray::setTexts(const std::string& tip, const std::string& showEntry) {
    tip_ = toQt(tip);
    if (icon_) icon_->setToolTip(tip_);
    showEntry_->setText(toQt(showEntry));
}

bool QtTray::showMessage(const QString& title, const QString& text) {
    if (!shown_ || !icon_) return false;
    icon_->showMessage(title, text, QSystemTrayIcon::Information);
    return true;
}

void QtTray::restoreWindow() {
    if (!window_) return;
    window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtTray::activated(QSystemTrayIcon::ActivationReason reason) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            lastLeftClickMs_ = now;
            clicked(TrayClick::Left);
            break;
        case QSystemTrayIcon::DoubleClick:
            // Trays that report double clicks report the first click as a
            // Trigger too; that one already brought the window up.
            if (lastLeftClickMs_ < 0 || now - lastLeftClickMs_ > QApplication::doubleClickInterval())
                clicked(TrayClick::Double);
            lastLeftClickMs_ = -1;
            break;
        case QSystemTrayIcon::MiddleClick:
            clicked(TrayClick::Middle);
            break;
        default:   // Context: the menu pops up by itself
            break;
    }
}

}  // namespace plix
