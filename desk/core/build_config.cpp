#include "desk/core/build_config.h"

// Both come from the build configuration (desk/core/CMakeLists.txt).
#ifndef PLIX_DEFAULT_HOST
#error PLIX_DEFAULT_HOST is set by the build
#endif
#ifndef PLIX_VERSION
#error PLIX_VERSION is set by the build
#endif

namespace plix {

const char* buildDefaultHost() { return PLIX_DEFAULT_HOST; }

const char* buildVersion() { return PLIX_VERSION; }

}  // namespace plix
