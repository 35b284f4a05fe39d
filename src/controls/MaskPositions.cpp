#include "controls/MaskPositions.h"

#include "ui/Text.h"

#include <algorithm>
#include <iterator>

namespace {

// The mask characters of the kinds 0 (DecimalSeparator) to 9 (AnyCharacter), in kind order.
constexpr std::string_view kKindCharacters = ".,:/#A?><&";

} // namespace

void CMaskPositions::ApplyMask(std::string_view mask, const CLocaleSeparators& separators) {
    const char shownSeparators[] = {separators.m_chDecimalSep, separators.m_chThousandSep,
                                    separators.m_chTimeSep, separators.m_chDateSep};
    m_listPositions.clear();
    for (size_t i = 0; i < mask.size(); ++i) {
        CMaskData position;
        const size_t kind = kKindCharacters.find(mask[i]);
        if (kind == std::string_view::npos) {
            position.m_nKind = CMaskData::Literal;
            position.m_ch = mask[i];
            // A backslash takes the character after it; one that ends the mask stands for
            // itself.
            if (mask[i] == '\\' && i + 1 < mask.size()) {
                position.m_nKind = CMaskData::EscapedLiteral;
                position.m_ch = mask[++i];
            }
        } else {
            position.m_nKind = static_cast<int>(kind);
            position.m_ch = kind < std::size(shownSeparators) ? shownSeparators[kind] : m_chPrompt;
        }
        m_listPositions.push_back(position);
    }
}

bool CMaskPositions::SetPromptChar(char c) {
    if (c == '\0' || c == '\r' || c == '\n' || c == '\x7f')
        return false;
    for (CMaskData& position : m_listPositions)
        if (position.IsEditable() && position.m_ch == m_chPrompt)
            position.m_ch = c;
    m_chPrompt = c;
    return true;
}

std::string CMaskPositions::DisplayText() const {
    std::string text;
    for (const CMaskData& position : m_listPositions)
        text += position.m_ch;
    return text;
}

std::string CMaskPositions::InputText(int start, int end) const {
    std::string text;
    for (int k = std::max(start, 0); k < std::min(end, Length()); ++k) {
        const CMaskData& position = m_listPositions[static_cast<size_t>(k)];
        if (position.IsEditable())
            text += position.m_ch;
    }
    return text;
}

bool CMaskPositions::PutInputChars(std::string_view text, int keep, bool keepPrompt) {
    std::string source = Left(InputText(), keep);
    for (char c : text)
        if (keepPrompt || c != m_chPrompt)
            source += c;

    bool allTaken = true;
    size_t read = 0;
    for (CMaskData& position : m_listPositions) {
        if (!position.IsEditable())
            continue;
        if (read >= source.size()) {
            position.m_ch = m_chPrompt;
            continue;
        }
        // When the source runs out while characters are skipped, the position keeps what it
        // showed; the positions after it then find the source used up.
        while (read < source.size()) {
            const char c = source[read++];
            if (c == m_chPrompt || position.Accepts(c)) {
                position.m_ch = position.ConvertCase(c);
                break;
            }
            allTaken = false;
        }
    }
    if (m_onPoured)
        m_onPoured();
    return allTaken;
}

int CMaskPositions::RemoveInputRange(int start, int end) {
    const int inside = ::Length(InputText(start, end));
    PutInputChars(InputText(0, start) + InputText(std::max(start, end), Length()), 0, true);
    return inside;
}

int CMaskPositions::InsertCharAt(int p, char c) {
    const std::string before = InputText();
    std::string shifted;
    int insertedAt = -1;
    for (int k = 0; k < Length(); ++k) {
        const CMaskData& position = m_listPositions[static_cast<size_t>(k)];
        if (!position.IsEditable())
            continue;
        if (insertedAt < 0 && k >= p) {
            shifted += c;
            insertedAt = k;
        }
        shifted += position.m_ch;
    }
    if (PutInputChars(shifted, 0, true))
        return insertedAt;
    PutInputChars(before, 0, true);
    return -1;
}

int CMaskPositions::OverwriteCharAt(int p, char c) {
    if (p < 0 || p >= Length())
        return p;
    CMaskData& position = m_listPositions[static_cast<size_t>(p)];
    if (!position.IsEditable())
        return p;
    if (c != m_chPrompt && !position.Accepts(c))
        return -1;
    position.m_ch = position.ConvertCase(c);
    return p;
}

int CMaskPositions::FindFirstBlank(int index) const {
    if (index < 0)
        index = 0;
    if (index >= Length())
        return index;
    for (int k = index; k < Length(); ++k) {
        const CMaskData& position = m_listPositions[static_cast<size_t>(k)];
        if (position.IsEditable() && position.m_ch == m_chPrompt)
            return k;
    }
    return Length();
}

bool CMaskPositions::HasNoInput() const {
    for (const CMaskData& position : m_listPositions)
        if (position.IsEditable() && position.m_ch != m_chPrompt)
            return false;
    return true;
}

bool CMaskPositions::IsEditableAt(int index) const {
    if (!HasMask())
        return true;
    if (index < 0 || index >= Length())
        return false;
    return m_listPositions[static_cast<size_t>(index)].IsEditable();
}

int CMaskPositions::NextEditable(int p) const {
    if (p < 0)
        p = 0;
    if (p >= Length())
        return p;
    for (int k = p; k < Length(); ++k)
        if (m_listPositions[static_cast<size_t>(k)].IsEditable())
            return k;
    return Length();
}

int CMaskPositions::PrevEditableEnd(int p) const {
    const int given = p;
    if (p < 0)
        p = 0;
    if (p >= Length())
        return p;
    if (m_listPositions[static_cast<size_t>(p)].IsEditable())
        return p;
    for (int q = p - 1; q >= 0; --q)
        if (m_listPositions[static_cast<size_t>(q)].IsEditable())
            return q + 1;
    return NextEditable(given);
}

bool CMaskPositions::WritesRun(std::string_view text, int at, int runStart, int count) const {
    if (at < 0 || at + count > ::Length(text))
        return false;
    for (int i = 0; i < count; ++i)
        if (!m_listPositions[static_cast<size_t>(runStart + i)].IsWrittenAs(
                text[static_cast<size_t>(at + i)]))
            return false;
    return true;
}

std::string CMaskPositions::RemoveLiteralRuns(std::string_view text, int from) const {
    from = std::max(from, 0);
    std::string result(text);
    const int lengthOnEntry = ::Length(text);
    int removed = 0;
    int runStart = -1;
    for (int k = from; k < Length(); ++k) {
        if (!m_listPositions[static_cast<size_t>(k)].IsEditable()) {
            if (runStart < 0)
                runStart = k;
        } else if (runStart >= 0) {
            // The run is taken out only where the text has it at the mask's own place.
            const int at = runStart - from - removed;
            const int count = k - runStart;
            if (WritesRun(result, at, runStart, count)) {
                result.erase(static_cast<size_t>(at), static_cast<size_t>(count));
                removed += count;
            }
            runStart = -1;
        }
        if (k - from + 1 >= lengthOnEntry)
            break;
    }
    return result;
}
