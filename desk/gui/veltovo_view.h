#pragma once
// The offers print window's view.
#include "desk/gui/window_view.h"

namespace plix {

class VeltovoView : public WindowView {
public:
    explicit VeltovoView(WindowSet& set);

protected:
    bool closeBox() override;
};

}  // namespace plix
