#include <gtest/gtest.h>

#include "desk/core/number.h"

using namespace plix;

TEST(LeadingNumber, Rules) {
    EXPECT_EQ(val("  42abc"), 42);
    EXPECT_EQ(val("-7"), -7);
    EXPECT_DOUBLE_EQ(val("3.25 kg"), 3.25);
    EXPECT_EQ(val("abc"), 0);
    EXPECT_EQ(val(""), 0);
    EXPECT_EQ(val(std::string("\0\0", 2)), 0);
    EXPECT_EQ(valInt("99999999999999999999999"), 1000000000000000LL);
    EXPECT_EQ(valInt("12.9"), 12);
}
