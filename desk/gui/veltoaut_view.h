#pragma once
// The autostart window's view: draws VeltoautForm and forwards the user's
// ticks.
#include "desk/gui/window_view.h"

namespace plix {

class VeltoautView : public WindowView {
public:
    explicit VeltoautView(WindowSet& set);

protected:
    bool closeBox() override;
};

}  // namespace plix
