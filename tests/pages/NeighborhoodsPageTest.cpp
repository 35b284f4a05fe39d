#include <gtest/gtest.h>

#include "ApplianceFixtures.h"
#include "appliance/NeighbourListing.h"
#include "pages/NeighborhoodsPage.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/ListViewCtrl.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

constexpr int kNeighborhoodsTab = 3;
const char* const kTwoNeighbours = "00:0B:CE:40:00:01 0x5A020C Phone-1\r\n"
                                   "00:0B:CE:40:00:02 0x240404 Head+OK set\r\n"
                                   "00:0B:CE:40:00:03 0x240404 Never shown\r\n+OK\r\n";

TEST(NeighbourListing, InquiryWordsAndFixedColumns) {
    EXPECT_EQ(ParsePeriodicInquiry("+OK On 10 5 0x9E8B33\r\n"),
              (CPeriodicInquiry{true, "10", "5", 0}));
    // Any code but the general one is "Limited", also an empty one; "Off" is not running.
    EXPECT_EQ(ParsePeriodicInquiry("+OK Off 20 8 0x9E8B00\r\n"),
              (CPeriodicInquiry{false, "20", "8", 1}));
    // Without a code the line end stays out of the length, and so out of the next command.
    EXPECT_EQ(ParsePeriodicInquiry("+OK Off 20 8\r\n"), (CPeriodicInquiry{false, "20", "8", 1}));

    // Short lines leave the cells beyond their end empty; a name holding "+OK" ends the list.
    const auto rows = ParseNeighbourListing("00:0B:CE:40:00:01 0x5A020C\r\n"
                                            "00:0B:CE:40:00:0\r\n" +
                                            std::string(kTwoNeighbours));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (CNeighbourRow{"00:0B:CE:40:00:01", "0x5A020C", ""}));
    EXPECT_EQ(rows[1], (CNeighbourRow{"00:0B:CE:40:00:0", "", ""}));
    EXPECT_EQ(rows[2], (CNeighbourRow{"00:0B:CE:40:00:01", "0x5A020C", "Phone-1"}));
    EXPECT_TRUE(ParseNeighbourListing("+OK\r\n00:0B:CE:40:00:01 0x5A020C X\r\n").empty());
}

class NeighborhoodsPageTest : public CScriptedApplianceTest {
protected:
    static CNeighborhoodsPage& Page(CManagerDlg& dlg) { return dlg.m_tabCtrl.NeighborhoodsPage(); }
    static bool Enabled(CManagerDlg& dlg, int id) {
        return Page(dlg).GetDlgItem(id)->IsWindowEnabled();
    }
    static Lines Shown(CManagerDlg& dlg) {
        const auto& list = Page(dlg).Item<CListViewCtrl>(IDC_NEIGHBOUR_LIST);
        Lines rows;
        for (int row = 0; row < list.GetItemCount(); ++row)
            rows.push_back(list.GetItemText(row, 0) + "|" + list.GetItemText(row, 1) + "|" +
                           list.GetItemText(row, 2));
        return rows;
    }
};

TEST_F(NeighborhoodsPageTest, OldFirmwareGetsNothingAndADisabledPage) {
    replies["Ver\r\n"] = "+OK Ver 1.6.9\r\n";
    Run([&](CManagerDlg& dlg) {
        EXPECT_EQ(dlg.m_nFirmwareVersion, 262);
        TakeSent();
        ClickTab(dlg, IDC_PAGE_TAB, kNeighborhoodsTab);
        EXPECT_TRUE(TakeSent().empty());
        for (int id : {IDC_INQUIRY_START, IDC_INQUIRY_STOP, IDC_INQUIRY_INTERVAL,
                       IDC_INQUIRY_LENGTH, IDC_INQUIRY_ACCESS_CODE, IDC_NEIGHBOUR_LIST})
            EXPECT_FALSE(Enabled(dlg, id)) << id;
    });
}

