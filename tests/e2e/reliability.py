#!/usr/bin/python3
# The real Rublet.exe under long and hostile use, bounded in count and time:
# random drops that must remove exactly what was dropped, bad pictures that
# must bring a message and a bin (never a crash or a hang), and handles and
# memory that must stay where they were.
#
#     reliability.py PROGRAM_DIR [PART...]
#
# The parts are the functions below whose names end in an underscore.
import collections
import itertools
import os
import random
import re
import shutil
import subprocess
import sys
import time
from contextlib import closing

import scenarios
from scenarios import (BOX, MAIN_WINDOW, TRASH, Failure, Scenario, Unsupported, expect, is_32bit, listing, make,
                       prepare, says, skip, store, wait, windows_path)

SEED = 20261207


# Names that trip up careless programs, one item or (apart by |) several;
# {0} is the item's number, NAME@TARGET a link. A path of some 240
# characters, whose folder is dropped whole; "????.txt" (what an ANSI
# conversion makes) beside "abcd.txt". Then hazards, each beside the item
# it could be taken for: names Windows trims or reads as a pattern or a
# separator, and links to a file, to a folder above, to nothing, and inside
# a folder pointing back up the tree; case twins of a folder holding a link
# and of a link; a byte Wine cannot decode beside its look-alike U+FFFD;
# and a name the shell's path joining reads as a step up.
NAMES = ["ごみ箱 {0}.txt", "😀 emoji {0}.doc", "two  spaces {0}.txt", ".dot {0}", "-dash {0}.txt", "100% {0};semi.txt",
         "%41 {0}.txt", "ro {0}.txt", "folder {0}/", "folder {0}/inner {0}.txt",
         "long {0}/%s/%s/長い {0}.txt" % ("l" * 100, "m" * 100), "ansi {0}/ごみ箱だ.txt|ansi {0}/abcd.txt"]
HAZARDS = ["trim {0}/same.|trim {0}/same|trim {0}/sp |trim {0}/sp", "pattern {0}/c?.log|pattern {0}/c1.log|pattern {0}/*",
           "slash {0}/a\\b|slash {0}/a/b", "links {0}/t.txt|links {0}/to-file@t.txt|links {0}/up@..|links {0}/none@gone",
           "loop {0}/inner/f.txt|loop {0}/inner/back@../..",
           "case {0}/Dir/up@../..|case {0}/dir|case {0}/t.txt|case {0}/Lnk@t.txt|case {0}/lnk",
           "bytes {0}/bad\udcff.txt|bytes {0}/bad\ufffd.txt|bytes {0}/in/sjis\udc82\udca0.txt",
           "dots {0}/in/..q|dots {0}/..r|dots {0}/in/f.txt"]


def grow(root, rng, n):
    # Item N below `root`: one of the names, or a path whose first 127
    # characters are another file's (a cut path would hit it); one in five a
    # hazard.
    cut = "cut %d/%s.txt" % (n, "c" * 120)
    names = HAZARDS if rng.random() < 0.2 else [*NAMES, cut + "|" + cut[:127 - len(windows_path(root)) - 1]]
    for name in rng.choice(names).format(n).split("|"):
        name, _, target = name.partition("@")
        make(root / name, None if target or name.endswith("/") else os.fsencode(name) * rng.randint(1, 50), target)
        if "/ro " in "/" + name:
            (root / name).chmod(0o444)


def seen(name):
    # The name as Wine shows it: each byte it cannot decode as U+FFFD.
    return re.sub("[\udc80-\udcff]", "\ufffd", name)


def plain(name):
    return not name.endswith((".", " ")) and not name.startswith("..") and not any(c in '\\/:*?"<>|\ufffd' or ord(c) < 32 for c in seen(name))


