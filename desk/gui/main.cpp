// plixdesk: keeps a supplier in touch with the PLIX marketplace.
#include <QApplication>
#include <QDir>
#include <QFile>

#include "desk/core/alerts.h"
#include "desk/core/desk.h"
#include "desk/core/startup.h"
#include "desk/core/work_folder.h"
#include "desk/core/xdg_dirs.h"
#include "desk/gui/velto_events.h"
#include "desk/gui/velto_window.h"
#include "desk/gui/veltolog_window.h"
#include "platform/linux/curl_http_client.h"
#include "platform/linux/linux_network_probe.h"
#include "platform/qt/desktop_notifier.h"
#include "platform/qt/lock_file_instance.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_scheduler.h"
#include "platform/qt/qt_sound.h"
#include "platform/qt/qt_tray.h"
#include "platform/qt/qt_url_opener.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plixdesk"));
    // Closing the window only hides it; the program ends from its menus.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(plix::plixIcon());

    plix::QtScheduler scheduler;
    plix::QtMessageBoxes messages;
    plix::LockFileInstance instance;
    plix::QtEventPump events;
    plix::QtUrlOpener urls;
    plix::CurlHttpClient http;
    plix::LinuxNetworkProbe network;
    plix::QtSound sound;

    plix::Services services;
    services.scheduler = &scheduler;
    services.messages = &messages;
    services.instance = &instance;
    services.events = &events;
    services.urls = &urls;
    services.http = &http;
    services.network = &network;
    services.sound = &sound;

    plix::DeskConfig config;
    config.folder = plix::chooseWorkFolder(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
                                           QFile::encodeName(QDir::currentPath()).toStdString(),
                                           plix::xdgDirsFromEnvironment().home);
    QDir::setCurrent(QFile::decodeName(config.folder.c_str()));
    plix::Desk desk(services, config);

    plix::VeltoWindow window(desk);
    // The notification-area icon stands for the window and pops up MnBar;
    // notifications fall back to the icon's message where no service answers.
    plix::QtTray tray(&window);
    tray.attachMenu(window.trayMenu());
    plix::DesktopNotifier notifier;
    notifier.fallBackTo(tray);
    desk.os.tray = &tray;
    desk.os.notifier = &notifier;
    plix::wireAlerts(desk, [&window] { window.refresh(); });
    plix::wireVeltoEvents(window, desk);
    plix::VeltologWindow logWindow(desk, window);
    plix::wireLogEvents(window, logWindow, desk);
    scheduler.setAfterTick([&window] { window.refresh(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [&window](QSessionManager&) { window.setSystemShuttingDown(); });

    plix::Form_Load(desk);
    if (desk.st.ProgramEnded) return 0;
    window.refresh();
    return QApplication::exec();
}
