#include <gtest/gtest.h>

#include "../pages/ApplianceFixtures.h"
#include "modes/SerialPortDlg.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

TEST(SerialSettings, FieldsAfterTheSkipAreFoundByBlanks) {
    const CSerialSettings read = ParseSerialSettings("+OK RS232 1234567 5O2 none\r\n", {});
    EXPECT_EQ(read, (CSerialSettings{"1234567", "5 bit", "None", "Odd", "2 bit"}));
    // Unknown letters stay as they are, an unknown flow word leaves the flow control alone,
    // and no field reaches into the line end.
    CSerialSettings before;
    before.flowControl = "None";
    EXPECT_EQ(ParseSerialSettings("+OK RS232 9600 7M3 rts\r\n", before),
              (CSerialSettings{"9600", "7 bit", "None", "M", "3"}));
    EXPECT_EQ(ParseSerialSettings("+OK RS232 9600\r\n", before),
              (CSerialSettings{"9600", " bit", "None", "", ""}));
    EXPECT_EQ(ParseSerialSettings("+OK", before).baudRate, "");
}

class SerialPortDlgTest : public CScriptedApplianceTest {
protected:
    static CComboBoxCtrl& Combo(CDialog& d, int id) { return d.Item<CComboBoxCtrl>(id); }
    int Open(const CTestBackend::Script& script) {
        CSerialPortDlg dialog;
        backend.OnNextModal(IDD_SERIAL_PORT, script);
        return dialog.DoModal();
    }
};

TEST_F(SerialPortDlgTest, ReadSelectsListedValuesAndSendsUnknownOnesBackUnchanged) {
    replies["rs232\r\n"] = "+OK RS232 19200 6M1 none\r\n";
    Run([&](CManagerDlg&) {
        TakeSent();
        EXPECT_EQ(Open([&](CDialog& d) {
                      EXPECT_EQ(Combo(d, IDC_SERIAL_BAUD_RATE).GetCurSel(), 4);
                      EXPECT_EQ(Combo(d, IDC_SERIAL_DATA_BITS).GetCurSel(), 1);
                      EXPECT_EQ(Combo(d, IDC_SERIAL_FLOW_CONTROL).GetCurSel(), 0);
                      EXPECT_EQ(Combo(d, IDC_SERIAL_PARITY).GetCurSel(), -1);
                      EXPECT_EQ(Combo(d, IDC_SERIAL_PARITY).GetWindowText(), "M");
                      EXPECT_EQ(Combo(d, IDC_SERIAL_STOP_BITS).GetWindowText(), "1 bit");
                      Combo(d, IDC_SERIAL_BAUD_RATE).EditByUser("250000");
                      ClickButton(d, IDOK);
                  }),
                  IDOK);
        EXPECT_EQ(TakeSent(), (Lines{"rs232\r\n", "rs232 250000 6M1 none\r\n"}));
    });
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(SerialPortDlgTest, FailuresKeepTheInitialValuesAndStillCloseWithOk) {
    replies["rs232\r\n"] = "-ERR\r\n";
    replies["rs232 9600 7E2 xonoff\r\n"] = "-ERR Invalid serial settings\r\n";
    Run([&](CManagerDlg&) {
        TakeSent();
        EXPECT_EQ(Open([&](CDialog& d) {
                      EXPECT_EQ(TakeMessageBoxes(), Lines{"Can't get RS232 configuration"});
                      EXPECT_EQ(Combo(d, IDC_SERIAL_BAUD_RATE).GetWindowText(), "115200");
                      EXPECT_EQ(Combo(d, IDC_SERIAL_DATA_BITS).GetWindowText(), "8 bit");
                      EXPECT_EQ(Combo(d, IDC_SERIAL_FLOW_CONTROL).GetWindowText(), "Hardware");
                      EXPECT_EQ(Combo(d, IDC_SERIAL_PARITY).GetWindowText(), "None");
                      EXPECT_EQ(Combo(d, IDC_SERIAL_STOP_BITS).GetWindowText(), "1 bit");
                      // No word for a typed flow control: nothing goes out, the dialog stays.
                      Combo(d, IDC_SERIAL_FLOW_CONTROL).EditByUser("RTS/CTS");
                      ClickButton(d, IDOK);
                      EXPECT_EQ(TakeMessageBoxes(), Lines{"Setting RS232 failed."});
                      EXPECT_FALSE(d.IsEnded());
                      PickComboEntry(d, IDC_SERIAL_BAUD_RATE, 3);
                      PickComboEntry(d, IDC_SERIAL_DATA_BITS, 2);
                      PickComboEntry(d, IDC_SERIAL_PARITY, 2);
                      PickComboEntry(d, IDC_SERIAL_STOP_BITS, 1);
                      PickComboEntry(d, IDC_SERIAL_FLOW_CONTROL, 2);
                      ClickButton(d, IDOK);
                  }),
                  IDOK);
        EXPECT_EQ(TakeSent(), (Lines{"rs232\r\n", "rs232 9600 7E2 xonoff\r\n"}));
        EXPECT_EQ(TakeMessageBoxes(), Lines{"Setting RS232 failed."});
        backend.Pump();
    });
    EXPECT_EQ(SearchRuns(), 1);
}

} // namespace
