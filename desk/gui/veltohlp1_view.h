#pragma once
// The help window's view: draws Veltohlp1Form.
#include "desk/gui/window_view.h"

namespace plix {

class Veltohlp1View : public WindowView {
public:
    explicit Veltohlp1View(WindowSet& set);

protected:
    bool closeBox() override;
};

}  // namespace plix
