#pragma once

#include <string_view>

// Where the command engine writes the transcript: the main dialog's log pane.
class ICommandLog {
public:
    virtual ~ICommandLog() = default;

    // Appends raw text (commands with their "\r\n", replies as received) to the log pane.
    // User-interface thread; does not block; copies the text, keeps no reference.
    virtual void AppendLog(std::string_view text) = 0;

    // Paints the log pane now, so the command line just logged shows while the exchange
    // keeps the user-interface thread; nothing else may be dispatched. User-interface
    // thread; blocks only for the paint.
    virtual void RepaintNow() = 0;
};
