#include <gtest/gtest.h>

#include "cli/AddressRange.h"

namespace {

struct RangeCase {
    const char* text;
    size_t count; // 0: refused
    const char* first = "";
    const char* last = "";
};

class AddressRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(AddressRangeTest, StandsForItsHosts) {
    const CAddressRange range = ExpandAddressRange(GetParam().text);
    ASSERT_EQ(range.addresses.size(), GetParam().count) << range.error;
    EXPECT_EQ(range.error.empty(), GetParam().count > 0);
    if (GetParam().count > 0) {
        EXPECT_EQ(range.addresses.front(), GetParam().first);
        EXPECT_EQ(range.addresses.back(), GetParam().last);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, AddressRangeTest,
                         ::testing::Values(RangeCase{"10.0.0.5", 1, "10.0.0.5", "10.0.0.5"},
                                           RangeCase{"10.0.0.9/32", 1, "10.0.0.9", "10.0.0.9"},
                                           RangeCase{"10.0.0.7/31", 2, "10.0.0.6", "10.0.0.7"},
                                           RangeCase{"10.0.0.1/30", 2, "10.0.0.1", "10.0.0.2"},
                                           RangeCase{"10.1.2.3/24", 254, "10.1.2.1", "10.1.2.254"},
                                           RangeCase{"10.7.200.1/16", 65534, "10.7.0.1",
                                                     "10.7.255.254"},
                                           RangeCase{"10.0.0.0/15", 0}, RangeCase{"10.0.0.0/33", 0},
                                           RangeCase{"10.0.0.0/", 0}, RangeCase{"10.0.0/24", 0},
                                           RangeCase{"10.0.0.256", 0}, RangeCase{"gateway/24", 0}));

} // namespace
