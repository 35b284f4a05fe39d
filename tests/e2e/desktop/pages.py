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
    read back by Refresh. The Security combo box is left alone here; watch_neighbours takes a
    combo's entry through the bus."""
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


def pick_and_disconnect(connections, table, transcript, row):
    """Row `row` picked through the Table interface and clicked with Space (the keyboard's
    click, which keeps it picked), then Disconnect: its connection is dropped and the list
    read again at once. Returns the dropped connection's index."""
    steps.select_row(table, row)  # the list takes the focus with the row
    index = steps.cell_text(table, row, 1)
    steps.wait_for("the focus in the connection list",
                   lambda: steps.has_state(table, pyatspi.STATE_FOCUSED))
    steps.press_key("space")
    mark = transcript.count()
    steps.press(connections, "push button", "Disconnect")
    transcript.wait_for_line(mark, "disc " + index)
    transcript.wait_for_line(mark, "List")
    return index


def drop_connections(window, transcript):
    """The sequence that once dropped a connection nobody picked: the first of two
    connections picked and dropped, then Disconnect again without a pick. The reload that
    follows every drop must not leave Disconnect aimed at the row that moved up: it is off, or
    the chosen connection's row is still listed and shown selected. The other connection is
    then picked and dropped, so that the mode changes later find none."""
    connections = choose_tab(window, transcript, "Connections")
    table = steps.find(connections, "table", "List")
    steps.wait_for("two connections listed", lambda: table.queryTable().nRows == 2)
    first = pick_and_disconnect(connections, table, transcript, 0)
    steps.expect("the connection in the first row", first, "0")
    steps.wait_for("one connection left", lambda: table.queryTable().nRows == 1)
    disconnect = steps.find(connections, "push button", "Disconnect")
    if steps.has_state(disconnect, pyatspi.STATE_ENABLED):
        listed = [r for r in range(table.queryTable().nRows)
                  if steps.cell_text(table, r, 1) == first]
        if not listed or steps.selected_rows(table) != listed:
            mark = transcript.count()
            steps.do_action(disconnect, "press")
            transcript.wait_for_line(mark, "List")
            raise StepFailed("Disconnect stayed on after connection %s was dropped; pressed "
                             "again without a pick it sent %s" % (first, transcript.since(mark)))
    second = pick_and_disconnect(connections, table, transcript, 0)
    steps.expect("the connection left", second, "1")
    steps.wait_for("every connection gone", lambda: table.queryTable().nRows == 0)


def watch_neighbours(window, transcript):
    """The Inquiry Access Code read as a screen reader reads it ("General", as the appliance
    reported it) and changed to "Limited" through the bus; Start runs the inquiry with what
    the page shows (10 s, 5 s, Limited), and the page reads the entry back from the appliance;
    the neighbours it finds fill the list on the page's next ticks; Stop ends it."""
    page = choose_tab(window, transcript, "Neighborhoods")
    interval = steps.find(page, "text", "Interval (sec)")
    steps.wait_for("the interval read", lambda: steps.text_of(interval) == "10")
    code = steps.find(page, "combo box", "Inquiry Access Code")
    steps.expect("\"Inquiry Access Code\" as read", steps.combo_entry(code), "General")
    steps.choose_entry(code, "Limited")
    mark = transcript.count()
    steps.press(page, "push button", "Start")
    transcript.wait_for_line(mark, "pinq on 10 5 0x9E8B00")
    transcript.wait_for_line(mark, "pinq")
    steps.wait_for("the inquiry shown running",
                   lambda: not steps.has_state(code, pyatspi.STATE_ENABLED))
    steps.expect("\"Inquiry Access Code\" read back", steps.combo_entry(code), "Limited")
    table = steps.find(page, "table", "List")
    steps.wait_for("three neighbours listed", lambda: table.queryTable().nRows == 3)
    steps.expect("the first neighbour's name", steps.cell_text(table, 0, 2), "Phone-1")
    mark = transcript.count()
    steps.press(page, "push button", "Stop")
    transcript.wait_for_line(mark, "pinq off")
