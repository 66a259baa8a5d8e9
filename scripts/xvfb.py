"""An X server of our own for tests and benchmarks: Xvfb on a free display, no window manager."""
import os
import subprocess


def start_xvfb(size="1280x1024x24"):
    """Starts Xvfb on the first free display; returns (process, ":N"). Raises RuntimeError."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size, "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        server.wait()
        raise RuntimeError("Xvfb did not start")
    return server, ":" + number
