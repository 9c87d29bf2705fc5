// The library table and the loader's answer for a library.
#include <gtest/gtest.h>

#include "inst/libraries.h"

using namespace plix::inst;

TEST(Libraries, TableLinesAndRemarks) {
    const auto table =
        readLibraryTable("# remark\n\nlibA.so.1 pkg-a\r\n  libB.so.2\tpkg-b  \nlonely\n");
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[1].soname, "libB.so.2");
    EXPECT_EQ(table[1].package, "pkg-b");
    EXPECT_TRUE(libraryLoadable("libc.so.6"));
    EXPECT_FALSE(libraryLoadable("libplix-never-there.so.9"));
}
