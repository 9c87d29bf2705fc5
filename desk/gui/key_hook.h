#pragma once
// Hands a widget's keys and focus to a window's handlers the way the
// design's controls raise them: KeyDown with the key's code (13 Enter, 38 Up,
// 40 Down, letters and digits as their capital characters), then KeyPress
// with the character typed (13 for Enter); a handler that sets its argument
// to 0 swallows the key. Tab and Backtab keep moving the focus untouched.
#include <QWidget>
#include <functional>

namespace plix {

struct KeyHandlers {
    std::function<void(int& keyCode)> keyDown;
    std::function<void(int& keyAscii)> keyPress;
    std::function<void()> gotFocus;
};

// run carries each handler out (the window set's run: handler, then redraw).
void hookKeys(QWidget* widget, KeyHandlers handlers,
              std::function<void(const std::function<void()>&)> run);

}  // namespace plix
