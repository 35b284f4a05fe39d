#pragma once

#include "controls/LocaleSeparators.h"
#include "controls/MaskData.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The content of a masked edit as a list of positions, one per mask character: the single
// truth from which the window text is rebuilt. Position index k is character k of the display
// text; a caret index k is the gap before character k. Knows nothing of windows: the owner
// learns of every pour through the pour handler and redraws there. UI thread only.
class CMaskPositions {
public:
    // Rebuilds the list from `mask`: one position per mask character, a backslash and the
    // character after it making one (a backslash that ends the mask is a literal backslash);
    // separator characters show `separators`, input positions the prompt.
    void ApplyMask(std::string_view mask, const CLocaleSeparators& separators);
    // Makes `c` the prompt and shows it in every input position that showed the old one.
    // Returns false, changing nothing, for NUL, carriage return, line feed and DEL.
    bool SetPromptChar(char c);
    char PromptChar() const { return m_chPrompt; }

    bool HasMask() const { return !m_listPositions.empty(); }
    int Length() const { return static_cast<int>(m_listPositions.size()); }
    // The characters of all positions, and of the input positions only, in order.
    std::string DisplayText() const;
    std::string InputText() const { return InputText(0, Length()); }
    // The characters of the input positions whose index lies in [start, end), in order.
    std::string InputText(int start, int end) const;

    // Pours `text` into the input positions in order, after the first `keep` characters of
    // the current input text; prompt characters in `text` are dropped unless `keepPrompt`.
    // Unacceptable characters are skipped; returns false when any was. Calls the pour handler.
    bool PutInputChars(std::string_view text, int keep, bool keepPrompt);
    // Takes out the input characters in [start, end), moving later ones left; returns how many
    // input positions lay in the range. Always pours, so the pour handler always runs.
    int RemoveInputRange(int start, int end);
    // Inserts `c` at the first input position at or after `p`, pushing the last input character
    // out. Returns that position, or -1 (content restored) when nothing fits. Pours once or twice.
    int InsertCharAt(int p, char c);
    // Stores `c` at input position `p`: `p` when stored or when `p` is no input position (then
    // nothing changes), -1 when `c` is not taken there. Does not pour.
    int OverwriteCharAt(int p, char c);

    // First input position at or after `index` showing the prompt, the length if none.
    int FindFirstBlank(int index) const;
    // Every input position shows the prompt.
    bool HasNoInput() const;
    // True with no mask; false outside the positions; else whether `index` takes input.
    bool IsEditableAt(int index) const;
    // First input position at or after `p`, the length if none.
    int NextEditable(int p) const;
    // `p` if it is an input position, else the caret index just after the input position
    // before it, else NextEditable(p).
    int PrevEditableEnd(int p) const;
    // `text`, placed at position `from`, without the literal runs standing where the mask has
    // its literals; a separator is taken out in the locale's form and in the mask's own.
    std::string RemoveLiteralRuns(std::string_view text, int from = 0) const;

    // Called after every pour, on the same thread, with the list already updated.
    void SetPourHandler(std::function<void()> handler) { m_onPoured = std::move(handler); }

private:
    // Whether `text` from index `at` writes the `count` literals from position `runStart`.
    bool WritesRun(std::string_view text, int at, int runStart, int count) const;

    std::vector<CMaskData> m_listPositions;
    char m_chPrompt = ' ';
    std::function<void()> m_onPoured;
};
