#pragma once

#include "session/DatagramSocket.h"

// The discovery socket on the POSIX socket interface. Closes its descriptor when destroyed.
class CUdpSocket final : public IDatagramSocket {
public:
    CUdpSocket() = default;
    ~CUdpSocket() override;
    CUdpSocket(const CUdpSocket&) = delete;
    CUdpSocket& operator=(const CUdpSocket&) = delete;

    bool Open() override;
    bool EnableBroadcast() override;
    bool SendTo(const std::string& address, int port, std::span<const std::uint8_t> bytes) override;
    bool IsReadable() override;
    std::optional<std::size_t> Receive(std::span<std::uint8_t> buffer) override;

private:
    int m_fd = -1;
};
