#!/usr/bin/python3
"""`make bench`: start-up of tesselin against the Qt floor under Xvfb without a window manager,
interleaved, then the per-event costs offscreen; prints one Markdown table.

usage: run.py BUILD_DIR [PAIRS]
"""
import os
import platform
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts"))
from xvfb import start_xvfb  # noqa: E402

SETTLE_MS = 500


def key_values(text):
    return {k: float(v) for k, v in (item.split("=") for item in text.split())}


def probe(build, program, display):
    env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    env["DISPLAY"] = display
    result = subprocess.run([os.path.join(build, "bench", "startup_probe"), str(SETTLE_MS), program],
                            env=env, capture_output=True, text=True, check=True)
    return key_values(result.stdout)


def machine():
    model = "unknown CPU"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    return f"{model}, {os.cpu_count()} cores, {platform.system()} {platform.release()}"


def main():
    build = sys.argv[1]
    pairs = int(sys.argv[2]) if len(sys.argv) > 2 else 12
    tesselin = os.path.join(build, "window", "tesselin")
    floor = os.path.join(build, "bench", "qt_floor")

    server, display = start_xvfb()
    try:
        # One discarded run of each warms the page cache and fontconfig's cache.
        probe(build, tesselin, display)
        probe(build, floor, display)
        runs = {tesselin: [], floor: []}
        ratios = []
        for i in range(pairs):
            # Alternate which goes first, so a drift of the machine falls on both alike.
            order = (tesselin, floor) if i % 2 == 0 else (floor, tesselin)
            got = {program: probe(build, program, display) for program in order}
            for program in order:
                runs[program].append(got[program])
            ratios.append(got[tesselin]["startup_us"] / got[floor]["startup_us"])
    finally:
        server.terminate()
        server.wait()

    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    events = key_values(subprocess.run([os.path.join(build, "bench", "bench_events")], env=env,
                                       capture_output=True, text=True, check=True).stdout)

    def median(program, key):
        return statistics.median(run[key] for run in runs[program])

    start_t, start_f = median(tesselin, "startup_us") / 1000, median(floor, "startup_us") / 1000
    ratio = statistics.median(ratios)
    rss_t, rss_f = median(tesselin, "peak_rss_kib") / 1024, median(floor, "peak_rss_kib") / 1024
    growth = events["rss_kib_100000"] - events["rss_kib_1000"]

    def verdict(ok):
        return "met" if ok else "MISSED"

    rows = [
        ("Start-up to first map, tesselin (median)", f"{start_t:.1f} ms", ""),
        ("Start-up to first map, Qt floor (median)", f"{start_f:.1f} ms", ""),
        (f"Start-up ratio, median of {pairs} pairs", f"{ratio:.3f}",
         f"≤ 1.10: {verdict(ratio <= 1.10)}"),
        ("Peak RSS, tesselin (median)", f"{rss_t:.1f} MiB", ""),
        ("Peak RSS, Qt floor (median)", f"{rss_f:.1f} MiB", ""),
        ("Peak RSS difference", f"{rss_t - rss_f:+.1f} MiB",
         f"≤ 3 MiB: {verdict(rss_t - rss_f <= 3)}"),
        ("Switch press, with repaint", f"{events['press_us']:.0f} µs",
         f"{events['press_paints_per_event']:.1f} paint events each"),
        ("Switch press, without repaint", f"{events['press_us_norepaint']:.1f} µs", ""),
        ("Stepper step, with repaint", f"{events['step_us']:.0f} µs", ""),
        ("Stepper step, without repaint", f"{events['step_us_norepaint']:.1f} µs", ""),
        ("RSS after 1,000 events", f"{events['rss_kib_1000']:.0f} KiB", ""),
        ("RSS after 100,000 events", f"{events['rss_kib_100000']:.0f} KiB",
         # A few pages come and go with the allocator; a leak per event would show as megabytes.
         f"growth {growth:+.0f} KiB, ≤ 64 KiB: {verdict(growth <= 64)}"),
    ]
    print(f"Machine: {machine()}; Qt floor: 8 buttons, 4 line edits, no layout.\n")
    print("| Figure | Value | Target |")
    print("|---|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")


main()
