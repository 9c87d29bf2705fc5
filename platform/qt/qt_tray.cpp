#include "platform/qt/qt_tray.h"

#include <QApplication>
#include <QDateTime>
#include <QPainter>
#include <QWidget>

#include "platform/qt/qt_text.h"

namespace plix {

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

QtTray::QtTray(QWidget* window, std::function<bool()> trayAvailable, TrayRetry retry)
    : window_(window),
      trayAvailable_(trayAvailable ? std::move(trayAvailable)
                                   : std::function<bool()>(&QSystemTrayIcon::isSystemTrayAvailable)),
      retrySettings_(retry),
      ownMenu_(std::make_unique<QMenu>()) {
    const QIcon appIcon = QApplication::windowIcon();
    icon_.setIcon(appIcon.isNull() ? plixIcon() : appIcon);

    showEntry_ = ownMenu_->addAction(QStringLiteral("PLIX"));
    QFont bold = showEntry_->font();
    bold.setBold(true);
    showEntry_->setFont(bold);
    QObject::connect(showEntry_, &QAction::triggered, [this] { clicked(TrayClick::ShowEntry); });
    icon_.setContextMenu(ownMenu_.get());

    QObject::connect(&icon_, &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason r) { activated(r); });
    retry_.setInterval(retrySettings_.intervalMs);
    QObject::connect(&retry_, &QTimer::timeout, [this] { retryTick(); });
}

QtTray::~QtTray() {
    // The attached menu may belong to the window and go first; never leave the
    // icon pointing at it.
    icon_.setContextMenu(nullptr);
}

void QtTray::attachMenu(QMenu* menu) {
    if (!menu) return;
    QAction* first = menu->actions().value(0, nullptr);
    menu->insertAction(first, showEntry_);
    menu->insertSeparator(first);
    icon_.setContextMenu(menu);
}

bool QtTray::install() {
    if (shown_) return true;
    if (trayAvailable_()) {
        showIcon();
        return true;
    }
    // The notification area may still be starting (a login session): keep looking.
    attemptsLeft_ = retrySettings_.attempts;
    if (attemptsLeft_ > 0) retry_.start();
    return false;
}

void QtTray::showIcon() {
    retry_.stop();
    icon_.show();
    shown_ = true;
}

void QtTray::retryTick() {
    if (trayAvailable_()) {
        showIcon();
    } else if (--attemptsLeft_ <= 0) {
        retry_.stop();
    }
}

void QtTray::remove() {
    retry_.stop();
    icon_.hide();
    shown_ = false;
}

void QtTray::setTexts(const std::string& tip, const std::string& showEntry) {
    icon_.setToolTip(toQt(tip));
    showEntry_->setText(toQt(showEntry));
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
