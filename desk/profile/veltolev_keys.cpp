// The supplier window's focus and keys: the walk through the boxes with Enter
// and the arrow keys, the password check on leaving the repeat box, the box
// colours, and the catalogue beside the branch-code boxes.
#include "desk/profile/branches.h"
#include "desk/profile/veltolev.h"

namespace plix {
namespace {

constexpr int kLanguageList = 100;  // the list taal, between boxes 8 and 10
constexpr int kRequired[] = {0, 1, 2, 3, 4, 5, 8, 10};

// Where Enter and Down lead from box n: the login name comes before the
// passwords; after the last bank box there is nowhere to go.
int nextBox(int n) {
    switch (n) {
        case 8:
            return kLanguageList;
        case 13:
            return kLoginBox;
        case kLoginBox:
            return kPasswordBox;
        case kPasswordBox:
            return kPasswordAgainBox;
        case 22:
            return kNoBox;
        default:
            return n + 1;
    }
}

int previousBox(int n) {
    switch (n) {
        case kBranchBox1:
            return kLanguageList;
        case kPasswordAgainBox:
            return kPasswordBox;
        case kLoginBox:
            return 13;
        case kPasswordBox:
            return kLoginBox;
        case 0:
            return kNoBox;
        default:
            return n - 1;
    }
}

void focusOn(VeltolevForm& w, int target) {
    if (target == kLanguageList)
        w.form.Focus = &w.taal;
    else if (target != kNoBox)
        w.form.Focus = &w.tlev[target];
}

// Enter or Down: on to the next box; leaving the repeat box checks the pair.
void forward(Desk& d, int n) {
    if (n == kPasswordAgainBox && !veltolev_passwordsAgree(d)) return;
    focusOn(d.veltolev, nextBox(n));
}

void markChanged(Desk& d) {
    d.veltolev.cupdate.Visible = true;
    d.st.SettingsDirty = 1;
    d.st.IdleTicks = 0;
}

bool validBox(int index) { return index >= 0 && index < kProfileBoxes; }

}  // namespace

bool veltolev_passwordsAgree(Desk& d) {
    VeltolevForm& w = d.veltolev;
    std::string& first = w.tlev[kPasswordBox].Text;
    std::string& again = w.tlev[kPasswordAgainBox].Text;
    if (first == again) return true;
    d.os.messages->show(d.st.LanguageTable[72], d.st.LanguageTable[54], MsgIcon::Critical,
                        MsgButtons::Ok);
    first.clear();
    again.clear();
    w.form.Focus = &w.tlev[kPasswordBox];
    return false;
}

void paintProfileBoxes(VeltolevForm& w, int focused) {
    for (auto& box : w.tlev) box.BackColor = kDefaultColour;
    for (int box : kRequired) w.tlev[box].BackColor = kRequiredColour;
    if (validBox(focused)) w.tlev[focused].BackColor = kFocusColour;
}

void veltolev_tlev_GotFocus(Desk& d, int index) {
    if (!validBox(index)) return;
    VeltolevForm& w = d.veltolev;
    w.FocusedField = index;
    showCatalogue(d, index == kBranchBox1 || index == kBranchBox2);
    paintProfileBoxes(w, index);
}

void veltolev_tlev_KeyDown(Desk& d, int index, int& KeyCode) {
    if (!validBox(index)) return;
    markChanged(d);
    if (KeyCode == kDownKey) {
        forward(d, index);
        KeyCode = 0;
    } else if (KeyCode == kUpKey) {
        focusOn(d.veltolev, previousBox(index));
        KeyCode = 0;
    }
}

void veltolev_tlev_KeyPress(Desk& d, int index, int& KeyAscii) {
    if (!validBox(index)) return;
    d.veltolev.cupdate.Visible = true;
    if (KeyAscii != kEnterKey) return;
    KeyAscii = 0;
    forward(d, index);
}

void veltolev_tlev_Change(Desk& d, int index) {
    if (validBox(index)) markChanged(d);
}

void veltolev_taal_KeyDown(Desk& d, int& KeyCode) {
    markChanged(d);
    if (KeyCode == kDownKey) {
        focusOn(d.veltolev, kBranchBox1);
        KeyCode = 0;
    } else if (KeyCode == kUpKey) {
        focusOn(d.veltolev, 8);
        KeyCode = 0;
    }
}

void veltolev_taal_KeyPress(Desk& d, int& KeyAscii) {
    d.veltolev.cupdate.Visible = true;
    if (KeyAscii != kEnterKey) return;
    KeyAscii = 0;
    focusOn(d.veltolev, kBranchBox1);
}

void veltolev_taal_Click(Desk& d) { markChanged(d); }

}  // namespace plix
