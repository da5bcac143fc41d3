#!/usr/bin/python3
"""Rublet.exe where Windows is not Japanese: the steps of english/*.txt
(those of scenarios.py) with Wine in an English locale, which gives an
English display language.

    english.py PROGRAM_DIR"""
import os
import sys
from pathlib import Path

os.environ["LANG"] = os.environ["LC_ALL"] = "C.UTF-8"
import scenarios  # noqa: E402 (its Wine programs inherit the locale)


def main(source):
    source = Path(source).resolve()
    tools = scenarios.prepare(source)
    if tools is None:
        return 77
    paths = sorted((scenarios.HERE / "english").glob("*.txt"))
    failed = [p.stem for p in paths if not scenarios.play(source, tools, p)]
    print("english: %d passed, %d failed %s" % (len(paths) - len(failed), len(failed), " ".join(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
