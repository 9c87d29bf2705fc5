// Every menu and tray entry a logged-in user can choose does something: it
// changes what the windows show, opens something, asks, sends or stores.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <memory>

#include "desk/core/number.h"
#include "desk/core/settings.h"
#include "tests/support/gui_fixture.h"
#include "tests/support/market_double.h"

namespace plix::testing {
namespace {

// One logged-in program: its language file, a stored member number, the
// start-up sequence run to its end against a stand-in server.
struct LoggedIn {
    TempFolder folder;
    FakeServices fakes;
    MarketDouble market;
    Desk desk{fakes.bundle(), DeskConfig{folder.path(), kTestDefaultHost}};
    std::unique_ptr<WindowSet> windows;

    explicit LoggedIn(int language) {
        app();
        std::ifstream in(std::string(PLIX_SOURCE_DIR) + "/data/pxlng.dat", std::ios::binary);
        folder.write("pxlng.dat", std::string(std::istreambuf_iterator<char>(in), {}));
        folder.write("pxini.dat", storedMember(language));
        fakes.tray.available = true;
        desk.os.http = &market;
        market.answer("chkl02", listReply({record(1, "onb"), record(2)}));
        market.answer("chkl03", "TV=1]TR=1]");
        market.answer("chkl13", "<br>[17]<br>QEND1");
        windows = std::make_unique<WindowSet>(desk);
        Form_Load(desk);
        desk.st.OnlineFlag = 1;
        for (int i = 0; i < 6; ++i) fakes.scheduler.advance(1000);
        windows->redraw();
    }
    static std::string storedMember(int language) {
        RecordBuilder r;
        r.at(1, "www.srv.test").at(31, "4711").at(39, std::string(1, static_cast<char>(language)));
        r.at(801, "<5><><><><><><><><><><><><><><><><><><" + numText(4711 + kSupplierNumberCheck) +
                      "><><>");
        return r.record;
    }

    // What a user could tell apart: every window and widget on screen with
    // its text, every menu entry, and what went out to the desktop, the
    // server and the disk.
    std::string snapshot() const {
        std::string s;
        const auto text = [&s](const QString& t) { s += t.toStdString() + "|"; };
        for (const auto& view : windows->views()) {
            text(QString::number(view->isVisible()) + view->windowTitle());
            for (QWidget* w : view->findChildren<QWidget*>()) {
                if (!w->isVisible()) continue;
                if (auto* l = qobject_cast<QLabel*>(w)) text(l->text());
                if (auto* b = qobject_cast<QAbstractButton*>(w))
                    text(b->text() + QString::number(b->isChecked()) +
                         QString::number(b->isEnabled()));
                if (auto* e = qobject_cast<QLineEdit*>(w)) text(e->text());
                if (auto* e = qobject_cast<QTextEdit*>(w)) text(e->toPlainText());
                if (auto* e = qobject_cast<QPlainTextEdit*>(w)) text(e->toPlainText());
                if (auto* c = qobject_cast<QComboBox*>(w)) text(QString::number(c->count()));
            }
            for (QAction* a : view->findChildren<QAction*>())
                text(a->text() + QString::number(a->isChecked()) + QString::number(a->isEnabled()) +
                     QString::number(a->isVisible()));
        }
        s += std::to_string(fakes.messages.shown.size()) + "|" +
             std::to_string(fakes.urls.opened.size()) + "|" + std::to_string(market.urls.size()) +
             "|" + std::to_string(desk.st.ProgramEnded);
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            s += "|" + entry.path().filename().string() + ":" +
                 folder.read(entry.path().filename().c_str());
        return s;
    }
};

// The choosable entries of the menu bar and the tray menu, by caption.
std::vector<std::string> entries(const LoggedIn& p) {
    auto& window = p.windows->view<VeltoView>();
    std::vector<std::string> found;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible() || !a->isEnabled()) continue;
            if (a->menu())
                walk(a->menu());
            else
                found.push_back(a->text().toStdString());
        }
    };
    for (QAction* a : window.menuBar()->actions())
        if (a->menu() && a->isEnabled()) walk(a->menu());
    walk(window.trayMenu());
    return found;
}

QAction* entry(const LoggedIn& p, const std::string& caption) {
    auto& window = p.windows->view<VeltoView>();
    for (QAction* a : window.findChildren<QAction*>())
        if (a->text().toStdString() == caption && !a->menu()) return a;
    return nullptr;
}

TEST(MenuWalk, EveryEnabledEntryChangesOrOpensSomething) {
    const std::vector<std::string> all = entries(LoggedIn(1));
    ASSERT_GE(all.size(), 25u);
    std::set<std::string> idle;
    for (const std::string& caption : all) {
        // Choosing the language already in use changes nothing: start from another.
        LoggedIn program(caption == "&English" ? 2 : 1);
        QAction* action = entry(program, caption);
        ASSERT_NE(action, nullptr) << caption;
        const std::string before = program.snapshot();
        action->trigger();
        program.windows->redraw();
        if (program.snapshot() == before) idle.insert(caption);
    }
    EXPECT_EQ(idle, std::set<std::string>{});  // every entry does something
}

}  // namespace
}  // namespace plix::testing
