#pragma once
// Loading, closing and quitting the main window.
#include "desk/core/desk.h"

namespace plix {

// Why the main window is asked to close.
enum class UnloadMode { CloseBox = 0, Program = 1, SystemShutdown = 2, TaskManager = 3 };

void Form_Load(Desk& d);
void preset(Desk& d);
// Returns true when the close is cancelled (the window only hides).
bool Form_QueryUnload(Desk& d, UnloadMode mode);
void Form_Unload(Desk& d);
void Mnexit_Click(Desk& d);

}  // namespace plix
