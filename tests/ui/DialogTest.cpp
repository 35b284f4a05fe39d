#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/ButtonCtrl.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/DataExchange.h"
#include "ui/Dialog.h"
#include "ui/EditCtrl.h"
#include "ui/ListViewCtrl.h"
#include "ui/SpinCtrl.h"
#include "ui/TabCtrl.h"
#include "ui/testing/Input.h"
#include "ui/testing/TestBackend.h"

namespace {

enum {
    IDD_SAMPLE = 500,
    IDC_NAME = 10,
    IDC_COUNT,
    IDC_FLAG,
    IDC_RADIO_A,
    IDC_RADIO_B,
    IDC_RADIO_C,
    IDC_OTHER_RADIO,
    IDC_COMBO,
    IDC_LIST,
    IDC_SPIN_EDIT,
    IDC_SPIN,
    IDC_TAB,
    IDC_APPLY,
    IDC_MULTI
};

const CDialogResource& SampleResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_SAMPLE,
        "Sample",
        {200, 150},
        "Arial",
        9,
        {
            {IDC_NAME, ControlKind::Edit, "", DlgRect(5, 5, 80, 12)},
            {IDC_COUNT, ControlKind::Edit, "", DlgRect(5, 20, 80, 12)},
            {IDC_FLAG, ControlKind::CheckBox, "Flag", DlgRect(5, 35, 80, 12)},
            {IDC_RADIO_A, ControlKind::RadioButton, "A", DlgRect(5, 50, 30, 12), Group},
            {IDC_RADIO_B, ControlKind::RadioButton, "B", DlgRect(40, 50, 30, 12)},
            {IDC_RADIO_C, ControlKind::RadioButton, "C", DlgRect(75, 50, 30, 12)},
            {IDC_OTHER_RADIO, ControlKind::RadioButton, "Other", DlgRect(110, 50, 30, 12), Group},
            {IDC_COMBO, ControlKind::ComboBox, "", DlgRect(5, 65, 80, 40), DropDown},
            {IDC_LIST, ControlKind::ListView, "", DlgRect(5, 80, 120, 40), SingleSelection},
            {IDC_SPIN_EDIT, ControlKind::Edit, "", DlgRect(130, 5, 30, 12)},
            {IDC_SPIN, ControlKind::Spin, "", DlgRect(160, 5, 10, 12), SetBuddyInt},
            {IDC_TAB, ControlKind::Tab, "", DlgRect(130, 30, 60, 40)},
            {IDC_APPLY, ControlKind::PushButton, "Apply", DlgRect(130, 130, 50, 14)},
            {IDC_MULTI, ControlKind::ListView, "", DlgRect(5, 125, 120, 20)},
        }};
    return resource;
}

class CSampleDlg : public CDialog {
public:
    CSampleDlg() : CDialog(SampleResource()) {
        MessageMap()
            .Clicked(IDC_APPLY, &CSampleDlg::OnApply)
            .Command(IDC_NAME, EN_CHANGE, &CSampleDlg::OnChangeName)
            .Notify(IDC_LIST, LVN_ITEMCHANGED, &CSampleDlg::OnItemChanged)
            .Notify(IDC_MULTI, LVN_ITEMCHANGED, &CSampleDlg::OnItemChanged)
            .Notify(IDC_TAB, NM_CLICK, &CSampleDlg::OnTabClick)
            .Notify(IDC_TAB, TCN_SELCHANGE, &CSampleDlg::OnTabChange)
            .Message(WM_USER + 7, &CSampleDlg::OnPrivate)
            .Timer(&CSampleDlg::OnTimer);
    }

    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, IDC_NAME, m_strName);
        DDX_Text(dx, IDC_COUNT, m_nCount);
        DDX_Check(dx, IDC_FLAG, m_bFlag);
        DDX_Radio(dx, IDC_RADIO_A, m_nChoice);
        DDX_CBString(dx, IDC_COMBO, m_strCombo);
    }

    std::string m_strName = "first";
    int m_nCount = 3;
    bool m_bFlag = true;
    int m_nChoice = 1;
    std::string m_strCombo;
    std::vector<std::string> m_events;

