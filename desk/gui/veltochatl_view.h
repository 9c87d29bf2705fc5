#pragma once
// The chat window's view: draws VeltochatlForm and forwards the user's actions.
#include "desk/gui/window_view.h"

namespace plix {

class VeltochatlView : public WindowView {
public:
    explicit VeltochatlView(WindowSet& set);

protected:
    bool closeBox() override;
};

}  // namespace plix
