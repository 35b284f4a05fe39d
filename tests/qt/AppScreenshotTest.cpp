// Pictures of the application's own windows as an operator meets them against the simulated
// appliances: the search after a discovery, the login, the main window after the start-up
// queries, the About box and the mode dialogs.
#include <QLabel>
#include <memory>

#include "FakeAppliances.h"
#include "FakeNetwork.h"
#include "QtFixture.h"
#include "ScreenshotHarness.h"
#include "app/AboutDlg.h"
#include "app/ManagerDlg.h"
#include "appliance/ApplianceSettings.h"
#include "modes/AddDeviceDlg.h"
#include "modes/AddServerDlg.h"
#include "modes/ClientModeDlg.h"
#include "modes/ClientSettingDlg.h"
#include "modes/DeviceTable.h"
#include "modes/ModifyDeviceDlg.h"
#include "modes/ModifyServerDlg.h"
#include "modes/RepeaterModeDlg.h"
#include "modes/SerialHubModeDlg.h"
#include "modes/SerialPortDlg.h"
#include "modes/ServerModeDlg.h"
#include "modes/VertexModeDlg.h"
#include "session/LoginDlg.h"
#include "session/ManagerExchange.h"
#include "session/ManagerWindow.h"
#include "settings/LoadSettingsDlg.h"
#include "settings/SettingsProgressDlg.h"
#include "sim/Simulator.h"
#include "ui/ListViewCtrl.h"
#include "ui/testing/Input.h"

namespace {

class AppScreenshotTest : public QtFixture {
protected:
    AppScreenshotTest() : simulator(sim::SimulatorOptions::loopback(3)) {}

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(simulator.start(&error)) << error;
    }

    // Every mode dialog, taken while the main window is logged in.
    void ShootModeDialogs() {
        CServerModeDlg server;
        RenderToPng(backend, server, "CServerModeDlg");
        ASSERT_EQ(server.m_listDevices.GetItemCount(), 2);
        CAddDeviceDlg addDevice(server);
        RenderToPng(backend, addDevice, "CAddDeviceDlg");
        server.m_strSelName = server.m_listDevices.GetItemText(1, kTableNameColumn);
        server.m_strSelPort = server.m_listDevices.GetItemText(1, kTableValueColumn);
        CModifyDeviceDlg modifyDevice(server);
        RenderToPng(backend, modifyDevice, "CModifyDeviceDlg");
        ShootClientModeDialogs();
        CVertexModeDlg vertex;
        RenderToPng(backend, vertex, "CVertexModeDlg");
        EXPECT_EQ(vertex.m_strDevicePort, "9300");
        CRepeaterModeDlg repeater;
        RenderToPng(backend, repeater, "CRepeaterModeDlg");
        EXPECT_EQ(repeater.m_editStation.GetInputChars(), "000BCE010203");
        // The routing table fills at the poll timer's first tick.
        CSerialHubModeDlg serialHub;
        serialHub.Create();
        serialHub.SendMessage(WM_TIMER, CSerialHubModeDlg::kPollTimer);
        EXPECT_EQ(serialHub.Item<CListViewCtrl>(IDC_HUB_ROUTES).GetItemCount(), 1);
        RenderToPng(backend, serialHub, "CSerialHubModeDlg");
        serialHub.DestroyWindow();
        CSerialPortDlg serialPort;
        RenderToPng(backend, serialPort, "CSerialPortDlg");
        EXPECT_EQ(serialPort.m_strFlowControl, "Hardware");
        EXPECT_EQ(serialPort.m_strBaudRate, "115200");
    }

    // The Client Mode dialog with the appliance's server table, and the Add and Modify Server
    // dialogs it opens on that table (Modify on its second row).
    void ShootClientModeDialogs() {
        CClientModeDlg client;
        const std::function<void(CDialog&)> previousHook = backend.ModalShownHook();
        backend.OnModalShown([&](CDialog& shown) {
            switch (shown.Resource().id) {
            case IDD_CLIENT_MODE:
                EXPECT_GE(client.ServerTable().GetItemCount(), 2);
                RenderToPng(backend, shown, "CClientModeDlg");
                ClickButton(shown, IDC_CLIENT_ADD);
                SelectRow(shown, IDC_CLIENT_SERVER_LIST, 1);
                ClickButton(shown, IDC_CLIENT_MODIFY);
                ClickButton(shown, IDC_CLIENT_CANCEL);
                break;
            case IDD_ADD_SERVER:
                ClickButton(shown, IDC_ADD_SERVER_BY_BDADDR);
                TypeText(shown, IDC_ADD_SERVER_BDADDR, "000BCE");
                RenderToPng(backend, shown, "CAddServerDlg");
                shown.EndDialog(IDCANCEL);
                break;
            case IDD_MODIFY_SERVER:
                RenderToPng(backend, shown, "CModifyServerDlg");
                shown.EndDialog(IDCANCEL);
                break;
            default:
                shown.EndDialog(IDCANCEL);
                break;
            }
        });
        client.DoModal();
        backend.OnModalShown(previousHook);
        CClientSettingDlg clientSetting;
        RenderToPng(backend, clientSetting, "CClientSettingDlg");
    }

