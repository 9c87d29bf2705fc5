// The drive list and the library table: what the installer reads from the system.
#include <gtest/gtest.h>

#include "inst/drives.h"
#include "inst/libraries.h"

using namespace plix::inst;

TEST(Drives, WritableMountPointsOfRealDevicesOutsideTheSystemsFolders) {
    const char* mounts =
        "/dev/sda1 / ext4 rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "tmpfs /run/user/1000 tmpfs rw 0 0\n"
        "/dev/sda2 /boot/efi vfat rw 0 0\n"
        "/dev/sdb1 /media/me/USB\\040STICK vfat rw 0 0\n"
        "/dev/sdc1 /run/media/me/DISK ext4 rw 0 0\n"
        "/dev/sdd1 /mnt/readonly iso9660 ro 0 0\n"
        "/dev/sdb1 /media/me/USB\\040STICK vfat rw 0 0";
    const auto writable = [](const std::string& p) { return p != "/" && p != "/mnt/readonly"; };
    EXPECT_EQ(mountedDrives(mounts, writable),
              (std::vector<std::string>{"/media/me/USB STICK", "/run/media/me/DISK"}));
    EXPECT_TRUE(mountedDrives("", writable).empty());
}

TEST(Libraries, TableLinesAndRemarks) {
    const auto table = readLibraryTable("# remark\n\nlibA.so.1 pkg-a\r\n  libB.so.2\tpkg-b  \nlonely\n");
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[1].soname, "libB.so.2");
    EXPECT_EQ(table[1].package, "pkg-b");
    EXPECT_TRUE(libraryLoadable("libc.so.6"));
    EXPECT_FALSE(libraryLoadable("libplix-never-there.so.9"));
}
