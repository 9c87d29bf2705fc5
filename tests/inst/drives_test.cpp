// The drive list: the writable mount points the installer offers.
#include <gtest/gtest.h>

#include "inst/drives.h"

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
