#pragma once

#include "protocol/IChannel.h"
#include "protocol/ICommandLog.h"

#include <array>
#include <string>
#include <string_view>

// The one routine through which every command goes to the appliance: it drains what waits
// unasked, logs the command line, sends it and gathers the reply, logging the transcript.
// Owned by the main dialog; works on whatever channel is the control connection at the time
// of the call. A call blocks the user-interface thread until its exchange is over; the
// caller keeps the window framework from dispatching anything else meanwhile.
class CCommandEngine {
public:
    static constexpr int kReadLimit = 1000;
    // Most a reply with time-out above 0 may take without holding a mark: past it the
    // appliance is taken for one that never stops sending, and the exchange for timed out.
    static constexpr int kReplyLimit = 1024 * 1024;
    // Longest wait for the first byte of a time-out 0 reply and of the greeting.
    static constexpr int kFirstByteLimitSeconds = 10;
    static constexpr int kGreetingLimit = 100;
    // Most the drain before a command takes, so that an appliance that never stops sending
    // cannot hold the user-interface thread. Only such a sender gets bytes past it into the
    // reply that follows; everything that has arrived by the next command is drained.
    static constexpr int kDrainLimit = 64 * 1024;

    explicit CCommandEngine(ICommandLog& log);
    CCommandEngine(const CCommandEngine&) = delete;
    CCommandEngine& operator=(const CCommandEngine&) = delete;

    // Sends `command` (complete, with its "\r\n") and returns the reply; empty means a
    // time-out. Time-out 0: one read. Above 0: reads, each after a wait of at most
    // `timeoutSeconds`, until the reply holds "+OK" or "-ERR" or a read takes nothing (the
    // end of the stream); silence returns what has come so far, and kReplyLimit bytes without
    // a mark return empty, as a time-out. `logText`, when not empty, is written to the log in place
    // of the command line (for secrets).
    std::string SendCommand(IChannel& channel, std::string_view command, int timeoutSeconds,
                            std::string_view logText = {});

    // Reads the greeting the appliance sends on a new connection: one read of at most 100
    // bytes, neither logged nor examined; empty when nothing came within the limit.
    std::string ReadGreeting(IChannel& channel);

private:
    void Drain(IChannel& channel);
    std::string SendAndReadOnce(IChannel& channel, std::string_view command);
    std::string SendAndGather(IChannel& channel, std::string_view command, int timeoutSeconds);
    // Reads once into the buffer and returns the text read (nothing when the read failed or
    // met the end of the stream); `bytesRead`, when given, receives the count of bytes the read
    // took, 0 when it took none.
    std::string_view ReadText(IChannel& channel, int limit, int* bytesRead = nullptr);

    ICommandLog& m_log;
    std::array<char, kReadLimit + 1> m_buffer{};
};
