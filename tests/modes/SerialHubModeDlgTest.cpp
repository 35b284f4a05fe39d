#include <gtest/gtest.h>

#include "../pages/ApplianceFixtures.h"
#include "modes/RouteReply.h"
#include "modes/SerialHubModeDlg.h"
#include "ui/ListViewCtrl.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;
using Routes = std::vector<CRoute>;

TEST(RouteReply, SplitsAtTheFirstArrowAndEndsAtOkOrAnEmptyLine) {
    EXPECT_EQ(ParseRouteReply("A  > B>C\r\nno arrow \r\n-ERR busy\r\n\tD>  \r\n+OK\r\nE>F\r\n"),
              (Routes{{"A", "B>C"}, {"no arrow", ""}, {"-ERR busy", ""}, {"\tD", ""}}));
    EXPECT_EQ(ParseRouteReply("A>B\r\n\r\nC>D\r\n+OK\r\n"), (Routes{{"A", "B"}}));
    // A lone line feed ends a line without taking the next line's first character.
    EXPECT_EQ(ParseRouteReply("A>B\nC>D\n+OK\n"), (Routes{{"A", "B"}, {"C", "D"}}));
    EXPECT_EQ(ParseRouteReply("A>B"), (Routes{{"A", "B"}}));
    EXPECT_TRUE(ParseRouteReply("x +OK\r\nA>B\r\n").empty());
}

class SerialHubModeDlgTest : public CScriptedApplianceTest {
protected:
    static CListViewCtrl& Table(CDialog& d) { return d.Item<CListViewCtrl>(IDC_HUB_ROUTES); }
    static bool Enabled(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled(); }
};

TEST_F(SerialHubModeDlgTest, TheTimerPollsTheRoutingTableWhileTheDialogIsOpen) {
    Run([&](CManagerDlg&) {
        CSerialHubModeDlg dialog;
        backend.OnNextModal(IDD_SERIAL_HUB_MODE, [&](CDialog& d) {
            EXPECT_EQ(backend.TimerPeriod(d, CSerialHubModeDlg::kPollTimer), 2000u);
            ASSERT_EQ(Table(d).GetColumnCount(), 2);
            EXPECT_EQ(Table(d).Columns()[1].header, "To");
            TakeSent();
            replies["route\r\n"] = "A > B\r\n-ERR x\r\n+OK\r\n";
            backend.AdvanceClock(1999);
            EXPECT_TRUE(TakeSent().empty());
            backend.AdvanceClock(1);
            EXPECT_EQ(TakeSent(), Lines{"route\r\n"});
            ASSERT_EQ(Table(d).GetItemCount(), 2);
            EXPECT_EQ(Table(d).GetItemText(0, 0), "A");
            EXPECT_EQ(Table(d).GetItemText(0, 1), "B");
            EXPECT_EQ(Table(d).GetItemText(1, 0), "-ERR x");

            // Silence keeps the rows; a bare "+OK" empties the table.
            replies["route\r\n"] = "";
            backend.AdvanceClock(2000);
            EXPECT_EQ(Table(d).GetItemCount(), 2);
            replies["route\r\n"] = "+OK\r\n";
            backend.AdvanceClock(2000);
            EXPECT_EQ(Table(d).GetItemCount(), 0);
            d.PostMessage(WM_CLOSE);
            backend.Pump();
            EXPECT_FALSE(backend.HasTimer(d, CSerialHubModeDlg::kPollTimer));
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    });
}

TEST_F(SerialHubModeDlgTest, StartAndStopSwitchEachOther) {
    Run([&](CManagerDlg&) {
        for (int run = 0; run < 2; ++run) {
            CSerialHubModeDlg dialog;
            backend.OnNextModal(IDD_SERIAL_HUB_MODE, [&](CDialog& d) {
                // Every run opens ready to start, whatever the appliance is doing.
                EXPECT_TRUE(Enabled(d, IDC_HUB_START));
                EXPECT_FALSE(Enabled(d, IDC_HUB_STOP));
                TakeSent();
                replies["route ptp\r\n"] = "-ERR busy\r\n";
                ClickButton(d, IDC_HUB_START);
                EXPECT_EQ(TakeMessageBoxes(), Lines{"Failed"});
                EXPECT_TRUE(Enabled(d, IDC_HUB_START));

                ClickButton(d, IDC_HUB_MULTI_DROP);
                ClickButton(d, IDC_HUB_START);
                EXPECT_TRUE(Enabled(d, IDC_HUB_STOP));
                EXPECT_FALSE(Enabled(d, IDC_HUB_START));
                replies["route manual\r\n"] = "";
                ClickButton(d, IDC_HUB_STOP);
                EXPECT_TRUE(Enabled(d, IDC_HUB_START));
                EXPECT_FALSE(Enabled(d, IDC_HUB_STOP));
                EXPECT_EQ(TakeSent(),
                          (Lines{"route ptp\r\n", "route multi\r\n", "route manual\r\n"}));
                if (run == 0) {
                    ClickButton(d, IDC_HUB_MULTI_DROP);
                    ClickButton(d, IDC_HUB_START);
                }
                ClickButton(d, IDOK);
            });
            EXPECT_EQ(dialog.DoModal(), IDOK);
        }
    });
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

} // namespace
