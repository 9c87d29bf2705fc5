// The installer end to end, as a user meets it: the real setup folder made
// by the build, the real window drawn by its window set, a temporary home.
// The installed program is then started from there.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QXmlStreamReader>

#include "desk/core/autostart_entry.h"
#include "inst/gui/inst_window_set.h"
#include "inst/gui/veltosu_view.h"
#include "inst/registration.h"
#include "inst/veltosu.h"
#include "tests/support/inst_fixture.h"
#include "tests/support/qt_app.h"

using namespace plix;
using namespace plix::inst;
namespace fs = std::filesystem;

namespace {

class InstallerE2E : public plix::testing::InstFixture {
protected:
    void SetUp() override {
        fs::copy(PLIX_SETUP_DIR, setup.path(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        Form_Load(in);
        windows.redraw();
    }

    void type(const fs::path& folder) {
        auto* box = qobject_cast<QLineEdit*>(window.widgetOf(&in.veltosu.tpad));
        box->selectAll();
        box->insert(QString::fromStdString(folder.string()));  // as typed: textEdited
        qobject_cast<QPushButton*>(window.widgetOf(&in.veltosu.cinstall))->click();
    }

    static bool validates(const fs::path& file) {
        return std::system(("desktop-file-validate '" + file.string() + "' >&2").c_str()) == 0;
    }

    bool appReady = (plix::testing::app(), true);
    InstWindowSet windows{in};
    VeltosuView& window = windows.view<VeltosuView>();
};

TEST_F(InstallerE2E, InstallsIntoAFolderWithABlankAndTheProgramStartsFromThere) {
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("PLIX Setup"));
    auto* languages = qobject_cast<QComboBox*>(window.widgetOf(&in.veltosu.Combo1));
    EXPECT_EQ(languages->count(), 4);
    in.veltosu.chkst.Value = 1;
    windows.redraw();
    type(target());

    for (const char* name : {"plixdesk", "pxlng.dat", "pxini.dat", "plixdesk.png", "Notify.wav"})
        EXPECT_EQ(readWholeFile(target() / name), setup.read(name)) << name;
    EXPECT_EQ(fs::exists(target() / "pxhlp.dat"), fs::exists(setup / "pxhlp.dat"));
    EXPECT_EQ(in.veltosu.Label1.Caption, "Ok");
    EXPECT_FALSE(window.widgetOf(&in.veltosu.fr_stsrt)->isVisible());
    EXPECT_TRUE(window.widgetOf(&in.veltosu.lend)->isVisible());

    // Every desktop file passes the freedesktop validator; the menu file is XML.
    for (const fs::path& file : {menuEntryPath(in.cfg.dirs), groupDirectoryPath(in.cfg.dirs),
                                 autostartEntryPath(in.cfg.dirs)})
        EXPECT_TRUE(validates(file)) << file;
    QXmlStreamReader menu(QByteArray::fromStdString(*readWholeFile(groupMenuPath(in.cfg.dirs))));
    while (!menu.atEnd()) menu.readNext();
    EXPECT_FALSE(menu.hasError()) << menu.errorString().toStdString();
    EXPECT_TRUE(autostartEnabled(in.cfg.dirs));
    EXPECT_EQ(fs::canonical(applicationLinkPath(in.cfg.dirs)),
              fs::canonical(target() / "plixdesk"));

    // The end screen closes the window after four seconds.
    scheduler.advance(4000);
    windows.redraw();  // the program's scheduler draws after every tick
    EXPECT_FALSE(window.isVisible());

    // The installed program, started elsewhere, works in its own folder:
    // its first start makes the filter record there.
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", QString::fromStdString(home.path().string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // A runtime folder of its own: the single-instance lock lives there.
    const fs::path run = home.path() / "run";
    fs::create_directory(run);
    fs::permissions(run, fs::perms::owner_all);
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(run.string()));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(QDir::tempPath());
    program.start(QString::fromStdString(applicationLinkPath(in.cfg.dirs).string()), {});
    ASSERT_TRUE(program.waitForStarted(5000));
    for (int i = 0; i < 100 && !fs::exists(target() / "pxflt.dat"); ++i) QThread::msleep(100);
    EXPECT_TRUE(fs::exists(target() / "pxflt.dat"));
    EXPECT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished(5000);
}

TEST_F(InstallerE2E, ExistingSettingsStayWhenTheAnswerIsNo) {
    std::string mine = plix::testing::settingsTemplate(2);
    mine.replace(0, 12, "www.mine.biz");
    fs::create_directories(target());
    std::ofstream(target() / "pxini.dat", std::ios::binary) << mine;
    messages.answers = {MsgResult::No};
    type(target());
    EXPECT_EQ(messages.shown.at(0).buttons, MsgButtons::YesNo);
    EXPECT_EQ(readWholeFile(target() / "pxini.dat"), mine);
    EXPECT_EQ(readWholeFile(target() / "plixdesk"), setup.read("plixdesk"));
}

TEST_F(InstallerE2E, ARefusedPathCopiesNothing) {
    type("relative/PLIX");
    type(home.path());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(fs::is_empty(home.path()));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.widgetOf(&in.veltosu.fr_stsrt)->isVisible());
    EXPECT_TRUE(window.widgetOf(&in.veltosu.cinstall)->isEnabled());
}

// Paths are the file system's bytes, never Windows-1252: a drive and a typed
// folder keep every character. The language list relabels the window, and
// the close box leaves the installer.
TEST_F(InstallerE2E, PathsKeepTheirCharactersTheLanguageListRelabelsAndTheCloseBoxLeaves) {
    const std::string stick = "/media/me/M\xc3\xbcller \xe2\x82\xac";  // "Müller €" in UTF-8
    in.veltosu.Drive1.Items.push_back(stick);
    windows.redraw();
    auto* drives = qobject_cast<QComboBox*>(window.widgetOf(&in.veltosu.Drive1));
    ASSERT_EQ(drives->count(), 2);
    EXPECT_EQ(drives->itemText(1), QStringLiteral("/media/me/M\u00fcller \u20ac"));
    emit drives->activated(1);
    auto* box = qobject_cast<QLineEdit*>(window.widgetOf(&in.veltosu.tpad));
    EXPECT_EQ(box->text(), QStringLiteral("/media/me/M\u00fcller \u20ac/PLIX"));
    box->selectAll();
    box->insert(QStringLiteral("~/\u0141\u00f3d\u017a/PLIX"));
    EXPECT_EQ(in.veltosu.tpad.Text, "~/\xc5\x81\xc3\xb3" "d\xc5\xba/PLIX");

    auto* languages = qobject_cast<QComboBox*>(window.widgetOf(&in.veltosu.Combo1));
    emit languages->activated(1);
    scheduler.advance(500);  // Timer1 switches the language
    windows.redraw();
    EXPECT_EQ(qobject_cast<QPushButton*>(window.widgetOf(&in.veltosu.cinstall))->text(),
              QStringLiteral("&Installeren"));
    EXPECT_EQ(languages->currentIndex(), 1);

    window.close();
    EXPECT_TRUE(in.st.ProgramEnded);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
