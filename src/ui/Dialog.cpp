#include "ui/Dialog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

#include "ui/AnimationCtrl.h"
#include "ui/Application.h"
#include "ui/ButtonCtrl.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/DataExchange.h"
#include "ui/EditCtrl.h"
#include "ui/IpAddressCtrl.h"
#include "ui/ListViewCtrl.h"
#include "ui/SpinCtrl.h"
#include "ui/TabCtrl.h"
#include "ui/TreeViewCtrl.h"

namespace {

std::unordered_map<int, CDialog*>& LiveWindows() {
    static std::unordered_map<int, CDialog*> windows;
    return windows;
}

std::vector<const CDialog*>& ModalWindows() {
    static std::vector<const CDialog*> windows;
    return windows;
}

int NextHandle() {
    static int next = 0x100;
    return next++;
}

std::unique_ptr<CControl> MakeControl(CDialog& owner, const CControlTemplate& tmpl) {
    switch (tmpl.kind) {
    case ControlKind::Edit:
        return std::make_unique<CEditCtrl>(owner, tmpl);
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return std::make_unique<CButtonCtrl>(owner, tmpl);
    case ControlKind::ComboBox:
        return std::make_unique<CComboBoxCtrl>(owner, tmpl);
    case ControlKind::ListView:
        return std::make_unique<CListViewCtrl>(owner, tmpl);
    case ControlKind::TreeView:
        return std::make_unique<CTreeViewCtrl>(owner, tmpl);
    case ControlKind::IpAddress:
        return std::make_unique<CIpAddressCtrl>(owner, tmpl);
    case ControlKind::Spin:
        return std::make_unique<CSpinCtrl>(owner, tmpl);
    case ControlKind::Animation:
        return std::make_unique<CAnimationCtrl>(owner, tmpl);
    case ControlKind::Tab:
        return std::make_unique<CTabCtrl>(owner, tmpl);
    case ControlKind::Static:
    case ControlKind::GroupBox:
    case ControlKind::Icon:
        break;
    }
    return std::make_unique<CControl>(owner, tmpl);
}

} // namespace

CModalWindowScope::CModalWindowScope(const CDialog* dialog) {
    ModalWindows().push_back(dialog);
}

CModalWindowScope::~CModalWindowScope() {
    ModalWindows().pop_back();
}

CDialog::CDialog(const CDialogResource& resource)
    : m_resource(resource), m_strCaption(resource.caption) {
    for (const CControlTemplate& tmpl : resource.controls) {
        m_ownedControls.push_back(MakeControl(*this, tmpl));
        m_controls.push_back(m_ownedControls.back().get());
    }
}

CDialog::~CDialog() {
    if (m_hWnd != 0 && !m_bModal)
        DestroyWindow();
    else if (m_hWnd != 0)
        LiveWindows().erase(m_hWnd);
}

CDialog* CDialog::FromHandle(int hwnd) {
    const auto it = LiveWindows().find(hwnd);
    return it == LiveWindows().end() ? nullptr : it->second;
}

void CDialog::BindControl(CControl& control) {
    for (CControl*& slot : m_controls)
        if (slot->GetDlgCtrlID() == control.GetDlgCtrlID() && slot != &control)
            slot = &control;
}

CControl* CDialog::GetDlgItem(int id) const {
    if (id == -1)
        return nullptr;
    for (CControl* control : m_controls)
        if (control->GetDlgCtrlID() == id)
            return control;
    return nullptr;
}

void CDialog::AbortNoSuchControl(int id) const {
    std::fprintf(stderr, "dialog %d has no control %d of the kind asked for\n", m_resource.id, id);
    std::abort();
}

std::string CDialog::GetDlgItemText(int id) const {
    const CControl* control = GetDlgItem(id);
    return control ? control->GetWindowText() : std::string();
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
    if (CControl* control = GetDlgItem(id))
        control->SetWindowText(text);
}

std::vector<int> CDialog::RadioGroup(int firstId) const {
    std::vector<int> group;
    bool inGroup = false;
    for (const CControl* control : m_controls) {
        if (control->GetDlgCtrlID() == firstId && control->Kind() == ControlKind::RadioButton) {
            inGroup = true;
        } else if (inGroup && (control->HasStyle(ControlStyle::Group) ||
                               control->Kind() != ControlKind::RadioButton)) {
            break;
        }
        if (inGroup)
            group.push_back(control->GetDlgCtrlID());
    }
    return group;
}

