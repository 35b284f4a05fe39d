#pragma once

// A socket of `type` (SOCK_STREAM, SOCK_DGRAM) bound to a port the system picks on 127.0.0.1,
// which is stored in `port`. Returns the descriptor, owned by the caller, or -1 when the
// system refuses.
int BindLoopback(int type, int& port);