    // The load window with what the appliance holds against a file from another appliance,
    // and the progress window Save shows.
    void ShootSettingsWindows() {
        CManagerExchange exchange(GetManagerWindow());
        const CReadSettingsResult read = ReadApplianceSettings(exchange);
        ASSERT_TRUE(read.ok()) << read.Message();
        CSettingValues file = read.values;
        auto set = [&](SettingId id, std::vector<std::string> lines) {
            file[static_cast<size_t>(SettingIndex(id))].lines = std::move(lines);
        };
        set(SettingId::DataPort, {"Port 9150"});
        set(SettingId::Registrations, {"Bind Printer A 9101"});
        set(SettingId::RepeatInterval, {"Rept 2500"});
        set(SettingId::BtName, {"BTName Gateway-1"});
        set(SettingId::Security, {"Secu high"});
        set(SettingId::Mode, {"mode client"});
        file[static_cast<size_t>(SettingIndex(SettingId::KeepAlive))] = {};
        CLoadSettingsDlg load(read.values, file, false, {}, {});
        RenderToPng(backend, load, "CLoadSettingsDlg");
        CSettingsProgressDlg progress;
        progress.Create();
        progress.SetText("Registered Bluetooth Devices ...");
        RenderToPng(backend, progress, "CSettingsProgressDlg");
        progress.DestroyWindow();
    }

    sim::Simulator simulator;
};

TEST_F(AppScreenshotTest, SearchLoginMainWindowAndDialogs) {
    CManagerDlg main(CDiscoveryTarget{"127.0.0.1", simulator.discoveryPort(), {}});
    app.SetMainWnd(&main);
    bool mainShown = false;
    backend.OnModalShown([&](CDialog& dialog) {
        switch (dialog.Resource().id) {
        case IDD_SEARCH:
            ClickButton(dialog, IDC_SEARCH);
            EXPECT_EQ(dialog.Item<CListViewCtrl>(IDC_DEVICE_LIST).GetItemCount(), 3);
            SelectRow(dialog, IDC_DEVICE_LIST, 0);
            RenderToPng(backend, dialog, "CSearchDlg");
            ClickButton(dialog, IDC_CONNECT);
            break;
        case IDD_LOGIN:
            TypeText(dialog, IDC_PASSWORD, simulator.state(0).password);
            RenderToPng(backend, dialog, "CLoginDlg");
            ClickButton(dialog, IDC_LOGIN_OK);
            break;
        case IDD_MANAGER_DIALOG: {
            mainShown = true;
            RenderToPng(backend, dialog, "CManagerDlg");
            CAboutDlg about;
            RenderToPng(backend, about, "CAboutDlg");
            ShootModeDialogs();
            ShootSettingsWindows();
            dialog.EndDialog(IDCANCEL);
            break;
        }
        default:
            break;
        }
    });
    main.DoModal();
    app.SetMainWnd(nullptr);
    EXPECT_TRUE(mainShown);
}

// What the operator sees when nothing answers on a machine with a wired port and Wi-Fi (made
// up: the requests land on a loopback port where no appliance answers).
TEST_F(QtFixture, SearchThatNobodyAnswered) {
    CFakeAppliances silent;
    CFakeNetwork network(silent.Target());
    network.view = CNetworkView{{{"enp3s0", 2, true, true, "192.168.10.4", "192.168.10.255"},
                                 {"wlp2s0", 3, true, true, "10.0.0.7", "10.0.0.255"}},
                                "10.0.0.7"};
    CSearchDlg search(network.Target());
    backend.OnModalShown([&](CDialog& dialog) {
        ClickButton(dialog, IDC_SEARCH);
        EXPECT_EQ(dialog.Item<CListViewCtrl>(IDC_DEVICE_LIST).GetEmptyText(),
                  "No appliance answered on enp3s0 192.168.10.4, wlp2s0 10.0.0.7");
        RenderToPng(backend, dialog, "CSearchDlgNoAnswer");
        dialog.EndDialog(IDCANCEL);
    });
    search.DoModal();
}

// With three hundred LANs the hint names what fits, counts the rest and still shows its
// "could not send" line whole.
TEST_F(QtFixture, SearchThatNobodyAnsweredOnManyInterfaces) {
    CFakeAppliances silent;
    CFakeNetwork network(silent.Target());
    for (int i = 0; i < 300; ++i)
        network.view.addresses.push_back({"br" + std::to_string(i), static_cast<unsigned>(100 + i),
                                          true, true, "10.60." + std::to_string(i) + ".1", ""});
    network.view.addresses.push_back({"m1", 7, true, true, "10.50.0.11", "10.50.0.11"});
    network.refusingLimited = {7};
    CSearchDlg search(network.Target());
    backend.OnModalShown([&](CDialog& dialog) {
        ClickButton(dialog, IDC_SEARCH);
        const QString shown =
            QString::fromStdString(dialog.Item<CListViewCtrl>(IDC_DEVICE_LIST).GetEmptyText());
        ASSERT_TRUE(shown.endsWith("more\nCould not send on m1 10.50.0.11"));
        RenderToPng(backend, dialog, "CSearchDlgManyInterfaces");
        int checked = 0;
        for (const QLabel* label : backend.WindowOf(dialog)->findChildren<QLabel*>()) {
            const QRect room = label->contentsRect();
            const int flags = static_cast<int>(label->alignment()) | Qt::TextWordWrap;
            if (label->text() == shown && ++checked) {
                EXPECT_LE(label->fontMetrics().boundingRect(room, flags, shown).height(),
                          room.height());
            }
        }
        EXPECT_EQ(checked, 1);
        dialog.EndDialog(IDCANCEL);
    });
    search.DoModal();
}

} // namespace
