#pragma once
// The installer's window: draws VeltosuForm and forwards the user's actions
// to the installer's procedures; after each one the window is drawn again.
#include <QWidget>

#include "desk/gui/form_binder.h"
#include "inst/inst.h"

class QComboBox;
class QLineEdit;

namespace plix::inst {

class VeltosuWindow : public QWidget {
public:
    explicit VeltosuWindow(Inst& inst);

    // Runs an event handler, then draws; closes the window when the
    // installer has ended.
    void run(const std::function<void()>& handler);
    void draw();
    QWidget* widgetOf(const void* control) const { return binder_.widgetOf(control); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void drawLists();

    Inst& in_;
    FormBinder binder_;
    QComboBox* languages_ = nullptr;
    QComboBox* drives_ = nullptr;
    QLineEdit* target_ = nullptr;
};

}  // namespace plix::inst