private:
    void OnApply() { m_events.push_back("apply"); }
    void OnChangeName() { m_events.push_back("change:" + GetDlgItemText(IDC_NAME)); }
    void OnItemChanged(const CNotification& n) {
        m_events.push_back("item:" + std::to_string(n.item));
    }
    void OnTabClick() { m_events.push_back("click"); }
    void OnTabChange() { m_events.push_back("selchange"); }
    void OnPrivate() { m_events.push_back("private"); }
    void OnTimer(UINT id) { m_events.push_back("timer:" + std::to_string(id)); }
};

class DialogTest : public ::testing::Test {
protected:
    CTestBackend backend;
    CApplication app{backend};
    CSampleDlg dialog;
};

TEST_F(DialogTest, DataExchangeShowsAndReadsMembers) {
    backend.OnModal(IDD_SAMPLE, [](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_NAME), "first");
        EXPECT_EQ(d.GetDlgItemText(IDC_COUNT), "3");
        EXPECT_EQ(d.Item<CButtonCtrl>(IDC_FLAG).GetCheck(), 1);
        EXPECT_EQ(d.Item<CButtonCtrl>(IDC_RADIO_B).GetCheck(), 1);
        TypeText(d, IDC_NAME, "second");
        TypeText(d, IDC_COUNT, "42");
        ClickButton(d, IDC_FLAG);
        ClickButton(d, IDC_RADIO_C);
        d.OnOK();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_strName, "second");
    EXPECT_EQ(dialog.m_nCount, 42);
    EXPECT_FALSE(dialog.m_bFlag);
    EXPECT_EQ(dialog.m_nChoice, 2);
}

