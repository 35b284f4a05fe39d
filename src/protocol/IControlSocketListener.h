#pragma once

// The window a CControlSocket notifies: the main dialog. Each call stands for a message sent
// (not posted) to it, so it is handled before the socket goes on.
class IControlSocketListener {
public:
    virtual ~IControlSocketListener() = default;

    // WM_SOCKET_RECEIVE: bytes wait on the connection while no exchange runs. Called
    // synchronously on the user-interface thread; the socket stays owned by the caller and
    // must not be deleted from here.
    virtual void OnSocketReceive() = 0;

    // WM_SOCKET_CLOSE: the appliance closed the connection. Called once per connection,
    // synchronously on the user-interface thread, and may block (a message box). The socket
    // does not touch itself after this returns, so the listener may close or delete it.
    virtual void OnSocketClose() = 0;
};
