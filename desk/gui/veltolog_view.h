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
    void draw();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Desk& d_;
    VeltoWindow& main_;
    FormBinder binder_;
};

}  // namespace plix
