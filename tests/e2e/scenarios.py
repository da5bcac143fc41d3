#!/usr/bin/python3
# The real Rublet.exe driven as a person drives it: the mouse and keyboard
# through xdotool, drops through an XDND source as a file manager makes them.
# The outcome is read from the files, the trash, the registry and the screen.
#
#     scenarios.py PROGRAM_DIR [SCENARIO...]
#
# A scenario is a file of tests/e2e/scenarios, one step a line, its words
# quoted as in the shell (a backslash is a backslash); a line that starts with
# # is a comment. The steps are the methods of Scenario whose names end in an
# underscore. $dir stands for the scenario's folder and $bin for the
# program's, as Windows paths.
import os
import re
import shlex
import shutil
import subprocess
import sys
import time
import urllib.parse
from pathlib import Path

from Xlib import display
from Xlib.ext import shape

from harness import (BOX, DIALOG, HERE, KEY, MAIN_WINDOW, MENU, TRASH, WORK, Failure, Rublet, expect, prepare, run,
                     source_text, store, trash, wait, windows_path)

SHOTS = Path(os.environ.get("RUBLET_SCREENSHOTS", WORK / "screenshots"))


def pixels(rects):
    return {(x, y) for left, top, right, bottom in rects for y in range(top, bottom) for x in range(left, right)}


