#include <gtest/gtest.h>

#include "../pages/ApplianceFixtures.h"
#include "modes/AddDeviceDlg.h"
#include "modes/AddServerDlg.h"
#include "modes/ClientModeDlg.h"
#include "modes/ClientSettingDlg.h"
#include "modes/ModePage.h"
#include "modes/ModifyDeviceDlg.h"
#include "modes/ModifyServerDlg.h"
#include "modes/RepeaterModeDlg.h"
#include "modes/SerialHubModeDlg.h"
#include "modes/SerialPortDlg.h"
#include "modes/ServerModeDlg.h"
#include "modes/VertexModeDlg.h"
#include "ui/IpAddressCtrl.h"
#include "ui/testing/Input.h"

// The time-out the Operation Mode page and each mode dialog send their commands with: a reply
// just inside the wait is the command's own, one just after it is a time-out.
namespace {

using Script = CTestBackend::Script;

std::string Timeout(const std::string& what) {
    return what + " is timeout. Check Velmora42 and Try again.";
}

// A dialog that a late reply left open is cancelled.
void EndIfOpen(CDialog& dialog) {
    if (!dialog.IsEnded())
        dialog.EndDialog(IDCANCEL);
}

class ModeTimeoutsTest : public CScriptedApplianceTest {
protected:
    ModeTimeoutsTest() {
        setenv("LC_ALL", "C", 1); // the address separator is ":"
        replies["help\r\n"] = "+OK PORT PRSV KATO BIND RELE MODE VER\r\n";
        replies["Port\r\n"] = "+OK PORT 09100\r\n";
        replies["prsv\r\n"] = "+OK PRSV on\r\n";
        replies["kato\r\n"] = "+OK KATO 45 10 3\r\n";
        replies["Bind\r\n"] = "0||00:0B:CE:01:02:03|9101\r\n1|Sensor||9102\r\n+OK\r\n";
        replies["Serv\r\n"] = "0||00:0B:CE:01:02:03|192.168.0.20:9200\r\n"
                              "1|Printer||192.168.0.21:9201\r\n"
                              "+OK 192.168.0.10:9200\r\n";
        replies["Rept\r\n"] = "+OK REPEAT every 2500 ms\r\n";
        replies["Psist\r\n"] = "+OK PERSIST on\r\n";
        replies["Vertex\r\n"] = "+OK PORT 9300 MAX 7\r\n";
        replies["station\r\n"] = "+OK 00:0B:CE:01:02:03\r\n";
        replies["rs232\r\n"] = "+OK RS232 19200 6M1 none\r\n";
    }

    // Runs `script` on the Server Mode dialog, which it then closes.
    std::function<void(CManagerDlg&)> InServerMode(Script script) {
        return InDialog<CServerModeDlg>(IDD_SERVER_MODE, std::move(script));
    }
    // Runs `script` on the page's Client Mode dialog (the appliance is in Client mode), which
    // it then cancels unless the script ended it.
    std::function<void(CManagerDlg&)> InClientMode(Script script) {
        return [this, script](CManagerDlg& dlg) {
            backend.OnNextModal(IDD_CLIENT_MODE, [script](CDialog& d) {
                script(d);
                EndIfOpen(d);
            });
            ClickButton(dlg.m_tabCtrl.ModePage(), IDC_ADVANCED_CONFIGURATION);
        };
    }
    // Runs `script` on a dialog made for one run, which it then cancels unless the script
    // ended it.
    template <class Dialog>
    std::function<void(CManagerDlg&)> InDialog(int resourceId, Script script) {
        return [this, resourceId, script](CManagerDlg&) {
            RunDialogOnce<Dialog>(backend, resourceId, script);
        };
    }
    // Chooses mode `radio` on the Operation Mode page and applies it.
    static std::function<void(CManagerDlg&)> ApplyMode(int radio) {
        return [radio](CManagerDlg& dlg) {
            CModePage& page = dlg.m_tabCtrl.ModePage();
            ClickButton(page, radio);
            ClickButton(page, IDC_MODE_APPLY);
        };
    }
};

TEST_F(ModeTimeoutsTest, OperationModePage) {
    const auto ok = [](CDialog& d) {
        ClickButton(d, IDOK);
        EndIfOpen(d);
    };
    backend.OnModal(IDD_CLIENT_SETTING, ok);
    backend.OnModal(IDD_REPEATER_MODE, ok);
    backend.OnModal(IDD_SERIAL_PORT, ok);
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(
            dlg, {
                     {"Mode\r\n", 0, [](CManagerDlg& d) { d.m_tabCtrl.ModePage().RefreshPage(); },
                      Timeout("Get Basic Information")},
                     {"mode server\r\n", 3, ApplyMode(IDC_SERVER_MODE), "Timeout"},
                     {"mode client\r\n", 3, ApplyMode(IDC_CLIENT_MODE), "Timeout"},
                     {"mode vertex\r\n", 3, ApplyMode(IDC_VERTEX_MODE), "Timeout"},
                     {"mode repeater\r\n", 20, ApplyMode(IDC_REPEATER_MODE), "Timeout"},
                     {"mode hub\r\n", 3, ApplyMode(IDC_SERIAL_HUB_MODE), "Timeout"},
                     {"mode rs232\r\n", 3, ApplyMode(IDC_RS232_MODE), "Timeout"},
                 });
    });
}

