// plixinst: installs plixdesk from its setup folder into a folder of the
// user's choice and registers it with the desktop.
#include <QApplication>
#include <QFile>

#include "desk/core/xdg_dirs.h"
#include "inst/drives.h"
#include "inst/gui/veltosu_window.h"
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
    QApplication::setWindowIcon(QIcon(QFile::decodeName((config.setupFolder / plix::inst::kIconFile).c_str())));

    plix::inst::Inst inst({&scheduler, &messages}, config);
    plix::inst::VeltosuWindow window(inst);
    messages.setParent(&window);
    scheduler.setAfterTick([&window] { window.draw(); });

    plix::inst::Form_Load(inst);
    window.draw();
    if (inst.st.ProgramEnded) return 0;
    return QApplication::exec();
}
