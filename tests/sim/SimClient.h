#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A control-connection client that reads replies the way the manager's engine does, with
// time-outs in milliseconds so that tests stay fast.
class SimClient {
public:
    SimClient() = default;
    SimClient(SimClient&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    SimClient(const SimClient&) = delete;
    SimClient& operator=(const SimClient&) = delete;
    ~SimClient();

    bool connect(const std::string& address, std::uint16_t port);
    // The greeting: one read of at most 100 bytes.
    std::string readGreeting();
    // Greeting, "User", "Pass"; true when both replies are the accepted ones.
    bool login(const std::string& user, const std::string& password);

    // Sends `line` + "\r\n", then reads until the gathered text holds "+OK" or "-ERR", each
    // read waiting at most `silenceMs` (the engine's rule for T > 0).
    std::string exchange(const std::string& line, int silenceMs = 1000);
    // Sends `line` + "\r\n" and returns exactly one read (the engine's rule for T = 0).
    std::string exchangeOnce(const std::string& line, int waitMs = 2000);

    void sendRaw(std::string_view bytes);
    // Half-closes the connection: the peer sees the end of the stream, replies still arrive.
    void finishSending();
    // Everything that arrives until `silenceMs` pass without data.
    std::string readUntilSilent(int silenceMs);
    // One read of at most `limit` bytes, waiting at most `waitMs`; empty on time-out.
    std::string readOnce(int waitMs, std::size_t limit = 1000);
    // True when the peer closes the connection within `waitMs` (data before the close is
    // skipped).
    bool waitClosed(int waitMs);
    void close();
    // Closes with a reset, as a client that crashed.
    void reset();

private:
    int m_fd = -1;
};

// Sends the 4-byte request (or `request`) to 127.0.0.x:port and collects the datagrams that
// arrive within `waitMs`.
std::vector<std::vector<std::uint8_t>>
discover(const std::string& address, std::uint16_t port, int waitMs,
         std::vector<std::uint8_t> request = {0xFA, 0x05, 0x21, 0xEA});
