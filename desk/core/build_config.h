#pragma once

namespace plix {

// The server host used when the settings record names none; a build setting.
const char* buildDefaultHost();

}  // namespace plix
