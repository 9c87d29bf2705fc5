#pragma once
// The installer's window veltosu as data: its controls and their design
// layout (twips). The start controls sit in fr_stsrt, whose controls are
// placed relative to it; the end screen shows Picture2 and lend.
//
// tpad, Drive1 and Dir1 hold folder paths in the file system's own encoding
// (UTF-8), not in Windows-1252 like the captions: a path must survive every
// character a user's folder name may hold.
#include <string>

#include "desk/forms/controls.h"
#include "platform/scheduler.h"

namespace plix::inst {

// The folder list: a button (drawn with the desktop's folder icon) that
// opens a folder chooser at Path.
struct FolderList : Control {
    std::string Path;
};

struct VeltosuForm {
    FormControl form{.Caption = "PLIX Setup"};
    Frame fr_stsrt;
    Label ltaal;
    ComboBox Combo1;  // language names, line n is language n + 1
    ComboBox Drive1;  // the drives: the home folder and the mount points
    FolderList Dir1;
    TextBox tpad;    // the target folder
    CheckBox chkst;  // start with the desktop session
    Button cinstall;
    Button cexit;
    Picture Picture1;                  // the program's icon on the start screen
    Picture Picture2;                  // the same, larger, on the end screen
    Label lend;                        // end-screen text
    Label Label1;                      // the registration result: "Ok" or "Fout"
    TimerControl Timer1{500, false};   // delayed language switch
    TimerControl Timer2{4000, false};  // end-screen delay

    VeltosuForm();
};

}  // namespace plix::inst
