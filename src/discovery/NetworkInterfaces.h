#pragma once

#include <string>
#include <vector>

// The machine's network as a search sees it: read afresh for every search, so that a cable
// plugged in or a VPN started since the last search counts at the next.

// One IPv4 address of one network interface; an interface with several addresses is listed
// once for each.
struct CInterfaceAddress {
    std::string name;
    unsigned index = 0; // the system's interface index
    bool up = false;
    bool canBroadcast = false;
    std::string address; // dotted decimal
    // What the system reports as the broadcast address: on a point-to-point link it is the
    // peer's address, without one set (or on a /32) the interface's own; empty for none.
    std::string broadcastAddress;
    bool pointToPoint = false;
    int prefixLength = 0; // of the subnet; 0 when the system did not say
};

struct CNetworkView {
    std::vector<CInterfaceAddress> addresses;
    // The local address the routing table sends a datagram to the destination from; empty
    // when there is no route to it.
    std::string routedSource;
};

// Every IPv4 address of every interface (getifaddrs; none when the system does not list
// them), and the routing table's source address for `destination`:`port`, a dotted IPv4
// address. Sends nothing.
CNetworkView ReadNetwork(const std::string& destination, int port);
