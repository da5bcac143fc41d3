#!/usr/bin/python3
# The bin beside a large Recycle Bin, for each number of items
# (answer_bench.py PROGRAM_DIR [ITEMS...], 5000 and 50000 by default; with
# --against OTHER_DIR first, that folder's Rublet.exe too, in turns):
# Rublet.exe started on a Recycle Bin of that many items while
# answer_bench.exe asks its window every 20 ms for 40 s; a drop at 4 s,
# another program recycles a file at 12 s, a double-click at 20 s, then a
# hover. Prints the longest answer, the time from the double-click to its
# menu and from the hover to its tooltip; then, after one more change, how
# long until a double-click's status counts it. Runs only in the prefix of
# scripts/wine-sandbox.
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
from scenarios import WORK, Scenario, prepare, run, store, windows_path  # noqa: E402


def measure(tools, items, name):
    scenario = Scenario(tools, "answer-%d" % items)
    scenario.make_("dropped.txt", "recycled.txt")
    scenario.fill_(items)
    store({"Option1": "0", "Option2": "0", "Option3": "0"})
    scenario.start_()
    began = time.monotonic()
    with open(WORK / "answers", "w+") as answers:
        pinger = subprocess.Popen(["wine", windows_path(tools / "answer_bench.exe"), "40"], stdout=answers,
                                  stderr=subprocess.DEVNULL, cwd=WORK)
        at = lambda second: time.sleep(max(0.0, began + second - time.monotonic()))
        at(4)
        scenario.drop_("dropped.txt")
        at(12)
        scenario.recycle_("recycled.txt")
        at(20)
        clicked = time.monotonic()
        status = scenario.status(30)
        menu_s = time.monotonic() - clicked
        scenario.key_("Escape")
        hovered = time.monotonic()
        scenario.tooltip_("*")  # a look may end meanwhile, and the tip says what it found
        tooltip_s = time.monotonic() - hovered - 0.5  # the step's own half-second outside
        pinger.wait(60)
        answers.seek(0)
        pinged = answers.read().strip()
    # Then another change, and double-clicks until the status counts it.
    scenario.make_("late.txt")
    scenario.recycle_("late.txt")
    changed, counted = time.monotonic(), "%d" % (items + 3)
    while not status.startswith(counted) and time.monotonic() < changed + 60:
        # As quick a round as the probe allows: about a third of a second.
        status = scenario.status(60)
        run("xdotool", "key", "Escape", "sleep", "0.1")
    right = "%.1f s" % (time.monotonic() - changed) if status.startswith(counted) else "not within a minute"
    print("%s, %d items: %s; double-click to menu %.0f ms, hover to tooltip %.0f ms; the status counted a change "
          "%s after it" % (name, items, pinged, menu_s * 1000, tooltip_s * 1000, right), flush=True)
    scenario.close()


def builds(args):
    # ([--against OTHER_DIR] PROGRAM_DIR COUNT...): the sandbox's folders of
    # this build's programs and, with --against, of the other's Rublet.exe
    # beside the same tools; and the counts.
    other = args[1] if args[0] == "--against" else None
    source, *counts = args[2:] if other else args
    tools = {"this build": prepare(source)}
    shutil.copy(Path(source) / "answer_bench.exe", tools["this build"])
    if other:
        tools["other"] = shutil.copytree(tools["this build"], tools["this build"].with_name("other-e2e"), dirs_exist_ok=True)
        shutil.copy(Path(other) / "Rublet.exe", tools["other"])
    return tools, list(map(int, counts))


def main(*args):
    tools, items = builds(args)
    for count in items or (5000, 50000):
        for name, folder in sorted(tools.items()):
            measure(folder, count, name)


if __name__ == "__main__":
    main(*sys.argv[1:])
