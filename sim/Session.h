#pragma once

#include "sim/LineSplitter.h"
#include "sim/Socket.h"

#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace sim {

using Clock = std::chrono::steady_clock;
using TimePoint = Clock::time_point;

// One accepted control connection: reads lines, and writes replies at the times they are
// due, in the order they were queued. Non-blocking throughout; owned by its appliance and
// driven by the simulator thread only.
class Session {
public:
    // Where the login exchange of this connection stands, and what the appliance counts.
    struct Conversation {
        bool userGiven = false;
        std::string user;
        bool authenticated = false;
        int commandCount = 0;
        std::optional<TimePoint> nextUnsolicited;
        std::optional<TimePoint> waitingForLoginSince; // from the accept until the login
    };

    explicit Session(UniqueFd socket);

    int fd() const { return m_socket.get(); }
    Conversation& conversation() { return m_conversation; }
    const Conversation& conversation() const { return m_conversation; }

    // Reads what the socket holds and returns the lines it completes. Nothing more is read
    // once the peer has finished sending or the connection was told to close.
    std::vector<LineSplitter::Line> receive();
    // Queues bytes to go out no earlier than `due` and after everything queued before;
    // returns when they go out.
    TimePoint queue(std::string bytes, TimePoint due);
    // Closes the connection once everything queued so far has gone out; later replies are
    // dropped.
    void closeWhenSent();
    // Sends what is due by `now`.
    void flush(TimePoint now);
    void close();

    bool finished() const { return !m_socket.valid(); }
    bool readable() const { return !m_inputClosed && !m_closeWhenSent; }
    bool inputClosed() const { return m_inputClosed; }
    // Still taking commands: neither closed nor told to close.
    bool accepting() const { return m_socket.valid() && !m_closeWhenSent; }
    bool wantsWrite(TimePoint now) const;
    std::optional<TimePoint> nextDue() const;

private:
    struct Chunk {
        TimePoint due;
        std::string bytes;
    };
    // A client that stops reading while it keeps sending is dropped past this backlog.
    static constexpr std::size_t kMaxBacklog = 1 << 20;

    UniqueFd m_socket;
    LineSplitter m_lines;
    std::deque<Chunk> m_outbox;
    std::size_t m_backlog = 0;
    TimePoint m_lastDue{};
    bool m_inputClosed = false;
    bool m_closeWhenSent = false;
    Conversation m_conversation;
};

} // namespace sim
