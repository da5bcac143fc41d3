#!/usr/bin/python3
"""Writes src/platform/portable/case_table.inc: the simple upper-case
mapping of every UTF-16 code unit that has one, from the Unicode data of
the Python that runs this, as runs of code units that share one offset
(every unit of a run, or every other one).

    scripts/make_case_table.py > src/platform/portable/case_table.inc
"""
import unicodedata

runs = []  # [first, last, offset, step]
for unit in range(0x10000):
    if 0xD800 <= unit <= 0xDFFF:
        continue
    # The simple mapping: the full one where it keeps the length, else the
    # title case where that does (U+1F80 to U+1F88), else none (U+00DF).
    upper = chr(unit).upper()
    if len(upper) != 1:
        upper = chr(unit).title()
    if len(upper) != 1 or upper == chr(unit) or ord(upper) > 0xFFFF:
        continue
    offset = ord(upper) - unit
    if runs and runs[-1][2] == offset and unit - runs[-1][1] == (runs[-1][3] or unit - runs[-1][1]) \
            and unit - runs[-1][1] in (1, 2):
        runs[-1][3] = unit - runs[-1][1]
        runs[-1][1] = unit
    else:
        runs.append([unit, unit, offset, 0])
print("// Made by scripts/make_case_table.py from Unicode %s; do not edit." % unicodedata.unidata_version)
for first, last, offset, step in runs:
    print("{0x%04X, 0x%04X, %d, %d}," % (first, last, offset, step or 1))
