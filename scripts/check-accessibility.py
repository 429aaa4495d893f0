#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Listens to the corvane window the way a screen reader does, over AT-SPI.

Starts a private X server (Xvfb), a private session bus with the AT-SPI
registry and the corvane program, drives the window with xdotool as a user
would (clicks on what AT-SPI says is where, keys to the focus) and checks that
what AT-SPI reports follows what the window shows: every caption and every
answer, the names of the fields, the Tab stops, the announcements of new
answers and the error box. Prints what it heard and ends non-zero on a miss.

    scripts/check-accessibility.py [path/to/corvane]

Needs Xvfb, xdotool, dbus-run-session, at-spi2-core and python3-pyatspi
(Debian's /usr/bin/python3).
"""

import os
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def in_private_session():
    """Re-runs this script inside its own session bus and X server."""
    if os.environ.get("CORVANE_A11Y_SESSION") == "1":
        return
    for tool in ("Xvfb", "xdotool", "dbus-run-session"):
        if not shutil.which(tool):
            sys.exit(f"check-accessibility: {tool} is missing")
    env = dict(os.environ, CORVANE_A11Y_SESSION="1")
    env.pop("DISPLAY", None)
    sys.exit(subprocess.call(["dbus-run-session", "--", sys.executable] + sys.argv, env=env))


def start_x_server():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-dpi", "96",
         "-nolisten", "tcp"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        os.environ["DISPLAY"] = ":" + display.readline().strip()
    return server


in_private_session()
processes = [start_x_server()]
launcher = "/usr/libexec/at-spi-bus-launcher"
processes.append(subprocess.Popen([launcher, "--launch-immediately"],
                                  stderr=subprocess.DEVNULL))
time.sleep(1)

import pyatspi  # noqa: E402  (needs the session bus started above)
from gi.repository import GLib  # noqa: E402

program = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "app", "corvane")
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
processes.append(subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL))

misses = []
heard_events = []


def pump(seconds=0.3):
    """Lets AT-SPI deliver what the program has sent meanwhile."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def on_event(event):
    source = event.source
    try:
        role = source.getRoleName()
        name = source.name
        description = source.description
    except Exception:  # the object went away meanwhile
        return
    heard_events.append((event.type, role, name, description))


pyatspi.Registry.registerEventListener(on_event, "object:property-change:accessible-name",
                                       "object:property-change:accessible-description")


def application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == "corvane" and app.childCount > 0:
                return app
        time.sleep(0.2)
    sys.exit("check-accessibility: corvane never appeared on the AT-SPI bus")


def showing(root):
    """Every showing object under root, depth first, as (role, name, description, obj)."""
    found = []

    def walk(node):
        for index in range(node.childCount):
            child = node.getChildAtIndex(index)
            if child is None:
                continue
            state = child.getState()
            if not state.contains(pyatspi.STATE_SHOWING):
                continue
            found.append((child.getRoleName(), child.name, child.description, child))
            walk(child)

    walk(root)
    return found


def window(app):
    for index in range(app.childCount):
        child = app.getChildAtIndex(index)
        if child.name.startswith("Allan-Bradley / Modicon Corvane"):
            return child
    sys.exit("check-accessibility: the main window is not on the bus")


def find(root, role, name=None, description=None):
    for item_role, item_name, item_description, obj in showing(root):
        if item_role != role:
            continue
        if name is not None and item_name != name:
            continue
        if description is not None and item_description != description:
            continue
        return obj
    raise LookupError(f"no showing {role} named {name!r} described {description!r}")


def centre(obj):
    box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def click(obj, x_offset=0):
    x, y = centre(obj)
    subprocess.run(["xdotool", "mousemove", str(x + x_offset), str(y), "click", "1"], check=True)
    pump()


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(names), check=True)
    pump()


