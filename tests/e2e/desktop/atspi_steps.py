"""What the desktop suite does through the accessibility bus, as a person would: find a
control by the words shown on or beside it, press, toggle, type a text, pick a row; and wait,
with a deadline, for what the program or the appliance does in answer."""

import re
import time

import pyatspi
from gi.repository import GLib

# Seconds any one condition may take; a discovery takes one, a login a fraction of one.
DEADLINE = 20
POLL = 0.05


class StepFailed(Exception):
    pass


def wait_for(what, condition, timeout=DEADLINE):
    """Polls `condition` until it gives something true and returns that. The bus refuses calls
    on objects that went away meanwhile (a page rebuilt, a dialog closed): that counts as
    "not yet"."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            result = condition()
            if result:
                return result
        except (GLib.Error, StepFailed) as error:
            last_error = error
        if time.monotonic() > deadline:
            detail = " (last: %s)" % last_error if last_error else ""
            raise StepFailed("no %s within %d s%s" % (what, timeout, detail))
        time.sleep(POLL)


def words(text):
    """A label as a person reads it: blanks and the colon after a label do not count."""
    return " ".join(text.replace(":", " ").split())


def has_state(accessible, state):
    return accessible.getState().contains(state)


def application(pid):
    """The application of process `pid` once its first window is on the bus."""
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.get_process_id() == pid and app.childCount > 0:
            return app
    return None


def find_all(root, role, name, showing=True, prefix=False):
    """Every descendant of `root` with the role and the words, depth first."""
    wanted = words(name)

    def matches(accessible):
        if accessible.getRoleName() != role:
            return False
        shown = words(accessible.name)
        if not (shown.startswith(wanted) if prefix else shown == wanted):
            return False
        return not showing or has_state(accessible, pyatspi.STATE_SHOWING)

    return [accessible for accessible in descendants(root) if matches(accessible)]


def descendants(root):
    """Depth first; a child that went away while being walked (a dialog closing) is left
    out rather than taken for a tree that ends there."""
    found = []
    for index in range(root.childCount):
        child = root.getChildAtIndex(index)
        if child is not None:
            found.append(child)
            found.extend(descendants(child))
    return found


def find(root, role, name, showing=True, prefix=False):
    """The one control with that role and those words; fails the step otherwise."""
    found = find_all(root, role, name, showing, prefix)
    if len(found) != 1:
        raise StepFailed("%d controls %s \"%s\" in \"%s\", want one" %
                         (len(found), role, name, root.name))
    return found[0]


def find_window(app, role, name, prefix=False):
    """A showing top-level window of the application."""
    for index in range(app.childCount):
        window = app.getChildAtIndex(index)
        if (window is not None and window.getRoleName() == role and
                has_state(window, pyatspi.STATE_SHOWING)):
            shown = words(window.name)
            if shown == words(name) or (prefix and shown.startswith(words(name))):
                return window
    return None


def wait_for_window(app, name, role="dialog", prefix=False):
    return wait_for("window \"%s\"" % name, lambda: find_window(app, role, name, prefix))


def wait_until_closed(app, window_name, role="dialog"):
    wait_for("\"%s\" closed" % window_name, lambda: find_window(app, role, window_name) is None)


def wait_until_gone(window, what):
    """`window` itself closed: gone from the bus or no longer showing. Unlike
    wait_until_closed it does not go by the name, which the next window may bear."""
    def gone():
        try:
            return (not has_state(window, pyatspi.STATE_SHOWING) or
                    has_state(window, pyatspi.STATE_DEFUNCT))
        except GLib.Error:
            return True

    wait_for("%s closed" % what, gone)


def do_action(accessible, action):
    """Runs the named action (AT-SPI names them in lower case: "press", "toggle")."""
    actions = accessible.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index).lower() == action:
            if not actions.doAction(index):
                raise StepFailed("action %s refused by %s \"%s\"" %
                                 (action, accessible.getRoleName(), accessible.name))
            return
    raise StepFailed("%s \"%s\" has no action %s" %
                     (accessible.getRoleName(), accessible.name, action))


def press(root, role, name):
    control = wait_for("%s \"%s\" enabled" % (role, name),
                       lambda: _enabled(find(root, role, name)))
    do_action(control, "press")
    return control


def _enabled(control):
    return control if has_state(control, pyatspi.STATE_ENABLED) else None


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def set_text(accessible, value):
    """Sets the whole text through EditableText, as an on-screen keyboard does."""
    if not accessible.queryEditableText().setTextContents(value):
        raise StepFailed("EditableText refused \"%s\" in \"%s\"" % (value, accessible.name))
    if accessible.getRoleName() == "password text":
        # It shows as many bullets as characters; what it holds the appliance tells.
        shown = lambda: accessible.queryText().characterCount == len(value)
    else:
        shown = lambda: text_of(accessible) == value
    wait_for("\"%s\" in \"%s\"" % (value, accessible.name), shown)


def is_checked(accessible):
    return has_state(accessible, pyatspi.STATE_CHECKED)


def cell_text(table, row, column):
    cell = table.queryTable().getAccessibleAt(row, column)
    return cell.name if cell is not None else None


def select_row(table, row):
    """A row picked through the Table interface, as an assistive technology does."""
    wait_for("row %d in \"%s\"" % (row, table.name), lambda: table.queryTable().nRows > row)

    def picked():
        if not table.queryTable().addRowSelection(row):
            raise StepFailed("Table.addRowSelection(%d) refused by \"%s\"" % (row, table.name))
        return table.queryTable().isRowSelected(row)

    wait_for("row %d selected in \"%s\"" % (row, table.name), picked)


def selected_rows(table):
    rows = table.queryTable().getSelectedRows()
    return sorted(rows) if rows else []


def combo_entry(combo):
    """A drop-down list's current entry as a screen reader reads it: the selected item of its
    list (its Table interface and the item's state) and the combo's text, which must agree."""
    items = combo_list(combo)
    rows = selected_rows(items)
    text = text_of(combo)
    if len(rows) > 1:
        raise StepFailed("%d items selected in \"%s\"" % (len(rows), combo.name))
    if not rows:
        if text:
            raise StepFailed("\"%s\" shows \"%s\" with no item selected" % (combo.name, text))
        return ""
    item = items.getChildAtIndex(rows[0])
    if not has_state(item, pyatspi.STATE_SELECTED):
        raise StepFailed("item \"%s\" of \"%s\" not in the selected state" %
                         (item.name, combo.name))
    if item.name != text:
        raise StepFailed("\"%s\" shows \"%s\", its selected item is \"%s\"" %
                         (combo.name, text, item.name))
    return text


def combo_list(combo):
    for index in range(combo.childCount):
        child = combo.getChildAtIndex(index)
        if child is not None and child.getRoleName() == "list":
            return child
    raise StepFailed("combo box \"%s\" has no list" % combo.name)


def choose_entry(combo, entry):
    """Selects `entry` in the closed list of `combo` through the bus, as a switch or
    on-screen tool does, and waits until the combo reads it."""
    items = combo_list(combo)
    names = [items.getChildAtIndex(i).name for i in range(items.childCount)]
    if entry not in names:
        raise StepFailed("no entry \"%s\" in \"%s\" (%s)" % (entry, combo.name, names))
    if not items.queryTable().addRowSelection(names.index(entry)):
        raise StepFailed("Table.addRowSelection refused by the list of \"%s\"" % combo.name)
    wait_for("\"%s\" in \"%s\"" % (entry, combo.name), lambda: combo_entry(combo) == entry)


def expect(what, actual, wanted):
    if actual != wanted:
        raise StepFailed("%s is \"%s\", want \"%s\"" % (what, actual, wanted))


def close_message_box(app, message):
    """Waits for the message box that says `message` and presses its OK."""
    def box():
        for index in range(app.childCount):
            window = app.getChildAtIndex(index)
            if (window is not None and has_state(window, pyatspi.STATE_SHOWING) and
                    find_all(window, "label", message)):
                return window
        return None

    window = wait_for("message box \"%s\"" % message, box)
    press(window, "push button", "OK")
    wait_for("message box \"%s\" closed" % message, lambda: box() is None)


def press_key(keysym_name):
    """A key press and release, as from the keyboard, to the window with the focus."""
    keysym = {"Escape": 0xFF1B, "Return": 0xFF0D, "Tab": 0xFF09, "space": 0x20}[keysym_name]
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


class Transcript:
    """The lines the simulator's appliances received, "[n] line" each, as they come."""

    _LINE = re.compile(r"^\[(\d+)\] (.*)$")

    def __init__(self, path, appliance):
        self.path = path
        self.appliance = appliance

    def lines(self):
        received = []
        with open(self.path, encoding="latin-1") as file:
            for line in file.read().split("\n"):
                match = self._LINE.match(line)
                if match and int(match.group(1)) == self.appliance:
                    received.append(match.group(2))
        return received

    def count(self):
        return len(self.lines())

    def wait_for_line(self, mark, line):
        """Waits for `line` among the lines received after the first `mark` ones."""
        wait_for("line \"%s\" at the appliance" % line, lambda: line in self.lines()[mark:])

    def since(self, mark):
        return self.lines()[mark:]
