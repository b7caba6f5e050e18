#!/usr/bin/python3
"""The program seen by a real assistive-technology client.

Starts the program on a virtual X display with a session D-Bus and the AT-SPI registry, walks
its accessibility tree through pyatspi, opens the elementary equations window with its menu
item's action, finds the angle up-down and its arrows by their names, presses the arrows through
the action interface and reads the result labels and the picture's description; then switches
the program to Italian and does the same with the Italian names.

    atspi_tree_test.py PROGRAM

Exit status 0 when every check passes, 1 when one fails, 77 (skipped) when a tool it needs is
not installed (scripts/setup installs them). It starts Xvfb on a display the server picks
(-displayfd), runs itself again under dbus-run-session there, starts at-spi-bus-launcher
--launch-immediately and then the program with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1; every wait
is bounded and everything it started is stopped at the end.

Lookups go through one helper each. Controls are found by their accessible names; with
NAMES_REQUIRED = True a missing name is a failure (False falls back to role and place).
"""

import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
OUTER_SECONDS = 150   # the whole run, display and buses included
INNER_SECONDS = 110   # the checks, inside the session
CALL_MS = 3000        # one AT-SPI call
NAMES_REQUIRED = True

MAIN_TITLE = "Anglebook"
WINDOW_TITLE = "Base equations"
MENU_TITLES = ["File", "Anglebook", "Equations", "Inequalities", "Windows"]
# The up-down of the angle and its arrows, by the names they will carry.
ANGLE_NAMES = ["angle"]
UP_NAMES = ["Increase"]
DOWN_NAMES = ["Decrease"]
PICTURE_NAMES = ["Picture"]
# The quadratic equations, whose coefficient a starts at 1.00, its up-down and its box.
COEFFICIENT_WINDOW_TITLE = "Quadratic equations"
COEFFICIENT_UP_DOWN = "Change a"
COEFFICIENT_BOX = "Coefficient a"
# The same in Italian, after File > Language > Italian.
ITALIAN_ITEM = " Italian"
ITALIAN_WINDOW_TITLE = "Equazioni elementari"
ITALIAN_NAMES = {"angle": ["angolo"], "up": ["Aumenta"], "picture": ["Figura"]}


class Failure(Exception):
    pass


# ----- outside the session -----------------------------------------------------------------

def virtual_display():
    """Starts Xvfb on a display it picks itself (no race with other X servers starting at the
    same moment); returns the process and the display name. The server does not reset when its
    last client leaves (the bus launcher's short visit would otherwise cut the program off)."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,), start_new_session=True,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 20
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        ready, _, _ = select.select([read_end], [], [], 1)
        if ready:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
    os.close(read_end)
    if not number.strip().isdigit():
        stop(server)
        raise Failure("the virtual display did not start")
    return server, ":" + number.strip().decode()


def outer(program):
    missing = [tool for tool in ("Xvfb", "dbus-run-session") if not shutil.which(tool)]
    if not os.access(LAUNCHER, os.X_OK):
        missing.append(LAUNCHER)
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        missing.append("python3-pyatspi")
    if missing:
        print("skipped: not installed: " + ", ".join(missing))
        return SKIP
    started = []
    try:
        server, display = virtual_display()
        started.append(server)
        command = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), "--inside", program]
        session = subprocess.Popen(command, start_new_session=True, env=dict(os.environ, DISPLAY=display))
        started.append(session)
        return session.wait(timeout=OUTER_SECONDS)
    except subprocess.TimeoutExpired:
        print("FAIL: no result after %d s" % OUTER_SECONDS)
        return 1
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    finally:
        for process in reversed(started):
            stop(process)


# ----- inside the session ------------------------------------------------------------------

def start(command, **options):
    return subprocess.Popen(command, start_new_session=True, **options)


def stop(process):
    """Ends a process this script started, with everything it started in turn."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            return
        try:
            process.wait(timeout=3)
            return
        except subprocess.TimeoutExpired:
            continue


def wait_for(what, look, seconds=20):
    deadline = time.monotonic() + seconds
    while True:
        found = look()
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure("not found within %d s: %s" % (seconds, what))
        time.sleep(0.2)


def children(node):
    try:
        count = node.childCount
    except Exception:
        return []
    result = []
    for i in range(min(count, 200)):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            result.append(child)
    return result


def descendants(node, limit=3000):
    """The nodes under `node` in reading order (depth first), at most `limit` of them."""
    stack, seen = list(reversed(children(node))), 0
    while stack and seen < limit:
        current = stack.pop()
        seen += 1
        yield current
        stack.extend(reversed(children(current)))


def role(node):
    try:
        return node.getRole()
    except Exception:
        return None


def name(node):
    try:
        return node.name or ""
    except Exception:
        return ""


def named(nodes, names):
    for node in nodes:
        if name(node) in names:
            return node
    return None