void CDialog::CheckRadioButtonInGroup(int id) {
    // The group starts at the nearest radio button at or before `id` that has the group
    // style, or where the run of radio buttons before `id` begins.
    int first = 0;
    for (const CControl* control : m_controls) {
        if (control->Kind() != ControlKind::RadioButton)
            first = 0;
        else if (first == 0 || control->HasStyle(ControlStyle::Group))
            first = control->GetDlgCtrlID();
        if (control->GetDlgCtrlID() == id)
            break;
    }
    for (int member : RadioGroup(first))
        Item<CButtonCtrl>(member).SetCheck(member == id ? 1 : 0);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnClose() {
    SendNotification(MakeNotification(IDCANCEL, BN_CLICKED));
}

void CDialog::OnEnterKey() {
    int id = IDOK;
    for (const CControl* control : m_controls)
        if (control->HasStyle(ControlStyle::DefaultButton))
            id = control->GetDlgCtrlID();
    if (const CControl* button = GetDlgItem(id); button && !button->IsWindowEnabled())
        return;
    SendNotification(MakeNotification(id, BN_CLICKED));
}

void CDialog::OnEscapeKey() {
    SendNotification(MakeNotification(IDCANCEL, BN_CLICKED));
}

int CDialog::DoModal() {
    m_bModal = true;
    m_bEnded = false;
    m_nResult = IDCANCEL;
    BeginWindow(nullptr);
    {
        CModalWindowScope modal(this);
        Application().Backend().RunModal(*this);
    }
    EndWindow();
    return m_nResult;
}

void CDialog::EndDialog(int result) {
    m_nResult = result;
    m_bEnded = true;
    if (m_hWnd != 0)
        Application().Backend().WindowChanged(*this);
}

bool CDialog::Create(CControl* host) {
    if (m_hWnd != 0)
        return false;
    m_bModal = false;
    m_bEnded = false;
    BeginWindow(host);
    Application().Backend().CreateModeless(*this, host);
    return true;
}

void CDialog::DestroyWindow() {
    if (m_hWnd == 0 || m_bModal)
        return;
    Application().Backend().DestroyModeless(*this);
    EndWindow();
}

void CDialog::BeginWindow(CControl* host) {
    m_pHost = host;
    // A pop-up belongs to the modal window it opened over.
    if (m_bModal)
        m_pModalLevel = this;
    else
        m_pModalLevel = ModalWindows().empty() ? nullptr : ModalWindows().back();
    m_pFocus = nullptr;
    m_strCaption = m_resource.caption;
    m_rectWindow = MapDialogRect(CRect{0, 0, m_resource.size.cx, m_resource.size.cy});
    m_bVisible = true;
    for (CControl* control : m_controls)
        control->Reset();
    m_hWnd = NextHandle();
    LiveWindows()[m_hWnd] = this;
}

void CDialog::EndWindow() {
    LiveWindows().erase(m_hWnd);
    m_hWnd = 0;
    m_pHost = nullptr;
    m_pFocus = nullptr;
}

void CDialog::WindowCreated() {
    OnInitDialog();
}

void CDialog::WindowDestroying() {
    OnDestroy();
}

void CDialog::MoveFocusTo(CControl* control) {
    if (m_pFocus == control)
        return;
    CControl* previous = m_pFocus;
    m_pFocus = control;
    if (previous)
        previous->OnFocusChange(false);
    if (control && m_pFocus == control)
        control->OnFocusChange(true);
}

void CDialog::SetWindowText(std::string_view caption) {
    if (m_strCaption == caption)
        return;
    m_strCaption = caption;
    if (m_hWnd != 0)
        Application().Backend().WindowChanged(*this);
}

void CDialog::MoveWindow(const CRect& rect) {
    m_rectWindow = rect;
    if (m_hWnd != 0)
        Application().Backend().WindowChanged(*this);
}

void CDialog::ShowWindow(bool show) {
    m_bVisible = show;
    if (m_hWnd != 0)
        Application().Backend().WindowChanged(*this);
}

void CDialog::SetActiveWindow() {
    if (m_hWnd != 0)
        Application().Backend().WindowChanged(*this);
}

void CDialog::CenterWindow() {
    if (m_hWnd != 0)
        Application().Backend().WindowChanged(*this);
}

CRect CDialog::MapDialogRect(const CRect& dialogUnits) const {
    const CSize base = Application().Backend().DialogBaseUnits(m_resource);
    return CRect{dialogUnits.left * base.cx / 4, dialogUnits.top * base.cy / 8,
                 dialogUnits.right * base.cx / 4, dialogUnits.bottom * base.cy / 8};
}

void CDialog::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    CMessage posted;
    posted.message = message;
    posted.wParam = wParam;
    posted.lParam = lParam;
    Application().Backend().PostMessage(m_hWnd, posted);
}

