#pragma once
// What some windows add to the common controls: a read-only box of styled
// text (RichTextBox), built through a window's FormBinder and drawn with the
// rest of its controls, and a watch on the keys typed into a widget.
#include <functional>

#include "desk/gui/form_binder.h"

class QTextEdit;

namespace plix {

// The box is drawn anew only when its text or styles changed; the user may
// select and copy, not type.
QTextEdit* makeRichText(FormBinder& b, QWidget* parent, RichTextBox& c);
// Runs onKey for every key pressed in w. When typedOnly is set only keys that
// type a character count, and those keys go no further.
void onKey(QWidget* w, bool typedOnly, std::function<void()> onKey);

}  // namespace plix
