#pragma once
// The server settings window's view: draws VeltosrvForm and forwards the
// user's actions.
#include "desk/gui/window_view.h"

namespace plix {

class VeltosrvView : public WindowView {
public:
    explicit VeltosrvView(WindowSet& set);

protected:
    // The close box saves as the close button does (and the window stays
    // while the typed number is refused).
    bool closeBox() override;
};

}  // namespace plix
