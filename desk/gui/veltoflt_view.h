#pragma once
// The filter window's view: the word filters, the place and country boxes.
#include "desk/gui/window_view.h"

namespace plix {

class VeltofltView : public WindowView {
public:
    explicit VeltofltView(WindowSet& set);

protected:
    bool closeBox() override;
};

}  // namespace plix
