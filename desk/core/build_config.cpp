#include "desk/core/build_config.h"

#ifndef PLIX_DEFAULT_HOST
#define PLIX_DEFAULT_HOST "www.plix.example"
#endif

namespace plix {

const char* buildDefaultHost() { return PLIX_DEFAULT_HOST; }

}  // namespace plix
