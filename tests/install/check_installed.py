#!/usr/bin/python3
"""Checks an installed tree as a desktop would read it: the .desktop file, the program and icon
it names, and the AppStream metainfo that launches it, all under one id, validated by Debian's
own tools.

usage: check_installed.py ROOT PREFIX APP_ID
"""
import configparser
import os
import struct
import subprocess
import sys

failures = []
checks = 0


def check(ok, message):
    global checks
    checks += 1
    if not ok:
        failures.append(message)
        print("FAIL: " + message, flush=True)
    return ok


def validate(command, path):
    result = subprocess.run([*command, path], capture_output=True, text=True)
    check(result.returncode == 0,
          f"{' '.join(command)} {path}: exit code {result.returncode}\n{result.stdout}{result.stderr}")


def png_header(path):
    """(width, height, colour type, palette entries) of a PNG file."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    pos, width, height, colour_type, palette = 8, 0, 0, None, 0
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, _, colour_type = struct.unpack(">IIBB", body[:10])
        elif kind == b"PLTE":
            palette = length // 3
        pos += 12 + length
    return width, height, colour_type, palette


def main():
    root, prefix, app_id = sys.argv[1:4]
    share = os.path.join(root, prefix.lstrip("/"), "share")

    desktop = os.path.join(share, "applications", app_id + ".desktop")
    if not check(os.path.isfile(desktop), f"no desktop file at {desktop}"):
        return
    validate(["desktop-file-validate"], desktop)
    parser = configparser.RawConfigParser(strict=True)
    parser.optionxform = str
    parser.read(desktop, encoding="utf-8")
    entry = parser["Desktop Entry"]
    check(entry.get("Name") == "Tesselin", f"Name is {entry.get('Name')!r}")
    for key in ("Comment", "GenericName"):
        check(bool(entry.get(key)), f"no {key}")
    categories = entry.get("Categories", "").split(";")
    check("Education" in categories and "Development" in categories,
          f"Categories are {entry.get('Categories')!r}")

    # Exec names a bare program, which the menu finds in the prefix's bin on PATH.
    program = entry.get("Exec", "").split()[0]
    binary = os.path.join(root, prefix.lstrip("/"), "bin", program)
    check(os.path.isfile(binary) and os.access(binary, os.X_OK),
          f"Exec names {program!r}, but {binary} is no executable")

    icon = entry.get("Icon")
    check(icon == app_id, f"Icon is {icon!r}, not the id {app_id!r}")
    small = os.path.join(share, "icons", "hicolor", "32x32", "apps", f"{icon}.png")
    if check(os.path.isfile(small), f"no 32-pixel icon at {small}"):
        width, height, colour_type, palette = png_header(small)
        check((width, height) == (32, 32), f"{small} is {width}x{height}")
        check(colour_type == 3 and 0 < palette <= 16,
              f"{small} is not a palette PNG of at most 16 colours "
              f"(colour type {colour_type}, {palette} entries)")
    hicolor = os.path.join(share, "icons", "hicolor")
    larger = [size for size in os.listdir(hicolor) if size != "32x32"
              and any(os.path.isfile(os.path.join(hicolor, size, "apps", icon + ext))
                      for ext in (".png", ".svg"))]
    check(bool(larger), "no larger or scalable icon besides the 32-pixel one")

    metainfo = os.path.join(share, "metainfo", app_id + ".metainfo.xml")
    if check(os.path.isfile(metainfo), f"no metainfo at {metainfo}"):
        validate(["appstreamcli", "validate", "--no-net"], metainfo)
        with open(metainfo, encoding="utf-8") as f:
            text = f.read()
        check(f"<id>{app_id}</id>" in text, f"metainfo id is not {app_id}")
        check(f'<launchable type="desktop-id">{app_id}.desktop</launchable>' in text,
              "metainfo does not launch the installed desktop file")


main()
if failures:
    print(f"check_installed: {checks - len(failures)} passed, {len(failures)} failed")
    sys.exit(1)
print(f"check_installed: {checks} passed, 0 failed")
