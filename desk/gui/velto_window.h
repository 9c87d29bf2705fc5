#pragma once
// The main window: draws VeltoForm and forwards the user's actions to the
// logic. After every action or timer tick the whole struct is drawn again.
#include <QMainWindow>
#include <functional>
#include <unordered_map>
#include <vector>

#include "desk/core/desk.h"
#include "desk/gui/widget_binding.h"

class QAction;
class QMenu;

namespace plix {

class VeltoWindow : public QMainWindow {
public:
    explicit VeltoWindow(Desk& desk, QWidget* parent = nullptr);

    // Draws the struct, takes up timer changes, and ends the program when
    // the logic asked for it.
    void refresh();

    // Event wiring: a click on a control or a menu item runs the handler,
    // then the window is refreshed.
    void onClick(const Control& control, std::function<void()> handler);
    void onMenu(const MenuItem& item, std::function<void()> handler);

    QWidget* widgetOf(const void* control) const;
    QAction* actionOf(const MenuItem& item) const;
    QMenu* trayMenu() const { return trayMenu_; }
    const Twips& twips() const { return twips_; }

    // Set when the desktop session ends, so that closing ends the program.
    void setSystemShuttingDown() { systemShuttingDown_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    template <class W>
    W* make(QWidget* parent, Control& c);
    QWidget* makeText(QWidget* parent, TextBox& c, bool multiLine = false);
    QWidget* makeCheck(QWidget* parent, CheckBox& c);
    QWidget* makeOption(QWidget* parent, OptionButton& c);
    QAction* addItem(QMenu* menu, MenuItem& item);
    QMenu* addSubMenu(QMenu* parent, MenuItem& item);
    void buildControls();
    void buildMenus();
    void drawForm();
    void run(const std::function<void()>& handler);

    Desk& d_;
    Twips twips_;
    std::vector<std::function<void()>> draws_;
    std::unordered_map<const void*, QWidget*> widgets_;
    std::unordered_map<const MenuItem*, QAction*> actions_;
    QMenu* trayMenu_ = nullptr;
    bool systemShuttingDown_ = false;
    bool quitting_ = false;
};

}  // namespace plix
