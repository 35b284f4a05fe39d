#include "FakeNetwork.h"

#include <algorithm>

#include "discovery/DiscoveryCodec.h"
#include "discovery/UdpSocket.h"

// Receives for real on an unbound loopback socket; sends through the network it belongs to.
class CFakeNetworkSocket final : public IDatagramSocket {
public:
    CFakeNetworkSocket(CFakeNetwork& network, const CDiscoveryTarget& landing)
        : m_network(network), m_landing(landing) {}
    bool Open() override { return m_socket.Open(); }
    bool EnableBroadcast() override { return m_socket.EnableBroadcast(); }
    bool SendTo(const std::string& address, int port,
                std::span<const std::uint8_t> bytes) override {
        return SendThrough(0, {}, address, port, bytes);
    }
    bool SendThrough(unsigned interfaceIndex, const std::string& source, const std::string& address,
                     int, std::span<const std::uint8_t> bytes) override {
        return m_network.Send({interfaceIndex, source, address}) &&
               m_socket.SendTo(m_landing.address, m_landing.port, bytes);
    }
    bool IsReadable() override { return m_socket.IsReadable(); }
    std::optional<std::size_t> Receive(std::span<std::uint8_t> buffer) override {
        return m_socket.Receive(buffer);
    }

private:
    CFakeNetwork& m_network;
    CDiscoveryTarget m_landing;
    CUdpSocket m_socket;
};

CDiscoveryTarget CFakeNetwork::Target() {
    CDiscoveryTarget target;
    target.makeSocket = [this] { return std::make_unique<CFakeNetworkSocket>(*this, m_landing); };
    target.readNetwork = [this] { return view; };
    return target;
}

bool CFakeNetwork::Send(const CSent& sent) {
    m_sent.push_back(sent);
    if (sent.index == 0)
        return true;
    const bool upThere = std::any_of(
        view.addresses.begin(), view.addresses.end(),
        [&](const CInterfaceAddress& entry) { return entry.index == sent.index && entry.up; });
    return upThere && !failing.contains(sent.index) &&
           !(refusingLimited.contains(sent.index) && sent.address == kLimitedBroadcast);
}
