#pragma once
// The base of every window's view, in both programs. A view builds its
// widgets from its window's struct, draws the frame (caption, place and size
// in twips, shown, minimised or hidden, mouse pointer, focus) and its
// controls from it, and runs its event handlers through its window set, which
// redraws every window after each one. The user's own moving, resizing and
// minimising of a window go back into its frame.
//
// WindowBase knows no program's state: plixdesk's views derive from
// WindowView (their structs live in Desk), the installer's from WindowBase
// with a window set of its own.
#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>

#include "desk/core/desk.h"
#include "desk/gui/form_binder.h"

namespace plix {

class WindowSet;
class WindowSetBase;

class WindowBase : public QMainWindow {
public:
    WindowBase(WindowSetBase& set, FormControl& form);

    // Draws the frame and, while the window is shown, its controls; a hidden
    // window only hides.
    void draw();

    FormControl& form() const { return form_; }
    FormBinder& binder() { return binder_; }
    QWidget* widgetOf(const void* control) const { return binder_.widgetOf(control); }
    QAction* actionOf(const MenuItem& item) const { return binder_.actionOf(item); }
    const Twips& twips() const { return binder_.twips(); }

protected:
    // The area the window's controls are placed in (twips from its top left).
    QWidget* body() const { return centralWidget(); }
    // Runs an event handler, then redraws every window; false when it waits
    // for a fetch and runs later.
    bool run(const std::function<void()>& handler);

    // The user closes the window from its frame: runs the window's own
    // procedure for it; the window closes when that returns true.
    virtual bool closeBox() = 0;
    // How the window draws its hidden state (the main window minimises
    // instead where the desktop has no notification area).
    virtual void drawHidden();

    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void drawFrame();
    void takeFocus();

    WindowSetBase& set_;
    FormControl& form_;
    FormBinder binder_;
    // The frame's Left/Top and Width/Height (twips) the window last took or
    // reported; where the struct differs, the logic moved or sized it. At
    // first the desktop places the window, and the struct sizes it.
    QPoint placedAt_;
    QSize placedSize_;
    // The caption and pointer last drawn: a frame that did not change is not
    // converted or set again.
    std::optional<std::string> drawnCaption_;
    MousePointer drawnPointer_ = MousePointer::Default;
};

// A window of plixdesk: its struct and its procedures' state are in Desk.
class WindowView : public WindowBase {
public:
    WindowView(WindowSet& set, FormControl& form);

protected:
    Desk& desk() const;
    WindowSet& windows() const { return set_; }

private:
    WindowSet& set_;
};

}  // namespace plix
