#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The datagram socket through which a search sends the discovery request and takes the
// replies. A search owns one (the search dialog's lives for one showing) and uses it on one
// thread only.
class IDatagramSocket {
public:
    virtual ~IDatagramSocket() = default;

    // Makes an unbound IPv4 datagram socket; the system picks the local port at the first
    // send. False when the system refuses one.
    virtual bool Open() = 0;
    // Lets sends go to a broadcast address.
    virtual bool EnableBroadcast() = 0;
    // Sends `bytes` as one datagram to the dotted IPv4 `address` and `port`; false when it did
    // not go out whole. Does not block on a datagram socket.
    virtual bool SendTo(const std::string& address, int port,
                        std::span<const std::uint8_t> bytes) = 0;
    // The same out of the interface with the system's index `interfaceIndex`, from its dotted
    // IPv4 address `source`, whatever interface the routing table would pick for `address`
    // (index 0: the one it picks). Replies come back to this socket all the same.
    virtual bool SendThrough(unsigned interfaceIndex, const std::string& source,
                             const std::string& address, int port,
                             std::span<const std::uint8_t> bytes) = 0;
    // Whether a datagram waits, without waiting (false also when the check fails).
    virtual bool IsReadable() = 0;
    // Takes the next datagram into the caller's buffer, cut to its size, without blocking.
    // Returns the bytes stored (0 when none waits after all), nothing when receiving failed.
    virtual std::optional<std::size_t> Receive(std::span<std::uint8_t> buffer) = 0;
};
