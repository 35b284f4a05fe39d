#include "ui/IpAddressCtrl.h"

#include <algorithm>

void CIpAddressCtrl::Reset() {
    CControl::Reset();
    m_fields = {-1, -1, -1, -1};
}

int CIpAddressCtrl::GetAddress(int& f0, int& f1, int& f2, int& f3) const {
    // A blank field reads as 0, as the platform packs the address.
    auto value = [](int field) { return field < 0 ? 0 : field; };
    f0 = value(m_fields[0]);
    f1 = value(m_fields[1]);
    f2 = value(m_fields[2]);
    f3 = value(m_fields[3]);
    return static_cast<int>(
        std::count_if(m_fields.begin(), m_fields.end(), [](int field) { return field >= 0; }));
}

void CIpAddressCtrl::SetAddress(int f0, int f1, int f2, int f3) {
    m_fields = {f0 & 0xFF, f1 & 0xFF, f2 & 0xFF, f3 & 0xFF};
    Changed();
}

void CIpAddressCtrl::ClearAddress() {
    m_fields = {-1, -1, -1, -1};
    Changed();
}

bool CIpAddressCtrl::IsBlank() const {
    return std::all_of(m_fields.begin(), m_fields.end(), [](int field) { return field < 0; });
}

int CIpAddressCtrl::GetField(int index) const {
    return index >= 0 && index < 4 ? m_fields[static_cast<size_t>(index)] : -1;
}

void CIpAddressCtrl::SetFieldByUser(int index, int value) {
    if (index < 0 || index >= 4)
        return;
    m_fields[static_cast<size_t>(index)] = value < 0 ? -1 : std::min(value, 255);
    Changed();
    Notify(EN_CHANGE);
}
