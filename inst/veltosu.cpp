#include "inst/veltosu.h"

#include <cstdio>

#include "desk/core/files.h"
#include "desk/lang/language_file.h"
#include "inst/libraries.h"
#include "inst/padcheck.h"
#include "inst/registration.h"
#include "inst/transf.h"

namespace plix::inst {
namespace {

// The loader's built-in defaults, and English wording for every message the
// installer shows, so that no box ever comes up empty.
void setLanguageDefaults(InstState& s) {
    auto& t = s.LanguageTable;
    writeLanguageDefaults(t);
    t[12] = "&Close";
    t[181] = "PLIX needs software that this computer does not have yet. Install it with:";
    t[184] = "Please choose a folder that you can write to, such as ~/PLIX.";
    t[185] = "The installation folder is too short. Please choose a folder such as ~/PLIX.";
    t[186] = "Installation finished.";
    t[187] = "A settings file already exists in this folder. Replace it with the default settings?";
    t[188] = "Existing settings found";
}

void relabel(Inst& in) {
    const auto& t = in.st.LanguageTable;
    VeltosuForm& f = in.veltosu;
    f.form.Caption = t[180];
    f.cexit.Caption = t[183];
    f.cinstall.Caption = t[182];
    f.ltaal.Caption = t[48];
    f.chkst.Caption = t[189];
    f.Combo1.Items.clear();
    for (int k = 190; k <= 199 && !t[k].empty(); ++k) f.Combo1.Items.push_back(t[k]);
    f.Combo1.ListIndex = in.st.CurrentLanguage - 1;
}

void syncTimers(Inst& in) {
    if (in.os.scheduler) in.os.scheduler->sync();
}

// Names the Debian packages that bring the program's missing libraries.
void checkLibraries(Inst& in) {
    const auto table = readWholeFile(in.setupFile(kLibraryTable));
    if (!table || !in.cfg.libraryPresent) return;
    const auto missing = missingPackages(readLibraryTable(*table), in.cfg.libraryPresent);
    if (missing.empty()) return;
    std::string command = "sudo apt install";
    for (const auto& package : missing) command += " " + package;
    in.os.messages->show(in.st.LanguageTable[181] + "\n\n" + command, in.veltosu.form.Caption,
                         MsgIcon::Exclamation, MsgButtons::Ok);
}

void showEndScreen(Inst& in) {
    VeltosuForm& f = in.veltosu;
    const auto& t = in.st.LanguageTable;
    f.cexit.Caption = t[12];
    f.cinstall.Enabled = false;
    f.Picture1.Visible = false;
    f.Picture2.Visible = true;
    f.lend.Visible = true;
    f.lend.Caption = t[186];
    f.fr_stsrt.Visible = false;
}

}  // namespace

void Form_Load(Inst& in) {
    VeltosuForm& f = in.veltosu;
    f.lend.Visible = false;
    f.Picture2.Visible = false;
    in.st.CopySettings = 1;
    if (in.os.scheduler) veltosu_Timers(in, *in.os.scheduler);
    preset(in);
    f.form.Loaded = true;
    f.form.Visible = true;
    checkLibraries(in);
}

void veltosu_Timers(Inst& in, Scheduler& s) {
    s.attach(in.veltosu.Timer1, [&in] { Timer1_Timer(in); });
    s.attach(in.veltosu.Timer2, [&in] { Timer2_Timer(in); });
}

void preset(Inst& in) {
    InstState& s = in.st;
    s.SettingsRecord = readRecordFile(in.setupFile(kSettingsFile), kRecordSize);
    s.CurrentLanguage = static_cast<unsigned char>(s.SettingsRecord[kLanguageOffset]);
    if (s.CurrentLanguage == 0) {
        s.CurrentLanguage = 1;
        s.SettingsRecord[kLanguageOffset] = 1;
    }
    if (s.CurrentLanguage > 9) s.CurrentLanguage = 1;
    taalhandle(in);

    VeltosuForm& f = in.veltosu;
    f.Drive1.Items =
        in.cfg.drives ? in.cfg.drives() : std::vector<std::string>{in.cfg.dirs.home.string()};
    f.Drive1.ListIndex = 0;
    f.Dir1.Path = in.cfg.dirs.home.string();
    Dir1_Change(in);
}

void taalhandle(Inst& in) {
    InstState& s = in.st;
    setLanguageDefaults(s);
    if (s.CurrentLanguage < 1 || s.CurrentLanguage > 7) s.CurrentLanguage = 1;
    loadLanguageFile(in.setupFile(kLanguageFile), s.CurrentLanguage, s.LanguageTable);
    if (s.LanguageTable[108] == "OK") relabel(in);
}

void Combo1_Click(Inst& in) {
    in.veltosu.Timer1.Enabled = true;
    syncTimers(in);
}

void Timer1_Timer(Inst& in) {
    InstState& s = in.st;
    in.veltosu.Timer1.Enabled = false;
    syncTimers(in);
    const int chosen = in.veltosu.Combo1.ListIndex + 1;
    if (chosen >= 1 && chosen != s.CurrentLanguage) {
        s.CurrentLanguage = chosen;
        taalhandle(in);
    }
    s.SettingsRecord[kLanguageOffset] = static_cast<char>(s.CurrentLanguage);
    s.LanguageNotStored = !writeFileAtomic(in.setupFile(kSettingsFile), s.SettingsRecord);
    if (s.LanguageNotStored)
        std::fprintf(
            stderr,
            "plixinst: %s cannot be written; the chosen language goes into the installed copy\n",
            in.setupFile(kSettingsFile).c_str());
}

void Drive1_Change(Inst& in) {
    VeltosuForm& f = in.veltosu;
    const int i = f.Drive1.ListIndex;
    if (i < 0 || i >= static_cast<int>(f.Drive1.Items.size())) return;
    f.Dir1.Path = f.Drive1.Items[i];
    Dir1_Change(in);
}

void Dir1_Change(Inst& in) {
    VeltosuForm& f = in.veltosu;
    std::string folder = f.Dir1.Path;
    if (folder.empty() || folder.back() != '/') folder += '/';
    f.tpad.Text = folder + "PLIX";
}

void cinstall_Click(Inst& in) {
    VeltosuForm& f = in.veltosu;
    f.form.Pointer = MousePointer::Hourglass;
    padcheck(in);
    if (in.st.PathResult != kPathAccepted) {
        f.form.Pointer = MousePointer::Default;
        return;
    }
    transf(in);
    f.form.Pointer = MousePointer::Default;
    showEndScreen(in);
    makeapppathkey(in);
    regapppath(in);
    f.Timer2.Enabled = true;
    f.form.Visible = true;
    syncTimers(in);
}

void Timer2_Timer(Inst& in) {
    in.veltosu.Timer2.Enabled = false;
    syncTimers(in);
    in.st.ProgramEnded = true;
}

void cexit_Click(Inst& in) { in.st.ProgramEnded = true; }

}  // namespace plix::inst
