"""Save Settings and Load Settings through the accessibility bus: the shortcuts typed to the
main window, Qt's file dialog filled through EditableText, the load window's check boxes
read and its Load pressed, and in the transcript what the appliance received."""

import re
import subprocess

import pyatspi

import atspi_steps as steps
import pages
from atspi_steps import StepFailed

# The modifier mask of the Ctrl key (X11 ControlMask).
CONTROL_MASK = 1 << 2


def press_shortcut(window, letter):
    """Ctrl and `letter`, as from the keyboard, to `window` once it has the focus."""
    if not steps.has_state(window, pyatspi.STATE_ACTIVE):
        # The virtual X server runs no window manager: once a message box has closed, no
        # window takes the keyboard back, so the X input focus goes to the window the way a
        # click on it would give it.
        subprocess.run(["xdotool", "search", "--name", "^%s$" % re.escape(window.name),
                        "windowfocus", "--sync"], check=True, timeout=steps.DEADLINE)
    steps.wait_for("\"%s\" active" % window.name,
                   lambda: steps.has_state(window, pyatspi.STATE_ACTIVE))
    registry = pyatspi.Registry
    registry.generateKeyboardEvent(CONTROL_MASK, None, pyatspi.KEY_LOCKMODIFIERS)
    try:
        registry.generateKeyboardEvent(ord(letter), None, pyatspi.KEY_SYM)
    finally:
        registry.generateKeyboardEvent(CONTROL_MASK, None, pyatspi.KEY_UNLOCKMODIFIERS)


def choose_file(app, caption, path, button):
    """The file dialog captioned `caption`: the file name typed, then `button`."""
    chooser = steps.wait_for_window(app, caption)
    steps.set_text(steps.find(chooser, "text", "File name"), path)
    steps.press(chooser, "push button", button)
    # The load window that follows the file dialog bears the same caption.
    steps.wait_until_gone(chooser, "file dialog \"%s\"" % caption)


def close_box_starting(app, words):
    """The message box whose text begins with `words`, closed with its OK."""
    def box():
        for index in range(app.childCount):
            window = app.getChildAtIndex(index)
            if (window is not None and steps.has_state(window, pyatspi.STATE_SHOWING) and
                    steps.find_all(window, "label", words, prefix=True)):
                return window
        return None

    steps.press(steps.wait_for("message box \"%s...\"" % words, box), "push button", "OK")
    steps.wait_for("message box \"%s...\" closed" % words, lambda: box() is None)


def save_then_load(app, window, transcript, path):
    """Saves with Ctrl+S, toggles Pairable on the Bluetooth page, and loads the file back
    with Ctrl+O: the load window offers Pairable (checked) and the name (same), and Load
    sends the Pairable the file holds."""
    # The Bluetooth page, where the step before left the main window.
    bluetooth = pages.page(window, "Bluetooth")
    pairable = steps.find(bluetooth, "check box", "Pairable")
    saved = steps.is_checked(pairable)
    mark = transcript.count()
    press_shortcut(window, "s")
    choose_file(app, "Save Settings", path, "Save")
    close_box_starting(app, "The settings of")
    sent = transcript.since(mark)
    for query in ("Port", "Bind", "Serv", "BTName", "Pair", "Mode"):
        if query not in sent:
            raise StepFailed("Save did not send \"%s\" (sent: %s)" % (query, sent))
    with open(path) as file:
        if not file.read().endswith("\n# end\n"):
            raise StepFailed("the saved file does not end with its \"# end\" line")

    pages.toggle(pairable)
    mark = transcript.count()
    steps.press(bluetooth, "push button", "Apply")
    transcript.wait_for_line(mark, "Pair " + ("off" if saved else "on"))

    press_shortcut(window, "o")
    choose_file(app, "Load Settings", path, "Open")
    load = steps.wait_for_window(app, "Load Settings")
    choice = steps.find(load, "check box", "Pairable")
    steps.expect("\"Pairable\" checked", steps.is_checked(choice), True)
    name = steps.find(load, "check box", "Velmora42 Name")
    steps.expect("\"Velmora42 Name\" checked", steps.is_checked(name), False)
    mark = transcript.count()
    steps.press(load, "push button", "Load")
    transcript.wait_for_line(mark, "Pair " + ("on" if saved else "off"))
    steps.wait_for("the load's read-back",
                   lambda: steps.find_all(load, "label", "applied"))
    steps.press(load, "push button", "Close")
    steps.wait_until_closed(app, "Load Settings")
