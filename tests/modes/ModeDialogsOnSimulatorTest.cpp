#include <gtest/gtest.h>

#include "../pages/ApplianceFixtures.h"
#include "modes/ModePage.h"
#include "modes/RepeaterModeDlg.h"
#include "modes/SerialHubModeDlg.h"
#include "modes/SerialPortDlg.h"
#include "modes/VertexModeDlg.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/ListViewCtrl.h"
#include "ui/testing/Input.h"

namespace {

class ModeDialogsOnSimulatorTest : public CSimulatedApplianceTest {
protected:
    void SetUp() override {
        CSimulatedApplianceTest::SetUp();
        setenv("LC_ALL", "C", 1); // the address separator is ":"
        // The appliance refuses a mode change while Bluetooth connections are up.
        simulator.updateState(0, [](sim::ApplianceState& state) { state.connections.clear(); });
    }
    static void ApplyMode(CModePage& page, int radio) {
        ClickButton(page, radio);
        ClickButton(page, IDC_MODE_APPLY);
    }
};

TEST_F(ModeDialogsOnSimulatorTest, EveryModeDialogConfiguresTheSimulatedAppliance) {
    backend.OnNextModal(IDD_SERIAL_PORT, [](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_SERIAL_BAUD_RATE), "115200");
        EXPECT_EQ(d.GetDlgItemText(IDC_SERIAL_FLOW_CONTROL), "Hardware");
        PickComboEntry(d, IDC_SERIAL_BAUD_RATE, 3);
        PickComboEntry(d, IDC_SERIAL_PARITY, 2);
        PickComboEntry(d, IDC_SERIAL_FLOW_CONTROL, 2);
        ClickButton(d, IDOK);
    });
    backend.OnNextModal(IDD_REPEATER_MODE, [](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_REPEATER_STATION), "00:0B:CE:01:02:03");
        TypeText(d, IDC_REPEATER_STATION, "00a1b2c3d4e5");
        ClickButton(d, IDOK);
    });
    backend.OnNextModal(IDD_VERTEX_MODE, [](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_VERTEX_PORT), "9300");
        TypeText(d, IDC_VERTEX_PORT, "940");
        ClickButton(d, IDC_VERTEX_APPLY);
    });
    backend.OnNextModal(IDD_SERIAL_HUB_MODE, [&](CDialog& d) {
        auto& routes = d.Item<CListViewCtrl>(IDC_HUB_ROUTES);
        backend.AdvanceClock(CSerialHubModeDlg::kPollPeriodMs);
        EXPECT_EQ(routes.GetItemCount(), 1);
        ClickButton(d, IDC_HUB_MULTI_DROP);
        ClickButton(d, IDC_HUB_START);
        backend.AdvanceClock(CSerialHubModeDlg::kPollPeriodMs);
        ASSERT_EQ(routes.GetItemCount(), 3);
        EXPECT_EQ(routes.GetItemText(2, 0), "00:0B:CE:00:00:01");
        EXPECT_EQ(routes.GetItemText(2, 1), "00:0B:CE:00:00:04");
        ClickButton(d, IDC_HUB_STOP);
        ClickButton(d, IDOK);
    });
    Run([&](CManagerDlg& dlg) {
        CModePage& page = dlg.m_tabCtrl.ModePage();
        ApplyMode(page, IDC_RS232_MODE);
        EXPECT_EQ(page.m_strMode, "RS232");
        ApplyMode(page, IDC_REPEATER_MODE);
        EXPECT_EQ(page.m_strMode, "Repeater");
        ApplyMode(page, IDC_VERTEX_MODE);
        ClickButton(page, IDC_ADVANCED_CONFIGURATION);
        ApplyMode(page, IDC_SERIAL_HUB_MODE);
        ClickButton(page, IDC_ADVANCED_CONFIGURATION);
        EXPECT_EQ(page.m_strMode, "SerialHub");
    });
    EXPECT_TRUE(backend.MessageBoxes().empty());
    const sim::ApplianceState state = simulator.state(0);
    EXPECT_EQ(state.baudRate, "9600");
    EXPECT_EQ(state.parity, 'E');
    EXPECT_EQ(state.flowControl, "xonoff");
    EXPECT_EQ(state.stationAddress, "00:A1:B2:C3:D4:E5");
    EXPECT_EQ(state.vertexPort, "940");
    EXPECT_EQ(state.routeGeneration, "manual");
    EXPECT_EQ(state.mode, sim::OperationMode::SerialHub);
}

} // namespace
