#pragma once
// Draws one control struct onto its widget: geometry (twips to pixels),
// visibility, enabled state, caption, colours and values.
#include <QWidget>
#include <string>
#include <string_view>

#include "desk/forms/controls.h"

class QAction;
class QLabel;

namespace plix {

// Pixels for a length in twips: 15 twips a pixel at 96 DPI, scaled for the screen.
class Twips {
public:
    explicit Twips(double dpi = 96.0) : scale_(dpi / 96.0) {}
    int px(int twips) const { return static_cast<int>(twips / 15.0 * scale_ + 0.5); }
    int twips(int px) const { return static_cast<int>(px * 15.0 / scale_ + 0.5); }

private:
    double scale_;
};

QString colourStyle(int foreColor, int backColor);

// A caption without its access-key markers: "&x" shows as "x", "&&" as "&".
std::string withoutMnemonic(std::string_view caption);

void drawControl(const Control& c, QWidget* w, const Twips& t);
// A label's "&" marks its access key where it has a buddy control to move
// to; without one the marker is left out. A label that does not use
// mnemonics shows every character.
void drawLabel(const Label& c, QLabel* w, const Twips& t);
void drawCheck(const CheckBox& c, QWidget* w, const Twips& t);
void drawOption(const OptionButton& c, QWidget* w, const Twips& t);
// A list box or a drop-down list: its lines, and the chosen one. A
// drop-down list offers only the entries that have a text.
void drawList(const ListBox& c, QWidget* w, const Twips& t);
void drawMenu(const MenuItem& m, QAction* a);

}  // namespace plix
