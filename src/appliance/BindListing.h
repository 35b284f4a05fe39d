#pragma once

#include <string_view>
#include <vector>

#include "appliance/TableEntry.h"

// The registrations the appliance lists in its reply to "Bind": one line per registration,
// each ended by "\r\n" and split into index, BDADDR/Name and port, then a line "+OK".
// A line without any "|" gives a row with the whole line as its BDADDR/Name and no port.
struct CBindListing {
    std::vector<CTableEntry> rows;
    // False when a line end was missing: the rows before it are kept.
    bool complete = true;
};

// Reads the lines of `reply` up to the line "+OK" or the reply's end. Pure; any text gives a
// result.
CBindListing ParseBindListing(std::string_view reply);
