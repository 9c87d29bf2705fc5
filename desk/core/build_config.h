#pragma once

namespace plix {

// The server host used when the settings record names none; a build setting.
const char* buildDefaultHost();

// The program's version ("1.06"): the project version in CMakeLists.txt.
const char* buildVersion();

}  // namespace plix
