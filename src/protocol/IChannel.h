#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// Outcome of a readiness wait on the control connection.
enum class WaitResult { Readable, TimedOut, Error };

// The three operations the command engine needs of the control connection. The real
// connection is a CControlSocket; tests put a scripted channel on a virtual clock here.
class IChannel {
public:
    virtual ~IChannel() = default;

    // Waits until a read would not block (bytes waiting or end of stream), at most `seconds`
    // whole seconds; 0 polls and returns at once. Blocks the calling (user-interface) thread
    // for the wait; the channel keeps no reference to anything of the caller.
    virtual WaitResult WaitReadable(int seconds) = 0;

    // Reads at most `buffer.size()` bytes into the caller's buffer. Returns the number of
    // bytes read, 0 at the end of the stream, or a negative value when the read failed.
    // Blocks the user-interface thread until at least one byte or the end of the stream is
    // there; the channel does not keep the buffer.
    virtual std::ptrdiff_t Read(std::span<char> buffer) = 0;

    // Sends the whole line in one send, exactly as given; returns false when it did not all
    // go out. Blocks the user-interface thread until the line is handed to the transport;
    // the channel does not keep the text.
    virtual bool SendLine(std::string_view line) = 0;
};