def refused(root, dropped, deleting):
    # Whether Rublet must refuse the item: a name that is not plain, or that
    # Windows would read as a sibling's (a case twin too), on its way; a
    # link; when deleting for good, which walks folders, a folder holding
    # either or a mount point (Wine's trash moves a folder whole).
    key = lambda name: re.split(r"[\\/]", seen(name))[0].rstrip(". ").upper()
    twins = lambda folder: len({key(n) for n in os.listdir(folder)}) < len(os.listdir(folder))
    path = root
    for name in dropped.split("/"):
        if not plain(name) or any(s != name and key(s) == key(name) for s in os.listdir(path)):
            return True
        path = path / name
    return path.is_symlink() or deleting and any(
        twins(f) or os.path.ismount(f) or any(not plain(n) or os.path.islink(os.path.join(f, n)) for n in folders + files)
        for f, folders, files in os.walk(path))


def pick(root, rng, count, read_only, hazards, deleting):
    # Items none of which holds another, as a file manager selects them;
    # with read-only files or folders that hold one only if `read_only`,
    # with items Rublet must refuse only if `hazards`.
    held, chosen = listing(root), []
    for item in rng.sample(sorted(held), len(held)):
        path = item.rstrip("/")
        nested = any(path.startswith(c + "/") or c.startswith(path + "/") for c in chosen)
        locked = any(k.startswith(item) and v != "folder" and v[0] != "link" and not v[1] for k, v in held.items())
        if len(chosen) < count and not nested and (read_only or not locked) and (hazards or not refused(root, path, deleting)):
            chosen.append(path)
    return chosen


def drop_once(scenario, dropped, option1, counts):
    # One drop, held against the folder and the trash: an item Rublet must
    # refuse keeps the whole drop, else exactly the dropped items go and
    # the completion message says so.
    hazards = [d for d in dropped if refused(scenario.folder, d, option1 != "0")]
    scenario.snapshot_()
    scenario.drop_(*dropped)
    if hazards:
        box = wait("the refusal", lambda: (scenario.windows(BOX) or [None])[0])
        texts = [c["text"] for c in box["controls"]]
        expect(any(t.endswith(says("NothingDeleted")) for t in texts), "no refusal of %s: %s" % (hazards[:3], texts))
        scenario.press_("OK", box)
        scenario.unchanged_()
        counts.update({"refused drops": 1, "hazards": len(hazards)})
        for group in {d.split("/")[0] for d in hazards}:  # room for new items
            for point in [m for m in scenario.mounts if m.is_relative_to(scenario.folder / group)]:
                subprocess.run(["umount", "-l", str(point)], check=True)
                scenario.mounts.remove(point)
            shutil.rmtree(scenario.folder / group)
        return
    try:
        scenario.only_(*dropped)
        scenario.box_(says("MessageTitle"), says("ProcessingDone"))
    except Failure as failure:
        raise Failure("%s after dropping %s; the program shows %s" % (failure, dropped, [[c["text"] for c in w["controls"]] for w in scenario.windows(BOX)]))
    if option1 == "0":
        scenario.trashed_(*dropped)
        if counts["drops"] % 5 == 0:
            # Taken back with Ctrl+Z: the whole tree and the trash as before.
            scenario.click_()
            scenario.key_("ctrl+z")
            try:
                scenario.box_(says("MessageTitle"), says("UndoDone"))
                scenario.restored_()
            except Failure as failure:
                raise Failure("%s after undoing %s; the program shows %s" % (failure, dropped, [[c["text"] for c in w["controls"]] for w in scenario.windows(BOX)]))
            counts.update({"undone drops": 1})
        for item in [*(TRASH / "files").iterdir(), *(TRASH / "info").iterdir()]:
            shutil.rmtree(item) if item.is_dir() and not item.is_symlink() else item.unlink()  # Wine keeps the folders
    counts.update({"drops": 1, "items": len(dropped), **{kind: sum(mark in "/" + d for d in dropped) for kind, mark
                   in (("long", "long "), ("cut", "cut "), ("ansi", "ごみ箱だ"), ("read-only", "/ro "))}})