TEST_F(NeighborhoodsPageTest, StartRunsTheInquiryAndEveryTickReloadsTheNeighbours) {
    replies["pinq\r\n"] = "+OK Off 10 5 0x9E8B00\r\n";
    replies["ngbrh\r\n"] = kTwoNeighbours;
    Run([&](CManagerDlg& dlg) {
        CNeighborhoodsPage& page = Page(dlg);
        TakeSent();
        ClickTab(dlg, IDC_PAGE_TAB, kNeighborhoodsTab);
        EXPECT_EQ(TakeSent(), Lines{"pinq\r\n"});
        EXPECT_EQ(page.Item<CComboBoxCtrl>(IDC_INQUIRY_ACCESS_CODE).GetCurSel(), 1);
        EXPECT_TRUE(Enabled(dlg, IDC_INQUIRY_START));
        EXPECT_FALSE(Enabled(dlg, IDC_INQUIRY_STOP));
        backend.AdvanceClock(4000);
        EXPECT_TRUE(TakeSent().empty()); // idle: no timer

        TypeText(page, IDC_INQUIRY_INTERVAL, "30");
        PickComboEntry(page, IDC_INQUIRY_ACCESS_CODE, 0);
        replies["pinq\r\n"] = "+OK On 30 5 0x9E8B33\r\n";
        ClickButton(page, IDC_INQUIRY_START);
        EXPECT_EQ(TakeSent(), (Lines{"pinq on 30 5 0x9E8B33\r\n", "pinq\r\n"}));
        EXPECT_FALSE(Enabled(dlg, IDC_INQUIRY_START));
        EXPECT_FALSE(Enabled(dlg, IDC_INQUIRY_INTERVAL));
        EXPECT_TRUE(Enabled(dlg, IDC_INQUIRY_STOP));
        EXPECT_TRUE(page.m_bTimerRunning);

        // A second query while the timer runs starts no second one: the ticks keep their pace
        // (a timer set again would start its period afresh).
        backend.AdvanceClock(1000);
        page.QueryPeriodicInquiry();
        TakeSent();
        backend.AdvanceClock(1000);
        EXPECT_EQ(TakeSent(), Lines{"ngbrh\r\n"});
        EXPECT_EQ(Shown(dlg), (Lines{"00:0B:CE:40:00:01|0x5A020C|Phone-1"}));
        // Failed reloads are silent and keep the last good list.
        for (const char* failed : {"", "-ERR busy\r\n"}) {
            replies["ngbrh\r\n"] = failed;
            backend.AdvanceClock(2000);
            EXPECT_EQ(Shown(dlg).size(), 1u);
        }
        replies["ngbrh\r\n"] = "+OK\r\n";
        backend.AdvanceClock(2000);
        EXPECT_TRUE(Shown(dlg).empty());
        EXPECT_TRUE(TakeMessageBoxes().empty());

        // Another tab stops the timer only; this tab again reads the state anew.
        ClickTab(dlg, IDC_PAGE_TAB, 0);
        EXPECT_FALSE(page.m_bTimerRunning);
        EXPECT_TRUE(Enabled(dlg, IDC_INQUIRY_STOP));
        ClickTab(dlg, IDC_PAGE_TAB, kNeighborhoodsTab);
        TakeSent();
        ClickButton(page, IDC_INQUIRY_STOP);
        EXPECT_EQ(TakeSent(), Lines{"pinq off\r\n"});
        EXPECT_TRUE(Enabled(dlg, IDC_INQUIRY_START));
        EXPECT_FALSE(Enabled(dlg, IDC_INQUIRY_STOP));
        backend.AdvanceClock(6000);
        EXPECT_TRUE(TakeSent().empty());
    });
}

TEST_F(NeighborhoodsPageTest, AFailedQueryOnlyTellsSo) {
    replies["pinq\r\n"] = "-ERR busy\r\n";
    Run([&](CManagerDlg& dlg) {
        CNeighborhoodsPage& page = Page(dlg);
        ClickTab(dlg, IDC_PAGE_TAB, kNeighborhoodsTab);
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Getting Periodic Inquiry failed."});
        EXPECT_TRUE(Enabled(dlg, IDC_INQUIRY_STOP)); // unchanged from a new page
        // Start sends what the edits hold, unchecked; the appliance's refusal is not read.
        replies["pinq\r\n"] = "";
        TakeSent();
        ClickButton(page, IDC_INQUIRY_START);
        EXPECT_EQ(TakeSent(), (Lines{"pinq on   0x9E8B33\r\n", "pinq\r\n"}));
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Getting Periodic Inquiry failed."});
        EXPECT_EQ(SearchRuns(), 1);
    });
}

} // namespace
