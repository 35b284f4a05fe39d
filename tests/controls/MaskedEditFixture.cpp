#include "MaskedEditFixture.h"

CAddressTestDlg::CAddressTestDlg()
    : CDialog(AddressResource()), m_editBdaddr(*this, *AddressResource().Find(IDC_BDADDR)) {
    m_editBdaddr.SetPromptChar('_');
    m_editBdaddr.ApplyMask(kAddressMask);
    BindControl(m_editBdaddr);
    MessageMap()
        .Command(IDC_BDADDR, EN_UPDATE, &CAddressTestDlg::OnUpdate)
        .Command(IDC_BDADDR, EN_CHANGE, &CAddressTestDlg::OnChange)
        .Notify(IDC_BDADDR, MEN_VALIDATE, &CAddressTestDlg::OnValidate);
}

const CDialogResource& CAddressTestDlg::AddressResource() {
    static const CDialogResource resource{
        IDD,
        "Address",
        {150, 40},
        "Arial",
        9,
        {{IDC_BDADDR, ControlKind::Edit, "", DlgRect(5, 5, 80, 12), ControlStyle::Masked},
         {IDC_OTHER, ControlKind::Edit, "", DlgRect(5, 20, 80, 12)}}};
    return resource;
}
