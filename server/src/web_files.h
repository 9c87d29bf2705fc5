// The customer pages' files (server/web), built into plixsrv so that the
// program needs no folder beside it. web_files.cpp is generated at build time.
#pragma once
#include <string_view>

namespace plixsrv {

struct WebFile {
  std::string_view name;  // file name in server/web
  std::string_view body;
};

// nullptr when there is no such file.
const WebFile* web_file(std::string_view name);
// Every file, for the checks that look at all of them.
const WebFile* web_files_begin();
const WebFile* web_files_end();

}  // namespace plixsrv
