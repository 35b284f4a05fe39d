#pragma once

#include <array>

#include "ui/qt/QtPeer.h"

class CIpAddressCtrl;
class QLineEdit;

// An IP address control: four small fields of 0 to 255 in one edit-like frame, each possibly
// blank. Typing in a field goes to SetFieldByUser; three digits or a "." move on to the next.
class CQtIpAddressPeer final : public CQtPeer {
public:
    CQtIpAddressPeer(CIpAddressCtrl& ip, QWidget* window);

    void SetAccessibleLabel(const QString& label) override;
    void SetFocus() override;

protected:
    void RefreshWidget() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnFieldEdited(int index, const QString& text);
    void FocusField(int index);

    std::array<QLineEdit*, 4> m_fields{};
};
