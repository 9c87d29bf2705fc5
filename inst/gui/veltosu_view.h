#pragma once
// The installer's window veltosu: draws VeltosuForm and forwards the user's
// actions to the installer's procedures.
#include "desk/gui/window_view.h"
#include "inst/inst.h"

namespace plix::inst {

class InstWindowSet;

class VeltosuView : public WindowBase {
public:
    explicit VeltosuView(InstWindowSet& set);

protected:
    // The close box leaves the installer, as Cancel (or Close) does.
    bool closeBox() override;

private:
    void buildControls();
    void buildFolderControls(QWidget* start);

    Inst& in_;
};

}  // namespace plix::inst
