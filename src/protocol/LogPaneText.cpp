#include "protocol/LogPaneText.h"

bool CLogPaneText::Append(std::string_view text) {
    if (text.empty())
        return false;
    // A "\r" that ended the text so far was counted as a lone break; with a "\n" following,
    // the pair is one break.
    bool afterReturn = !m_text.empty() && m_text.back() == '\r';
    for (const char c : text) {
        if (c == '\r')
            ++m_breaks;
        else if (c == '\n' && !afterReturn)
            ++m_breaks;
        afterReturn = c == '\r';
    }
    m_text.append(text);
    if (m_breaks + 1 <= kMaxLines)
        return false;
    Clear();
    return true;
}

void CLogPaneText::Clear() {
    m_text.clear();
    m_breaks = 0;
}
