#pragma once
// The main window's view: draws VeltoForm and forwards the user's actions to
// the main window's procedures.
#include "desk/gui/window_view.h"

class QMenu;

namespace plix {

class VeltoView : public WindowView {
public:
    explicit VeltoView(WindowSet& set);

    // The notification-area icon's pop-up menu (MnBar): built here, never in
    // the menu bar.
    QMenu* trayMenu() const { return trayMenu_; }

protected:
    bool closeBox() override;
    void drawHidden() override;

private:
    void buildControls();
    void buildMenus();
    void wireEvents();  // velto_events.cpp
    void wireLogin();

    QMenu* trayMenu_ = nullptr;
};

}  // namespace plix
