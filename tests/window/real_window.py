#!/usr/bin/python3
"""Drives the built tesselin in a real X server from outside: the pointer and keyboard through
xdotool, what the window shows read back over the accessibility bus. Run inside dbus-run-session.

usage: real_window.py TESSELIN
"""
import contextlib
import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from xvfb import start_xvfb  # noqa: E402

TIMEOUT = 10.0
# Start-up on a loaded two-core machine, the accessibility bus included, may take longer.
START_TIMEOUT = 30.0


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True,
                          env=os.environ).stdout


def wait_for(what, probe, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(0.05)
    fail("timed out waiting for " + what)


class Window:
    """The running program as the accessibility bus shows it."""

    def __init__(self, process):
        self.process = process
        self.app = wait_for("tesselin on the accessibility bus", self._find_app, START_TIMEOUT)
        self.xid = wait_for("the mapped window", self._find_xid, START_TIMEOUT)

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == self.process.pid and app.childCount:
                    return app
            except Exception:
                pass
        return None

    def _find_xid(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tesselin$"],
                               capture_output=True, text=True)
        ids = found.stdout.split()
        return ids[0] if ids else None

    def find(self, role, name=None, description=None):
        def match(node):
            return (node.getRoleName() == role and (name is None or node.name == name)
                    and (description is None or node.description == description))
        found = pyatspi.findDescendant(self.app, match)
        if found is None:
            fail(f"no {role} named {name!r} described {description!r}")
        return found

    def switch(self, bit):
        power = "⁰¹²³⁴⁵⁶⁷"[bit]
        return self.find("push button", description=f"Bit {bit} – Wertigkeit 2{power} = {1 << bit}")

    def field(self, caption):
        node = self.find("text", name=caption)
        return node.queryText().getText(0, -1)

    def binary(self):
        return "".join(self.switch(bit).name for bit in range(7, -1, -1))

    def click(self, node):
        x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(x + w // 2), str(y + h // 2), "click", "1")

    def expect(self, decimal, hex_text, octal, binary):
        def shows():
            return (self.field("Dezimalwert"), self.field("Hexadezimalwert"),
                    self.field("Oktalwert"), self.binary())
        wanted = (decimal, hex_text, octal, binary)
        deadline = time.monotonic() + TIMEOUT
        while shows() != wanted:
            if time.monotonic() > deadline:
                fail(f"window shows {shows()}, expected {wanted}")
            time.sleep(0.05)


@contextlib.contextmanager
def running(binary, display):
    """The program on display, with its accessibility switched on; killed if still running."""
    env = dict(os.environ, DISPLAY=display, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("QT_QPA_PLATFORM", None)
    env.pop("WAYLAND_DISPLAY", None)
    process = subprocess.Popen([binary], env=env)
    try:
        yield process
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def run_scenario(binary, display):
    with running(binary, display) as process:
        window = Window(process)
        geometry = xdotool("getwindowgeometry", "--shell", window.xid)
        values = dict(line.split("=") for line in geometry.split())
        where = tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        if where != (255, 210, 612, 470):
            fail(f"window at {where}, expected (255, 210, 612, 470)")
        window.expect("0", "0", "0", "00000000")

        window.click(window.switch(7))
        window.expect("128", "80", "200", "10000000")
        window.click(window.switch(0))
        window.expect("129", "81", "201", "10000001")
        window.click(window.find("push button", name="Wert erhöhen"))
        window.expect("130", "82", "202", "10000010")
        down = window.find("push button", name="Wert verringern")
        window.click(down)
        window.click(down)
        window.expect("128", "80", "200", "10000000")
        if window.field("ASCII-Zeichen") != "€":
            fail("character field does not show the euro sign for 128")

        # The keyboard: Tab from the first switch to the second, Space presses it.
        xdotool("windowfocus", "--sync", window.xid)
        window.click(window.switch(0))
        window.expect("129", "81", "201", "10000001")
        xdotool("key", "--clearmodifiers", "Tab", "space")
        window.expect("131", "83", "203", "10000011")
        # Digit keys press the switch of that bit, Up and Down step, wherever the focus is.
        xdotool("key", "--clearmodifiers", "7")
        window.expect("3", "03", "3", "00000011")
        xdotool("key", "--clearmodifiers", "Up", "KP_Add")
        window.expect("5", "05", "5", "00000101")
        if window.find("text", name="ASCII-Zeichen").description != "Zeichen 5: ENQ – Anfrage":
            fail("character field does not explain ENQ")

        window.click(window.find("push button", name="Schließen"))
        code = process.wait(timeout=TIMEOUT)
        if code != 0:
            fail(f"exit code {code} after the close button")


def run_alt_c(binary, display):
    with running(binary, display) as process:
        window = Window(process)
        xdotool("windowfocus", "--sync", window.xid)
        xdotool("key", "--clearmodifiers", "alt+c")
        code = process.wait(timeout=TIMEOUT)
        if code != 0:
            fail(f"exit code {code} after Alt+C")


def main():
    binary = os.path.abspath(sys.argv[1])
    # Bring up the accessibility bus and its registry before the program looks for them.
    pyatspi.Registry.getDesktop(0)
    server, display = start_xvfb()
    os.environ["DISPLAY"] = display
    try:
        run_scenario(binary, display)
        run_alt_c(binary, display)
    finally:
        server.terminate()
        server.wait()
    print("real_window: 2 passed, 0 failed", flush=True)


if __name__ == "__main__":
    main()
