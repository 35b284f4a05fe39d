#pragma once

#include "protocol/ICommandLog.h"
#include "protocol/LogPaneText.h"

#include <string>
#include <vector>

// A log pane for engine tests: keeps the pane text and the order of appends and repaints.
struct CRecordingLog final : ICommandLog {
    void AppendLog(std::string_view text) override {
        events.emplace_back(text);
        pane.Append(text);
    }
    void RepaintNow() override { events.emplace_back("<repaint>"); }

    std::vector<std::string> events;
    CLogPaneText pane;
};
