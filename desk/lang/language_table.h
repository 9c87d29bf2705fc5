#pragma once
// The language table: loading a language from pxlng.dat and relabelling the
// main window.
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

inline constexpr const char* kLanguageFile = "pxlng.dat";

// Writes the built-in texts that hold whenever the file lacks them; entry
// 108 becomes "NO" until a language section is loaded.
void setLanguageDefaults(DeskState& s);

void taalhandle(Desk& d);

// An entry where its accelerator marker has no place (a window caption, a
// message): the entry without its first "&" ("&&" stays one "&").
std::string withoutAccelerator(std::string_view entry);

// A text shown in a menu item as it stands (a title, a host): every "&"
// doubled, so none marks an accelerator.
std::string asMenuCaption(std::string_view text);

// LanguageTable[index], or fallback while that entry is empty (no language
// file, or an entry left empty).
const std::string& entryOr(const DeskState& s, int index, const std::string& fallback);

}  // namespace plix
