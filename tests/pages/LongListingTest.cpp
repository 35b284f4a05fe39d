#include <gtest/gtest.h>

#include "ApplianceFixtures.h"
#include "pages/ConnectionsPage.h"
#include "ui/ListViewCtrl.h"
#include "ui/testing/Input.h"

namespace {

// 300 connection lines, many reads long, arrive whole on every load.
TEST_F(CScriptedApplianceTest, ALongListingArrivesWholeOnEveryTick) {
    std::string listing;
    for (int i = 0; i < 300; ++i)
        listing += std::to_string(i) + "|0|9101|00:0B:CE:30:00:01|Printer|120|96|235|0\r\n";
    replies["List\r\n"] = listing + "+OK\r\n";
    Run([&](CManagerDlg& dlg) {
        ClickTab(dlg, IDC_PAGE_TAB, 2);
        const CListViewCtrl& list =
            dlg.m_tabCtrl.ConnectionsPage().Item<CListViewCtrl>(IDC_CONNECTION_LIST);
        for (int tick = 0; tick < 4; ++tick) {
            SCOPED_TRACE("tick " + std::to_string(tick));
            if (tick > 0)
                backend.AdvanceClock(2000);
            EXPECT_TRUE(TakeMessageBoxes().empty());
            ASSERT_EQ(list.GetItemCount(), 300);
            for (int row = 0; row < list.GetItemCount(); ++row)
                ASSERT_EQ(list.GetItemText(row, 1), std::to_string(row));
        }
    });
}

} // namespace
