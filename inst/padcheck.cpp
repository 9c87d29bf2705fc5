#include "inst/padcheck.h"

#include <unistd.h>
#include <algorithm>

namespace plix::inst {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxMissingLevels = 2;

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

fs::path expandHome(std::string_view typed, const fs::path& home) {
    if (typed == "~") return home;
    if (typed.starts_with("~/")) return home / typed.substr(2);
    return fs::path(typed);
}

fs::path normalised(const fs::path& p) {
    std::string s = p.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

bool isDrive(const fs::path& p, const fs::path& home, const std::vector<std::string>& drives) {
    if (p == "/" || p == normalised(home)) return true;
    return std::any_of(drives.begin(), drives.end(),
                       [&](const std::string& d) { return normalised(d) == p; });
}

}  // namespace

TargetCheck checkTarget(std::string_view typed, const fs::path& home,
                        const std::vector<std::string>& drives) {
    TargetCheck check;
    typed = trimBlanks(typed);
    const bool control =
        std::any_of(typed.begin(), typed.end(), [](char c) { return c >= 0 && c < ' '; });
    const fs::path expanded = expandHome(typed, home);
    if (control || !expanded.is_absolute()) return check;
    check.path = normalised(expanded);
    if (check.path.string().size() < 4 || isDrive(check.path, home, drives)) {
        check.verdict = TargetVerdict::TooShort;
        return check;
    }
    // Walk up to the nearest folder that exists; it must be a folder the
    // user may write, and only the last two levels may be missing.
    std::error_code ec;
    fs::path existing = check.path;
    while (!fs::exists(existing, ec) && existing.has_relative_path()) {
        check.missing.insert(check.missing.begin(), existing);
        existing = existing.parent_path();
    }
    const bool usable =
        fs::is_directory(existing, ec) && ::access(existing.c_str(), W_OK | X_OK) == 0;
    if (usable && check.missing.size() <= kMaxMissingLevels)
        check.verdict = TargetVerdict::Accepted;
    else
        check.missing.clear();
    return check;
}

void padcheck(Inst& in) {
    InstState& s = in.st;
    s.PathResult = 0;
    const auto drives = in.cfg.drives ? in.cfg.drives() : std::vector<std::string>{};
    const TargetCheck check = checkTarget(in.veltosu.tpad.Text, in.cfg.dirs.home, drives);
    bool made = check.verdict == TargetVerdict::Accepted;
    std::vector<fs::path> created;
    for (const fs::path& level : check.missing) {
        std::error_code ec;
        if (!made || !fs::create_directory(level, ec)) {
            made = false;
            break;
        }
        created.push_back(level);
    }
    if (!made) {
        // Nothing of a refused target stays behind.
        for (auto it = created.rbegin(); it != created.rend(); ++it) {
            std::error_code ec;
            fs::remove(*it, ec);
        }
        const int message = check.verdict == TargetVerdict::TooShort ? 185 : 184;
        in.os.messages->show(s.LanguageTable[message], "", MsgIcon::None, MsgButtons::Ok);
        return;
    }
    for (const fs::path& level : created) s.Written.folder(level);
    s.TargetPath = check.path.string();
    s.PathResult = kPathAccepted;
}

}  // namespace plix::inst
