#pragma once

#include <span>
#include <string_view>

class CListViewCtrl;

// The tables of the Server and Client mode dialogs: report views whose cells the Add and
// Modify dialogs compare with what the operator typed. Plain functions on the list control;
// UI thread, nothing blocks.

// One column of such a table: its header exactly as the appliance's tool shows it (blanks
// included) and its width in pixels (0 hides it); every column is left-aligned.
struct CTableColumn {
    const char* header;
    int width;
};

// Inserts `columns` in order into the empty column set of `list`.
void InsertColumns(CListViewCtrl& list, std::span<const CTableColumn> columns);

// Whether `item` is a row `list` holds now (a row reported before a Delete may be gone).
bool IsRow(const CListViewCtrl& list, int item);

// The first row whose cell in `column` equals `text` exactly (case-sensitive), or -1.
int FindRowWithText(const CListViewCtrl& list, int column, std::string_view text);