TEST_F(DialogTest, RadioGroupsStopAtTheNextGroupAndReadMinusOneWhenEmpty) {
    dialog.m_nChoice = -1;
    backend.OnModal(IDD_SAMPLE, [](CDialog& d) {
        EXPECT_EQ(d.RadioGroup(IDC_RADIO_A),
                  (std::vector<int>{IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_C}));
        ClickButton(d, IDC_OTHER_RADIO);
        EXPECT_EQ(d.Item<CButtonCtrl>(IDC_OTHER_RADIO).GetCheck(), 1);
        d.OnOK();
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.m_nChoice, -1);
}

TEST_F(DialogTest, AFailedIntegerExchangeIsReportedAndKeepsTheDialogOpen) {
    backend.OnModal(IDD_SAMPLE, [&](CDialog& d) {
        TypeText(d, IDC_COUNT, "12abc");
        d.OnOK();
        EXPECT_FALSE(d.IsEnded());
        d.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(backend.MessageBoxes(), std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(dialog.m_nCount, 3);
}

TEST_F(DialogTest, NotificationsArriveOnceInPlatformOrder) {
    backend.OnModal(IDD_SAMPLE, [&](CDialog& d) {
        dialog.m_events.clear();
        auto& list = d.Item<CListViewCtrl>(IDC_LIST);
        list.InsertColumn(0, "Name", ColumnAlign::Left, 50);
        list.InsertItem(0, "a");
        list.InsertItem(1, "b");
        SelectRow(d, IDC_LIST, 0);
        SelectRow(d, IDC_LIST, 1);
        auto& tab = d.Item<CTabCtrl>(IDC_TAB);
        tab.InsertItem(0, "One");
        tab.InsertItem(1, "Two");
        ClickTab(d, IDC_TAB, 1);
        ClickTab(d, IDC_TAB, 1);
        tab.SelectByKeyboard(0);
        TypeChars(d, IDC_NAME, "x");
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.m_events,
              (std::vector<std::string>{"item:0", "item:0", "item:1", "selchange", "click", "click",
                                        "selchange", "change:x"}));
}

// A plain pick selects the row alone, Ctrl toggles it, Shift selects from the anchor; the
// rows losing the selection are reported first, the picked row last, also when it was
// selected already. A list with single selection replaces whatever the keys.
TEST_F(DialogTest, ListPicksReportTheRowsThatChangeAndThePickedRowLast) {
    constexpr auto kCtrl = SelectMode::Toggle;
    constexpr auto kShift = SelectMode::Extend;
    struct Pick {
        int row;
        SelectMode mode = SelectMode::Replace;
        bool right = false;
    };
    const struct {
        int list;
        std::vector<Pick> picks;
        std::vector<std::string> events;
        std::vector<int> selected;
    } cases[] = {
        {IDC_MULTI, {{0}, {2}, {2}}, {"item:0", "item:0", "item:2", "item:2"}, {2}},
        {IDC_MULTI, {{0}, {2, kCtrl}, {0, kCtrl}}, {"item:0", "item:2", "item:0"}, {2}},
        {IDC_MULTI,
         {{1}, {3, kShift}, {0, kShift}},
         {"item:1", "item:2", "item:3", "item:2", "item:3", "item:0"},
         {0, 1}},
        {IDC_MULTI, {{0}, {1, kCtrl}, {0, {}, true}, {-1}}, {"item:0", "item:1", "item:0"}, {0, 1}},
        {IDC_LIST,
         {{0}, {2, kCtrl}, {3, kShift}},
         {"item:0", "item:0", "item:2", "item:2", "item:3"},
         {3}},
    };
    backend.OnModal(IDD_SAMPLE, [&](CDialog& d) {
        for (const auto& c : cases) {
            auto& list = d.Item<CListViewCtrl>(c.list);
            while (list.GetItemCount() < 4)
                list.InsertItem(list.GetItemCount(), "row");
            list.SetSelectedItem(-1);
            dialog.m_events.clear();
            for (const Pick& pick : c.picks) {
                if (pick.right)
                    list.RightClickByUser(pick.row, CPoint{});
                else
                    list.ClickByUser(pick.row, CPoint{}, pick.mode);
            }
            EXPECT_EQ(dialog.m_events, c.events);
            std::vector<int> selected;
            for (int i = 0; i < list.GetItemCount(); ++i)
                if (list.Rows()[static_cast<size_t>(i)].selected)
                    selected.push_back(i);
            EXPECT_EQ(selected, c.selected);
        }
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
}

TEST_F(DialogTest, ListAnchorMovesWithItsRowAndCodeSelectsOneRowAloneSilently) {
    backend.OnModal(IDD_SAMPLE, [&](CDialog& d) {
        auto& list = d.Item<CListViewCtrl>(IDC_MULTI);
        for (const char* name : {"a", "b", "c", "d"})
            list.InsertItem(list.GetItemCount(), name);
        list.ClickByUser(2, CPoint{});
        list.InsertItem(0, "new");
        EXPECT_EQ(list.GetFocusedItem(), 3);
        list.DeleteItem(1);
        EXPECT_EQ(list.GetFocusedItem(), 2);
        list.DeleteItem(2);
        EXPECT_EQ(list.GetFocusedItem(), -1);
        list.ClickByUser(0, CPoint{});
        dialog.m_events.clear();
        list.SetSelectedItem(2);
        EXPECT_EQ(list.GetSelectedItem(), 2);
        EXPECT_TRUE(dialog.m_events.empty());
        // Shift goes on from the row code selected.
        list.ClickByUser(0, CPoint{}, SelectMode::Extend);
        EXPECT_EQ(dialog.m_events, (std::vector<std::string>{"item:1", "item:0"}));
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
}

TEST_F(DialogTest, ComboTextSelectsAMatchingEntryOrFillsTheField) {
    dialog.m_strCombo = "96";
    backend.OnModal(IDD_SAMPLE, [](CDialog& d) {
        auto& combo = d.Item<CComboBoxCtrl>(IDC_COMBO);
        EXPECT_EQ(combo.GetCurSel(), -1);
        EXPECT_EQ(combo.GetWindowText(), "96");
        combo.AddString("9600");
        combo.AddString("19200");
        d.UpdateData(false);
        EXPECT_EQ(combo.GetCurSel(), 0);
        EXPECT_EQ(combo.GetWindowText(), "9600");
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
}

TEST_F(DialogTest, SpinWritesItsBuddyWithinItsRange) {
    backend.OnModal(IDD_SAMPLE, [](CDialog& d) {
        auto& spin = d.Item<CSpinCtrl>(IDC_SPIN);
        spin.SetBuddy(IDC_SPIN_EDIT);
        spin.SetRange(1, 30);
        spin.SetPos(30);
        EXPECT_EQ(d.GetDlgItemText(IDC_SPIN_EDIT), "30");
        spin.StepByUser(+1);
        EXPECT_EQ(d.GetDlgItemText(IDC_SPIN_EDIT), "30");
        spin.StepByUser(-1);
        EXPECT_EQ(d.GetDlgItemText(IDC_SPIN_EDIT), "29");
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
}

TEST_F(DialogTest, TimersFireOnTheVirtualClockAfterPostedMessages) {
    backend.OnModal(IDD_SAMPLE, [&](CDialog& d) {
        dialog.m_events.clear();
        d.SetTimer(1, 2000);
        d.PostMessage(WM_USER + 7);
        backend.AdvanceClock(1999);
        EXPECT_EQ(dialog.m_events, std::vector<std::string>{"private"});
        backend.AdvanceClock(4001);
        EXPECT_EQ(dialog.m_events,
                  (std::vector<std::string>{"private", "timer:1", "timer:1", "timer:1"}));
        d.KillTimer(1);
        backend.AdvanceClock(10000);
        EXPECT_EQ(dialog.m_events.size(), 4u);
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
}

// A message box is a nested loop: posted messages and ticks run inside it, except the ticks
// of the dialog whose box it is, which resume once it is answered.
TEST_F(DialogTest, AMessageBoxRunsWhatFallsDueButHoldsItsOwnersTicks) {
    CSampleDlg other;
    ASSERT_TRUE(other.Create());
    other.SetTimer(1, 2000);
    other.m_events.clear();
    backend.OnModal(IDD_SAMPLE, [&](CDialog& d) {
        dialog.m_events.clear();
        d.SetTimer(2, 2000);
        d.PostMessage(WM_USER + 7);
        std::vector<std::string> seenInBox;
        backend.OnMessageBox([&](std::string_view) {
            seenInBox = dialog.m_events; // what was posted, before the operator acts
            backend.AdvanceClock(5000);
            return IDCANCEL;
        });
        EXPECT_EQ(d.MessageBox("Wait"), IDCANCEL);
        EXPECT_EQ(seenInBox, std::vector<std::string>{"private"});
        EXPECT_EQ(dialog.m_events, std::vector<std::string>{"private"});
        EXPECT_TRUE(other.m_events.empty());
        EXPECT_EQ(backend.MostOpenMessageBoxes(), 1);
        backend.AdvanceClock(1000);
        EXPECT_EQ(dialog.m_events, (std::vector<std::string>{"private", "timer:2"}));
        EXPECT_TRUE(other.m_events.empty());
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    other.DestroyWindow();
}

TEST_F(DialogTest, NothingIsDispatchedWhileBlocked) {
    backend.OnModal(IDD_SAMPLE, [&](CDialog& d) {
        dialog.m_events.clear();
        d.PostMessage(WM_USER + 7);
        {
            CBlockingScope blocking;
            backend.Pump();
            EXPECT_TRUE(dialog.m_events.empty());
        }
        backend.Pump();
        EXPECT_EQ(dialog.m_events, std::vector<std::string>{"private"});
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
}

TEST_F(DialogTest, PostedMessagesToAGoneWindowAreDropped) {
    int hwnd = 0;
    backend.OnModal(IDD_SAMPLE, [&](CDialog& d) {
        hwnd = d.GetSafeHwnd();
        d.PostMessage(WM_USER + 7);
        d.EndDialog(IDOK);
    });
    dialog.DoModal();
    dialog.m_events.clear();
    backend.Pump();
    EXPECT_TRUE(dialog.m_events.empty());
    EXPECT_EQ(CDialog::FromHandle(hwnd), nullptr);
}

TEST_F(DialogTest, ControlsStartFromTheirTemplateAtEveryOpening) {
    backend.OnModal(IDD_SAMPLE, [](CDialog& d) {
        d.Item<CListViewCtrl>(IDC_LIST).InsertColumn(0, "Name", ColumnAlign::Left, 50);
        d.Item<CControl>(IDC_APPLY).EnableWindow(false);
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    backend.OnModal(IDD_SAMPLE, [](CDialog& d) {
        EXPECT_EQ(d.Item<CListViewCtrl>(IDC_LIST).GetColumnCount(), 0);
        EXPECT_TRUE(d.Item<CControl>(IDC_APPLY).IsWindowEnabled());
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
}

} // namespace
