#pragma once
// The main window's view of the other windows: whether each is loaded and
// shown, and what it does when it is unloaded. The windows' own controls live
// with their subsystems; the main window only opens, watches and unloads them.
#include <functional>

#include "desk/forms/controls.h"

namespace plix {

struct Desk;

struct SubWindow {
    FormControl form;
    // Runs when the window is unloaded (saves, closes its timers); may be empty.
    std::function<void(Desk&)> onUnload;
};

struct SubWindows {
    SubWindow veltochatl, veltohlp1, veltoflt, veltolev, veltolog, veltooff, veltorsp, veltosrv,
        veltovo, veltoaut;
};

inline void showWindow(SubWindow& w) {
    w.form.Loaded = true;
    w.form.Visible = true;
}

inline void unloadWindow(Desk& d, SubWindow& w) {
    if (!w.form.Loaded && !w.form.Visible) return;
    if (w.onUnload) w.onUnload(d);
    w.form.Visible = false;
    w.form.Loaded = false;
}

}  // namespace plix
