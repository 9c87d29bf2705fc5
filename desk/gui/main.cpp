// plixdesk: keeps a supplier in touch with the PLIX marketplace.
#include <QApplication>
#include <QDir>
#include <QFile>

#include "desk/core/desk.h"
#include "desk/core/work_folder.h"
#include "desk/core/xdg_dirs.h"
#include "desk/gui/bench_probe.h"
#include "desk/gui/velto_view.h"
#include "desk/gui/window_set.h"
#include "desk/velto/startup.h"
#include "desk/velto/tray.h"
#include "platform/linux/curl_http_client.h"
#include "platform/linux/free_memory.h"
#include "platform/linux/linux_network_probe.h"
#include "platform/qt/desktop_notifier.h"
#include "platform/qt/lazy_sound.h"
#include "platform/qt/lock_file_instance.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_scheduler.h"
#include "platform/qt/qt_tray.h"
#include "platform/qt/qt_url_opener.h"
#include "platform/qt/quit_signals.h"

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
    // The alert sound's module is loaded when the first alert sounds.
    plix::LazySound sound(QApplication::applicationDirPath() + "/" + plix::kSoundModule);

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
    config.dirs = plix::xdgDirsFromEnvironment();
    config.programFolder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    config.folder = plix::chooseWorkFolder(config.programFolder,
                                           QFile::encodeName(QDir::currentPath()).toStdString(),
                                           config.dirs.home);
    QDir::setCurrent(QFile::decodeName(config.folder.c_str()));
    plix::Desk desk(services, config);

    // Every window, drawn again (what changed) after each event handler and
    // timer tick, and before a fetch. Every handler runs through the window
    // set, which holds it while a fetch waits.
    plix::WindowSet windows(desk);
    plix::VeltoView& window = windows.view<plix::VeltoView>();
    windows.drawBefore(events);
    // The client benchmark's figures, only when PLIX_PROBE asks for them.
    const std::unique_ptr<plix::BenchProbe> probe = plix::BenchProbe::fromEnvironment(desk);
    // After a tick's burst of work (a poll, a list) the freed heap goes back.
    scheduler.setRunner([&windows, &probe](const std::function<void()>& tick) {
        if (windows.run(probe ? probe->aroundTick(tick) : tick)) plix::releaseFreeMemory();
    });

    // Boxes stand on the main window, so the window never covers one.
    messages.setParent(&window);

    // The notification-area icon stands for the main window and pops up MnBar;
    // notifications fall back to the icon's message where no service answers.
    plix::QtTray tray(&window);
    tray.attachMenu(window.trayMenu());
    plix::DesktopNotifier notifier;
    notifier.fallBackTo(tray);
    desk.os.tray = &tray;
    desk.os.notifier = &notifier;
    plix::QtPrinter printer(&window);
    desk.os.printer = &printer;
    plix::wireAlerts(desk, [&windows] { windows.redraw(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [&windows](QSessionManager&) { windows.setSystemShuttingDown(); });
    // A SIGTERM from the session (Linux has no "cancel" for it) saves and quits
    // as the end of the desktop session does.
    plix::QuitSignals quitSignals([&desk, &windows] {
        windows.run([&desk] { plix::Form_QueryUnload(desk, plix::UnloadMode::SystemShutdown); });
    });

    plix::Form_Load(desk);
    if (desk.st.ProgramEnded) return 0;
    windows.redraw();
    if (probe) probe->start();
    return QApplication::exec();
}
