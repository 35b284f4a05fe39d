#pragma once

#include <string>
#include <string_view>

#include "appliance/TableEntry.h"

class CDialog;
class CListViewCtrl;

// The device table of the Server Mode dialog and the server table of the Client Mode dialog:
// a report list of three columns, the appliance's index of the entry (kept, but shown in a
// column of width 0), its BDADDR/Name, and a value (the bound port, or the server's IP:Port).
// Helpers for the dialogs that own such a table and for their Add and Modify dialogs; all run
// on the UI thread.

enum : int { kTableIndexColumn, kTableNameColumn, kTableValueColumn, kTableColumnCount };

// Inserts the three left-aligned columns with their headers; the index column has width 0.
void InsertTableColumns(CListViewCtrl& list, std::string_view nameHeader, int nameWidth,
                        std::string_view valueHeader, int valueWidth);
// Inserts `entry` as a row at `position`.
void InsertTableRow(CListViewCtrl& list, int position, const CTableEntry& entry);
// Appends an entry registered since the table was read: its index is the number of rows
// before it, in decimal.
void AppendTableRow(CListViewCtrl& list, std::string_view name, std::string_view value);
// True when `row` is a row the table holds now.
bool IsTableRow(const CListViewCtrl& list, int row);
// True when some row's cell in `column` is exactly `text`.
bool AnyRowHas(const CListViewCtrl& list, int column, std::string_view text);
// True when some row's cell in `column` is `text` while row `ownRow`'s cell is not: the text
// belongs to another entry than the one being modified.
bool IsTakenByOtherRow(const CListViewCtrl& list, int column, std::string_view text, int ownRow);

// How replacing an entry by a release command followed by a registration ended.
enum class ReplaceOutcome {
    Replaced, // both accepted
    Failed,   // the operator was told why; the table stays as it is: the release was refused,
              // the registration was refused and the old entry sent back, or an exchange
              // timed out (the connection is being replaced then)
    Lost,     // the registration was refused and the old entry could not be sent back: the
              // appliance no longer holds it; the operator was told
};

// Sends `release` (the entry as it was), then `add` (the entry as it is to be); replies must be
// exactly "+OK" before their line end. The caller has read and validated its controls before:
// nothing runs between the two commands that could stop the second. When `add` is
// refused, `restore` (the line that made the old entry) is sent to put it back, and
// `failureMessage` is shown. A time-out shows `timeoutMessage` and posts WM_RECONNECT, also
// when the restore times out (the entry then counts as lost). Time-out 0 for each command;
// blocks the UI thread for each exchange.
ReplaceOutcome ReplaceTableEntry(CDialog& owner, const std::string& release, const std::string& add,
                                 const std::string& restore, std::string_view timeoutMessage,
                                 std::string_view failureMessage);
