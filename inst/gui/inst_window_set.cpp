#include "inst/gui/inst_window_set.h"

#include "desk/lang/language_file.h"
#include "inst/gui/veltosu_view.h"

namespace plix::inst {

InstWindowSet::InstWindowSet(Inst& in) : in_(in) {
    views_.push_back(std::make_unique<VeltosuView>(*this));
}

InstWindowSet::~InstWindowSet() = default;

std::string InstWindowSet::languageCode() const {
    const int n = in_.st.CurrentLanguage;
    return n >= 1 && n < static_cast<int>(kLanguageCodes.size()) ? kLanguageCodes[n] : "";
}

}  // namespace plix::inst
