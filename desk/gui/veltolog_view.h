#pragma once
// The log window's view: follows the activity log while it is open.
#include "desk/gui/window_view.h"

namespace plix {

class VeltologView : public WindowView {
public:
    explicit VeltologView(WindowSet& set);

protected:
    bool closeBox() override;
};

}  // namespace plix
