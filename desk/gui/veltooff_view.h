#pragma once
// The offer window's view.
#include "desk/gui/window_view.h"

namespace plix {

class VeltooffView : public WindowView {
public:
    explicit VeltooffView(WindowSet& set);

protected:
    bool closeBox() override;
};

}  // namespace plix
