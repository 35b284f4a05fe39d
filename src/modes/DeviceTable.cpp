#include "modes/DeviceTable.h"

#include "session/ManagerWindow.h"
#include "ui/ListViewCtrl.h"
#include "ui/Text.h"

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
