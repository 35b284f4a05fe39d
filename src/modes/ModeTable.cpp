#include "modes/ModeTable.h"

#include "ui/ListViewCtrl.h"

void InsertColumns(CListViewCtrl& list, std::span<const CTableColumn> columns) {
    int index = 0;
    for (const CTableColumn& column : columns)
        list.InsertColumn(index++, column.header, ColumnAlign::Left, column.width);
}

bool IsRow(const CListViewCtrl& list, int item) {
    return item >= 0 && item < list.GetItemCount();
}

int FindRowWithText(const CListViewCtrl& list, int column, std::string_view text) {
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetItemText(row, column) == text)
            return row;
    return -1;
}
