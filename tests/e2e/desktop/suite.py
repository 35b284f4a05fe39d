"""The desktop suite's driver: runs velmora42-manager and works it through the accessibility
bus (AT-SPI) as a screen reader or a desktop test tool does, finding every control by the
words a person sees on it or beside it, and checks in the simulator's transcript what the
appliance received.

    /usr/bin/python3 suite.py MANAGER TRANSCRIPT APPLIANCE USER PASSWORD

Runs in what tests/e2e/desktop/run makes (X server, session and accessibility buses, the
simulator). Exit status 0 when every step passed, 1 with the failed step named.
"""

import subprocess
import sys

from gi.repository import GLib

import atspi_steps as steps
import modes
import pages
import settings
from atspi_steps import StepFailed

TITLE = "Velmora42 Manager"


def search_and_pick(app, appliance):
    """Searches, then picks the appliance's row through the Table interface."""
    search = steps.wait_for_window(app, TITLE)
    steps.press(search, "push button", "Search")
    table = steps.find(search, "table", "List")
    steps.wait_for("three rows after Search", lambda: table.queryTable().nRows >= 3)
    rows = table.queryTable().nRows
    # The name column tells the appliances apart.
    name = "Velmora42-%d" % appliance
    row = next((r for r in range(rows) if steps.cell_text(table, r, 0) == name), None)
    if row is None:
        raise StepFailed("no row named %s after Search" % name)
    # The rows show while the discovery still runs and the dialog takes no input; a pick
    # counts once the address is in the field.
    address = steps.find(search, "text", "IP Address")

    def picked():
        if not table.queryTable().addRowSelection(row):
            raise StepFailed("Table.addRowSelection(%d) refused" % row)
        return steps.text_of(address) == "127.0.0.%d" % (appliance + 1)

    steps.wait_for("the picked row's address in \"IP Address\"", picked)
    steps.expect("\"Control Port\"", steps.text_of(steps.find(search, "text", "Control Port")),
                 "9097")
    return search


def log_in(app, transcript, search, user, password):
    """Connect; the user name and password set through EditableText; OK."""
    steps.press(search, "push button", "Connect")
    login = steps.wait_for_window(app, "Login")
    user_edit = steps.find(login, "text", "UserID")
    steps.expect("\"UserID\" as the login dialog opens", steps.text_of(user_edit), "admin")
    steps.set_text(user_edit, user)
    steps.set_text(steps.find(login, "password text", "Password"), password)
    mark = transcript.count()
    steps.press(login, "push button", "OK")
    transcript.wait_for_line(mark, "User " + user)
    transcript.wait_for_line(mark, "Pass " + password)


def log_in_wrong_then_right(app, transcript, appliance, user, password):
    search = search_and_pick(app, appliance)
    log_in(app, transcript, search, user, password + "-wrong")
    steps.close_message_box(app, "Check User name and Password.")
    log_in(app, transcript, steps.wait_for_window(app, TITLE), user, password)
    window = steps.wait_for_window(app, "%s : Velmora42-%d" % (TITLE, appliance), prefix=True)
    transcript.wait_for_line(0, "help")
    return window


def main():
    manager, transcript_path, appliance, user, password = sys.argv[1:6]
    appliance = int(appliance)
    transcript = steps.Transcript(transcript_path, appliance)
    log_path = transcript_path + ".manager"
    with open(log_path, "w") as output:
        process = subprocess.Popen([manager], stdout=output, stderr=subprocess.STDOUT)
    step = "start"
    try:
        app = steps.wait_for("velmora42-manager on the accessibility bus",
                             lambda: steps.application(process.pid))
        step = "search and log in"
        window = log_in_wrong_then_right(app, transcript, appliance, user, password)
        step = "every tab"
        pages.open_every_tab(window, transcript)
        step = "Connections and Neighborhoods"
        pages.drop_connections(window, transcript)
        pages.watch_neighbours(window, transcript)
        step = "Bluetooth settings"
        pages.change_bluetooth_setting(window, transcript, appliance)
        step = "save and load settings"
        settings.save_then_load(app, window, transcript, transcript_path + ".settings.txt")
        step = "mode dialogs"
        page = modes.open_every_mode_dialog(app, window, transcript)
        step = "Quit"
        steps.press(page, "push button", "Quit")
        process.wait(timeout=steps.DEADLINE)
    except (StepFailed, GLib.Error, subprocess.TimeoutExpired) as failure:
        print("desktop suite FAILED at step \"%s\": %s" % (step, failure), file=sys.stderr)
        with open(log_path) as log:
            sys.stderr.write(log.read()[-4000:])
        return 1
    finally:
        if process.poll() is None:
            process.terminate()
            process.wait()
    if process.returncode != 0:
        print("desktop suite FAILED: the manager ended with status %d" % process.returncode,
              file=sys.stderr)
        return 1
    print("desktop suite passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
