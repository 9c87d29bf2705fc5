#pragma once
// The main window: draws VeltoForm and forwards the user's actions to the
// logic. After every action or timer tick every window is drawn again.
#include <QMainWindow>
#include <functional>
#include <vector>

#include "desk/core/desk.h"
#include "desk/gui/form_binder.h"

class QMenu;

namespace plix {

class VeltoWindow : public QMainWindow {
public:
    explicit VeltoWindow(Desk& desk, QWidget* parent = nullptr);

    // Draws every window, takes up timer changes, and ends the program when
    // the logic asked for it.
    void refresh();
    // Other windows hook their drawing in here so one refresh draws them all.
    void addRefresher(std::function<void()> draw) { refreshers_.push_back(std::move(draw)); }
    // Runs an event handler of any window, then refreshes.
    void run(const std::function<void()>& handler);

    FormBinder& binder() { return binder_; }
    void onClick(const Control& c, std::function<void()> h) { binder_.onClick(c, std::move(h)); }
    void onMenu(const MenuItem& m, std::function<void()> h) { binder_.onMenu(m, std::move(h)); }
    QWidget* widgetOf(const void* control) const { return binder_.widgetOf(control); }
    QAction* actionOf(const MenuItem& item) const { return binder_.actionOf(item); }
    const Twips& twips() const { return binder_.twips(); }
    QMenu* trayMenu() const { return trayMenu_; }

    // Set when the desktop session ends, so that closing ends the program.
    void setSystemShuttingDown() { systemShuttingDown_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void drawForm();

    Desk& d_;
    FormBinder binder_;
    std::vector<std::function<void()>> refreshers_;
    QMenu* trayMenu_ = nullptr;
    bool systemShuttingDown_ = false;
    bool quitting_ = false;
    QPoint placed_;   // the form's Left/Top (twips) the window last took or reported
};

}  // namespace plix
