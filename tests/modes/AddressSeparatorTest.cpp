#include <gtest/gtest.h>

#include <algorithm>

#include "../pages/ApplianceFixtures.h"
#include "controls/LocaleSeparators.h"
#include "modes/AddDeviceDlg.h"
#include "modes/AddServerDlg.h"
#include "modes/ClientModeDlg.h"
#include "modes/ModifyDeviceDlg.h"
#include "modes/ModifyServerDlg.h"
#include "modes/RepeaterModeDlg.h"
#include "modes/ServerModeDlg.h"
#include "ui/IpAddressCtrl.h"
#include "ui/testing/Input.h"

namespace {

using Lines = std::vector<std::string>;

// The address as an address field shows it under a locale that writes times as "12.30.00",
// and as every command carries it.
constexpr const char* kTyped = "000BCE010203";
constexpr const char* kShownDotted = "00.0B.CE.01.02.03";
constexpr const char* kOnTheWire = "00:0B:CE:01:02:03";

// The whole application under a user locale whose time separator is "." (as fi_FI has it),
// which need not be installed: the stand-in gives the locale's texts.
class AddressSeparatorTest : public CScriptedApplianceTest {
public:
    AddressSeparatorTest() {
        replies["help\r\n"] = "+OK PORT BIND RELE SERV DELSERV STATION MODE VER\r\n";
        replies["Port\r\n"] = "+OK PORT 09100\r\n";
        replies["Bind\r\n"] = "0||Sensor|9101\r\n+OK\r\n";
        replies["Serv\r\n"] = "0|Printer||192.168.0.21:9201\r\n+OK 192.168.0.10:9200\r\n";
        replies["Rept\r\n"] = "+OK REPEAT every 3000 ms\r\n";
        replies["Psist\r\n"] = "+OK PERSIST on\r\n";
        replies["station\r\n"] = std::string("+OK ") + kOnTheWire + "\r\n";
    }

    // Runs `script` in an opened Server Mode or Client Mode dialog.
    void InServerMode(const CTestBackend::Script& script) {
        RunDialogOnce<CServerModeDlg>(backend, IDD_SERVER_MODE, script);
    }
    void InClientMode(const CTestBackend::Script& script) {
        RunDialogOnce<CClientModeDlg>(backend, IDD_CLIENT_MODE, script);
    }
    // Adds the typed address through the Add dialog opened from `server` or `client`; returns
    // what its address field showed.
    std::string AddDevice(CDialog& server) {
        std::string shown;
        backend.OnNextModal(IDD_ADD_DEVICE, [&](CDialog& add) {
            ClickButton(add, IDC_ADD_BY_BDADDR);
            TypeChars(add, IDC_ADD_BDADDR, kTyped);
            shown = add.GetDlgItemText(IDC_ADD_BDADDR);
            TypeText(add, IDC_ADD_PORT, "9105");
            ClickButton(add, IDOK);
            if (!add.IsEnded())
                ClickButton(add, IDCANCEL);
        });
        ClickButton(server, IDC_DEVICE_ADD);
        return shown;
    }
    std::string AddServer(CDialog& client) {
        std::string shown;
        backend.OnNextModal(IDD_ADD_SERVER, [&](CDialog& add) {
            TypeChars(add, IDC_ADD_SERVER_BDADDR, kTyped);
            shown = add.GetDlgItemText(IDC_ADD_SERVER_BDADDR);
            for (int i = 0; i < 4; ++i)
                add.Item<CIpAddressCtrl>(IDC_ADD_SERVER_IP).SetFieldByUser(i, i == 3 ? 5 : 10);
            TypeText(add, IDC_ADD_SERVER_PORT, "4000");
            ClickButton(add, IDOK);
            if (!add.IsEnded())
                ClickButton(add, IDCANCEL);
        });
        ClickButton(client, IDC_CLIENT_ADD);
        return shown;
    }

