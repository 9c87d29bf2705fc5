#pragma once
// The installer's window set: its one window, built from an Inst and drawn
// again after every event handler and timer tick; Qt's own texts (the
// question's Yes and No) follow the chosen language, and the program ends
// when the installer has ended.
#include "desk/gui/window_set.h"
#include "inst/inst.h"

namespace plix::inst {

class InstWindowSet : public WindowSetBase {
public:
    explicit InstWindowSet(Inst& in);
    ~InstWindowSet() override;

    Inst& inst() const { return in_; }

protected:
    bool programEnded() const override { return in_.st.ProgramEnded; }
    std::string languageCode() const override;
    Scheduler* scheduler() const override { return in_.os.scheduler; }

private:
    Inst& in_;
};

}  // namespace plix::inst
