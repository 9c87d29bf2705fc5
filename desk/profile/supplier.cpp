#include "desk/profile/supplier.h"

namespace plix {

// The supplier record arrives with the supplier window; until then the
// locally stored items stand.
void getlev(Desk&) {}

}  // namespace plix
