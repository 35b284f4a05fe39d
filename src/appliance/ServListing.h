#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "appliance/DottedAddress.h"
#include "appliance/TableEntry.h"

// The appliance's answer to "Serv": zero or more server lines, then the host line, each
// ended by "\r\n". A server line holds index, BDADDR/Name and IP:Port, separated by one "||"
// and one "|" in either order; the host line is "+OK " + dotted address + ":" + port.
// A line without any "|" gives a row with the whole line as its BDADDR/Name.

struct CHostLine {
    CDottedAddress address{};
    std::string port;
};

// How far a walk over the listing goes: the Client Mode dialog stops at the host line, the
// Client Setting dialog reads to the end of the reply.
enum class ServWalk { UntilHostLine, WholeReply };

struct CServListing {
    std::vector<CTableEntry> servers; // the server lines the walk passed (value: IP:Port)
    std::optional<CHostLine> host;    // the last host line the walk read
    bool imperfect = false;           // a line without its "\r\n" ended the walk
};

// Walks `reply` from its first line; never fails, whatever the text.
CServListing ParseServListing(std::string_view reply, ServWalk walk);

// The host line's address (the text before its first ":", after "+OK ") and port (after it).
CHostLine ParseHostLine(std::string_view line);
