#pragma once
// The target folder check. A target is accepted when it is an absolute path
// (a leading "~" means the home folder) whose nearest existing folder the
// user can write, with at most two levels still to be made (the folder and
// the one holding it). A path that is a drive itself (the root, the home
// folder, a mount point) or shorter than 4 characters is too short: the
// program's files would land among everything else there.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "inst/inst.h"

namespace plix::inst {

enum class TargetVerdict { Accepted, NotAllowed, TooShort };

struct TargetCheck {
    TargetVerdict verdict = TargetVerdict::NotAllowed;
    std::filesystem::path path;                  // the target, normalised
    std::vector<std::filesystem::path> missing;  // levels to make, outermost first
};

TargetCheck checkTarget(std::string_view typed, const std::filesystem::path& home,
                        const std::vector<std::string>& drives);

// Checks tpad and makes the missing levels; PathResult becomes kPathAccepted
// when the target can take the files, else a message says why (LanguageTable
// 184 or 185) and nothing is made.
void padcheck(Inst& in);

}  // namespace plix::inst
