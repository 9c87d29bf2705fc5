#pragma once
// The installer's window veltosu: start screen (language, target folder,
// start-up box), installation, end screen.
#include "inst/inst.h"

namespace plix::inst {

// Reads the setup folder's settings template and language, fills the drive
// list, proposes ~/PLIX, and says which Debian packages are missing for the
// program's libraries. The timers are attached here.
void Form_Load(Inst& in);
void veltosu_Timers(Inst& in, Scheduler& s);
void preset(Inst& in);
// Loads the language table and relabels the window (when a section loads).
void taalhandle(Inst& in);

void Combo1_Click(Inst& in);
// The chosen language becomes current and goes into position 39 of the
// setup folder's pxini.dat (or, on a read-only medium, into the copy).
void Timer1_Timer(Inst& in);
// A drive chosen in Drive1: the folder chooser moves there.
void Drive1_Change(Inst& in);
// A folder chosen with Dir1: the target becomes that folder + "/PLIX".
void Dir1_Change(Inst& in);

// Checks the target; only an accepted one is copied and registered and
// leads to the end screen. A refused one leaves the start screen as it was.
void cinstall_Click(Inst& in);
void Timer2_Timer(Inst& in);
void cexit_Click(Inst& in);

}  // namespace plix::inst
