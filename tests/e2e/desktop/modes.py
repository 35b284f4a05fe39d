"""The Operation Mode page through the bus: every mode chosen by its radio button and
applied, with the dialogs that come on the way, and every mode's Advanced Configuration
dialog opened and closed, with the Add and Modify dialogs of the Server and Client tables."""

import atspi_steps as steps
from pages import choose_tab


def open_and_cancel(app, owner, button, title, cancel="Cancel"):
    steps.press(owner, "push button", button)
    dialog = steps.wait_for_window(app, title)
    steps.press(dialog, "push button", cancel)
    steps.wait_until_closed(app, title)


def table_dialog(app, dialog, table_name, add_title, modify_title):
    """Add and Modify of a mode dialog's table, each opened and cancelled."""
    steps.select_row(steps.find(dialog, "table", table_name), 0)
    open_and_cancel(app, dialog, "Modify", modify_title)
    open_and_cancel(app, dialog, "Add", add_title)


def apply_mode(app, page, transcript, radio, word, shown, pre_dialog=None):
    """Chooses the mode's radio button and applies it, going through the dialog the mode asks
    first, and waits for the page to show it as the current mode."""
    button = steps.find(page, "radio button", radio)
    steps.do_action(button, "press")
    steps.wait_for("\"%s\" checked" % radio, lambda: steps.is_checked(button))
    mark = transcript.count()
    steps.press(page, "push button", "Apply")
    if pre_dialog:
        title, ok = pre_dialog
        dialog = steps.wait_for_window(app, title)
        steps.press(dialog, "push button", ok)
        steps.wait_until_closed(app, title)
    transcript.wait_for_line(mark, "mode " + word)
    steps.wait_for("\"%s\" as the current mode" % shown,
                   lambda: steps.find_all(page, "label", shown))


def advanced(app, page, title):
    steps.press(page, "push button", "Advanced Configuration")
    return steps.wait_for_window(app, title)


def open_every_mode_dialog(app, window, transcript):
    page = choose_tab(window, transcript, "Operation Mode")

    server = advanced(app, page, "Server Mode")
    table_dialog(app, server, "Register Bluetooth Device", "Add Device", "Modify Device")
    # The dialog has no button to close it: Escape, as from the keyboard.
    steps.press_key("Escape")
    steps.wait_until_closed(app, "Server Mode")

    apply_mode(app, page, transcript, "Client Mode", "client", "Client", ("Client Setting", "OK"))
    client = advanced(app, page, "Client Mode")
    table_dialog(app, client, "Server Table", "Add Server", "Modify Server")
    steps.press(client, "push button", "Cancel")
    steps.wait_until_closed(app, "Client Mode")

    apply_mode(app, page, transcript, "Vertex Mode", "vertex", "Vertex")
    open_and_cancel(app, page, "Advanced Configuration", "Vertex Mode")

    apply_mode(app, page, transcript, "Repeater Mode", "repeater", "Repeater",
               ("Repeater Mode", "OK"))
    steps.press(page, "push button", "Advanced Configuration")
    steps.close_message_box(app, "No advanced configuration needed.")

    apply_mode(app, page, transcript, "Serial Hub Mode", "hub", "SerialHub")
    open_and_cancel(app, page, "Advanced Configuration", "Serial Hub Mode", cancel="Done")

    apply_mode(app, page, transcript, "RS232 Mode", "rs232", "RS232", ("Serial Port Setup", "OK"))
    open_and_cancel(app, page, "Advanced Configuration", "Serial Port Setup")

    apply_mode(app, page, transcript, "Server Mode", "server", "Server")
    return page
