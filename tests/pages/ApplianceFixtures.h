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

// A command line a page or dialog sends and the time-out it goes out with: a row of the tables
// that check that a reply arriving just inside the wait is taken and one just after it is not.
struct CTimeoutRow {
    std::string line; // as sent, with its "\r\n"
    // 0: one read, whose first byte the engine awaits CCommandEngine::kFirstByteLimitSeconds.
    int seconds = 0;
    // Makes the page or dialog send `line` (it may send others before and after it).
    std::function<void(CManagerDlg&)> send;
    // The message box a late reply brings up; empty when the sender shows none.
    std::string timeoutBox;
};

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
    // Runs every row inside the open main dialog, once with the reply to its line arriving 1 ms
    // before the wait its time-out gives ends and once 1 ms after: in time, the log pane shows
    // the line answered by its reply (in two pieces 1 ms apart, of which a time-out of 0 reads
    // the first only) and `timeoutBox` does not come up; late, the line is logged without its
    // reply and `timeoutBox` comes up. Each run starts from `replies` as they were before the
    // first run. After each run what was posted (a
    // reconnection) is dispatched and the late reply drained by the next command.
    void ExpectTimeouts(CManagerDlg& dlg, const std::vector<CTimeoutRow>& rows);

    CTestBackend backend;
    CManagerApp app{backend};
    CScriptedChannel channel;
    // The appliance's reply to each command line; an empty reply is silence (a time-out).
    // Lines not listed here are answered "+OK\r\n", but for the table commands ("Bind",
    // "Rele", "Serv" with a device, "DelServ"), which change the listings held here for
    // "Bind\r\n" and "Serv\r\n" and are refused for a device or port taken, or an entry
    // missing, as the simulator refuses them.
    std::map<std::string, std::string> replies;
    // The virtual milliseconds (on the channel's clock) after which the reply to a line
    // arrives, counted from the line's sending; lines not listed are answered at once.
    std::map<std::string, int> delaysMs;
    // The device record the search dialog leaves behind, as discovery would fill it.
    std::function<void(CSearchDlg&)> fillRecord;

private:
    std::map<std::string, size_t> m_cuts; // lines whose reply comes in two, cut there
    size_t m_nSentTaken = 0;
    size_t m_nBoxesTaken = 0;
};

// The whole application logged in to the simulator on loopback, connected and logged in by
// the search dialog's script as Connect would do it.
class CSimulatedApplianceTest : public ::testing::Test {
protected:
    CSimulatedApplianceTest() : CSimulatedApplianceTest(sim::SimulatorOptions::loopback()) {}
    explicit CSimulatedApplianceTest(sim::SimulatorOptions options);
    void SetUp() override;

    void Run(const std::function<void(CManagerDlg&)>& whileOpen);
    // The lines the appliance received since the last call (without their line ends).
    std::vector<std::string> TakeTranscript();

    sim::Simulator simulator;
    CTestBackend backend;
    CManagerApp app{backend};
    // The appliance the search dialog connects to and logs in to, each time it runs.
    std::size_t target = 0;
};

// $XDG_DATA_HOME set to a fresh folder (the backups a load writes go there, never into the real
// home), removed with everything in it at the end.
class CTemporaryDataHome {
public:
    CTemporaryDataHome();
    ~CTemporaryDataHome();
    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};

// One modal run of a dialog of class `TDialog` (resource `resourceId`) with `script` acting
// on it; a dialog the script left open is closed.
template <class TDialog>
void RunDialogOnce(CTestBackend& backend, int resourceId, const CTestBackend::Script& script) {
    TDialog dialog;
    backend.OnNextModal(resourceId, [&](CDialog& d) {
        script(d);
        if (!d.IsEnded())
            d.OnClose();
    });
    dialog.DoModal();
}

// Everything the Information page shows from discovery, for appliance `state`.
void FillRecordFrom(const sim::ApplianceState& state, CSearchDlg& search);
