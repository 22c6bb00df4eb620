#!/usr/bin/env python3
"""Packs Flockhand's release zip.

Usage: python3 tools/release_zip.py SOURCE EXE VERSION OUTDIR
Writes OUTDIR/flockhand-VERSION-win-x64.zip holding EXE as flockhand.exe, the users' readmes
(SOURCE/docs/release/readme-ja.txt and readme-en.txt), SOURCE's LICENSE and CHANGELOG.md and
SHA256SUMS of those five, and beside it OUTDIR/flockhand-VERSION-win-x64.zip.sha256.
Every entry gets the time of SOURCE_DATE_EPOCH and the same attributes, in a fixed order, so
that the same files always give the same zip.
"""
import hashlib
import os
import sys
import time
import zipfile
from pathlib import Path


def windows_text(path):
    """A readme as Notepad of every Windows version shows it: UTF-8 with a BOM, CRLF."""
    text = path.read_text(encoding="utf-8").replace("\r\n", "\n")
    return b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode("utf-8")


def entry(name, seconds):
    # A zip holds a local date and time from 1980 on, in 2-s steps: the commit's, in UTC.
    info = zipfile.ZipInfo(name, time.gmtime(max(seconds, 315532800))[:6])
    info.create_system = 0  # MS-DOS attributes, not the build machine's Unix mode bits:
    info.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE, as Windows' own zips have it
    info.compress_type = zipfile.ZIP_DEFLATED
    return info  # a name outside ASCII is marked UTF-8 (general purpose flag bit 11)


def main():
    if len(sys.argv) != 5:
        sys.exit("usage: release_zip.py SOURCE EXE VERSION OUTDIR")
    source, exe, out = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[4])
    version = sys.argv[3]
    seconds = int(os.environ["SOURCE_DATE_EPOCH"])
    files = [("flockhand.exe", exe.read_bytes()),
             ("はじめにお読みください.txt", windows_text(source / "docs/release/readme-ja.txt")),
             ("README.txt", windows_text(source / "docs/release/readme-en.txt")),
             ("LICENSE", (source / "LICENSE").read_bytes()),
             ("CHANGELOG.md", (source / "CHANGELOG.md").read_bytes())]
    sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data in files)
    files.append(("SHA256SUMS", sums.encode("utf-8")))
    zip_path = out / f"flockhand-{version}-win-x64.zip"
    out.mkdir(parents=True, exist_ok=True)
    with zipfile.ZipFile(zip_path, "w") as archive:
        for name, data in files:
            archive.writestr(entry(name, seconds), data, compresslevel=9)
    digest = hashlib.sha256(zip_path.read_bytes()).hexdigest()
    Path(f"{zip_path}.sha256").write_text(f"{digest}  {zip_path.name}\n", encoding="utf-8")


if __name__ == "__main__":
    main()
