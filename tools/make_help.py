#!/usr/bin/env python3
"""Builds Flockhand's help file from its page and its accelerator table.

Usage: python3 tools/make_help.py PAGE RCFILE OUTDIR [PICTURE...]
PAGE is the UTF-8 source of the help page; the PICTUREs are the files its <img> elements show,
each by its file name, and go into the help file beside it. Every {keys:IDM_NAME} in it becomes the keys that
the ACCELERATORS table of RCFILE binds to IDM_NAME, so the page cannot name a key the program
does not have. The shortcut table (the first table after <h2 id="keys">) must name every
command of the accelerator table exactly once. Writes OUTDIR/flockhand.html (Shift_JIS, as the
page declares), OUTDIR/flockhand.hhp, and compiles OUTDIR/flockhand.chm with chmcmd.
chmcmd stamps the file with the time of day it ran; the stamps are cleared, so that the same
page always gives the same bytes.
"""
import re
import struct
import subprocess
import sys
from pathlib import Path

ARROWS = {"VK_LEFT": "←", "VK_UP": "↑", "VK_RIGHT": "→", "VK_DOWN": "↓"}
NAMED = {"VK_RETURN": "Enter"}
MODIFIERS = [("CONTROL", "Ctrl+"), ("SHIFT", "Shift+"), ("ALT", "Alt+")]

PROJECT = """[OPTIONS]
Compatibility=1.1 or later
Compiled file=flockhand.chm
Default topic=flockhand.html
Display compile progress=No
Language=0x411 Japanese
Title=Flockhand

[FILES]
flockhand.html
"""


def pictures(page, paths):
    """The picture files, which must be exactly those that the page's <img> elements name."""
    shown = set(re.findall(r'<img\s[^>]*src="([^"]+)"', page))
    given = {path.name for path in paths}
    if shown != given:
        fail(f"the page shows {sorted(shown)}, the pictures given are {sorted(given)}")
    return paths


def fail(message):
    sys.exit(f"make_help: {message}")


def key_name(key, flags):
    """The key of one accelerator entry as a user reads it, e.g. Alt+テンキー4."""
    if key.startswith('"'):
        name = key.strip('"')
    elif key in ARROWS:
        name = ARROWS[key]
    elif key in NAMED:
        name = NAMED[key]
    elif re.fullmatch(r"VK_F\d{1,2}", key):
        name = key[3:]
    elif re.fullmatch(r"VK_NUMPAD\d", key):
        name = "テンキー" + key[-1]
    else:
        fail(f"no name for the key {key}; add one to tools/make_help.py")
    return "".join(text for flag, text in MODIFIERS if flag in flags) + name


def accelerators(rc_text):
    """Command name -> key names, in the order of the table."""
    table = re.search(r"\bACCELERATORS\s*\n\s*BEGIN\n(.*?)\n\s*END", rc_text, re.S)
    if not table:
        fail("no ACCELERATORS table in the resource script")
    keys = {}
    for line in table.group(1).splitlines():
        line = line.split("//")[0].strip()
        if not line:
            continue
        fields = [field.strip() for field in re.split(r",(?=(?:[^\"]*\"[^\"]*\")*[^\"]*$)", line)]
        keys.setdefault(fields[1], []).append(key_name(fields[0], fields[2:]))
    return keys


def fill(page, keys):
    section = re.search(r'<h2 id="keys">.*?(<table>.*?</table>)', page, re.S)
    if not section:
        fail('the page has no shortcut table (<h2 id="keys"> ... <table>)')
    in_table = re.findall(r"\{keys:(\w+)\}", section.group(1))
    for command in in_table:
        if in_table.count(command) > 1:
            fail(f"{command} appears more than once in the shortcut table")
    if set(in_table) != set(keys):
        fail("the shortcut table and the accelerator table differ: "
             f"missing {sorted(set(keys) - set(in_table))}, "
             f"unknown {sorted(set(in_table) - set(keys))}")

    def replace(match):
        if match.group(1) not in keys:
            fail(f"the page names {match.group(1)}, which no key starts")
        return "、".join(f"<kbd>{name}</kbd>" for name in keys[match.group(1)])

    return re.sub(r"\{keys:(\w+)\}", replace, page)


def encint(data, at):
    """A CHM directory's variable-length number at data[at:]: (value, where the next field is)."""
    value = 0
    while True:
        value = (value << 7) | (data[at] & 0x7F)
        at += 1
        if data[at - 1] < 0x80:
            return value, at


def system_file(chm):
    """Where the internal file #SYSTEM starts and ends: its entry in the directory's listings."""
    directory = struct.unpack_from("<Q", chm, 0x48)[0]  # the directory's offset
    content = struct.unpack_from("<Q", chm, 0x58)[0]  # section 0's, where #SYSTEM lies
    header, chunk_size = struct.unpack_from("<I4xI", chm, directory + 8)
    first, last = struct.unpack_from("<ii", chm, directory + 0x20)
    for index in range(first, last + 1):
        chunk = directory + header + index * chunk_size
        free = struct.unpack_from("<I", chm, chunk + 4)[0]
        at, end = chunk + 20, chunk + chunk_size - free
        while at < end:
            length, at = encint(chm, at)
            name = chm[at:at + length]
            section, at = encint(chm, at + length)
            offset, at = encint(chm, at)
            length, at = encint(chm, at)
            if name == b"/#SYSTEM" and section == 0:
                return content + offset, content + offset + length
    fail("the compiled help has no #SYSTEM file")


def clear_time_stamps(path):
    """Zeroes the header's time stamp and #SYSTEM's (code 10), each a time of day in ms."""
    chm = bytearray(path.read_bytes())
    if chm[:4] != b"ITSF" or struct.unpack_from("<I", chm, 4)[0] != 3:
        fail("chmcmd wrote no ITSF version 3 file")
    struct.pack_into(">I", chm, 0x10, 0)
    start, end = system_file(chm)
    at = start + 4  # after #SYSTEM's version, its entries: code, length, data
    while at < end:
        code, length = struct.unpack_from("<HH", chm, at)
        if code == 10 and length == 4:
            struct.pack_into("<I", chm, at + 4, 0)
            return path.write_bytes(chm)
        at += 4 + length
    fail("the compiled help's #SYSTEM file has no time stamp (code 10)")


def main():
    if len(sys.argv) < 4:
        fail("usage: make_help.py PAGE RCFILE OUTDIR [PICTURE...]")
    page_path, rc_path, out = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
    page = fill(page_path.read_text(encoding="utf-8"),
                accelerators(rc_path.read_text(encoding="utf-8")))
    out.mkdir(parents=True, exist_ok=True)
    project = PROJECT
    for picture in pictures(page, [Path(arg) for arg in sys.argv[4:]]):
        (out / picture.name).write_bytes(picture.read_bytes())
        project += picture.name + "\n"
    # Windows reads Shift_JIS as code page 932.
    (out / "flockhand.html").write_bytes(page.replace("\n", "\r\n").encode("cp932"))
    (out / "flockhand.hhp").write_bytes(project.replace("\n", "\r\n").encode("ascii"))
    (out / "flockhand.chm").unlink(missing_ok=True)
    # chmcmd greets on every run; its output is shown only when it fails.
    run = subprocess.run(["chmcmd", "--no-html-scan", "flockhand.hhp"], cwd=out,
                         capture_output=True, text=True)
    if run.returncode != 0 or not (out / "flockhand.chm").is_file():
        fail(f"chmcmd failed:\n{run.stdout}{run.stderr}")
    clear_time_stamps(out / "flockhand.chm")


if __name__ == "__main__":
    main()
