#include "desk/velto/tray.h"

#include "desk/core/alerts.h"
#include "desk/lang/language_table.h"

namespace plix {
namespace {

// The icon record holds the tip in a 64-character field ending in a zero character.
constexpr std::size_t kTipWidth = 63;

}  // namespace

void ttray_Click(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    // The list is there when the window comes back.
    if (s.ConnectState == 2 && s.SupplierNumber != 0) f.fr_vraag.Visible = true;
    f.MnBar.Visible = false;

    // Where the desktop has no notification area the window draws a hidden
    // state as minimised, so the program can always be reached.
    if (TrayIcon* tray = d.os.tray) {
        const std::string title = programTitle(s);
        tray->setTexts(title.substr(0, kTipWidth), asMenuCaption(title));
        if (!tray->installed()) tray->install();
    }
    f.form.Visible = false;
}

void deleteTrayIcon(Desk& d) {
    if (d.os.tray) d.os.tray->remove();
}

void trayClicked(Desk& d, TrayClick click) {
    showMainWindow(d);
    d.st.IdleTicks = 0;
    // A left click restarts the sequence, which talks to the server; while the
    // user or the server has disconnected, it only shows the window.
    if ((click == TrayClick::Left || click == TrayClick::Double) && d.st.Disconnected != 1)
        d.st.StartupStep = 503;
}

void notificationClicked(Desk& d) {
    showMainWindow(d);
    d.st.IdleTicks = 0;
}

// A click is an event handler like any other: while a fetch waits, it runs
// after the fetch (the event pump holds it).
static void handleClick(Desk& d, const std::function<void()>& click,
                        const std::function<void()>& afterClick) {
    const auto handle = [click, afterClick] {
        click();
        if (afterClick) afterClick();
    };
    if (d.os.events)
        d.os.events->runHandler(handle);
    else
        handle();
}

void wireAlerts(Desk& d, std::function<void()> afterClick) {
    if (d.os.tray) {
        d.os.tray->onClick([&d, afterClick](TrayClick click) {
            handleClick(d, [&d, click] { trayClicked(d, click); }, afterClick);
        });
    }
    if (d.os.notifier) {
        d.os.notifier->onClick([&d, afterClick] {
            handleClick(d, [&d] { notificationClicked(d); }, afterClick);
        });
    }
}

}  // namespace plix
