#pragma once

#include "discovery/DatagramSocket.h"

struct sockaddr_in;

// `address` ("a.b.c.d") and `port` as a socket address; false for text that is no IPv4
// address or a port out of range.
bool ToSocketAddress(const std::string& address, int port, sockaddr_in& socketAddress);

// The discovery socket on the POSIX socket interface. Closes its descriptor when destroyed.
class CUdpSocket final : public IDatagramSocket {
public:
    // `receiveBufferWanted`: the receive buffer to ask for at Open, room for a burst of
    // replies; the system may grant less (net.core.rmem_max caps it).
    explicit CUdpSocket(int receiveBufferWanted = kReceiveBufferWanted)
        : m_nReceiveBufferWanted(receiveBufferWanted) {}
    ~CUdpSocket() override;
    CUdpSocket(const CUdpSocket&) = delete;
    CUdpSocket& operator=(const CUdpSocket&) = delete;

    bool Open() override;
    bool EnableBroadcast() override;
    bool SendTo(const std::string& address, int port, std::span<const std::uint8_t> bytes) override;
    bool SendThrough(unsigned interfaceIndex, const std::string& source, const std::string& address,
                     int port, std::span<const std::uint8_t> bytes) override;
    bool IsReadable() override;
    std::optional<std::size_t> Receive(std::span<std::uint8_t> buffer) override;

    static constexpr int kReceiveBufferWanted = 4 << 20;
    // The receive buffer the system granted, in bytes of payload room; 0 before Open.
    int ReceiveBufferBytes() const;

private:
    int m_nReceiveBufferWanted;
    int m_fd = -1;
};
