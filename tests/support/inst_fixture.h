#pragma once
// An installer in a temporary home, started from a temporary setup folder
// that holds the shipped language file and small stand-ins for the rest.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "desk/core/files.h"
#include "inst/inst.h"
#include "inst/veltosu.h"
#include "platform/testing/fakes.h"
#include "tests/support/temp_folder.h"

namespace plix::testing {

inline std::string settingsTemplate(int language = 1) {
    std::string record(1024, '\0');
    record[38] = static_cast<char>(language);
    return record;
}

class InstFixture : public ::testing::Test {
protected:
    TempFolder home;
    TempFolder setup;
    FakeMessageBoxes messages;
    SimScheduler scheduler;
    std::set<std::string> absentLibraries;
    inst::Inst in{inst::InstServices{&scheduler, &messages}, config()};

    void SetUp() override {
        setup.write("pxlng.dat", *readWholeFile(std::string(PLIX_SOURCE_DIR) + "/data/pxlng.dat"));
        setup.write("pxini.dat", settingsTemplate());
        setup.write("plixdesk", "#!/bin/sh\n");
        setup.write("plixdesk.png", "png");
        setup.write("Notify.wav", "wav");
        setup.write("plixdesk-sound.so", "module");
    }

    inst::InstConfig config() {
        inst::InstConfig c;
        c.setupFolder = setup.path();
        c.dirs = xdgDirsFor(home.path());
        c.drives = [this] { return std::vector<std::string>{home.path().string()}; };
        c.libraryPresent = [this](const std::string& so) { return !absentLibraries.contains(so); };
        return c;
    }

    // The target with a blank in its name, two levels still to be made.
    std::filesystem::path target() const { return home.path() / "My Apps" / "PLIX"; }
    // Installs into target(), with or without the start-up box ticked.
    void install(int startup = 1) {
        in.veltosu.tpad.Text = target().string();
        in.veltosu.chkst.Value = startup;
        inst::cinstall_Click(in);
    }
    // Chooses a language from the list; it switches when Timer1 runs.
    void chooseLanguage(int index) {
        in.veltosu.Combo1.ListIndex = index;
        inst::Combo1_Click(in);
        scheduler.advance(500);
    }
    static std::string read(const std::filesystem::path& p) {
        return readWholeFile(p).value_or("<missing>");
    }
};

}  // namespace plix::testing