TEST_F(ModeTimeoutsTest, ServerModeDialog) {
    const auto open = InServerMode([](CDialog&) {});
    const auto apply = InServerMode([](CDialog& d) { ClickButton(d, IDC_SERVER_APPLY); });
    const auto release = InServerMode([](CDialog& d) {
        SelectRow(d, IDC_DEVICE_TABLE, 0);
        ClickButton(d, IDC_DEVICE_DELETE);
    });
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(dlg,
                       {
                           {"Port\r\n", 0, open, Timeout("Get Port Number")},
                           {"prsv\r\n", 1, open, Timeout("Get Port Number")},
                           {"kato\r\n", 1, open, "Retrieving TCP KeepAlive setting failed."},
                           {"Bind\r\n", 1, open, Timeout("Get Bind")},
                           {"Port 9100\r\n", 1, apply, Timeout("Set Port Number")},
                           {"prsv on\r\n", 1, apply, "Setting PRSV failed."},
                           {"kato 45 10 3\r\n", 1, apply, "Setting TCP KeepAlive Time failed."},
                           {"Rele 9101\r\n", 0, release, Timeout("Deleting Device")},
                       });
    });
}

TEST_F(ModeTimeoutsTest, AddDeviceDialog) {
    const auto add = InServerMode([this](CDialog& d) {
        backend.OnNextModal(IDD_ADD_DEVICE, [](CDialog& add) {
            ClickButton(add, IDC_ADD_BY_NAME);
            TypeText(add, IDC_ADD_NAME, "Probe");
            TypeText(add, IDC_ADD_PORT, "9103");
            ClickButton(add, IDOK);
            EndIfOpen(add);
        });
        ClickButton(d, IDC_DEVICE_ADD);
    });
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(dlg, {{"Bind Probe 9103\r\n", 0, add, Timeout("Add Device")}});
    });
}

TEST_F(ModeTimeoutsTest, ModifyDeviceDialog) {
    // The new registration is refused, so that the old one is put back.
    replies["Bind Gauge 9102\r\n"] = "-ERR\r\n";
    const auto modify = InServerMode([this](CDialog& d) {
        backend.OnNextModal(IDD_MODIFY_DEVICE, [](CDialog& modify) {
            TypeText(modify, IDC_MODIFY_BDADDR_NAME, "Gauge");
            ClickButton(modify, IDOK);
            EndIfOpen(modify);
        });
        SelectRow(d, IDC_DEVICE_TABLE, 1);
        ClickButton(d, IDC_DEVICE_MODIFY);
    });
    const std::string timeout = Timeout("Device modification");
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(dlg, {
                                {"Rele 9102\r\n", 0, modify, timeout},
                                {"Bind Gauge 9102\r\n", 0, modify, timeout},
                                {"Bind Sensor 9102\r\n", 0, modify, timeout},
                            });
    });
}

TEST_F(ModeTimeoutsTest, ClientModeDialog) {
    replies["Mode\r\n"] = "+OK Client Mode\r\n";
    replies["Rept 2500\r\n"] = "+OK REPEAT every 2500 ms\r\n";
    replies["Psist on\r\n"] = "+OK PERSIST on\r\n";
    const auto open = InClientMode([](CDialog&) {});
    const auto apply = InClientMode([](CDialog& d) { ClickButton(d, IDC_CLIENT_APPLY); });
    const auto remove = InClientMode([](CDialog& d) {
        SelectRow(d, IDC_CLIENT_SERVER_LIST, 0);
        ClickButton(d, IDC_CLIENT_DELETE);
    });
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(
            dlg, {
                     {"Serv\r\n", 1, open, Timeout("Get Server host address")},
                     {"Rept\r\n", 0, open, Timeout("Get Connection interval time")},
                     {"Psist\r\n", 0, open, Timeout("Get re-Connect status")},
                     {"Serv 192.168.0.10:9200\r\n", 0, apply, Timeout("Set Server host address")},
                     {"Rept 2500\r\n", 0, apply, Timeout("Set Connection interval time")},
                     {"Psist on\r\n", 0, apply, Timeout("Set re-Connect status")},
                     {"DelServ 00:0B:CE:01:02:03\r\n", 0, remove, Timeout("Deleting Server")},
                 });
    });
}

TEST_F(ModeTimeoutsTest, ClientSettingDialog) {
    backend.OnModal(IDD_CLIENT_SETTING, [](CDialog& d) {
        ClickButton(d, IDOK);
        EndIfOpen(d);
    });
    const auto apply = ApplyMode(IDC_CLIENT_MODE);
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(
            dlg, {
                     {"Serv\r\n", 1, apply, Timeout("Get Server host address")},
                     {"Serv 192.168.0.10:9200\r\n", 0, apply, Timeout("Set Server host address")},
                 });
    });
}