def by_name_or(what, nodes, names, fallback):
    """The node carrying one of `names`; until names are required, else what `fallback` finds."""
    nodes = list(nodes)
    found = named(nodes, names)
    if found is None and not NAMES_REQUIRED:
        found = fallback(nodes)
    if found is None:
        raise Failure("no %s (names tried: %s)" % (what, ", ".join(names)))
    return found


def press(node, what):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("Press", "press", "click"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise Failure("%s offers no press action (it offers %s)" % (what, names))


# One helper per lookup.

def application(pyatspi, pid):
    for app in children(pyatspi.Registry.getDesktop(0)):
        try:
            if app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def main_frame(pyatspi, app):
    for node in children(app):
        if role(node) == pyatspi.ROLE_FRAME and name(node) == MAIN_TITLE and menu_bar(pyatspi, node):
            return node
    return None


def menu_bar(pyatspi, frame):
    for node in children(frame):
        if role(node) == pyatspi.ROLE_MENU_BAR and node.getState().contains(pyatspi.STATE_SHOWING):
            return node
    return None


def menu_item(pyatspi, frame, title):
    for node in descendants(menu_bar(pyatspi, frame)):
        if role(node) == pyatspi.ROLE_MENU_ITEM and name(node) == title:
            return node
    return None


def child_window(pyatspi, frame, title):
    for node in children(frame):
        if role(node) != pyatspi.ROLE_LAYERED_PANE:
            continue
        for window in children(node):
            if role(window) in (pyatspi.ROLE_FRAME, pyatspi.ROLE_INTERNAL_FRAME) and name(window) == title:
                return window
    return None


def up_down(pyatspi, window, names):
    """The up-down: a focusable control of a tool bar holding exactly two push buttons."""
    def structural(nodes):
        for node in nodes:
            arrows = children(node)
            if (len(arrows) == 2 and all(role(a) == pyatspi.ROLE_PUSH_BUTTON for a in arrows)
                    and node.getState().contains(pyatspi.STATE_FOCUSABLE)):
                return node
        return None
    return by_name_or("up-down", descendants(window), names, structural)


def arrow(up_down_node, names, index):
    return by_name_or("arrow", children(up_down_node), names, lambda nodes: nodes[index] if len(nodes) == 2 else None)


def act(node, wanted, what):
    """Runs the action named `wanted` of the node itself."""
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if wanted not in names:
        raise Failure("%s offers no %s action (it offers %s)" % (what, wanted, names))
    action.doAction(names.index(wanted))


def box_text(pyatspi, window, box_name):
    """The text shown in the box of that name."""
    for node in descendants(window):
        if role(node) == pyatspi.ROLE_TEXT and name(node) == box_name:
            try:
                return node.queryText().getText(0, -1)
            except Exception:
                return None
    return None


def expect_box(pyatspi, window, box_name, text):
    return wait_for("box %r showing %r" % (box_name, text),
                    lambda: box_text(pyatspi, window, box_name) == text, seconds=10)


def result_texts(pyatspi, window):
    """The texts of the window's labels in reading order."""
    try:
        window.clear_cache()
    except Exception:
        pass
    return [name(node) for node in descendants(window) if role(node) == pyatspi.ROLE_LABEL]


def expect_result(pyatspi, window, text):
    return wait_for("result label %r" % text, lambda: text in result_texts(pyatspi, window), seconds=10)


def picture_description(pyatspi, window, names):
    """The description of the window's picture, an image element found by its name."""
    try:
        window.clear_cache()
    except Exception:
        pass
    images = [node for node in descendants(window) if role(node) == pyatspi.ROLE_IMAGE]
    picture = by_name_or("picture", images, names, lambda nodes: nodes[0] if nodes else None)
    try:
        return picture.description or ""
    except Exception:
        return ""


def expect_picture(pyatspi, window, names, words):
    return wait_for("picture description with %r" % words,
                    lambda: words in picture_description(pyatspi, window, names), seconds=10)


def checks(pyatspi, pid):
    app = wait_for("the program on the accessibility bus", lambda: application(pyatspi, pid))
    frame = wait_for("the main window %r with its menus" % MAIN_TITLE, lambda: main_frame(pyatspi, app), seconds=30)
    menus = [name(node) for node in children(menu_bar(pyatspi, frame))]
    for title in MENU_TITLES:
        if title not in menus:
            raise Failure("menu %r missing; the menu bar holds %s" % (title, menus))
    print("main window %r, menus %s" % (MAIN_TITLE, menus))

    press(wait_for("menu item %r" % WINDOW_TITLE, lambda: menu_item(pyatspi, frame, WINDOW_TITLE)), WINDOW_TITLE)
    window = wait_for("window %r" % WINDOW_TITLE, lambda: child_window(pyatspi, frame, WINDOW_TITLE))
    expect_result(pyatspi, window, " x = 25° + k 360°")
    print("window %r opened: %s" % (WINDOW_TITLE, result_texts(pyatspi, window)))

    angle = wait_for("the angle up-down", lambda: up_down(pyatspi, window, ANGLE_NAMES))
    press(arrow(angle, UP_NAMES, 0), "the up arrow")
    expect_result(pyatspi, window, " x = 26° + k 360°")
    expect_picture(pyatspi, window, PICTURE_NAMES, "rays at 26° and 154°; graph of sin x")
    wait_for("the angle up-down's value 26", lambda: angle.queryValue().currentValue == 26, seconds=10)
    press(arrow(angle, DOWN_NAMES, 1), "the down arrow")
    press(arrow(angle, DOWN_NAMES, 1), "the down arrow")
    expect_result(pyatspi, window, " x = 24° + k 360°")
    expect_result(pyatspi, window, " x = 156° + k 360° ")
    expect_picture(pyatspi, window, PICTURE_NAMES, "rays at 24° and 156°")
    print("after up, down, down: %s" % result_texts(pyatspi, window))
    print("picture: %s" % picture_description(pyatspi, window, PICTURE_NAMES))

    # A coefficient changed through its up-down's own action and value solves as a click does.
    press(wait_for("menu item %r" % COEFFICIENT_WINDOW_TITLE,
                   lambda: menu_item(pyatspi, frame, COEFFICIENT_WINDOW_TITLE)), COEFFICIENT_WINDOW_TITLE)
    window = wait_for("window %r" % COEFFICIENT_WINDOW_TITLE, lambda: child_window(pyatspi, frame, COEFFICIENT_WINDOW_TITLE))
    expect_box(pyatspi, window, COEFFICIENT_BOX, "1.00")
    expect_result(pyatspi, window, " sin x2 = 0.50000 ")
    coefficient = wait_for("the up-down %r" % COEFFICIENT_UP_DOWN, lambda: up_down(pyatspi, window, [COEFFICIENT_UP_DOWN]))
    act(coefficient, "Increase", "the up-down %r" % COEFFICIENT_UP_DOWN)
    expect_box(pyatspi, window, COEFFICIENT_BOX, "1.01")
    expect_result(pyatspi, window, " sin x1 = 0.97999 ")
    expect_result(pyatspi, window, " sin x2 = 0.50516 ")
    print("a increased: %s" % result_texts(pyatspi, window))
    coefficient.queryValue().currentValue = 150
    expect_box(pyatspi, window, COEFFICIENT_BOX, "1.50")
    expect_result(pyatspi, window, "\u0394 < 0")
    if " sin x2 = 0.50516 " in result_texts(pyatspi, window):
        raise Failure("the results of a = 1.01 stay after a = 1.50")
    print("a set to 1.50: %s" % result_texts(pyatspi, window))

    # In Italian: the language closes the windows; the reopened one speaks Italian.
    press(wait_for("menu item %r" % ITALIAN_ITEM, lambda: menu_item(pyatspi, frame, ITALIAN_ITEM)), ITALIAN_ITEM)
    item = wait_for("menu item %r" % ITALIAN_WINDOW_TITLE, lambda: menu_item(pyatspi, frame, ITALIAN_WINDOW_TITLE))
    press(item, ITALIAN_WINDOW_TITLE)
    window = wait_for("window %r" % ITALIAN_WINDOW_TITLE, lambda: child_window(pyatspi, frame, ITALIAN_WINDOW_TITLE))
    angle = wait_for("the Italian angle up-down", lambda: up_down(pyatspi, window, ITALIAN_NAMES["angle"]))
    press(arrow(angle, ITALIAN_NAMES["up"], 0), "the Italian up arrow")
    expect_picture(pyatspi, window, ITALIAN_NAMES["picture"], "raggi a 26° e 154°")
    print("in Italian: %s" % picture_description(pyatspi, window, ITALIAN_NAMES["picture"]))


def bus_has_owner(bus_name):
    from gi.repository import Gio, GLib
    reply = Gio.bus_get_sync(Gio.BusType.SESSION, None).call_sync(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
        GLib.Variant("(s)", (bus_name,)), GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, CALL_MS, None)
    return reply.unpack()[0]


def inner(program):
    def out_of_time(signum, frame):
        raise Failure("the checks took more than %d s" % INNER_SECONDS)
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(INNER_SECONDS)

    started = []
    folder = tempfile.mkdtemp()  # the program's current directory and user folders: no settings found
    try:
        started.append(start([LAUNCHER, "--launch-immediately"]))
        wait_for("the accessibility bus", lambda: bus_has_owner("org.a11y.Bus"))
        # The client connects to the accessibility bus when it is loaded.
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        import pyatspi
        Atspi.set_timeout(CALL_MS, 3 * CALL_MS)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                           LC_ALL="C.UTF-8", LANG="C.UTF-8", LANGUAGE="",
                           XDG_CONFIG_HOME=os.path.join(folder, "config"), XDG_DATA_HOME=os.path.join(folder, "data"))
        started.append(start([program], cwd=folder, env=environment))
        checks(pyatspi, started[-1].pid)
        print("PASS")
        return 0
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    finally:
        signal.alarm(0)
        for process in reversed(started):
            stop(process)
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--inside":
        sys.exit(inner(sys.argv[2]))
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(outer(os.path.abspath(sys.argv[1])))
