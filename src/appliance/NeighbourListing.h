#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The inquiry access codes the appliance writes and reads: the general one, entry 0 of the
// Neighborhoods page's combo box; any other code shows as entry 1, "Limited".
inline constexpr std::string_view kGeneralAccessCode = "0x9E8B33";
inline constexpr std::string_view kLimitedAccessCode = "0x9E8B00";

// The appliance's periodic inquiry as its "pinq" reply tells it.
struct CPeriodicInquiry {
    bool running = false; // the reply holds "On" anywhere
    std::string interval;
    std::string length;
    int accessCode = 1; // 0 for the general access code, 1 for any other
    bool operator==(const CPeriodicInquiry&) const = default;
};

// Reads a "pinq" reply that holds "+OK": the state word ends at the first blank at or after
// index 4, then interval, length and access code follow, separated by single blanks, up to
// the reply's trailing line ends. Pure; the reply is untrusted.
CPeriodicInquiry ParsePeriodicInquiry(std::string_view reply);

// One neighbour line at fixed columns: address (index 0, 17 characters), class of device
// (index 18, 8 characters) and friendly name (index 27 to the end); a short line gives empty
// cells.
using CNeighbourRow = std::array<std::string, 3>;

// The neighbour lines of an "ngbrh" reply, up to the first empty line or the first line that
// holds "+OK" (so a name holding it ends the listing there). Lines end at "\r" or "\n"; a
// line end is skipped as it stands ("\r\n", or a lone "\r" or "\n"). Pure; any input is safe.
std::vector<CNeighbourRow> ParseNeighbourListing(std::string_view reply);
