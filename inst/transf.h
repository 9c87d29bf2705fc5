#pragma once
// Copying the program and its files into the accepted target folder, then
// registering it with the desktop.
#include "inst/inst.h"
#include "platform/sound.h"

namespace plix::inst {

// One row of the copy table: a file of the setup folder and its name in the
// target folder.
struct CopyRow {
    const char* source;
    const char* target;
    bool program = false;   // installed executable
    bool optional = false;  // a setup folder may lack it
};

// The copy table, in its order. The shared libraries that the program
// needs come from Debian's packages, not from the setup folder (the
// installer checks them at start, see libraries.h).
inline constexpr CopyRow kCopyTable[] = {
    {kLanguageFile, kLanguageFile},
    // The help texts: a setup folder made before they existed has none, and
    // the program then simply shows no help.
    {kHelpFile, kHelpFile, false, true},
    {kSettingsFile, kSettingsFile},  // only while CopySettings is 1
    {kIconFile, kIconFile},
    {kProgramFile, kProgramFile, true},
    // The alert sound's module: without it the program runs silent.
    {kSoundModule, kSoundModule, false, true},
    {kSoundFile, kSoundFile},
};

// An existing non-empty settings file in the target: ask whether the
// template replaces it (Yes) or it stays as it is (No: CopySettings 0).
void checkini(Inst& in);

// Copies the table and registers the program's group, its item and, when
// chkst is ticked, the autostart entry.
void transf(Inst& in);

}  // namespace plix::inst
