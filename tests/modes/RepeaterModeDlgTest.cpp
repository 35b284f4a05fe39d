#include <gtest/gtest.h>

#include "../pages/ApplianceFixtures.h"
#include "modes/RepeaterModeDlg.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

class RepeaterModeDlgTest : public CScriptedApplianceTest {};

TEST_F(RepeaterModeDlgTest, TheStationReplyFillsTheAddressWithOrWithoutSeparators) {
    setenv("LC_ALL", "C", 1); // the time separator shown between the pairs is ":"
    Run([&](CManagerDlg&) {
        const std::pair<const char*, const char*> cases[] = {
            {"+OK 00:0B:CE:01:02:03\r\n", "000BCE010203"},
            {"+OK 000BCE010203\r\n", "000BCE010203"},
            {"+OK\r\n", "            "},
            {"-ERR 000BCE010203\r\n", "            "},
            {"", "            "},
        };
        for (const auto& [reply, input] : cases) {
            replies["station\r\n"] = reply;
            CRepeaterModeDlg dialog;
            EXPECT_EQ(dialog.m_editStation.GetInputChars(), input) << reply;
            backend.OnNextModal(IDD_REPEATER_MODE, [&](CDialog& d) {
                EXPECT_EQ(d.GetDlgItemText(IDC_REPEATER_STATION),
                          input[0] == ' ' ? "  :  :  :  :  :  " : "00:0B:CE:01:02:03");
                ClickButton(d, IDCANCEL);
            });
            EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        }
        EXPECT_EQ(TakeSent().back(), "station\r\n");
    });
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(RepeaterModeDlgTest, OkSendsACompleteAddressAndStaysOpenUntilTheApplianceTakesIt) {
    replies["station\r\n"] = "+OK 00:0B:CE:01:02:03\r\n";
    Run([&](CManagerDlg&) {
        CRepeaterModeDlg dialog;
        TakeSent();
        backend.OnNextModal(IDD_REPEATER_MODE, [&](CDialog& d) {
            // A blank typed into an input position leaves it unfilled.
            TypeChars(d, IDC_REPEATER_STATION, " ");
            ClickButton(d, IDOK);
            EXPECT_EQ(TakeMessageBoxes(), Lines{"Incorrect Bluetooth Address"});
            EXPECT_TRUE(TakeSent().empty());

            TypeText(d, IDC_REPEATER_STATION, "a1b2c3d4e5f6");
            replies["station a1:b2:c3:d4:e5:f6\r\n"] = "";
            ClickButton(d, IDOK);
            replies["station a1:b2:c3:d4:e5:f6\r\n"] = "-ERR Invalid Bluetooth address\r\n";
            ClickButton(d, IDOK);
            EXPECT_EQ(TakeMessageBoxes(), (Lines{"Timeout.", "Failed"}));
            EXPECT_FALSE(d.IsEnded());
            replies["station a1:b2:c3:d4:e5:f6\r\n"] = "+OK\r\n";
            d.OnEnterKey();
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(TakeSent(), Lines(3, "station a1:b2:c3:d4:e5:f6\r\n"));
        backend.Pump();
    });
    EXPECT_EQ(SearchRuns(), 1); // neither the time-out nor the refusal searches again
}

} // namespace