void CDialog::PostNotification(const CNotification& notification) {
    CMessage posted;
    posted.message = notification.code >= 0 ? WM_COMMAND : WM_NOTIFY;
    posted.wParam = static_cast<WPARAM>(notification.id);
    posted.notify = notification;
    Application().Backend().PostMessage(m_hWnd, posted);
}

void CDialog::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    CMessage sent;
    sent.message = message;
    sent.wParam = wParam;
    sent.lParam = lParam;
    Dispatch(sent);
}

void CDialog::SendNotification(const CNotification& notification) {
    CMessage sent;
    sent.message = notification.code >= 0 ? WM_COMMAND : WM_NOTIFY;
    sent.wParam = static_cast<WPARAM>(notification.id);
    sent.notify = notification;
    Dispatch(sent);
}

namespace {

class CBusyScope {
public:
    explicit CBusyScope(int& depth) : m_depth(depth) { ++m_depth; }
    ~CBusyScope() { --m_depth; }
    CBusyScope(const CBusyScope&) = delete;
    CBusyScope& operator=(const CBusyScope&) = delete;

private:
    int& m_depth;
};

} // namespace

// A page lives in the window of the dialog whose control hosts it.
bool CDialog::IsBehindModalWindow() const {
    const auto& open = ModalWindows();
    if (open.empty())
        return false;
    if (!open.back())
        return true; // a message box or file chooser: every dialog is behind it
    const CDialog* window = this;
    while (window->m_pHost)
        window = &window->m_pHost->Owner();
    return window->m_pModalLevel != open.back();
}

void CDialog::Dispatch(const CMessage& message) {
    if (message.message == WM_TIMER && (IsBusy() || IsBehindModalWindow()))
        return;
    CBusyScope busy(m_nBusy);
    const bool control = message.message == WM_COMMAND || message.message == WM_NOTIFY;
    for (const CMessageMapEntry& entry : m_messageMap) {
        if (entry.message != message.message)
            continue;
        if (control && (entry.id != message.notify.id || entry.code != message.notify.code))
            continue;
        entry.handler(message);
        return;
    }
    if (message.message == WM_CLOSE)
        OnClose();
    else if (message.message == WM_COMMAND && message.notify.code == BN_CLICKED &&
             message.notify.id == IDOK)
        OnOK();
    else if (message.message == WM_COMMAND && message.notify.code == BN_CLICKED &&
             message.notify.id == IDCANCEL)
        OnCancel();
}

void CDialog::SetTimer(UINT id, UINT elapse) {
    Application().Backend().SetTimer(*this, id, elapse);
}

void CDialog::KillTimer(UINT id) {
    Application().Backend().KillTimer(*this, id);
}

int CDialog::MessageBox(std::string_view text, UINT type) {
    CBusyScope busy(m_nBusy);
    CModalWindowScope modal;
    return Application().Backend().MessageBox(this, text, Application().GetAppName(), type);
}

UINT CDialog::TrackPopupMenu(const std::vector<CMenuItem>& items, CPoint clientPoint) {
    return Application().Backend().TrackPopupMenu(*this, items, clientPoint);
}

void CDialog::AppendSystemMenuItem(UINT id, std::string_view text) {
    m_systemMenu.push_back(CMenuItem{id, std::string(text)});
}
