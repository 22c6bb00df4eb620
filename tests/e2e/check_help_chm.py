#!/usr/bin/env python3
"""Checks the compiled help file with libchm-bin's own tools: it lists and extracts, its default
topic is the Japanese page, the page is Shift_JIS as it declares, covers every subject, and its
shortcut table holds exactly the program's 29 keys, each beside what it does.

Usage: check_help_chm.py FLOCKHAND.CHM
"""
import re
import struct
import subprocess
import sys
import tempfile
from collections import Counter
from pathlib import Path

# Every key of the accelerator table and a word its row must contain.
KEYS = [
    ("Alt+?", "バージョン情報"), ("Alt+/", "バージョン情報"), ("F1", "ショートカットキー"),
    ("F5", "更新"), ("Alt+A", "すべて選択"), ("Alt+B", "点滅"), ("Alt+D", "ディスプレイ"),
    ("Alt+E", "コンパクト"), ("Alt+F", "フィルタリング"), ("Alt+H", "最小化"),
    ("Alt+I", "コマンド入力"), ("Alt+L", "並べる"), ("Alt+M", "メニューバー"),
    ("Alt+R", "選択を反転"), ("Alt+S", "範囲"), ("Alt+T", "半透明"), ("Alt+V", "貼り付け"),
    ("F4", "並び順"), ("Alt+テンキー5", "画面いっぱい"), ("Alt+テンキー4", "左半分"),
    ("Alt+テンキー8", "上半分"), ("Alt+テンキー6", "右半分"), ("Alt+テンキー2", "下半分"),
    ("Alt+Enter", "画面いっぱい"), ("Alt+←", "左半分"), ("Alt+↑", "上半分"),
    ("Alt+→", "右半分"), ("Alt+↓", "下半分"), ("Alt+O", "オプション"),
]
SUBJECTS = ["purpose", "list", "broadcast", "paste", "arrange", "hide", "menubar", "hotkey",
            "compact", "transparency", "options", "keys"]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def system_entries(data):
    """The #SYSTEM file: a version, then (code, length, bytes) records."""
    entries, at = {}, 4
    while at + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, at)
        entries[code] = data[at + 4:at + 4 + length]
        at += 4 + length
    return entries


def main():
    chm = sys.argv[1]
    listing = subprocess.run(["enum_chmLib", chm], capture_output=True, text=True, check=True)
    for name in ("/flockhand.html", "/#SYSTEM"):
        check(re.search(rf"\s{re.escape(name)}$", listing.stdout, re.M), f"{name} not listed")
    with tempfile.TemporaryDirectory() as out:
        subprocess.run(["extract_chmLib", chm, out], capture_output=True, check=True)
        page_bytes = (Path(out) / "flockhand.html").read_bytes()
        system = system_entries((Path(out) / "#SYSTEM").read_bytes())
    check(system.get(2, b"").rstrip(b"\0") == b"flockhand.html", "default topic is not the page")
    check(system.get(4, b"")[:4] == struct.pack("<I", 0x411), "the file's language is not Japanese")
    page = page_bytes.decode("cp932")  # raises if the page is not Shift_JIS
    check(re.search(r'<meta[^>]+charset=Shift_JIS', page, re.I), "no Shift_JIS declaration")
    for subject in SUBJECTS:
        check(f'<h2 id="{subject}">' in page, f"no section {subject}")
    table = re.search(r'<h2 id="keys">.*?<table>(.*?)</table>', page, re.S)
    check(table, "no shortcut table")
    rows = re.findall(r"<tr><td>(.*?)</td><td>(.*?)</td></tr>", table.group(1) if table else "")
    found = Counter()
    for keys, action in rows:
        for key in re.findall(r"<kbd>(.*?)</kbd>", keys):
            found[key] += 1
            word = dict(KEYS).get(key)
            check(word is None or word in action, f"{key} is listed as {action!r}")
    check(found == Counter(key for key, _ in KEYS),
          f"keys in the table {sorted(found.elements())}, expected {[k for k, _ in KEYS]}")
    for failure in failures:
        print(f"FAIL: {failure}")
    print(f"{len(KEYS)} keys, {len(SUBJECTS)} sections checked" if not failures else "")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
