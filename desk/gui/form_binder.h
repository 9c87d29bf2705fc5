#pragma once
// Builds the widgets of one window from its control structs and keeps them
// drawn: each widget is created once with a drawing step that copies its
// struct onto it, and user input flows back into the struct. A drawing step
// keeps a copy of the struct as it last drew it and touches the widget only
// when the struct differs from that copy, so a redraw after a tick that
// changed nothing converts no text and sets nothing. Labels show their text
// as plain text, never as markup.
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "desk/forms/controls.h"
#include "desk/gui/widget_binding.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;

namespace plix {

class FormBinder {
public:
    // run is called with every event handler: it runs it, then redraws.
    explicit FormBinder(std::function<void(const std::function<void()>&)> run);

    template <class W>
    W* make(QWidget* parent, Control& c) {
        auto* w = new W(parent);
        bind(c, w);
        return w;
    }
    // Binds a widget the view made: the control's place, state and caption
    // are drawn onto it, then drawValue (if any) draws what only the view
    // knows how to show (a path in the file system's encoding, say).
    void bind(Control& c, QWidget* w, std::function<void()> drawValue = {});
    QWidget* makeText(QWidget* parent, TextBox& c, bool multiLine = false);
    QWidget* makeCheck(QWidget* parent, CheckBox& c);
    QWidget* makeOption(QWidget* parent, OptionButton& c);
    QWidget* makeList(QWidget* parent, ListBox& c);
    // A drop-down list; the user's choice reaches ListIndex before its click
    // handler runs.
    QWidget* makeCombo(QWidget* parent, ComboBox& c);
    // A label; a clickable one reports clicks, as the request rows need.
    QLabel* makeLabel(QWidget* parent, Label& c);
    QLabel* makeClickLabel(QWidget* parent, Label& c);
    // A widget built elsewhere for control, drawn by draw at every redraw.
    void add(const void* control, QWidget* w, std::function<void()> draw);
    // The control a label's access key ("&") moves the focus to.
    void buddy(const Label& label, const Control& control);

    QAction* addItem(QMenu* menu, MenuItem& item);
    QMenu* addMenu(QMenuBar* bar, MenuItem& item);
    QMenu* addSubMenu(QMenu* parent, MenuItem& item);
    void bindMenu(MenuItem& item, QAction* action);

    // A click on a control or a menu item runs the handler. A control whose
    // widget cannot be clicked, or that has no widget here, is refused with
    // std::invalid_argument: the handler would never run.
    void onClick(const Control& control, std::function<void()> handler);
    void onMenu(const MenuItem& item, std::function<void()> handler);
    // Enter in a text box runs its KeyPress handler with the key code of
    // Enter; typing in it (each change the user makes) runs onTyped's.
    void onEnter(const TextBox& box, std::function<void(int&)> keyPress);
    void onTyped(const TextBox& box, std::function<void()> handler);

    QWidget* widgetOf(const void* control) const;
    QAction* actionOf(const MenuItem& item) const;
    const Twips& twips() const { return twips_; }

    // Draws every control whose struct changed since its last draw.
    void draw() const;

    // Adds a drawing step for a control of a kind the binder does not make:
    // paint runs at the first draw and whenever the struct no longer equals
    // the copy taken when it last ran. The copy stands for what the widget
    // shows: where the user changes the widget (typing, ticking, choosing),
    // reset the returned copy in that signal's handler, so that the next draw
    // paints whatever the logic then wants, even the struct's old value.
    template <class T, class Paint>
    std::shared_ptr<std::optional<T>> addDraw(const T& control, Paint paint) {
        auto last = std::make_shared<std::optional<T>>();
        draws_.push_back([&control, paint = std::move(paint), last] {
            if (*last && **last == control) return;
            paint();
            *last = control;
        });
        return last;
    }

private:
    // What a text box showed when it was last drawn or typed into: a redraw
    // of an unchanged box converts nothing.
    struct Shown {
        std::string text;
        bool drawn = false;
    };

    std::function<void(const std::function<void()>&)> run_;
    Twips twips_;
    std::vector<std::function<void()>> draws_;
    std::unordered_map<const void*, QWidget*> widgets_;
    std::unordered_map<const MenuItem*, QAction*> actions_;
};

}  // namespace plix
