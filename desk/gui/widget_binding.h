#pragma once
// Draws one control struct onto its widget: geometry (twips to pixels),
// visibility, enabled state, caption, colours and values.
#include <QWidget>

#include "desk/forms/controls.h"

class QAction;

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

void drawControl(const Control& c, QWidget* w, const Twips& t);
void drawText(const TextBox& c, QWidget* w, const Twips& t);
void drawCheck(const CheckBox& c, QWidget* w, const Twips& t);
void drawOption(const OptionButton& c, QWidget* w, const Twips& t);
void drawList(const ListBox& c, QWidget* w, const Twips& t);
void drawMenu(const MenuItem& m, QAction* a);

}  // namespace plix
