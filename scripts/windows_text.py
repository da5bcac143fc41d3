#!/usr/bin/env python3
"""Writes a text file as Notepad shows it right: UTF-8 with a byte-order
mark and CRLF line ends, @VERSION@ replaced.

    windows_text.py SOURCE TARGET VERSION"""
import sys

source, target, version = sys.argv[1:4]
with open(source, encoding="utf-8") as text:
    content = text.read().replace("@VERSION@", version)
with open(target, "w", encoding="utf-8-sig", newline="\r\n") as out:
    out.write(content)
