#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The program read through a real AT-SPI bus, as a screen reader reads it.

    bus_test.py tree PROGRAM     the accessibility tree, read and pressed with pyatspi
    bus_test.py orca PROGRAM     what the screen reader Orca says while the program is used from the keyboard

Each run starts its own X server, session bus and accessibility bus, so nothing of the desktop is touched. Exit
code 77 (skipped) only when the bus cannot be started here.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

SKIP = 77
MAIN_TITLE = "Dorlasco's astrolabe simulator"


def skip(reason):
    print(f"SKIP: {reason}")
    sys.exit(SKIP)


def fail(reason):
    print(f"FAIL: {reason}")
    sys.exit(1)


def wait_for(what, check, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = check()
        if result:
            return result
        time.sleep(0.1)
    fail(f"waited {seconds} s for {what}")


class Session:
    """An X server, a private session bus and the accessibility bus on it."""

    def __init__(self):
        self.processes = []
        self.work = tempfile.mkdtemp(prefix="astrolabe-bus-")
        for tool in ("Xvfb", "dbus-daemon"):
            if not shutil.which(tool):
                skip(f"{tool} is not installed, no bus can be started")
        launcher = "/usr/libexec/at-spi-bus-launcher"
        if not os.path.exists(launcher):
            skip("at-spi2-core's bus launcher is not installed")
        env = os.environ
        env.pop("QT_QPA_PLATFORM", None)
        env.update(HOME=self.work, XDG_RUNTIME_DIR=self.work,
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   LC_ALL="C.UTF-8", QT_FONT_DPI="96", QT_SCALE_FACTOR="1")
        read, write = os.pipe()
        # Without -noreset the server resets each time its last client leaves, and a client that connects meanwhile
        # is turned away: the bus launcher's and the registry's short visits made the program start with "no
        # display" now and then.
        self.start(["Xvfb", "-displayfd", str(write), "-noreset", "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
                   pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as display:
            number = display.readline().strip()
        if not number:
            skip("the X server did not start")
        env["DISPLAY"] = ":" + number
        bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE)
        address = bus.stdout.readline().decode().strip()
        if not address:
            skip("the session bus did not start")
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.start([launcher, "--launch-immediately"], stdout=subprocess.DEVNULL)
        if not self.a11y_bus_address():
            skip("the accessibility bus did not start")

    def a11y_bus_address(self):
        # Asked before the launcher owns its name, the session bus would start a second launcher of its own.
        for _ in range(100):
            owned = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.freedesktop.DBus",
                                    "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                                    "string:org.a11y.Bus"], capture_output=True, text=True)
            if "true" in owned.stdout:
                break
            time.sleep(0.1)
        else:
            return None
        got = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                              "/org/a11y/bus", "org.a11y.Bus.GetAddress"], capture_output=True, text=True)
        return got.stdout.strip() if got.returncode == 0 else None

    def start(self, command, **options):
        options.setdefault("stderr", subprocess.DEVNULL)
        options.setdefault("stdin", subprocess.DEVNULL)
        process = subprocess.Popen(command, **options)
        self.processes.append(process)
        return process

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(self.work, ignore_errors=True)


def program_log(session):
    return os.path.join(session.work, "program.log")


def start_program(session, program):
    log = open(program_log(session), "w")
    return session.start([program], stdout=log, stderr=subprocess.STDOUT)


def waiting_for(program, session, check):
    """check(), failing at once with the program's own words if the program has ended."""
    def checked():
        if program.poll() is not None:
            with open(program_log(session)) as log:
                fail(f"the program ended with status {program.returncode}: {log.read().strip()}")
        return check()
    return checked


