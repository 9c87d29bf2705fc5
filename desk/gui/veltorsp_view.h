#pragma once
// The reactions window's view: the request, its conversation and the reaction box.
#include "desk/gui/window_view.h"

namespace plix {

class VeltorspView : public WindowView {
public:
    explicit VeltorspView(WindowSet& set);

protected:
    bool closeBox() override;
};

}  // namespace plix
