#pragma once

class CControlSocket;

// The window framework's watch of a socket for readability, run by its message dispatch on
// the user-interface thread (a socket notifier, or a poll while messages are pumped).
class ISocketWatch {
public:
    virtual ~ISocketWatch() = default;

    // Starts (true) or stops (false) calling `socket.OnReadable()` from the message dispatch
    // whenever `socket.WatchFd()` is readable; the socket stops the watch before that
    // descriptor changes. Called on the user-interface thread; does not block.
    // The watch keeps a reference to the socket only while watching; the socket stops the
    // watch before it closes its descriptor or is destroyed.
    virtual void WatchReadable(CControlSocket& socket, bool watch) = 0;
};