TEST_F(ModeTimeoutsTest, AddServerDialog) {
    replies["Mode\r\n"] = "+OK Client Mode\r\n";
    const auto add = InClientMode([this](CDialog& d) {
        backend.OnNextModal(IDD_ADD_SERVER, [](CDialog& add) {
            const int fields[] = {192, 168, 0, 30};
            for (int i = 0; i < 4; ++i)
                add.Item<CIpAddressCtrl>(IDC_ADD_SERVER_IP).SetFieldByUser(i, fields[i]);
            TypeText(add, IDC_ADD_SERVER_PORT, "9300");
            ClickButton(add, IDC_ADD_SERVER_BY_NAME);
            TypeText(add, IDC_ADD_SERVER_NAME, "Probe");
            ClickButton(add, IDOK);
            EndIfOpen(add);
        });
        ClickButton(d, IDC_CLIENT_ADD);
    });
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(dlg, {{"Serv 192.168.0.30:9300 Probe\r\n", 0, add, Timeout("Add Server")}});
    });
}

TEST_F(ModeTimeoutsTest, ModifyServerDialog) {
    replies["Mode\r\n"] = "+OK Client Mode\r\n";
    // The new entry is refused, so that the old one is put back.
    replies["Serv 192.168.0.21:9201 Gauge\r\n"] = "-ERR\r\n";
    const auto modify = InClientMode([this](CDialog& d) {
        backend.OnNextModal(IDD_MODIFY_SERVER, [](CDialog& modify) {
            TypeText(modify, IDC_MODIFY_SERVER_NAME, "Gauge");
            ClickButton(modify, IDOK);
            EndIfOpen(modify);
        });
        SelectRow(d, IDC_CLIENT_SERVER_LIST, 1);
        ClickButton(d, IDC_CLIENT_MODIFY);
    });
    const std::string timeout = Timeout("Server modification");
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(dlg, {
                                {"DelServ Printer\r\n", 0, modify, timeout},
                                {"Serv 192.168.0.21:9201 Gauge\r\n", 0, modify, timeout},
                                {"Serv 192.168.0.21:9201 Printer\r\n", 0, modify, timeout},
                            });
    });
}

TEST_F(ModeTimeoutsTest, VertexModeDialog) {
    replies["Vertex 80 7\r\n"] = "+OK PORT 80 MAX 7\r\n";
    const auto open = InDialog<CVertexModeDlg>(IDD_VERTEX_MODE, [](CDialog&) {});
    const auto apply = InDialog<CVertexModeDlg>(IDD_VERTEX_MODE, [](CDialog& d) {
        TypeText(d, IDC_VERTEX_PORT, "80");
        ClickButton(d, IDC_VERTEX_APPLY);
    });
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(dlg, {
                                {"Vertex\r\n", 0, open, Timeout("Get Vertex Mode")},
                                {"Vertex 80 7\r\n", 0, apply, Timeout("Set Vertex Mode")},
                            });
    });
}

TEST_F(ModeTimeoutsTest, RepeaterModeDialog) {
    const auto ok =
        InDialog<CRepeaterModeDlg>(IDD_REPEATER_MODE, [](CDialog& d) { ClickButton(d, IDOK); });
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(dlg, {
                                {"station\r\n", 1, ok, ""},
                                {"station 00:0B:CE:01:02:03\r\n", 1, ok, "Timeout."},
                            });
    });
}

TEST_F(ModeTimeoutsTest, SerialHubModeDialog) {
    const auto start = [](int radio) {
        return [radio](CDialog& d) {
            ClickButton(d, radio);
            ClickButton(d, IDC_HUB_START);
        };
    };
    const auto stop = InDialog<CSerialHubModeDlg>(IDD_SERIAL_HUB_MODE, [](CDialog& d) {
        ClickButton(d, IDC_HUB_START);
        ClickButton(d, IDC_HUB_STOP);
    });
    const auto poll = InDialog<CSerialHubModeDlg>(IDD_SERIAL_HUB_MODE,
                                                  [this](CDialog&) { backend.AdvanceClock(2000); });
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(
            dlg,
            {
                {"route ptp\r\n", 3,
                 InDialog<CSerialHubModeDlg>(IDD_SERIAL_HUB_MODE, start(IDC_HUB_POINT_TO_POINT)),
                 "Failed"},
                {"route multi\r\n", 3,
                 InDialog<CSerialHubModeDlg>(IDD_SERIAL_HUB_MODE, start(IDC_HUB_MULTI_DROP)),
                 "Failed"},
                {"route manual\r\n", 3, stop, ""},
                {"route\r\n", 3, poll, ""},
            });
    });
}

TEST_F(ModeTimeoutsTest, SerialPortDialog) {
    const auto ok =
        InDialog<CSerialPortDlg>(IDD_SERIAL_PORT, [](CDialog& d) { ClickButton(d, IDOK); });
    Run([&](CManagerDlg& dlg) {
        ExpectTimeouts(dlg, {
                                {"rs232\r\n", 1, ok, "Can't get RS232 configuration"},
                                {"rs232 19200 6M1 none\r\n", 1, ok, "Setting RS232 failed."},
                            });
    });
}

} // namespace
