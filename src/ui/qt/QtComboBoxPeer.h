#pragma once

#include "ui/qt/QtPeer.h"

class CComboBoxCtrl;
class QComboBox;

// A combo box: drop-down list, or editable drop-down with a field. The operator's pick goes
// to SelectByUser, typing in the field to EditByUser; entries, selection and field text
// follow the control. The closed list holds the control's entry selected, where assistive
// tools read it, and an entry selected there through the accessibility bus is a pick.
class CQtComboBoxPeer final : public CQtPeer {
public:
    CQtComboBoxPeer(CComboBoxCtrl& combo, QWidget* window);

    // The resource's height includes the dropped list; the closed box is as high as Qt's.
    void Place(const QRect& rect) override;
    void SetAccessibleLabel(const QString& label) override;

protected:
    void RefreshWidget() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* ComboBox() const;
    bool Dropped() const;
    void OnListSelection();
    void ShowEntryInList();
};
