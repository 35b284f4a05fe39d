#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

enum class ColumnAlign { Left, Right, Center };

// A report-style list view: columns with header text, width in pixels and alignment; rows of
// texts, each with an image index into the small image list (resource ids of images).
class CListViewCtrl : public CControl {
public:
    struct Column {
        std::string header;
        int width = 0;
        ColumnAlign align = ColumnAlign::Left;
    };
    struct Row {
        std::vector<std::string> texts;
        int image = -1;
        bool selected = false;
    };

    using CControl::CControl;

    int InsertColumn(int index, std::string_view header, ColumnAlign align, int width);
    bool DeleteColumn(int index);
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    const std::vector<Column>& Columns() const { return m_columns; }

    // Inserts a row at `index` (clamped to the row count); returns its index.
    int InsertItem(int index, std::string_view text, int image = -1);
    bool SetItemText(int item, int subItem, std::string_view text);
    std::string GetItemText(int item, int subItem) const;
    bool SetItemImage(int item, int image);
    bool DeleteItem(int item);
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(m_rows.size()); }
    const std::vector<Row>& Rows() const { return m_rows; }

    // Selection by code; no notification, as on the platform when the program sets it.
    void SetItemSelected(int item, bool selected);
    // The first selected row, or -1.
    int GetSelectedItem() const;

    // A text the list shows, and tells assistive tools, while it has no rows; empty for none.
    void SetEmptyText(std::string_view text);
    const std::string& GetEmptyText() const { return m_strEmptyText; }

    void SetImageList(std::vector<int> imageResourceIds);
    const std::vector<int>& ImageList() const { return m_images; }

    // The operator's input: selecting a row sends LVN_ITEMCHANGED for the row that loses the
    // selection, then for the row that gains it; clicks send NM_CLICK or NM_RCLICK with the
    // row under the pointer (-1 for none); a double click on the header HDN_ITEMDBLCLICK.
    void SelectByUser(int item);
    void ClickByUser(int item, CPoint point);
    void RightClickByUser(int item, CPoint point);
    void HeaderDoubleClickByUser(int column);

    void Reset() override;

private:
    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    std::vector<int> m_images;
    std::string m_strEmptyText;
};
