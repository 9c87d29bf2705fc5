#include "desk/velto/language_menu.h"

#include "desk/core/files.h"
#include "desk/core/settings.h"
#include "desk/lang/language_table.h"
#include "desk/velto/commands.h"

namespace plix {

void makelang(Desk& d) {
    DeskState& s = d.st;
    s.IdleTicks = 0;
    unloadall(d);
    for (int i = 1; i <= 4; ++i) d.velto.lng[i].Checked = i == s.SelectedLanguage;
    s.CurrentLanguage = s.SelectedLanguage;
    s.SettingsRecord[kLanguageOffset] = static_cast<char>(s.CurrentLanguage);
    writeFileAtomic(d.file(kSettingsFile), s.SettingsRecord);
    s.SettingsDirty = 0;
    taalhandle(d);
}

void lng_Click(Desk& d, int index) {
    d.st.SelectedLanguage = index;
    makelang(d);
}

}  // namespace plix
