#pragma once

#include <string>
#include <string_view>

// The text of the log pane and its 500-line rule. The main dialog keeps one and shows its
// text in the read-only edit; only the command engine's transcript is appended to it.
//
// Lines are counted as a multi-line edit shows them: the number of line breaks plus one.
// A line break is "\r\n", or a "\n" or "\r" that stands alone. The appliance ends its lines
// with "\r\n"; counting lone breaks too keeps the pane bounded whatever arrives unasked. A
// "\r" at the end of one piece and a "\n" at the start of the next make one break.
class CLogPaneText {
public:
    static constexpr int kMaxLines = 500;

    // Appends `text` at the end. When the pane then holds more than 500 lines, the whole
    // text is discarded at once, the new text too, and true is returned.
    bool Append(std::string_view text);
    // Empties the pane.
    void Clear();

    const std::string& Text() const { return m_text; }
    int LineCount() const { return m_breaks + 1; }

private:
    std::string m_text;
    int m_breaks = 0;
};
