#include "desk/core/alerts.h"

#include <filesystem>

namespace plix {
namespace {

// The program's title: window caption, icon tip, notification title.
std::string programTitle(const DeskState& s) {
    const std::string& title = s.LanguageTable[5];
    return title.empty() ? std::string("PLIX") : title;
}

// The icon record holds the tip in a 64-character field ending in a zero character.
constexpr std::size_t kTipWidth = 63;

// In a menu caption "&" marks the accelerator; a title shows it as it is.
std::string asMenuCaption(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += '&';
        out += c;
    }
    return out;
}

}  // namespace

void Play_Sound(Desk& d, const std::string& path) {
    Stop_Sound(d);
    if (!d.os.sound) return;
    const std::filesystem::path file(path);
    d.os.sound->play((file.is_absolute() ? file : d.folder / file).string());
}

void Stop_Sound(Desk& d) {
    if (d.os.sound) d.os.sound->stop();
}

void alertRequest(Desk& d) {
    DeskState& s = d.st;
    if (s.SoundArmed != 1 || s.SupplierList[27] != "ja") return;
    Play_Sound(d, kAlertSound);
    s.SoundArmed = 0;
}

void notifyNewRequests(Desk& d, const std::vector<std::string>& titles) {
    const DeskState& s = d.st;
    if (titles.empty() || s.SupplierList[27] != "ja" || !d.os.notifier) return;
    std::string text = titles.front();
    if (titles.size() > 1) {
        const std::string& several = s.LanguageTable[80].empty() ? "New requests" : s.LanguageTable[80];
        text = several + " (" + std::to_string(titles.size()) + "): " + titles.front();
    }
    d.os.notifier->notify(programTitle(s), text);
}

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

void showMainWindow(Desk& d) {
    d.velto.form.Visible = true;
    d.velto.form.State = WindowState::Normal;
    if (d.os.tray) d.os.tray->restoreWindow();
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

void wireAlerts(Desk& d, std::function<void()> afterClick) {
    if (d.os.tray) {
        d.os.tray->onClick([&d, afterClick](TrayClick click) {
            trayClicked(d, click);
            if (afterClick) afterClick();
        });
    }
    if (d.os.notifier) {
        d.os.notifier->onClick([&d, afterClick] {
            notificationClicked(d);
            if (afterClick) afterClick();
        });
    }
}

}  // namespace plix
