#include <gtest/gtest.h>

#include "modes/DeviceTable.h"

namespace {

void ExpectEntry(const CTableEntry& entry, const char* index, const char* name, const char* value) {
    EXPECT_EQ(entry.index, index);
    EXPECT_EQ(entry.name, name);
    EXPECT_EQ(entry.value, value);
}

TEST(DeviceTableTest, ALineSplitsWithTheDoubleBarOnEitherSide) {
    ExpectEntry(SplitTableLine("0||00:0B:CE:01:02:03|9101"), "0", "00:0B:CE:01:02:03", "9101");
    ExpectEntry(SplitTableLine("1|Sensor||192.168.0.20:9200"), "1", "Sensor", "192.168.0.20:9200");
    ExpectEntry(SplitTableLine("2|a name ||9102"), "2", "a name ", "9102");
    // No "|" at all: the line is shown whole as the BDADDR/Name, not in the hidden index.
    ExpectEntry(SplitTableLine("no separators"), "", "no separators", "");
    // A separator missing: the field before it keeps the rest, the ones after it stay empty.
    ExpectEntry(SplitTableLine("3||Sensor"), "3", "Sensor", "");
    ExpectEntry(SplitTableLine("4|Sensor|9102"), "4", "Sensor|9102", "");
    ExpectEntry(SplitTableLine(""), "", "", "");
    ExpectEntry(SplitTableLine("|"), "", "", "");
    ExpectEntry(SplitTableLine("||"), "", "", "");
}

} // namespace
