#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/ManagerApp.h"
#include "app/ManagerDlg.h"
#include "protocol/testing/ScriptedChannel.h"
#include "sim/Simulator.h"
#include "ui/testing/TestBackend.h"

// The whole application on the scripted backend, logged in to a scripted appliance: the
// search dialog attaches `channel` to the main window and ends with OK, the main window
// starts up as it does after a login, and the test acts on it inside its modal run.
class CScriptedApplianceTest : public ::testing::Test {
protected:
    CScriptedApplianceTest();

    // Runs the application; `whileOpen` acts on the open main dialog, which is closed after.
    void Run(const std::function<void(CManagerDlg&)>& whileOpen);
    // The lines sent since the last call (the first call: since the start).
    std::vector<std::string> TakeSent();
    // The texts of the message boxes since the last call.
    std::vector<std::string> TakeMessageBoxes();
    // How often the search dialog has run so far.
    int SearchRuns() const;

    CTestBackend backend;
    CManagerApp app{backend};
    CScriptedChannel channel;
    // The appliance's reply to each command line; an empty reply is silence (a time-out).
    // Lines not listed here are answered "+OK\r\n".
    std::map<std::string, std::string> replies;
    // The device record the search dialog leaves behind, as discovery would fill it.
    std::function<void(CSearchDlg&)> fillRecord;

private:
    size_t m_nSentTaken = 0;
    size_t m_nBoxesTaken = 0;
};

// The whole application logged in to the simulator on loopback, connected and logged in by
// the search dialog's script as Connect would do it.
class CSimulatedApplianceTest : public ::testing::Test {
protected:
    CSimulatedApplianceTest();
    void SetUp() override;

    void Run(const std::function<void(CManagerDlg&)>& whileOpen);
    // The lines the appliance received since the last call (without their line ends).
    std::vector<std::string> TakeTranscript();

    sim::Simulator simulator;
    CTestBackend backend;
    CManagerApp app{backend};
};

// Everything the Information page shows from discovery, for appliance `state`.
void FillRecordFrom(const sim::ApplianceState& state, CSearchDlg& search);
