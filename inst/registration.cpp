#include "inst/registration.h"

#include "desk/core/autostart_entry.h"
#include "desk/core/files.h"
#include "text/cp1252.h"

namespace plix::inst {
namespace {

namespace fs = std::filesystem;

constexpr const char* kGroupName = "PLIX";
constexpr const char* kGroupCategory = "X-PLIX";

// Writes one registration file, making its (standard) folder when needed.
void writeRegistered(Inst& in, const fs::path& path, const std::string& text) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    if (writeFileAtomic(path, text))
        in.st.Written.file(path);
    else
        in.st.Failed.push_back(path.string());
}

std::string itemTitle(const Inst& in) {
    const std::string& word = in.st.LanguageTable[3];
    std::string title = "PLIX " + (word.empty() ? std::string() : word.substr(1));
    while (title.back() == ' ') title.pop_back();
    return cp1252ToUtf8(title);
}

}  // namespace

fs::path menuEntryPath(const XdgDirs& dirs) {
    return dirs.dataHome / "applications" / "plixdesk.desktop";
}
fs::path groupDirectoryPath(const XdgDirs& dirs) {
    return dirs.dataHome / "desktop-directories" / "plix.directory";
}
fs::path groupMenuPath(const XdgDirs& dirs) {
    return dirs.configHome / "menus" / "applications-merged" / "plix.menu";
}
fs::path applicationLinkPath(const XdgDirs& dirs) { return dirs.binHome / "plixdesk"; }

Launcher installedLauncher(const Inst& in) {
    const fs::path folder = in.st.TargetPath;
    return Launcher{itemTitle(in), folder / kProgramFile, folder, folder / kIconFile};
}

void groupcreate(Inst& in) {
    DesktopEntry directory;
    directory.set("Type", "Directory")
        .set("Name", kGroupName)
        .set("Icon", installedLauncher(in).icon.string());
    writeRegistered(in, groupDirectoryPath(in.cfg.dirs), directory.text());
    const std::string menu =
        "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">\n"
        "<Menu>\n"
        "  <Name>Applications</Name>\n"
        "  <Menu>\n"
        "    <Name>PLIX</Name>\n"
        "    <Directory>plix.directory</Directory>\n"
        "    <Include>\n"
        "      <Filename>plixdesk.desktop</Filename>\n"
        "    </Include>\n"
        "  </Menu>\n"
        "</Menu>\n";
    writeRegistered(in, groupMenuPath(in.cfg.dirs), menu);
}

void groupadditem(Inst& in) {
    DesktopEntry entry = launcherEntry(installedLauncher(in));
    // Only the group's own category: the entry shows in the PLIX group and
    // nowhere else in menus that have groups.
    entry.set("Categories", std::string(kGroupCategory) + ";");
    writeRegistered(in, menuEntryPath(in.cfg.dirs), entry.text());
}

void cmdRegMachine(Inst& in) {
    const fs::path path = autostartEntryPath(in.cfg.dirs);
    if (writeAutostartEntry(in.cfg.dirs, installedLauncher(in)))
        in.st.Written.file(path);
    else
        in.st.Failed.push_back(path.string());
}

void makeapppathkey(Inst& in) {
    std::error_code ec;
    fs::create_directories(in.cfg.dirs.binHome, ec);
}

void regapppath(Inst& in) {
    const fs::path link = applicationLinkPath(in.cfg.dirs);
    const fs::path program = fs::path(in.st.TargetPath) / kProgramFile;
    std::error_code ec;
    // An earlier link is replaced; a file of someone else's is left alone.
    if (fs::is_symlink(link, ec)) fs::remove(link, ec);
    ec.clear();
    fs::create_symlink(program, link, ec);
    if (ec)
        in.st.Failed.push_back(link.string());
    else
        in.st.Written.link(link);

    // The manifest is the last file made, so the result word covers it too.
    const fs::path manifest = fs::path(in.st.TargetPath) / kManifestFile;
    in.st.Written.file(manifest);
    if (const auto earlier = readWholeFile(manifest)) in.st.Written.keepEarlier(*earlier);
    if (!writeFileAtomic(manifest, in.st.Written.text())) in.st.Failed.push_back(manifest.string());
    in.veltosu.Label1.Caption = in.st.Failed.empty() ? "Ok" : "Fout";
}

}  // namespace plix::inst