    static std::string AddDeviceCase(AddressSeparatorTest& test) {
        std::string shown;
        test.InServerMode([&](CDialog& server) { shown = test.AddDevice(server); });
        return shown;
    }
    // The row the Add dialog left behind is modified: its address goes out as it came in.
    static std::string ModifyDeviceCase(AddressSeparatorTest& test) {
        std::string shown;
        test.InServerMode([&](CDialog& server) {
            test.AddDevice(server);
            SelectRow(server, IDC_DEVICE_TABLE, 1);
            test.backend.OnNextModal(IDD_MODIFY_DEVICE, [&](CDialog& modify) {
                shown = modify.GetDlgItemText(IDC_MODIFY_BDADDR_NAME);
                TypeText(modify, IDC_MODIFY_PORT, "9106");
                ClickButton(modify, IDOK);
            });
            ClickButton(server, IDC_DEVICE_MODIFY);
        });
        return shown;
    }
    static std::string AddServerCase(AddressSeparatorTest& test) {
        std::string shown;
        test.InClientMode([&](CDialog& client) { shown = test.AddServer(client); });
        return shown;
    }
    static std::string ModifyServerCase(AddressSeparatorTest& test) {
        std::string shown;
        test.InClientMode([&](CDialog& client) {
            test.AddServer(client);
            SelectRow(client, IDC_CLIENT_SERVER_LIST, 1);
            test.backend.OnNextModal(IDD_MODIFY_SERVER, [&](CDialog& modify) {
                shown = modify.GetDlgItemText(IDC_MODIFY_SERVER_NAME);
                TypeText(modify, IDC_MODIFY_SERVER_PORT, "4001");
                ClickButton(modify, IDOK);
            });
            ClickButton(client, IDC_CLIENT_MODIFY);
        });
        return shown;
    }
    // The station address the appliance reported goes back as it is.
    static std::string StationCase(AddressSeparatorTest& test) {
        std::string shown;
        CRepeaterModeDlg dialog;
        test.backend.OnNextModal(IDD_REPEATER_MODE, [&](CDialog& d) {
            shown = d.GetDlgItemText(IDC_REPEATER_STATION);
            ClickButton(d, IDOK);
        });
        dialog.DoModal();
        return shown;
    }

    CUserLocaleStandIn finnish{",", " ", "%H.%M.%S", "%d.%m.%Y"};
};

struct AddressCase {
    const char* name;
    // Drives the dialogs inside the running application; returns what the control that holds
    // the address showed.
    std::string (*drive)(AddressSeparatorTest&);
    const char* shown;
    Lines sent; // the commands that carry the address, in order
};

void PrintTo(const AddressCase& c, std::ostream* out) {
    *out << c.name;
}

class AddressOnTheWire : public AddressSeparatorTest,
                         public ::testing::WithParamInterface<AddressCase> {};

TEST_P(AddressOnTheWire, CommandsCarryColonsWhileTheFieldShowsTheLocaleSeparator) {
    const AddressCase& c = GetParam();
    std::string shown;
    Run([&](CManagerDlg&) {
        TakeSent();
        shown = c.drive(*this);
    });
    EXPECT_EQ(shown, c.shown);
    Lines sent = TakeSent();
    std::erase_if(sent, [](const std::string& line) { return line.find("0B") == line.npos; });
    EXPECT_EQ(sent, c.sent);
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryDialog, AddressOnTheWire,
    ::testing::Values(
        AddressCase{"AddDevice",
                    &AddressSeparatorTest::AddDeviceCase,
                    kShownDotted,
                    {"Bind 00:0B:CE:01:02:03 9105\r\n"}},
        // The row added holds the address as the appliance lists it, so Modify shows that.
        AddressCase{"ModifyDevice",
                    &AddressSeparatorTest::ModifyDeviceCase,
                    kOnTheWire,
                    {"Bind 00:0B:CE:01:02:03 9105\r\n", "Bind 00:0B:CE:01:02:03 9106\r\n"}},
        AddressCase{"AddServer",
                    &AddressSeparatorTest::AddServerCase,
                    kShownDotted,
                    {"Serv 10.10.10.5:4000 00:0B:CE:01:02:03\r\n"}},
        AddressCase{"ModifyServer",
                    &AddressSeparatorTest::ModifyServerCase,
                    kOnTheWire,
                    {"Serv 10.10.10.5:4000 00:0B:CE:01:02:03\r\n", "DelServ 00:0B:CE:01:02:03\r\n",
                     "Serv 10.10.10.5:4001 00:0B:CE:01:02:03\r\n"}},
        AddressCase{"Station",
                    &AddressSeparatorTest::StationCase,
                    kShownDotted,
                    {"station 00:0B:CE:01:02:03\r\n"}}),
    [](const ::testing::TestParamInfo<AddressCase>& info) { return info.param.name; });

// An address the appliance lists is the same address the operator types, whatever the field
// shows between the pairs.
TEST_F(AddressSeparatorTest, ATypedAddressTheApplianceListsIsADuplicate) {
    replies["Bind\r\n"] = std::string("0||") + kOnTheWire + "|9101\r\n+OK\r\n";
    replies["Serv\r\n"] =
        std::string("0|") + kOnTheWire + "||192.168.0.21:9201\r\n+OK 192.168.0.10:9200\r\n";
    Run([&](CManagerDlg&) {
        TakeSent();
        InServerMode([&](CDialog& server) { AddDevice(server); });
        InClientMode([&](CDialog& client) { AddServer(client); });
    });
    EXPECT_EQ(TakeMessageBoxes(), Lines(2, "Same BDADDR is exist. Try again."));
    EXPECT_EQ(TakeSent(), (Lines{"Port\r\n", "Bind\r\n", "Serv\r\n", "Rept\r\n", "Psist\r\n"}));
}

} // namespace
