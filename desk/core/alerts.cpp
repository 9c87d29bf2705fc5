#include "desk/core/alerts.h"

namespace plix {

void Play_Sound(Desk& d) {
    if (d.os.sound) d.os.sound->play(d.file(kAlertSound).string());
}

void Stop_Sound(Desk& d) {
    if (d.os.sound) d.os.sound->stop();
}

void deleteTrayIcon(Desk& d) {
    if (d.os.tray) d.os.tray->remove();
}

}  // namespace plix

namespace plix {

void ttray_Click(Desk& d) {
    if (d.os.tray && !d.os.tray->installed()) d.os.tray->install();
    d.velto.form.Visible = false;
}

}  // namespace plix