class Scenario(Rublet):
    source = None  # the build's folder of programs
    point = None  # where the bin is clicked: asked again after each start and drag

    def expand(self, text):
        return text.replace("$dir", windows_path(self.folder)).replace("$bin", windows_path(self.program))

    def unix(self, text):
        return text.replace("$dir", str(self.folder)).replace("$bin", str(self.program)).replace("\\", "/")

    def x_shape(self):
        # The X window's own shape, as rectangles of the bin: a picture with
        # alpha has no window region, Wine cuts the X window from its alpha.
        # Wine may make the X window anew, so it is looked for each time.
        rect = self.window()["rect"]
        x_display = display.Display()
        try:
            for child in x_display.screen().root.query_tree().children:
                geometry = child.get_geometry()
                if ([geometry.x, geometry.y, geometry.x + geometry.width, geometry.y + geometry.height] == rect and
                        child.get_attributes().map_state == 2 and "rublet.exe" in (child.get_wm_class() or ())):
                    return [[r.x, r.y, r.x + r.width, r.y + r.height]
                            for r in child.shape_get_rectangles(shape.SK.Bounding).rectangles]
            return []
        finally:
            x_display.close()

    def bin_point(self):
        # The middle of the widest run of the bin's shape, on the screen.
        if not self.point:
            w = self.window()
            left, top, right, bottom = max(w["region"] or self.x_shape(), key=lambda r: (r[2] - r[0]) * (r[3] - r[1]))
            self.point = w["rect"][0] + (left + right) // 2, w["rect"][1] + (top + bottom) // 2
        return self.point

    def menu_items(self):
        return [c for c in self.window(MENU)["controls"] if c["kind"] == "item"]

    # The steps.
    def set_(self, *pairs):
        # KEY=TEXT, stored as text.
        store(dict(self.expand(pair).split("=", 1) for pair in pairs))

    def stored_(self, key, expected):
        # The text stored under KEY, or - for none (waited for).
        def value():
            export = WORK / "stored.reg"
            export.unlink(missing_ok=True)
            run("wine", "regedit", "/E", windows_path(export), KEY + "\\setting")
            found = re.search(r'^"%s"="(.*)"\r?$' % key, export.read_text("utf-16") if export.exists() else "", re.M)
            return re.sub(r"\\(.)", r"\1", found[1]) if found else "-"
        wait("%s of %s" % (key, expected), lambda: value() == self.expand(expected), limit=5)

    def make_(self, *names):
        # Files (NAME=SIZE for SIZE bytes) and folders (NAME/).
        for name in names:
            name, _, size = name.partition("=")
            path = self.folder / name
            path.parent.mkdir(parents=True, exist_ok=True)
            if name.endswith("/"):
                path.mkdir(exist_ok=True)
            else:
                path.write_bytes(b"x" * int(size) if size else name.encode())

    def picture_(self, name, *convert):
        # Draws a picture with ImageMagick; BMP3:name chooses the format.
        form, _, name = name.rpartition(":")
        run("convert", *convert, (form + ":" if form else "") + str(self.folder / self.unix(name)))

    def unpack_(self):
        # This build's download, made on request and unpacked here: Rublet
        # runs from it now.
        run("cmake", "--build", self.source.parent, "--target", "release_zip")
        download = next((self.source.parent / "release").glob("Rublet-*.zip"))
        run(sys.executable, "-m", "zipfile", "-e", download, self.folder)
        self.program = self.folder / download.stem
        held = sorted(p.name for p in self.folder.rglob("*"))
        expect(held == sorted([download.stem, "LICENSE.txt", "ReadMe.txt", "Rublet.bmp", "Rublet.exe", "Rublet_full.bmp",
                               "Rublet64.png", "Rublet64_full.png", "Rublet128.png", "Rublet128_full.png"]),
               "the download holds %s" % held)
        expect((self.program / "ReadMe.txt").read_bytes().startswith(b"\xef\xbb\xbf"), "the read-me has no byte-order mark")

    def start_(self, *how):
        self.point = None
        self.start("quietly" in how)

    def end_(self):
        self.rightclick_()
        self.choose_(source_text("MenuEnd"))
        self.ended()

    endsession_ = Rublet.endsession

    def window_(self, x, y, width, height):
        x, y, width, height = map(int, (x, y, width, height))
        wait("bin at %s" % [x, y, x + width, y + height], lambda: self.window()["rect"] == [x, y, x + width, y + height])

    def topmost_(self, expected):
        wait("topmost %s" % expected, lambda: self.window()["topmost"] == (expected == "yes"))

    def shape_(self, picture, within=15):
        # The bin's shape is the picture's pixels other than its corner
        # colour; transparent pixels are cut away as well.
        path = self.unix(picture)
        width = int(run("identify", "-format", "%w", path + "[0]"))
        rgba = run("convert", path + "[0]", "-depth", "8", "rgba:-", binary=True)
        px = [rgba[i:i + 4] for i in range(0, len(rgba), 4)]
        if path.lower().endswith(".png") and any(p[3] < 255 for p in px):
            # Shown with its alpha: every pixel of alpha above 0, in the X
            # window's own shape, and no region.
            corner = None
            shown = lambda: set() if self.window()["region"] else pixels(self.x_shape())  # noqa: E731
        else:
            corner = px[0][:3] if px[0][3] else None
            shown = lambda: pixels(self.window()["region"])  # noqa: E731
        expected = {(i % width, i // width) for i, p in enumerate(px) if p[3] and p[:3] != corner}
        wait("the shape of %s's pixels within %s s" % (picture, within), lambda: shown() == expected, float(within))

    def drop_(self, *names, outcome=0, at=None):
        x, y = at or self.bin_point()
        paths = [os.path.normpath(self.folder / n) for n in names]
        code = subprocess.run([sys.executable, HERE / "xdnd_drop.py", str(x), str(y), *paths]).returncode
        expect(code == outcome, "the drop ended with %d" % code)

    def miss_(self, dx, dy, *names):
        # A drop on a point of the bin's rectangle that its shape cuts out.
        rect = self.window()["rect"]
        self.drop_(*names, outcome=1, at=(rect[0] + int(dx), rect[1] + int(dy)))

    def box_(self, title, text, button="OK", screenshot=None):
        # A message box with that title and text, answered with BUTTON (- for none).
        text = self.expand(text).replace("\\n", "\n")
        box = wait("box %s|%s" % (title, text), lambda: next((b for b in self.windows(BOX) if title in ("*", b["title"])
                                                             and text in ["*"] + [c["text"] for c in b["controls"]]), None))
        if screenshot:
            self.screenshot_(*screenshot.split())
        if button != "-":
            self.answer(box, button)

    def opened_(self, kind):
        self.window(kind)

    def nowindow_(self, kind):
        # No such window, once one that is there has gone; and none comes
        # within a second.
        wait("end of %s" % kind, lambda: not self.windows(kind))
        end = time.monotonic() + 1
        while time.monotonic() < end:
            expect(not self.windows(kind), "a window %s" % kind)

    def again_(self):
        # A second start, which must end by itself after raising the first
        # bin to the top for a moment (watched while it lasts).
        self.start(quietly=True)
        self.topmost_("yes")
        self.ended()
        self.processes.pop()

    def hover_(self):
        # The pointer comes from outside and rests on the bin.
        x, y = self.bin_point()
        run("xdotool", "mousemove", 1, 1, "sleep", "0.5", "mousemove", x - 3, y, "mousemove", x, y)

    def tooltip_(self, text):
        wait("tooltip %s" % text, lambda: any(w["title"] == text for w in self.windows("tooltips_class32")))

    def processes_(self, count):
        expect(self.probe().split()[1] == count, "not %s Rublet processes" % count)

    def press_(self, text):
        self.press(text, self.window(DIALOG))

    def control_(self, text, check):
        found = [c["check"] for c in self.window(DIALOG)["controls"] if c["text"].replace("&", "") == text]
        expect(found == [int(check)], "%s is %s" % (text, found))

    def field_(self, text):
        wait("path %s" % text, lambda: [c["text"] for c in self.window(DIALOG)["controls"] if c["kind"] == "Edit"]
             == [self.expand(text)], limit=5)

    def write_(self, text):
        # Types into the path box, as a user does.
        self.press_("Edit")
        run("xdotool", "key", "ctrl+a", "BackSpace", "type", "--delay", 20, self.expand(text))
        self.field_(text)

    def pick_(self, path):
        # Chooses a file in the open-file dialog by typing its path.
        chooser = self.window(BOX, source_text("PictureChooserTitle"))
        wait("a file name box", lambda: any(c["kind"] == "Edit" for c in self.window(BOX, chooser["title"])["controls"]))
        run("xdotool", "type", "--delay", 20, self.expand(path))
        wait("the typed name", lambda: any(c["text"] == self.expand(path) for c in self.windows(BOX)[0]["controls"]))
        self.key_("Return")

    def key_(self, *keys):
        # Keys for the window on top (a menu or a dialog), which they close.
        top = next((w for w in self.windows() if w["kind"] not in (MAIN_WINDOW, "tooltips_class32")), None)
        run("xdotool", "key", "--delay", 150, *keys)
        if top:
            wait("end of %s" % top["kind"], lambda: top["handle"] not in [w["handle"] for w in self.windows()])

    def click_(self):
        # A single click: the pause after it keeps it from pairing with the
        # next into a double-click.
        self.click(*self.bin_point())
        time.sleep(0.6)

    def rightclick_(self, dx=None, dy=None):
        # On the bin, or on that point of its rectangle.
        rect = self.window()["rect"]
        self.click(*((rect[0] + int(dx), rect[1] + int(dy)) if dx else self.bin_point()), 3)

    def doubleclick_(self):
        # A double-click, which opens the Recycle Bin menu.
        self.click(*self.bin_point(), "--repeat", 2, "--delay", 80, 1)
        self.window(MENU)

    def menu_(self, items):
        actual = "|".join(c["text"] or "-" for c in self.menu_items())
        expect(actual == items, "menu %s" % actual)

    def choose_(self, item):
        rect = next((c["rect"] for c in self.menu_items() if c["text"] == item), [0] * 4)
        expect(any(rect), "no menu item " + item)
        self.click((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)
        wait("end of the menu", lambda: not self.windows(MENU))

    def drag_(self, dx, dy, steps):
        # Moves at a hand's pace; done once the bin stands still.
        x, y = self.bin_point()
        self.point = None
        run("xdotool", "mousemove", x, y, "mousedown", 1,
            *[a for _ in range(int(steps)) for a in ("mousemove_relative", "--", dx, dy, "sleep", "0.05")], "mouseup", 1)
        rects = []
        wait("a bin at rest", lambda: rects.append(self.window()["rect"]) or rects[-2:] == rects[-1:] * 2)

    def gone_(self, *names):
        wait("end of %s" % (names,), lambda: not any((self.folder / n).exists() for n in names))

    def kept_(self, *names):
        gone = [n for n in names if not (self.folder / n).exists()]
        expect(not gone, "gone: %s" % gone)

    def trashed_(self, *names):
        # In the trash, each with the .trashinfo that names where it was.
        where = {str((self.folder / n).relative_to(WORK)) for n in names}
        wait("%s in the trash" % (names,), lambda: where <= set(trash().values()))

    def recycle_(self, name):
        # Another program recycles the file the freedesktop way: the
        # .trashinfo first, then the file.
        for folder in ("files", "info"):
            (TRASH / folder).mkdir(parents=True, exist_ok=True)
        path = self.folder / name
        (TRASH / "info" / (name + ".trashinfo")).write_text("[Trash Info]\nPath=%s\nDeletionDate=%s\n" % (
            urllib.parse.quote(str(path)), time.strftime("%Y-%m-%dT%H:%M:%S")))
        path.rename(TRASH / "files" / name)

    def untrash_(self):
        # The trash folder removed while Rublet runs, as a cleaner might.
        shutil.rmtree(TRASH)

    def trash_(self, count):
        wait("%s items in the trash" % count, lambda: len(trash()) == int(count))

    def screenshot_(self, name, crop="1024x768+0+0"):
        SHOTS.mkdir(parents=True, exist_ok=True)
        run("import", "-display", os.environ["DISPLAY"], "-window", "root", "-crop", crop, "+repage", SHOTS / (name + ".png"))


def play(tools, path):
    scenario = Scenario(tools, path.stem)
    try:
        for number, line in enumerate(path.read_text().splitlines(), 1):
            lexer = shlex.shlex(line, posix=True)
            lexer.whitespace_split, lexer.escape, lexer.commenters = True, "", ""
            words = [] if line.startswith("#") else list(lexer)
            try:
                if words:
                    getattr(scenario, words[0] + "_")(*words[1:])
            except (Failure, subprocess.SubprocessError) as failure:
                print("FAILED %s:%d: %s: %s" % (path.name, number, line.strip(), failure))
                scenario.screenshot_(path.stem + "-failed")
                return False
        return True
    finally:
        scenario.close()


def main(source, *names, folder="scenarios"):
    Scenario.source = Path(source).resolve()
    tools = prepare(Scenario.source)
    paths = [HERE / folder / (n + ".txt") for n in names] or sorted((HERE / folder).glob("*.txt"))
    failed = [p.stem for p in paths if not play(tools, p)]
    print("%s: %d passed, %d failed %s" % (folder, len(paths) - len(failed), len(failed), " ".join(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
