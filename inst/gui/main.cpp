// plixinst: installs plixdesk from its setup folder into a folder of the
// user's choice and registers it with the desktop.
#include <QApplication>
#include <QFile>

#include "desk/core/xdg_dirs.h"
#include "inst/drives.h"
#include "inst/gui/inst_window_set.h"
#include "inst/gui/veltosu_view.h"
#include "inst/libraries.h"
#include "inst/veltosu.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_scheduler.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plixinst"));

    plix::QtScheduler scheduler;
    plix::QtMessageBoxes messages;

    // The setup folder is the installer's own, wherever it is started from.
    plix::inst::InstConfig config;
    config.setupFolder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    config.dirs = plix::xdgDirsFromEnvironment();
    config.drives = [home = config.dirs.home] { return plix::inst::systemDrives(home); };
    config.libraryPresent = plix::inst::libraryLoadable;
    QApplication::setWindowIcon(
        QIcon(QFile::decodeName((config.setupFolder / plix::inst::kIconFile).c_str())));

    plix::inst::Inst inst({&scheduler, &messages}, config);
    // The window, drawn again after each event handler and timer tick.
    plix::inst::InstWindowSet windows(inst);
    messages.setParent(&windows.view<plix::inst::VeltosuView>());
    scheduler.setAfterTick([&windows] { windows.redraw(); });

    plix::inst::Form_Load(inst);
    windows.redraw();
    if (inst.st.ProgramEnded) return 0;
    return QApplication::exec();
}
