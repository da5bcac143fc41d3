#!/usr/bin/python3
# A folder of 2,000 and of 20,000 empty files (or the counts given) dropped
# on the real Rublet.exe, to the Recycle Bin with the completion message
# on, three rounds each (big_drop_bench.py [--against OTHER_DIR] PROGRAM_DIR
# [COUNT...]; with --against, that folder's Rublet.exe too, in turns). For
# each: the time from the drop to the message, and the longest wait for the
# window's answer meanwhile (answer_bench.exe asks it every 20 ms). Runs
# only in the prefix of scripts/wine-sandbox.
import re
import shutil
import statistics
import subprocess
import sys
import time
from contextlib import closing
from pathlib import Path

from Xlib import display

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
from answer_bench import builds  # noqa: E402
from scenarios import TRASH, WORK, Scenario, says, store, wait, windows_path  # noqa: E402


def box_shown(title):
    # A mapped window of that title: without a window manager, one of the root's children.
    with closing(display.Display()) as x_display:
        return any(w.get_attributes().map_state == 2 and w.get_wm_name() == title
                   for w in x_display.screen().root.query_tree().children)


def measure(tools, count):
    scenario = Scenario(tools, "big-drop")
    big = scenario.folder / "big"
    big.mkdir()
    for n in range(count):
        (big / ("file %d.txt" % n)).touch()
    store({"Option1": "0", "Option2": "0", "Option3": "1"})
    scenario.start_()
    title = says("MessageTitle")
    with open(WORK / "answers", "w+") as answers:
        pinger = subprocess.Popen(["wine", windows_path(tools / "answer_bench.exe"), "12"], stdout=answers,
                                  stderr=subprocess.DEVNULL, cwd=WORK)
        time.sleep(3)
        dropped = time.monotonic()
        scenario.drop_("big")
        wait("the message", lambda: box_shown(title), 60)
        took = time.monotonic() - dropped
        pinger.wait(60)
        answers.seek(0)
        longest = int(re.search(r"longest answer (\d+) ms", answers.read())[1])
    scenario.box_(title, says("ProcessingDone"))
    scenario.trashed_("big")
    scenario.close()
    shutil.rmtree(TRASH)
    return took * 1000, longest


def main(*args):
    tools, counts = builds(args)
    for count in counts or (2000, 20000):
        rounds = {name: [] for name in tools}
        for _ in range(3):
            for name, folder in sorted(tools.items()):
                rounds[name].append(measure(folder, count))
        for name, found in sorted(rounds.items()):
            print("%d files, %s: drop to message %.0f ms, longest answer %.0f ms (medians of 3; rounds %s)" % (
                count, name, statistics.median(t for t, _ in found), statistics.median(a for _, a in found),
                ", ".join("%.0f/%d" % f for f in found)), flush=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