def random_drops_(tools):
    # 200 drops of 1 to 50 items, half to the Recycle Bin and half deleted;
    # every other drop may hold hazards. Deleting, a folder that holds a
    # mounted volume is dropped every tenth time where the host allows it.
    rng, counts, made, mounting = random.Random(SEED), collections.Counter(), itertools.count(), True
    for option1 in ("0", "1"):
        with closing(Scenario(tools, "random-" + option1)) as scenario:
            store({"Option1": option1, "Option2": "0"})
            scenario.start_()
            for n in range(100):
                for _ in range(80 - len(listing(scenario.folder))):
                    grow(scenario.folder, rng, next(made))
                # Wine's shell does not delete a read-only file outright (Windows'
                # does): those go only to the Recycle Bin.
                drop_once(scenario, pick(scenario.folder, rng, rng.randint(1, 50), read_only=option1 == "0",
                                         hazards=n % 2 == 1, deleting=option1 != "0"), option1, counts)
                if option1 == "1" and n % 10 == 5 and mounting:
                    try:
                        scenario.mount_("mount %d/volume" % n)
                        scenario.make_("mount %d/volume/data.txt" % n, "mount %d/beside.txt" % n)
                        drop_once(scenario, ["mount %d" % n], option1, counts)
                        counts["mount points"] += 1
                    except Unsupported:
                        mounting = False
    expect(counts["refused drops"] > 0, "no drop held a hazard")
    return dict(counts)


def started(scenario, values):
    # Rublet started on these settings and ended: the texts of the message
    # boxes it shows, each answered, until the bin shows (within 30 s), and
    # the bin's size.
    store(values, clear=True)
    scenario.start_("quietly")
    texts = []

    def bin_shown():
        expect(scenario.processes[-1].poll() is None, "Rublet.exe ended with %s" % scenario.processes[-1].returncode)
        windows = scenario.windows()
        for box in [w for w in windows if w["kind"] == BOX][:1]:
            texts.extend(c["text"] for c in box["controls"] if c["kind"] == "Static" and c["text"])
            scenario.box_("*", "*")
            return False
        return any(w["kind"] == MAIN_WINDOW for w in windows)
    wait("bin", bin_shown, 30)
    left, top, right, bottom = scenario.window()["rect"]
    scenario.endsession_()
    return texts, (right - left, bottom - top)


