#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "discovery/DatagramSocket.h"
#include "discovery/DiscoveryCodec.h"
#include "discovery/DiscoveryInterfaces.h"

// Where the discovery request goes: the broadcast address and port of the appliances (or,
// in tests, one appliance on loopback), and how the socket of a search is made.
struct CDiscoveryTarget {
    std::string address = kLimitedBroadcast;
    int port = 9097;
    // Makes the discovery socket; empty makes a CUdpSocket.
    std::function<std::unique_ptr<IDatagramSocket>()> makeSocket;
    // Reads the interfaces a broadcast search sends on, at every search; empty reads the
    // machine's.
    std::function<CNetworkView()> readNetwork = {};
};

// What a search asks of its caller while it gathers replies; an empty hook does without.
struct CSearchHooks {
    // The clock the window is timed on, in milliseconds; empty: the system's steady clock.
    std::function<std::uint64_t()> now;
    // Lets about `ms` milliseconds pass while no datagram waits (a dialog repaints there);
    // empty: sleeps.
    std::function<void(int ms)> wait;
    // The first reply of this search from an appliance (a MAC address not heard yet).
    std::function<void(const CDeviceRecord&)> found;
    // After every datagram taken off the socket, whatever it held: a caller that shows the
    // replies while they pour in does so from here.
    std::function<void()> read;
    // A datagram could not be received and is lost; the search goes on after the hook.
    std::function<void()> receiveFailed;
};

struct CDiscoveryResult {
    std::vector<CSendResult> sends;
    // One record per appliance, in the order their first replies came.
    std::vector<CDeviceRecord> records;
};

// One search for appliances, without any user interface: the request goes out (once on
// every interface chosen for the limited broadcast, or to each unicast address given), then
// the replies are gathered until the window, timed from the last request, is over. What
// waited in the socket from an earlier search is dropped first, and a reply that comes after
// the window waits for nothing: the next search drops it. Owns one socket for all its
// searches; blocks the calling thread for the window. A program without a window needs no
// hooks:
//     CDiscoverySearch search;            // the limited broadcast to port 9097, for 1 s
//     if (search.Open())
//         records = search.Run().records; // or RunTo(*UnicastAddresses("10.0.0.0/24"))
class CDiscoverySearch {
public:
    static constexpr int kDefaultWindowMs = 1000;

    explicit CDiscoverySearch(CDiscoveryTarget target = {}, int windowMs = kDefaultWindowMs);

    // Makes the socket; false when the system refuses one. A search runs only once it is open.
    bool Open();
    // A search to the target's destination. No reply is awaited when no request went out.
    CDiscoveryResult Run(const CSearchHooks& hooks = {});
    // A search with one request to each of the dotted IPv4 `addresses`, on the target's port.
    CDiscoveryResult RunTo(const std::vector<std::string>& addresses,
                           const CSearchHooks& hooks = {});

    const CDiscoveryTarget& Target() const { return m_target; }

private:
    CDiscoveryResult Gather(std::vector<CSendResult> sends, const CSearchHooks& hooks);
    std::vector<CSendResult> SendBroadcast();
    CSendResult SendThrough(const CDiscoverySend& send);
    CSendResult SendTo(const std::string& address);
    void DropWaiting();

    CDiscoveryTarget m_target;
    int m_nWindowMs;
    std::unique_ptr<IDatagramSocket> m_pSocket;
};
