#pragma once
// Plain mirrors of window controls. The logic reads and writes these; the Qt
// layer draws them. Geometry is in twips (15 twips = 1 pixel at 96 DPI),
// colours are 0xBBGGRR as the system writes them, -1 meaning "the default".
// Every struct compares by value, so a view can tell what changed since it
// last drew one.
#include <string>
#include <vector>

#include "platform/scheduler.h"

namespace plix {

constexpr int kDefaultColour = -1;

struct Control {
    std::string Caption;
    bool Visible = true;
    bool Enabled = true;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int ForeColor = kDefaultColour;
    int BackColor = kDefaultColour;
    bool operator==(const Control&) const = default;
};

// A label's caption marks its access key with "&" (UseMnemonic); a label
// that shows text from outside (a request title, a status line, a help text)
// shows every character as it stands.
struct Label : Control {
    bool UseMnemonic = true;
    bool operator==(const Label&) const = default;
};

using Button = Control;
using Frame = Control;
using Shape = Control;
using Picture = Control;

struct TextBox : Control {
    std::string Text;
    bool operator==(const TextBox&) const = default;
};

struct CheckBox : Control {
    int Value = 0;  // 0 unticked, 1 ticked
    bool operator==(const CheckBox&) const = default;
};

struct OptionButton : Control {
    bool Value = false;
    bool operator==(const OptionButton&) const = default;
};

struct ListBox : Control {
    std::vector<std::string> Items;
    int ListIndex = -1;
    bool operator==(const ListBox&) const = default;
};

// A drop-down list: the user picks one of Items; Text() is the shown line.
struct ComboBox : ListBox {
    std::string Text() const {
        return ListIndex >= 0 && ListIndex < static_cast<int>(Items.size()) ? Items[ListIndex]
                                                                            : std::string();
    }
};

// A stretch of a rich-text box drawn in its own colour, font, emphasis or
// size (0 keeps the box's size). Positions count characters of Text.
struct TextSpan {
    int Start = 0, Length = 0;
    int Color = kDefaultColour;
    std::string Font;   // empty keeps the box's font
    bool Bold = false;
    int Size = 0;
    bool operator==(const TextSpan&) const = default;
};

// A read-only box of styled text: the text is always shown as text, never
// read as markup; Spans colour parts of it, later spans over earlier ones.
struct RichTextBox : Control {
    std::string Text;
    std::string Font;   // the box's font; empty for the desktop's
    int FontSize = 0;   // points; 0 for the desktop's
    int TextColor = kDefaultColour;
    std::vector<TextSpan> Spans;
    int SelStart = 0;   // where the caret goes when the text is drawn anew
};

struct MenuItem {
    std::string Caption;
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    bool Separator = false;
    bool operator==(const MenuItem&) const = default;
};

// Key codes as the key handlers receive them (KeyDown's code, KeyPress's
// character); a handler that sets its argument to 0 swallows the key.
inline constexpr int kEnterKey = 13;
inline constexpr int kUpKey = 38;
inline constexpr int kDownKey = 40;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class MousePointer { Default = 0, Hourglass = 11 };

// A window's frame: every window's struct begins with one.
struct FormControl {
    std::string Caption;
    bool Visible = false;
    bool Loaded = false;
    WindowState State = WindowState::Normal;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    MousePointer Pointer = MousePointer::Default;
    // The control that takes the keyboard focus at the next draw (SetFocus);
    // the window moves the focus there and clears this.
    const Control* Focus = nullptr;
    bool operator==(const FormControl&) const = default;
};

// Places a control in its frame (twips), as a window's design does.
inline void place(Control& c, int left, int top, int width, int height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

}  // namespace plix
