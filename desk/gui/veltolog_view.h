#pragma once
// The log window: follows the activity log while it is open.
#include <QWidget>

#include "desk/core/desk.h"
#include "desk/core/veltolog.h"
#include "desk/gui/form_binder.h"

namespace plix {

class VeltoWindow;

class VeltologWindow : public QWidget {
public:
    VeltologWindow(Desk& desk, VeltoWindow& main);
    VeltologForm& form() { return log_; }
    void draw();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Desk& d_;
    VeltoWindow& main_;
    VeltologForm log_;
    FormBinder binder_;
};

}  // namespace plix