def bad_pictures_(tools):
    # Cut, bit-flipped and boastful BMP, GIF, JPEG, ICO and PNG files (the
    # PNG with alpha, and one wholly transparent): the warning and the
    # built-in bin, or the picture, within a time limit.
    rng, scenario, counts = random.Random(SEED), Scenario(tools, "bad-pictures"), collections.Counter()
    for name in ("p.bmp", "p.gif", "p.jpg", "p.ico", "p.png"):
        scenario.picture_(name, "-size", "48x40", "xc:" + ("none" if name == "p.png" else "white"), "-fill", "blue",
                          "-draw", "circle 24,20 24,4")
        whole = (scenario.folder / name).read_bytes()
        variants = [whole[:size] for size in (2, 14, 30, len(whole) // 2, len(whole) - 1)]
        for bits in [sum({1 << rng.randrange(len(whole) * 8) for _ in range(8)}) for _ in range(4)]:  # up to 8 flipped
            variants.append((int.from_bytes(whole, "big") ^ bits).to_bytes(len(whole), "big"))
        # A width and height far beyond any screen, where the format keeps them.
        at, claim = {"p.bmp": (18, b"\xff\xff\xff\x7f\xff\xff\xff\x7f"), "p.gif": (6, b"\xff\xff\xff\xff"),
                     "p.ico": (6, b"\x00\x00\x01\x00\xff\xff\x00\x00"), "p.jpg": (whole.find(b"\xff\xc0") + 5, b"\xff" * 4),
                     "p.png": (16, b"\x00\x01\x86\xa0\x00\x01\x86\xa0")}[name]
        variants.append(whole[:at] + claim + whole[at + len(claim):])
        if name == "p.png":
            scenario.picture_("clear.png", "-size", "8x8", "xc:none")
            variants.append((scenario.folder / "clear.png").read_bytes())
        for number, data in enumerate(variants):
            path = scenario.folder / ("bad %d%s" % (number, name[-4:]))
            path.write_bytes(data)
            texts, size = started(scenario, {"Bmpdir": windows_path(path)})
            # A warning, and the built-in bin; or no warning and the picture
            # itself, never silently the built-in bin of 32 by 32 pixels.
            expect(texts in ([says(t) + "\n" + windows_path(path)] for t in ("PictureUnreadable", "PictureEmpty"))
                   and size == (32, 32) or not texts and size != (32, 32), "%s: %s, a bin of %s" % (path.name, texts, size))
            counts.update(["pictures", "warned" if texts else "shown"])
    scenario.close()
    return dict(counts)


def counters(scenario, *args):
    # Handles, committed KB and GDI objects, of Rublet or, with "self", of
    # the probe before and after it leaks on purpose.
    return [list(map(int, line.split("\t"))) for line in scenarios.PROBE.ask("counters", *args).splitlines()]


def steady(scenario, name, count, *steps):
    # The handles and memory after `count` rounds of the steps (of a
    # scenario, with {n} for the round), as after the first.
    start = None
    for n in range(count):
        for step in steps:
            scenario.step(step.format(n=n))
        start = start or counters(scenario)[0]
    end = counters(scenario)[0]
    found = "%s: %d handles, %d KB and %d GDI objects, then %d, %d and %d" % (name, *start, *end)
    expect(end[0] <= start[0] and end[1] <= start[1] + 1024 and end[2] <= start[2], "a leak after %d %s" % (count, found))
    return found


def leaks_(tools):
    # The same handles and memory after 100 drops, 50 menu openings, 20
    # settings dialogs and 20 drops refused while a message is open.
    scenario = Scenario(tools, "leaks")
    before, after = counters(scenario, "self")
    expect(after[0] > before[0] and after[1] > before[1] + 32768, "the measures do not see a leak: %s, then %s" % (before, after))
    found = ["GDI objects too" if after[2] > before[2] else "no GDI objects: this system reports none (Wine)"]
    scenario.make_(*["drop %d.txt" % n for n in range(120)], *["lost %d.txt" % n for n in range(20)])
    store({"Option2": "0", "Option3": "0"})
    scenario.start_()
    found += [steady(scenario, "drops", 100, 'drop "drop {n}.txt"', 'gone "drop {n}.txt"'),
              steady(scenario, "menus", 50, "doubleclick", "key Escape"),
              steady(scenario, "dialogs", 20, "rightclick", "choose " + says("MenuOption"),
                     "field $bin\\Rublet.bmp", "key Escape")]
    scenario.endsession_()
    store({"Option2": "1"})
    scenario.start_()
    # A drop while the question of another is open is refused.
    # Cancel is the message box's, in Wine's own language.
    question, cancel = says("ConfirmTitle"), says("Cancel")
    found.append(steady(scenario, "refused drops", 20, 'drop "drop 1{n:02}.txt"', "box %s * -" % question,
                        'refused "lost {n}.txt"', "box %s * %s" % (question, cancel), 'kept "lost {n}.txt"'))
    scenario.close()
    return "; ".join(found)


def main(source, *parts):
    tools = prepare(source)
    if not is_32bit(tools / "Rublet.exe") and os.environ.get("RUBLET_WINE_BITS") != "64":
        skip("the 32-bit build, the primary one, goes through this; once is enough for the time it takes")
    failed = 0
    for name in parts or [n[:-1] for n in globals() if n.endswith("_") and callable(globals()[n])]:
        began = time.monotonic()
        try:
            result = globals()[name + "_"](tools)
            print("%s: %s (%.0f s)" % (name, result, time.monotonic() - began))
        except Exception as failure:  # a Failure, or another fault of the program or the part
            failed += 1
            print("FAILED %s: %s" % (name, failure))
        finally:
            # Whatever the part left running ends with it.
            Scenario(tools, "after-" + name).close()
    scenarios.PROBE.stop()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
