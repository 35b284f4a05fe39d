#include "discovery/NetworkInterfaces.h"

#include <arpa/inet.h>
#include <bit>
#include <cstdint>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "discovery/UdpSocket.h"

namespace {

std::string Dotted(const sockaddr* address) {
    if (address == nullptr || address->sa_family != AF_INET)
        return {};
    char text[INET_ADDRSTRLEN] = {};
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
    return inet_ntop(AF_INET, &ipv4->sin_addr, text, sizeof text) ? text : std::string();
}

int PrefixLength(const sockaddr* netmask) {
    if (netmask == nullptr || netmask->sa_family != AF_INET)
        return 0;
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(netmask);
    return std::popcount(ntohl(ipv4->sin_addr.s_addr));
}

std::vector<CInterfaceAddress> ReadAddresses() {
    std::vector<CInterfaceAddress> addresses;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return addresses;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        CInterfaceAddress address;
        address.name = entry->ifa_name;
        address.index = if_nametoindex(entry->ifa_name);
        address.up = (entry->ifa_flags & IFF_UP) != 0;
        address.canBroadcast = (entry->ifa_flags & IFF_BROADCAST) != 0;
        address.address = Dotted(entry->ifa_addr);
        if (address.canBroadcast)
            address.broadcastAddress = Dotted(entry->ifa_broadaddr);
        address.pointToPoint = (entry->ifa_flags & IFF_POINTOPOINT) != 0;
        address.prefixLength = PrefixLength(entry->ifa_netmask);
        if (address.index != 0)
            addresses.push_back(std::move(address));
    }
    freeifaddrs(list);
    return addresses;
}

// A datagram socket connected to the destination learns the route without sending: its
// local address is the source the routing table picked.
std::string RoutedSource(const std::string& destination, int port) {
    sockaddr_in target{};
    if (!ToSocketAddress(destination, port, target))
        return {};
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return {};
    const int on = 1;
    sockaddr_in local{};
    socklen_t length = sizeof local;
    const bool routed =
        setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) == 0 &&
        connect(fd, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) == 0;
    close(fd);
    return routed ? Dotted(reinterpret_cast<const sockaddr*>(&local)) : std::string();
}

} // namespace

CNetworkView ReadNetwork(const std::string& destination, int port) {
    return CNetworkView{ReadAddresses(), RoutedSource(destination, port)};
}
