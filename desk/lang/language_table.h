#pragma once
// The language table: loading a language from pxlng.dat and relabelling the
// main window.
#include "desk/core/desk.h"

namespace plix {

inline constexpr const char* kLanguageFile = "pxlng.dat";

// Writes the built-in texts that hold whenever the file lacks them; entry
// 108 becomes "NO" until a language section is loaded.
void setLanguageDefaults(DeskState& s);

void taalhandle(Desk& d);

}  // namespace plix