def tree_test(session, program):
    import pyatspi

    running = start_program(session, program)

    def application():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == MAIN_TITLE:
                return app
        return None

    app = wait_for("the program on the bus", waiting_for(running, session, application))
    errors = []

    def check(condition, what):
        if not condition:
            errors.append(what)

    def frame(title):
        return wait_for(f"the window {title}",
                        lambda: next((w for w in app if w is not None and w.name == title), None))

    def find(root, role, name):
        return pyatspi.findDescendant(root, lambda o: o.getRoleName() == role and o.name == name)

    def press(root, name):
        button = find(root, "push button", name)
        check(button is not None, f"a button {name!r}")
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press"))

    def type_into(root, name, text):
        field = find(root, "text", name)
        field.queryEditableText().setTextContents(text)

    def told(window, words):
        def notification():
            note = pyatspi.findDescendant(window, lambda o: o.getRoleName() == "notification")
            return note is not None and note.name == words \
                and note.getState().contains(pyatspi.STATE_SHOWING)
        return wait_for(f"the words {words!r}", notification, 5)

    main = frame(MAIN_TITLE)
    check(main.getRoleName() == "frame", f"the main window is a frame, not {main.getRoleName()}")

    # The controls as a screen reader walks them, depth first, whatever containers the window holds them in.
    def controls(root):
        for child in root:
            if child is None:
                continue
            if child.getRoleName() in ("label", "text", "push button"):
                yield child
            else:
                yield from controls(child)

    # Every caption is in the tree, in the order of the screen: top to bottom, then left to right.
    captions = [c.name for c in controls(main) if c.getRoleName() == "label" and c.name]
    for caption in ("South", "East", "West", "North", "Dorlasco's Astrolabe simulator",
                    "Connect the Position of the Sun, the Position of the Moon, the Phase of the Moon",
                    "Day of the Moon's month: after the new Moon", "solar hour", "Algebric formula used"):
        check(caption in captions, f"the caption {caption!r} in the tree")
    tops = [c.queryComponent().getExtents(pyatspi.WINDOW_COORDS).y for c in controls(main)]
    # A label partly under a field comes just before it, a few pixels lower.
    check(all(b >= a - 20 for a, b in zip(tops, tops[1:])),
          f"the tree in screen order, tops {tops}")

    # The boxes that act on a press are buttons with a press action, not frames.
    for name in ("Reload the plate picture",
                 "Click here to see a 15' PowerPointPresentation in Italian language ( suggested)."):
        box = find(main, "push button", name)
        check(box is not None, f"{name!r} is a push button")
        if box is not None:
            action = box.queryAction()
            check("Press" in [action.getName(i) for i in range(action.nActions)], f"{name!r} can be pressed")

    # A result is told in words after each press, wherever the focus is.
    type_into(main, "Position of the Sun in degrees", "30")
    type_into(main, "Phase of the Moon (integer between 1 and 28 )", "5")
    press(main, "Enter of two of these data and you will have, as result, the third data.")
    told(main, "Moon 325")
    press(main, "Read solar hour")
    told(main, "Solar hour 14")

    press(main, "See geometrical solution in astrolabe")
    view = frame("Form3a")
    check(view.getRoleName() == "frame", "the view is a frame")
    check(view.description.endswith("Nothing drawn yet."), f"the view says nothing is drawn: {view.description!r}")
    for button, words in (("Moon's line", "Drawn: the Moon's line at 325 degrees, green"),
                          ("Sun's line", "Drawn: the Sun's line at 30 degrees, red"),
                          ("Moon's Phase", "Drawn: the ring of the 28 days of the Moon's month")):
        press(view, button)
        told(view, words)
    wait_for("the view's description of all three figures",
             lambda: view.description.endswith("Drawn: the Moon's line at 325 degrees, green; the Sun's line at 30 "
                                               "degrees, red; the ring of the 28 days of the Moon's month."), 5)

    # The guide: each section reached from its contents list, the pictures in words.
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Form3a$", "windowfocus", "--sync", "key", "F1"],
                   check=True, timeout=20)
    guide = frame(f"Guide to {MAIN_TITLE}")
    contents = wait_for("the guide's contents", lambda: find(guide, "list", "Contents"))
    sections = [item.name for item in contents]
    check(len(sections) == 11 and sections[0] == "The three quantities"
          and sections[-1] == "When something goes wrong", f"the guide's sections: {sections}")
    # The guide's text is a read-only text, where a screen reader follows the caret; the pictures' text alternatives
    # are words in it.
    text = pyatspi.findDescendant(guide, lambda o: o.getRoleName() == "text"
                                  and o.getState().contains(pyatspi.STATE_READ_ONLY))
    whole = text.queryText().getText(0, -1) if text else ""
    for words in ("Picture: The main window after solving for the phase.",
                  "Picture: The drawing window with the Moon's line, the Sun's line and the ring."):
        check(words in whole, f"the words {words!r} in the guide")
    # Choosing a section scrolls the text to it, later sections further down, with the cursor on its heading.
    def upright(o):
        box = o.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        return o.getRoleName() == "scroll bar" and box.height > box.width
    scroll = pyatspi.findDescendant(text, upright) if text else None
    check(scroll is not None, "the guide's scroll bar on the bus")
    positions = []
    for section in ("Reading the solar hour", "The three quantities", "Using the keyboard"):
        if scroll is None or section not in sections:
            break
        before = scroll.queryValue().currentValue
        item = contents[sections.index(section)].queryAction()
        names = [item.getName(i) for i in range(item.nActions)]
        item.doAction(names.index("Toggle"))
        positions.append(wait_for(f"the guide scrolled to {section!r}",
                                  lambda: scroll.queryValue().currentValue != before
                                  and scroll.queryValue().currentValue, 5))
        reading = text.queryText()
        line = reading.getTextAtOffset(reading.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)[0].strip()
        check(line == section, f"the cursor on the heading {section!r}, not on {line!r}")
    check(len(positions) == 3 and positions[1] < positions[0] < positions[2],
          f"the guide scrolled to each section in turn, to {positions}")

    if errors:
        fail("\n".join(errors))
    print("PASS: the tree, roles, actions, the words told after each press, the guide's sections and pictures")


