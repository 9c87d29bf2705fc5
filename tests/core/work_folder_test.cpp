// Where the program keeps its files: build tree, installed copy, package.
#include <gtest/gtest.h>

#include "desk/core/files.h"
#include "desk/core/work_folder.h"
#include "tests/support/temp_folder.h"

using namespace plix;
namespace fs = std::filesystem;

TEST(WorkFolder, BuildTreeCopyAndPackage) {
    plix::testing::TempFolder program, current, home;
    EXPECT_EQ(chooseWorkFolder(program.path(), current.path(), home.path()), current.path());

    // A copy installed by plixinst works in its own folder.
    program.write("pxlng.dat", "[1]");
    program.write("pxini.dat", "template");
    EXPECT_EQ(chooseWorkFolder(program.path(), current.path(), home.path()), program.path());

    // The package's shared folder: ~/PLIX, seeded, and nothing written there.
    program.write("plixdesk.shared", "");
    program.write("Notify.wav", "wav");
    const auto before = fs::last_write_time(program.path());
    EXPECT_EQ(chooseWorkFolder(program.path(), current.path(), home.path()), home.path() / "PLIX");
    EXPECT_EQ(home.read("PLIX/pxlng.dat"), "[1]");
    EXPECT_EQ(home.read("PLIX/pxini.dat"), "template");
    EXPECT_EQ(home.read("PLIX/Notify.wav"), "wav");
    EXPECT_FALSE(fs::exists(home.path() / "PLIX/pxhlp.dat"));
    EXPECT_EQ(fs::last_write_time(program.path()), before);

    // Later starts keep the user's settings and take a changed language file.
    home.write("PLIX/pxini.dat", "mine");
    program.write("pxlng.dat", "[1][2]");
    fs::last_write_time(program / "pxlng.dat",
                        fs::last_write_time(program / "pxlng.dat") - std::chrono::hours(1));
    chooseWorkFolder(program.path(), current.path(), home.path());
    EXPECT_EQ(home.read("PLIX/pxini.dat"), "mine");
    EXPECT_EQ(home.read("PLIX/pxlng.dat"), "[1][2]");

    // No room for ~/PLIX: the current folder, as before.
    fs::remove_all(home.path() / "PLIX");
    home.write("PLIX", "a file");
    EXPECT_EQ(chooseWorkFolder(program.path(), current.path(), home.path()), current.path());
}
