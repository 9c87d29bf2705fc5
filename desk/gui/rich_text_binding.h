#pragma once
// The controls some windows add to the common ones: a read-only box of
// styled text (RichTextBox) and a drop-down list (ComboBox), built through a
// window's FormBinder and drawn with the rest of its controls.
#include <functional>

#include "desk/gui/form_binder.h"

class QComboBox;
class QTextEdit;

namespace plix {

// The box is drawn anew only when its text or styles changed; the user may
// select and copy, not type.
QTextEdit* makeRichText(FormBinder& b, QWidget* parent, RichTextBox& c);
// The user's choice sets ListIndex; the window wires what a choice does.
QComboBox* makeCombo(FormBinder& b, QWidget* parent, ComboBox& c);
// Runs onKey for every key pressed in w. When typedOnly is set only keys that
// type a character count, and those keys go no further.
void onKey(QWidget* w, bool typedOnly, std::function<void()> onKey);

}  // namespace plix