# Keys typed with xdotool, and words Orca then says. The focus starts in the Sun field; in the main window Tab goes
# Sun, Moon, phase, formula, solve, Turn, picture square, presentation box, solar hour field, Read solar hour, See
# geometrical solution; in the drawing window, from the field it opens on, Sun, Moon, Moon's line.
ORCA_STEPS = (
    # Nothing typed: the drawing window takes the main window's place and says why; its Close key brings the main
    # window back, the focus in the Sun field again.
    ("Return with no quantity", ["Return"], "No quantity was computed: fewer than two were given."),
    ("Ctrl+W in the drawing window", ["ctrl+w"], MAIN_TITLE),
    ("Return in the Sun field", ["3", "0", "Tab", "Tab", "5", "shift+Tab", "shift+Tab", "Return"], "Moon 325"),
    ("Read solar hour", ["Tab"] * 9 + ["space"], "Solar hour 14"),
    ("See geometrical solution", ["Tab", "space"], "Form3a"),
    ("Moon's line, three Tabs into the drawing window", ["Tab", "Tab", "Tab", "space"],
     "Drawn: the Moon's line at 325 degrees, green"),
    ("Ctrl+plus", ["ctrl+plus"], "Zoom 125%"),
    ("Ctrl+0", ["ctrl+0"], "Zoom 100%"),
    # The guide, read from the keyboard: its first section chosen in the contents, then its text line by line, the
    # next link from there, and where that link leads.
    ("F1 opens the guide", ["F1"], f"Guide to {MAIN_TITLE}"),
    ("Down in the contents", ["Down"], "Reading the plate"),
    ("Return into the text, then Down to the next line", ["Return", "Down"], "The picture in the main window is"),
    ("Tab to the next link", ["Tab"], "above"),
    ("Return on the link", ["Return"], "The drawing window"),
)


def orca_test(session, program):
    orca = shutil.which("orca")
    if not orca:
        fail("Orca is not installed")
    running = start_program(session, program)
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{MAIN_TITLE}$", "windowfocus", "--sync"],
                   check=True, timeout=30)
    # Orca writes its log through a file opened with Python's default buffering: to a plain file, the last
    # utterances wait in the buffer until some 8 KB more follow, so Orca looks silent or hung. A terminal gets each
    # line at once, so the log goes to a pseudo-terminal that a thread reads.
    log, terminal = os.openpty()
    heard = []

    def listen():
        with os.fdopen(log, "rb", buffering=0) as source:
            pending = b""
            while True:
                try:
                    chunk = source.read(65536)
                except OSError:
                    return
                if not chunk:
                    return
                pending += chunk
                *lines, pending = pending.split(b"\n")
                heard.extend(line.decode(errors="replace").split("SPEECH OUTPUT:", 1)[1].strip()
                             for line in lines if b"SPEECH OUTPUT:" in line)
    threading.Thread(target=listen, daemon=True).start()
    # Orca is given the terminal as a descriptor of its own: a terminal closed here could not be opened by name.
    session.start([orca, "--replace", f"--debug-file=/proc/self/fd/{terminal}"], stdout=subprocess.DEVNULL,
                  pass_fds=(terminal,))
    os.close(terminal)

    def said():
        return list(heard)
    # Orca has found the program when it names the window that has the focus.
    wait_for("Orca to speak the main window", waiting_for(running, session,
                                                          lambda: any(MAIN_TITLE in words for words in said())), 30)
    errors = []
    for what, keys, words in ORCA_STEPS:
        start = len(said())
        subprocess.run(["xdotool", "key", "--delay", "60"] + keys, check=True, timeout=30)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and not any(words in line for line in said()[start:]):
            time.sleep(0.1)
        new = said()[start:]
        if not any(words in line for line in new):
            errors.append(f"{what}: Orca did not say {words!r}; it said {new}")
    if errors:
        fail("\n".join(errors))
    print("PASS: Orca says the results, the figures, the zoom and why nothing was computed")


def main():
    tests = {"tree": tree_test, "orca": orca_test}
    if len(sys.argv) != 3 or sys.argv[1] not in tests:
        print(__doc__)
        sys.exit(2)
    session = Session()
    try:
        tests[sys.argv[1]](session, sys.argv[2])
    finally:
        session.close()


if __name__ == "__main__":
    main()