def type_over(obj, text):
    click(obj)
    keys("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
    pump()


def focused(root):
    for role, name, _, obj in showing(root):
        if obj.getState().contains(pyatspi.STATE_FOCUSED):
            return f"{role} {name!r}"
    return "nothing"


def expect(what, heard, wanted):
    mark = "ok  " if heard == wanted else "MISS"
    print(f"  [{mark}] {what}: heard {heard!r}" + ("" if heard == wanted else f", wanted {wanted!r}"))
    if heard != wanted:
        misses.append(what)


def heard_label(root, name):
    try:
        find(root, "label", name)
        return name
    except LookupError:
        return None


def answer(root, caption):
    """The name of the output label that the caption describes."""
    return find(root, "label", description=caption).name


try:
    app = application()
    pump(1)
    main = window(app)

    print("Start-up: every showing object, as a screen reader walks the window")
    expect("main window", main.getRoleName(), "frame")
    for role, name, description, _ in showing(main):
        print(f"  {role:12} {name!r}" + (f"  ({description})" if description else ""))
    for caption in ("Master", "Slave", "PLC Type Commands", "PLC-3  Word Range Read/Write",
                    "PLC-5  Typed Read/Write", "Addressing Format", "NXYY:Z", "NXYZ:Z",
                    "NYXZ:Z", "Modbus Address and Command", "Message Type", "Modbus Command",
                    " Start Coil", "(1-9999)", "Slave Address", "(1-99)",
                    "Data Table Address"):
        expect(f"caption {caption!r}", heard_label(main, caption), caption)

    print("Shift+Tab from the message type box stops only on selected marks")
    click(find(main, "combo box", " Read"), -10)
    stops = []
    for _ in range(3):
        keys("shift+Tab")
        stops.append(focused(main))
    expect("Shift+Tab stops", stops,
           ["radio button 'NXYY:Z'", "radio button 'PLC-5  Typed Read/Write'",
            "radio button 'Master'"])

    print("PLC-5, NXYZ:Z, arrow keys to holding registers, register 1234, slave 5")
    click(find(main, "radio button", "NXYZ:Z"))
    click(find(main, "combo box", " 01 - Read Coil Status  (0X)"), -40)
    keys("Down", "Down")
    expect("command box", find(main, "combo box", " 03 - Read Holding Registers  (4X)").name,
           " 03 - Read Holding Registers  (4X)")
    expect("register caption", heard_label(main, "Start Register"), "Start Register")
    expect("register field", find(main, "text", "Start Register").name, "Start Register")
    expect("slave address hint", heard_label(main, "(1-9)"), "(1-9)")
    type_over(find(main, "text", "Start Register"), "1234")
    type_over(find(main, "text", "Slave Address"), "5")
    click(find(main, "push button", "Translate"))
    expect("answer", answer(main, "Data Table Address"), "N451:234")
    expect("answer announced",
           ("object:property-change:accessible-name", "label", "N451:234") in
           [event[:3] for event in heard_events], True)

    print("Typing ' Write' into the message type box, then Tab, then Translate")
    type_over(find(main, "combo box", " Read"), " Write")
    keys("Tab")
    click(find(main, "push button", "Translate"))
    expect("command box kept", find(main, "combo box", " 03 - Read Holding Registers  (4X)").name,
           " 03 - Read Holding Registers  (4X)")
    expect("answer kept", answer(main, "Data Table Address"), "N451:234")

    print("Typing a listed command, then Enter")
    type_over(find(main, "combo box", " 03 - Read Holding Registers  (4X)"),
              " 01 - Read Coil Status  (0X)")
    keys("Return")
    expect("register caption kept", heard_label(main, "Start Register"), "Start Register")

    print("A refused request: the error box, then the blank answer")
    type_over(find(main, "text", "Slave Address"), "10")
    click(find(main, "push button", "Translate"))
    pump(0.5)
    box = next((app.getChildAtIndex(i) for i in range(app.childCount)
                if app.getChildAtIndex(i).name == "An Error has Occured!"), None)
    expect("error box", box is not None and box.getRoleName(), "alert")
    texts = [name for role, name, _, _ in showing(box) if role == "label"]
    print(f"  the box says: {texts}")
    expect("error text", "Invalid Slave Address\nEnter a value between 1 and 9" in texts, True)
    keys("Return")
    expect("answer blank", answer(main, "Data Table Address"), "Data Table Address")

    print("Slave mode: N7:4/5, 40001, 10")
    click(find(main, "radio button", "Slave"))
    type_over(find(main, "text", "Allan Bradley Starting Data File"), "N7:4/5")
    type_over(find(main, "text", "Modicon Starting Register/Coil"), "40001")
    type_over(find(main, "text", "Number of AB words/bits to be Mapped"), "10")
    click(find(main, "push button", "Translate"))
    for caption, value in (("Modicon Start Register", "40001"), ("Modicon End Register", "40010"),
                           ("File", "7"), ("Word", "4")):
        expect(f"answer {caption!r}", answer(main, caption), value)

    expect("register caption change announced",
           ("object:property-change:accessible-name", "label", "Start Register") in
           [event[:3] for event in heard_events], True)
    expect("register field rename announced",
           ("object:property-change:accessible-name", "text", "Start Register") in
           [event[:3] for event in heard_events], True)

    print("Name and description changes heard over the bus, in order")
    for kind, role, name, description in heard_events:
        print(f"  {kind.split(':')[-1]:24} {role:12} {name!r}" +
              (f"  ({description})" if description else ""))
finally:
    for process in reversed(processes):
        process.terminate()
        process.wait()

if misses:
    print(f"check-accessibility: {len(misses)} miss(es): {', '.join(misses)}")
    sys.exit(1)
print("check-accessibility: a screen reader hears what the window shows")
