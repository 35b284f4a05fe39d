#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "discovery/DiscoverySearch.h"

// A machine's network made up for a test: the interfaces a search reads, and discovery
// sockets whose requests through any of them land on one loopback destination (the fake
// appliances'), as if every interface led to a LAN they are on; nothing is broadcast. A send
// fails where the system's would: through an interface the view does not list or that is
// down; and where the test says so (a firewall, an interface gone meanwhile).
class CFakeNetwork {
public:
    struct CSent {
        unsigned index = 0;
        std::string source;
        std::string address;
        bool operator==(const CSent&) const = default;
    };

    // `landing`: where the requests arrive.
    explicit CFakeNetwork(CDiscoveryTarget landing) : m_landing(std::move(landing)) {}

    // The limited-broadcast search on this network.
    CDiscoveryTarget Target();
    // Every request the sockets were asked to send, in order, failed ones too.
    const std::vector<CSent>& Sent() const { return m_sent; }

    CNetworkView view;
    std::set<unsigned> failing;         // interfaces every send through fails on
    std::set<unsigned> refusingLimited; // interfaces a limited broadcast fails on

private:
    friend class CFakeNetworkSocket;
    bool Send(const CSent& sent);

    CDiscoveryTarget m_landing;
    std::vector<CSent> m_sent;
};
