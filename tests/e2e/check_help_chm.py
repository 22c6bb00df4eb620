#!/usr/bin/env python3
"""check_help_chm.py FLOCKHAND.CHM: libchm-bin's tools list and extract it; its default topic is
the page, Shift_JIS as declared; its shortcut table holds the 29 keys, each beside its action;
every picture the page shows is in it."""
import re
import subprocess
import sys
import tempfile
from collections import Counter
from pathlib import Path

KEYS = {  # each key of the accelerator table and a word of its row
    "Alt+?": "バージョン情報", "Alt+/": "バージョン情報", "F1": "ショートカットキー", "F5": "更新",
    "F4": "並び順", "Alt+A": "すべて選択", "Alt+B": "点滅", "Alt+D": "ディスプレイ", "Alt+E": "コンパクト",
    "Alt+F": "フィルタリング", "Alt+H": "最小化", "Alt+I": "コマンド入力", "Alt+L": "並べる",
    "Alt+M": "メニューバー", "Alt+R": "選択を反転", "Alt+S": "範囲", "Alt+T": "半透明", "Alt+V": "貼り付け",
    "Alt+O": "オプション", "Alt+テンキー5": "画面いっぱい", "Alt+Enter": "画面いっぱい",
    "Alt+テンキー4": "左半分", "Alt+←": "左半分", "Alt+テンキー8": "上半分", "Alt+↑": "上半分",
    "Alt+テンキー6": "右半分", "Alt+→": "右半分", "Alt+テンキー2": "下半分", "Alt+↓": "下半分"}


def main(chm):
    listing = subprocess.run(["enum_chmLib", chm], capture_output=True, text=True, check=True)
    assert re.search(r"\s/flockhand\.html$", listing.stdout, re.M), "the page is not listed"
    with tempfile.TemporaryDirectory() as out:
        subprocess.run(["extract_chmLib", chm, out], capture_output=True, check=True)
        page = (Path(out) / "flockhand.html").read_bytes().decode("cp932")
        system = (Path(out) / "#SYSTEM").read_bytes()
    # #SYSTEM record 2 names the default topic.
    assert b"\x02\x00\x0f\x00flockhand.html\x00" in system, "the page is not the default topic"
    assert re.search(r"<meta[^>]+charset=Shift_JIS", page), "no Shift_JIS declaration"
    table = re.search(r'<h2 id="keys">.*?<table>(.*?)</table>', page, re.S).group(1)
    found = Counter()
    for keys, action in re.findall(r"<tr><td>(.*?)</td><td>(.*?)</td></tr>", table):
        for key in re.findall(r"<kbd>(.*?)</kbd>", keys):
            found[key] += 1
            assert KEYS.get(key, "") in action, f"{key} is listed as {action}"
    assert found == Counter(list(KEYS)), f"keys {sorted(found.elements())}, expected {sorted(KEYS)}"
    shown = re.findall(r'<img\s[^>]*src="([^"]+)"', page)
    assert shown, "the page shows no picture"
    for picture in shown:
        assert re.search(rf"\s/{re.escape(picture)}$", listing.stdout, re.M), f"{picture} is missing"
    print(f"{chm}: the page, its declaration and its {len(KEYS)} keys are right")


if __name__ == "__main__":
    main(sys.argv[1])
