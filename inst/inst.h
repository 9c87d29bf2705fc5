#pragma once
// The running installer: its state, its window's controls and the services
// it asks of the system. Every procedure takes an Inst&.
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "desk/core/xdg_dirs.h"
#include "inst/forms/veltosu_form.h"
#include "inst/manifest.h"
#include "platform/message_box.h"
#include "platform/scheduler.h"

namespace plix::inst {

// Files of the setup folder, by their names there.
inline constexpr const char* kProgramFile = "plixdesk";
inline constexpr const char* kSettingsFile = "pxini.dat";
inline constexpr const char* kLanguageFile = "pxlng.dat";
inline constexpr const char* kHelpFile = "pxhlp.dat";
inline constexpr const char* kIconFile = "plixdesk.png";
inline constexpr const char* kSoundFile = "Notify.wav";
// The shared libraries the program needs and the Debian package of each.
inline constexpr const char* kLibraryTable = "plixdesk.libs";

inline constexpr std::size_t kRecordSize = 1024;
inline constexpr std::size_t kLanguageOffset = 38;  // position 39
inline constexpr int kPathAccepted = 88;

struct InstState {
    std::string SettingsRecord = std::string(kRecordSize, '\0');
    int CurrentLanguage = 1;
    std::array<std::string, 301> LanguageTable{};
    // The setup folder's pxini.dat could not take the language choice (a
    // read-only medium); the installed copy gets it instead.
    bool LanguageNotStored = false;

    std::string TargetPath;    // the accepted target folder
    std::string TargetFolder;  // the same with "/" at its end
    int CopySettings = 1;      // 0: the user keeps the settings file already there
    int PathResult = 0;        // kPathAccepted once the target folder is accepted
    bool ProgramEnded = false;

    std::vector<std::string> Failed;  // files that could not be copied or written
    Manifest Written;                 // what the installation put on the system
};

struct InstServices {
    Scheduler* scheduler = nullptr;
    MessageBoxes* messages = nullptr;
};

struct InstConfig {
    std::filesystem::path setupFolder = ".";
    XdgDirs dirs;
    // The drives offered in Drive1: the home folder and the mount points.
    std::function<std::vector<std::string>()> drives;
    // Whether the dynamic loader finds a shared library.
    std::function<bool(const std::string& soname)> libraryPresent;
};

struct Inst {
    Inst(InstServices services, InstConfig config) : os(services), cfg(std::move(config)) {}

    InstState st;
    VeltosuForm veltosu;
    InstServices os;
    InstConfig cfg;

    std::filesystem::path setupFile(const char* name) const { return cfg.setupFolder / name; }
};

}  // namespace plix::inst
