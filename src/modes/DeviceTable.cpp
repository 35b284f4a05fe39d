#include "modes/DeviceTable.h"

#include "session/ManagerWindow.h"
#include "ui/ListViewCtrl.h"
#include "ui/Text.h"

namespace {

// The text before `separator` goes to `before`, the text after it is returned; without the
// separator `before` takes the whole text and nothing is left.
std::string CutAt(std::string_view text, std::string_view separator, std::string& before) {
    const int at = Find(text, separator);
    if (at < 0) {
        before = std::string(text);
        return {};
    }
    before = Left(text, at);
    return Mid(text, at + Length(separator));
}

} // namespace

bool IsAccepted(std::string_view reply) {
    return Left(reply, Length(reply) - 2) == "+OK";
}

CTableEntry SplitTableLine(std::string_view line) {
    CTableEntry entry;
    const int bar = Find(line, '|');
    // A line without any "|" is shown whole where the operator reads it, not in the hidden
    // index column.
    if (bar < 0) {
        entry.name = std::string(line);
        return entry;
    }
    // The double bar stands after the index or before the value; the other one is single.
    const bool doubleFirst = Mid(line, bar + 1, 1) == "|";
    const std::string rest = CutAt(line, doubleFirst ? "||" : "|", entry.index);
    entry.value = CutAt(rest, doubleFirst ? "|" : "||", entry.name);
    return entry;
}

void InsertTableColumns(CListViewCtrl& list, std::string_view nameHeader, int nameWidth,
                        std::string_view valueHeader, int valueWidth) {
    list.InsertColumn(kTableIndexColumn, "  Index", ColumnAlign::Left, 0);
    list.InsertColumn(kTableNameColumn, nameHeader, ColumnAlign::Left, nameWidth);
    list.InsertColumn(kTableValueColumn, valueHeader, ColumnAlign::Left, valueWidth);
}

void InsertTableRow(CListViewCtrl& list, int position, const CTableEntry& entry) {
    const int row = list.InsertItem(position, entry.index);
    list.SetItemText(row, kTableNameColumn, entry.name);
    list.SetItemText(row, kTableValueColumn, entry.value);
}

void AppendTableRow(CListViewCtrl& list, std::string_view name, std::string_view value) {
    const int rows = list.GetItemCount();
    InsertTableRow(list, rows, {std::to_string(rows), std::string(name), std::string(value)});
}

bool IsTableRow(const CListViewCtrl& list, int row) {
    return row >= 0 && row < list.GetItemCount();
}

bool AnyRowHas(const CListViewCtrl& list, int column, std::string_view text) {
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetItemText(row, column) == text)
            return true;
    return false;
}

bool IsTakenByOtherRow(const CListViewCtrl& list, int column, std::string_view text, int ownRow) {
    return AnyRowHas(list, column, text) && list.GetItemText(ownRow, column) != text;
}

ReplaceOutcome ReplaceTableEntry(CDialog& owner, const std::string& release, const std::string& add,
                                 const std::string& restore, std::string_view timeoutMessage,
                                 std::string_view failureMessage) {
    CManagerWindow& main = GetManagerWindow();
    const std::string released = main.SendCommandOrReconnect(owner, release, 0, timeoutMessage);
    if (released.empty())
        return ReplaceOutcome::Failed;
    if (!IsAccepted(released)) {
        owner.MessageBox(failureMessage);
        return ReplaceOutcome::Failed;
    }
    const std::string added = main.SendCommandOrReconnect(owner, add, 0, timeoutMessage);
    if (added.empty())
        return ReplaceOutcome::Failed; // the connection is being replaced anyway
    if (IsAccepted(added))
        return ReplaceOutcome::Replaced;
    // The old entry is gone on the appliance: put it back, or the table would show an entry
    // the appliance no longer holds.
    const std::string restored = main.SendCommandOrReconnect(owner, restore, 0, timeoutMessage);
    if (restored.empty())
        return ReplaceOutcome::Lost;
    owner.MessageBox(failureMessage);
    return IsAccepted(restored) ? ReplaceOutcome::Failed : ReplaceOutcome::Lost;
}
