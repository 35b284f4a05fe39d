#pragma once

#include <string>
#include <vector>

#include "discovery/NetworkInterfaces.h"

// Where a search sends its request when the destination is the limited broadcast: a datagram
// to 255.255.255.255 leaves through one interface only, the one the routing table picks, so
// the request goes out once on every interface that can carry it.

inline constexpr const char* kLimitedBroadcast = "255.255.255.255";

// One request of a search: out of the interface `index`, from its address `source`.
// `subnetBroadcast` is the subnet's broadcast address, tried when the system refuses the
// limited broadcast there; empty where the interface has no real one (point-to-point, a /31
// or /32, or none set), so that a request said to be sent did reach the LAN as a broadcast.
// Index 0 leaves the choice of interface to the routing table.
struct CDiscoverySend {
    unsigned index = 0;
    std::string name;
    std::string source;
    std::string subnetBroadcast;

    bool operator==(const CDiscoverySend&) const = default;
};

// One request on every interface that is up, has an IPv4 address and can broadcast (from
// its first address), then one on the interface the routing table picks when that one is not
// among them; never two on one interface.
std::vector<CDiscoverySend> ChooseDiscoverySends(const CNetworkView& network);

enum class SendOutcome { Sent, SentToSubnet, Failed };

struct CSendResult {
    CDiscoverySend send;
    SendOutcome outcome = SendOutcome::Failed;
    // The address the request went to last (the subnet's broadcast when it went there).
    std::string destination;
};

// Whether any request of the search went out.
bool AnySent(const std::vector<CSendResult>& results);

// What the empty list says after a search that nobody answered: the interfaces the requests
// went out on, by name and address, and those where sending failed, on a line of their own;
// or that there was no interface to search on. A search to any other `destination` than the
// limited broadcast names that destination.
std::string NoAnswerText(const std::vector<CSendResult>& results, const std::string& destination);

// Room for a text, in characters of the font's average width and in lines.
struct CTextBox {
    int columns = 0;
    int lines = 0;
};

// The same text fitted to `box` as far as it goes: each line names as many of its interfaces
// as fit with the other's, those left out counted ("and 283 more").
std::string NoAnswerText(const std::vector<CSendResult>& results, const std::string& destination,
                         const CTextBox& box);
