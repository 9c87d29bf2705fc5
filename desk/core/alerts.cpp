#include "desk/core/alerts.h"

#include <filesystem>

namespace plix {

std::string programTitle(const DeskState& s) {
    const std::string& title = s.LanguageTable[5];
    return title.empty() ? std::string("PLIX") : title;
}

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

void showMainWindow(Desk& d) {
    d.velto.form.Visible = true;
    d.velto.form.State = WindowState::Normal;
    if (d.os.tray) d.os.tray->restoreWindow();
}

}  // namespace plix
