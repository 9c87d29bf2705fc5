#include "desk/gui/window_set.h"

#include "desk/gui/velto_view.h"
#include "desk/gui/veltoflt_view.h"
#include "desk/gui/veltolev_view.h"
#include "desk/gui/veltolog_view.h"
#include "desk/gui/veltooff_view.h"
#include "desk/gui/veltorsp_view.h"
#include "desk/gui/veltovo_view.h"

namespace plix {

WindowSet::WindowSet(Desk& desk) : d_(desk) {
    // Every window of the program, one line each; the main window first.
    add<VeltoView>();
    add<VeltologView>();
    add<VeltorspView>();
    add<VeltooffView>();
    add<VeltovoView>();
    add<VeltolevView>();
    add<VeltofltView>();
}

WindowSet::~WindowSet() = default;

std::string WindowSet::languageCode() const {
    const DeskState& s = d_.st;
    const int n = s.CurrentLanguage;
    return n >= 1 && n < static_cast<int>(s.LanguageCodes.size()) ? s.LanguageCodes[n] : "";
}

}  // namespace plix
