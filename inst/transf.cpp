#include "inst/transf.h"

#include "desk/core/files.h"
#include "inst/registration.h"

namespace plix::inst {
namespace {

namespace fs = std::filesystem;

// Copies through a temporary file and a rename: a program that is running
// from the target can be replaced, and a failed copy leaves no half file.
bool copyInto(const fs::path& from, const fs::path& to, fs::perms mode) {
    std::error_code ec;
    if (fs::equivalent(from, to, ec)) return true;  // installing over the setup folder itself
    fs::path temp = to;
    temp += ".part";
    fs::copy_file(from, temp, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::permissions(temp, mode, ec);
    if (!ec) fs::rename(temp, to, ec);
    if (ec) fs::remove(temp, ec);
    return !ec;
}

// The settings template as the installer holds it: the setup folder's file
// with the chosen language at position 39, also when the setup folder could
// not store the choice.
bool writeSettings(const Inst& in, const fs::path& to) {
    return writeFileAtomic(to, in.st.SettingsRecord);
}

void copyTable(Inst& in) {
    InstState& s = in.st;
    const fs::path target = s.TargetPath;
    constexpr auto data = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                          fs::perms::others_read;
    constexpr auto program =
        data | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    for (const CopyRow& row : kCopyTable) {
        const fs::path from = in.setupFile(row.source), to = target / row.target;
        bool done;
        if (row.source == std::string_view(kSettingsFile)) {
            if (s.CopySettings != 1) continue;
            done = writeSettings(in, to);
        } else {
            std::error_code ec;
            if (row.optional && !fs::exists(from, ec)) continue;
            done = copyInto(from, to, row.program ? program : data);
        }
        if (done)
            s.Written.file(to);
        else
            s.Failed.push_back(to.string());
    }
}

}  // namespace

void checkini(Inst& in) {
    std::error_code ec;
    const auto size = fs::file_size(fs::path(in.st.TargetPath) / kSettingsFile, ec);
    if (ec || size == 0) return;
    const MsgResult answer = in.os.messages->show(
        in.st.LanguageTable[187], in.st.LanguageTable[188], MsgIcon::Question, MsgButtons::YesNo);
    if (answer == MsgResult::No) in.st.CopySettings = 0;
}

void transf(Inst& in) {
    InstState& s = in.st;
    s.PathResult = 0;
    checkini(in);
    copyTable(in);
    s.TargetFolder = s.TargetPath + "/";

    groupcreate(in);
    groupadditem(in);
    if (in.veltosu.chkst.Value == 1) cmdRegMachine(in);
}

}  // namespace plix::inst
