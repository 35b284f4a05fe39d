#pragma once

// The digits the dialogs' port fields take, and so the widths a settings file may hold:
// the Server Mode dialog's data port and the ports it binds, the Add and Modify Server
// dialogs' server port, the Client Setting dialog's host port, the Vertex Mode dialog's port.
inline constexpr int kDataPortDigits = 4;
inline constexpr int kServerPortDigits = 4;
inline constexpr int kHostPortDigits = 5;
inline constexpr int kVertexPortDigits = 4;
