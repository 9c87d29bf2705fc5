#pragma once
// The supplier window's view: the profile's boxes, the branch catalogue
// beside them, and the buttons.
#include "desk/gui/window_view.h"

namespace plix {

class VeltolevView : public WindowView {
public:
    explicit VeltolevView(WindowSet& set);

protected:
    bool closeBox() override;

private:
    void buildProfile();
    void buildCatalogue();
    void wireBoxes();
};

}  // namespace plix
