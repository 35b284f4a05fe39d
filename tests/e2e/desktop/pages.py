"""The main window's tab pages through the bus: every tab by its press action, and a
Bluetooth setting changed, applied and read back."""

import pyatspi

import atspi_steps as steps
from atspi_steps import StepFailed

TABS = ["Operation Mode", "Bluetooth", "Connections", "Neighborhoods", "Repeater",
        "Velmora42 Information"]
# What a page asks the appliance when its tab is chosen, last of all.
LAST_QUERY = {"Operation Mode": "Mode", "Bluetooth": "Stat", "Connections": "List",
              "Neighborhoods": "pinq", "Repeater": "repeater", "Velmora42 Information": "Ver"}


def page(window, tab):
    """The page that shows under `tab`: the tab control holds them in tab order."""
    holder = steps.find(window, "filler", "Tabs")
    pages = [holder.getChildAtIndex(i) for i in range(holder.childCount)]
    pages = [p for p in pages if p is not None and p.getRoleName() == "panel"]
    if len(pages) != len(TABS):
        raise StepFailed("%d pages under the tabs, want %d" % (len(pages), len(TABS)))
    return pages[TABS.index(tab)]


def choose_tab(window, transcript, tab):
    mark = transcript.count()
    item = steps.find(window, "page tab", tab)
    steps.do_action(item, "press")
    shown = page(window, tab)
    steps.wait_for("the \"%s\" page shown" % tab,
                   lambda: steps.has_state(shown, pyatspi.STATE_SHOWING))
    for other in TABS:
        if other != tab and steps.has_state(page(window, other), pyatspi.STATE_SHOWING):
            raise StepFailed("the \"%s\" page still shows under \"%s\"" % (other, tab))
    transcript.wait_for_line(mark, LAST_QUERY[tab])
    return shown


def open_every_tab(window, transcript):
    # The first page shows already; it loads when chosen again after another.
    for tab in TABS[1:] + TABS[:1]:
        choose_tab(window, transcript, tab)


def toggle(check_box):
    before = steps.is_checked(check_box)
    steps.do_action(check_box, "toggle")
    steps.wait_for("\"%s\" toggled" % check_box.name,
                   lambda: steps.is_checked(check_box) != before)
    return not before


def change_bluetooth_setting(window, transcript, appliance):
    """The name (an edit) and Pairable (a check box) applied, then changed on screen only and
    read back by Refresh. The Security combo box is left alone: its entry cannot be
    committed through the bus."""
    bluetooth = choose_tab(window, transcript, "Bluetooth")
    name = steps.find(bluetooth, "text", "Name")
    steps.expect("\"Name\" as loaded", steps.text_of(name), "Velmora42-%d" % appliance)
    pairable = steps.find(bluetooth, "check box", "Pairable")
    steps.set_text(name, "Desk-%d" % appliance)
    pairable_now = toggle(pairable)
    scan = "Scan Inquiry page"  # Connectable and Discoverable stay on
    mark = transcript.count()
    steps.press(bluetooth, "push button", "Apply")
    transcript.wait_for_line(mark, scan)
    sent = transcript.since(mark)
    for line in ("BTName Desk-%d" % appliance, "Pair " + ("on" if pairable_now else "off")):
        if line not in sent:
            raise StepFailed("Apply did not send \"%s\" (sent: %s)" % (line, sent))
    # Shown but not applied: Refresh puts back what the appliance holds.
    steps.set_text(name, "Unsaved")
    toggle(pairable)
    mark = transcript.count()
    steps.press(bluetooth, "push button", "Refresh")
    steps.wait_for("\"Name\" read back by Refresh",
                   lambda: steps.text_of(name) == "Desk-%d" % appliance)
    steps.wait_for("\"Pairable\" read back by Refresh",
                   lambda: steps.is_checked(pairable) == pairable_now)
    transcript.wait_for_line(mark, "Pair")


def drop_a_connection(window, transcript):
    """The appliance's one connection, picked through the Table interface and clicked with
    Space (the keyboard's click, which enables Disconnect), dropped; the list is read again at
    once and shows none."""
    connections = choose_tab(window, transcript, "Connections")
    table = steps.find(connections, "table", "List")
    steps.select_row(table, 0)  # the list takes the focus with the row
    index = steps.cell_text(table, 0, 1)
    steps.wait_for("the focus in the connection list",
                   lambda: steps.has_state(table, pyatspi.STATE_FOCUSED))
    steps.press_key("space")
    mark = transcript.count()
    steps.press(connections, "push button", "Disconnect")
    transcript.wait_for_line(mark, "disc " + index)
    transcript.wait_for_line(mark, "List")
    steps.wait_for("the dropped connection gone", lambda: table.queryTable().nRows == 0)


def watch_neighbours(window, transcript):
    """Start runs the inquiry with what the page read (10 s, 5 s, General); the neighbours the
    appliance finds fill the list on the page's next ticks; Stop ends it."""
    page = choose_tab(window, transcript, "Neighborhoods")
    interval = steps.find(page, "text", "Interval (sec)")
    steps.wait_for("the interval read", lambda: steps.text_of(interval) == "10")
    mark = transcript.count()
    steps.press(page, "push button", "Start")
    transcript.wait_for_line(mark, "pinq on 10 5 0x9E8B33")
    table = steps.find(page, "table", "List")
    steps.wait_for("three neighbours listed", lambda: table.queryTable().nRows == 3)
    steps.expect("the first neighbour's name", steps.cell_text(table, 0, 2), "Phone-1")
    mark = transcript.count()
    steps.press(page, "push button", "Stop")
    transcript.wait_for_line(mark, "pinq off")
