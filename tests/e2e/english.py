#!/usr/bin/python3
# Rublet.exe where Windows is not Japanese: the steps of english/*.txt, as
# scenarios.py plays them, with Wine in an English locale, which gives an
# English display language.
#
#     english.py PROGRAM_DIR [SCENARIO...]
import os
import sys

os.environ["LANG"] = os.environ["LC_ALL"] = "C.UTF-8"  # before the scenarios' code reads it
import scenarios  # noqa: E402

sys.exit(scenarios.main(*sys.argv[1:], folder="english"))
