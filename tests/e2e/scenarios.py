#!/usr/bin/python3
"""The real Rublet.exe driven as a person drives it: the mouse and keyboard
through xdotool, drops through an XDND source as a file manager makes them.
The outcome is read from the files, the trash, the registry and the screen.

    scenarios.py PROGRAM_DIR [SCENARIO...]

A scenario is a file of tests/e2e/scenarios, one step a line, its words
quoted as in the shell (a backslash is a backslash); a line that starts with
# is a comment. The steps are the methods of Scenario whose names end in an
underscore. $dir stands for the scenario's folder and $bin for the
program's, as Windows paths."""
import os
import re
import shlex
import shutil
import subprocess
import sys
import time
import urllib.parse
from pathlib import Path

HERE = Path(__file__).resolve().parent
WORK = Path(os.environ.get("RUBLET_SANDBOX", "/nonexistent")) / "work"
TRASH = Path(os.environ.get("XDG_DATA_HOME", "/nonexistent")) / "Trash"
SHOTS = Path(os.environ.get("RUBLET_SCREENSHOTS", WORK / "screenshots"))
KEY = r"HKEY_CURRENT_USER\Software\Rublet"


class Failure(Exception):
    pass


def windows_path(path):
    return "T:\\" + str(Path(path).relative_to(WORK)).replace("/", "\\")


def run(*command, binary=False):
    """A Wine program's output goes to a file, not a pipe: a Wine process it
    happens to start (the desktop's) would keep the pipe open."""
    with open(WORK / "output", "w+b") as out:
        subprocess.run(list(map(str, command)), stdout=out, stderr=subprocess.DEVNULL, timeout=60, check=True)
        out.seek(0)
        return out.read() if binary else out.read().decode()


def xdotool(*args):
    run("xdotool", *args)


def pixels(rects):
    return {(x, y) for left, top, right, bottom in rects for y in range(top, bottom) for x in range(left, right)}


class Scenario:
    def __init__(self, source, tools, name):
        # Rublet.exe runs from `program`; the probe stays in `tools`.
        self.source, self.tools, self.program, self.rublets, self.point = source, tools, tools, [], None
        self.folder = WORK / "scenarios" / name
        for folder in (self.folder, TRASH / "files", TRASH / "info"):
            shutil.rmtree(folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        self.registry("[-%s]" % KEY)

    def expand(self, text):
        return text.replace("$dir", windows_path(self.folder)).replace("$bin", windows_path(self.program))

    def unix(self, text):
        return text.replace("$dir", str(self.folder)).replace("$bin", str(self.program)).replace("\\", "/")

    def registry(self, *lines):
        script = WORK / "settings.reg"
        script.write_text("\n".join(["Windows Registry Editor Version 5.00", *lines, ""]), encoding="utf-16")
        run("wine", "regedit", "/S", windows_path(script))

    def windows(self, kind=None):
        found = []
        for line in run("wine", windows_path(self.tools / "probe.exe")).splitlines()[1:]:
            fields = line.split("\t")
            if fields[0]:
                rect = list(map(int, fields[3].split(",")))
                region = [list(map(int, r.split(","))) for r in fields[5].split(";") if r]
                found.append(dict(handle=fields[0], kind=fields[1], title=fields[2], rect=rect,
                                  topmost=fields[4] == "1", region=region, controls=[]))
            else:
                found[-1]["controls"].append(dict(kind=fields[1], text=fields[2].replace("\\n", "\n"),
                                                  rect=list(map(int, fields[3].split(","))), check=int(fields[4])))
        return [w for w in found if kind in (None, w["kind"])]

    def wait(self, what, condition, limit=15):
        end = time.monotonic() + limit
        while not (found := condition()):
            if time.monotonic() > end:
                raise Failure("no " + what)
            time.sleep(0.2)
        return found

    def window(self, kind="Rublet.Form1", title=None):
        return self.wait(kind, lambda: next((w for w in self.windows(kind) if title in (None, w["title"])), None))

    def bin_point(self):
        """The middle of the widest run of the bin's shape, on the screen;
        asked again after each start and drag."""
        if not self.point:
            w = self.window()
            left, top, right, bottom = max(w["region"], key=lambda r: (r[2] - r[0]) * (r[3] - r[1]))
            self.point = w["rect"][0] + (left + right) // 2, w["rect"][1] + (top + bottom) // 2
        return self.point

    def click_at(self, x, y, *how):
        xdotool("mousemove", x, y, "click", *(how or (1,)))
        time.sleep(0.4)

    def control(self, text, window=None):
        window = window or self.window("Rublet.Form2")
        found = [c for c in window["controls"] if text in (c["text"].replace("&", ""), c["kind"])]
        if not found:
            raise Failure("no control %r" % text)
        return found[0]

    def close(self):
        for rublet in self.rublets:
            rublet.kill()
            rublet.wait()

    # The steps.
    def set_(self, *pairs):
        """KEY=TEXT stores text, KEY:dword=N a number."""
        lines = ["[%s\\setting]" % KEY]
        for pair in pairs:
            key, _, value = self.expand(pair).partition("=")
            name, _, kind = key.partition(":")
            text = '"%s"' % value.replace("\\", "\\\\").replace('"', '\\"')
            lines.append('"%s"=%s' % (name, "dword:%08x" % int(value) if kind == "dword" else text))
        self.registry(*lines)

    def stored_(self, key, expected):
        """The text stored under KEY, or - for none."""
        export = WORK / "stored.reg"
        export.unlink(missing_ok=True)
        run("wine", "regedit", "/E", windows_path(export), KEY + "\\setting")
        text = export.read_text("utf-16") if export.exists() else ""
        found = re.search(r'^"%s"="(.*)"\r?$' % key, text, re.M)
        value = re.sub(r"\\(.)", r"\1", found[1]) if found else "-"
        if value != self.expand(expected):
            raise Failure("%s is %r" % (key, value))

    def make_(self, *names):
        """Files (NAME=SIZE for SIZE bytes) and folders (NAME/)."""
        for name in names:
            name, _, size = name.partition("=")
            path = self.folder / name
            path.parent.mkdir(parents=True, exist_ok=True)
            if name.endswith("/"):
                path.mkdir(exist_ok=True)
            else:
                path.write_bytes(b"x" * int(size) if size else name.encode())

    def picture_(self, name, *convert):
        """Draws a picture with ImageMagick; BMP3:name chooses the format."""
        form, _, name = name.rpartition(":")
        run("convert", *convert, (form + ":" if form else "") + str(self.folder / self.unix(name)))

    def unpack_(self):
        """This build's download, unpacked here: Rublet runs from it now."""
        download = next((self.source.parent / "release").glob("Rublet-*.zip"))
        run(sys.executable, "-m", "zipfile", "-e", download, self.folder)
        self.program = self.folder / download.stem
        held = sorted(p.name for p in self.folder.rglob("*"))
        if held != sorted([download.stem, "LICENSE.txt", "ReadMe.txt", "Rublet.bmp", "Rublet.exe", "Rublet_full.bmp"]):
            raise Failure("the download holds %s" % held)
        if not (self.program / "ReadMe.txt").read_bytes().startswith(b"\xef\xbb\xbf"):
            raise Failure("the read-me has no byte-order mark")

    def start_(self, *how):
        command, self.point = ["wine", windows_path(self.program / "Rublet.exe")], None
        self.rublets.append(subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        if "quietly" not in how:
            self.window()

    def end_(self):
        self.rightclick_()
        self.choose_("終了")
        self.ended_()

    def endsession_(self):
        run("wine", windows_path(self.tools / "probe.exe"), "endsession")
        self.ended_()

    def ended_(self):
        try:
            self.rublets[-1].wait(15)
        except subprocess.TimeoutExpired:
            raise Failure("Rublet.exe did not end")

    def window_(self, x, y, width, height):
        x, y, width, height = map(int, (x, y, width, height))
        self.wait("bin at %s" % [x, y, x + width, y + height],
                  lambda: self.window()["rect"] == [x, y, x + width, y + height])

    def topmost_(self, expected):
        self.wait("topmost %s" % expected, lambda: self.window()["topmost"] == (expected == "yes"))

    def shape_(self, picture):
        """The bin's shape is the picture's pixels other than its corner
        colour; transparent pixels are cut away as well."""
        path = self.unix(picture)
        width = int(run("identify", "-format", "%w", path + "[0]"))
        rgba = run("convert", path + "[0]", "-depth", "8", "rgba:-", binary=True)
        px = [rgba[i:i + 4] for i in range(0, len(rgba), 4)]
        corner = px[0][:3] if px[0][3] else None
        expected = {(i % width, i // width) for i, p in enumerate(px) if p[3] and p[:3] != corner}
        self.wait("the shape of %s's pixels" % picture, lambda: pixels(self.window()["region"]) == expected)

    def drop_(self, *names, outcome=0, at=None):
        x, y = at or self.bin_point()
        paths = [os.path.normpath(self.folder / n) for n in names]
        code = subprocess.run([sys.executable, HERE / "xdnd_drop.py", str(x), str(y), *paths]).returncode
        if code != outcome:
            raise Failure("the drop ended with %d" % code)

    def miss_(self, dx, dy, *names):
        """A drop on a point of the bin's rectangle that its shape cuts out."""
        rect = self.window()["rect"]
        self.drop_(*names, outcome=1, at=(rect[0] + int(dx), rect[1] + int(dy)))

    def box_(self, title, text, button="OK", screenshot=None):
        """A message box with that title and text, answered with BUTTON (- for none)."""
        def matching():
            return next((b for b in self.windows("#32770") if title in ("*", b["title"]) and
                         (text == "*" or any(c["text"] == self.expand(text).replace("\\n", "\n")
                                             for c in b["controls"]))), None)
        box = self.wait("box %s|%s" % (title, text), matching)
        if screenshot:
            self.screenshot_(*screenshot.split())
        if button != "-":
            self.press_(button, box)
            self.wait("end of the box", lambda: box["handle"] not in [w["handle"] for w in self.windows("#32770")])

    def nowindow_(self, kind):
        time.sleep(1)
        if self.windows(kind):
            raise Failure("a window %s: %s" % (kind, self.windows(kind)[0]))

    def again_(self):
        """A second start, which must end by itself after raising the first
        bin to the top for a moment (watched while it lasts)."""
        self.start_("quietly")
        self.topmost_("yes")
        self.ended_()
        self.rublets.pop()

    def hover_(self):
        """The pointer comes from outside and rests on the bin."""
        x, y = self.bin_point()
        xdotool("mousemove", 1, 1, "sleep", "0.5", "mousemove", x - 3, y, "mousemove", x, y)

    def tooltip_(self, text):
        self.wait("tooltip %s" % text, lambda: any(w["title"] == text for w in self.windows("tooltips_class32")))

    def processes_(self, count):
        if run("wine", windows_path(self.tools / "probe.exe")).split()[1] != count:
            raise Failure("not %s Rublet processes" % count)

    def press_(self, text, window=None):
        """A click on a control: on its box, for a check box."""
        rect = self.control(text, window)["rect"]
        self.click_at(rect[0] + min(8, (rect[2] - rect[0]) // 2), (rect[1] + rect[3]) // 2)

    def control_(self, text, check):
        if self.control(text)["check"] != int(check):
            raise Failure("%s is %d" % (text, self.control(text)["check"]))

    def field_(self, text):
        if self.control("Edit")["text"] != self.expand(text):
            raise Failure("the path box holds %r" % self.control("Edit")["text"])

    def write_(self, text):
        """Types into the path box, as a user does."""
        self.press_("Edit")
        xdotool("key", "ctrl+a", "BackSpace", "type", "--delay", 20, self.expand(text))

    def pick_(self, path):
        """Chooses a file in the open-file dialog by typing its path."""
        self.window("#32770", "画像の選択")
        time.sleep(1)
        xdotool("type", "--delay", 20, self.expand(path))
        self.key_("Return")

    def key_(self, *keys):
        xdotool("key", "--delay", 150, *keys)
        time.sleep(0.5)

    def click_(self):
        self.click_at(*self.bin_point())

    def rightclick_(self):
        self.click_at(*self.bin_point(), 3)

    def doubleclick_(self):
        self.click_at(*self.bin_point(), "--repeat", 2, "--delay", 80, 1)

    def items(self):
        return [c for c in self.window("#32768")["controls"] if c["kind"] == "item"]

    def menu_(self, items):
        actual = "|".join(c["text"] or "-" for c in self.items())
        if actual != items:
            raise Failure("menu %s" % actual)

    def choose_(self, item):
        rect = next((c["rect"] for c in self.items() if c["text"] == item), None)
        if not rect:
            raise Failure("no menu item " + item)
        self.click_at((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)

    def drag_(self, dx, dy, steps):
        x, y = self.bin_point()
        self.point = None
        xdotool("mousemove", x, y, "mousedown", 1)
        for _ in range(int(steps)):
            xdotool("mousemove_relative", "--", dx, dy)
            time.sleep(0.05)
        xdotool("mouseup", 1)
        time.sleep(0.4)

    def gone_(self, *names):
        self.wait("end of %s" % (names,), lambda: not any((self.folder / n).exists() for n in names))

    def kept_(self, *names):
        if not all((self.folder / n).exists() for n in names):
            raise Failure("gone: %s" % [n for n in names if not (self.folder / n).exists()])

    def trashed_(self, *names):
        """In the trash, each with the .trashinfo that names where it was
        (Wine writes the folder through its drive: .../dosdevices/t:/...)."""
        def info(name):
            path = TRASH / "info" / (Path(name).name + ".trashinfo")
            return path.read_text() if path.exists() and (TRASH / "files" / Path(name).name).exists() else ""
        where = urllib.parse.quote(str(self.folder.relative_to(WORK))) + "/"
        self.wait("%s in the trash" % (names,),
                  lambda: all(where + urllib.parse.quote(n) + "\n" in info(n) for n in names))

    def untrash_(self):
        """The trash folder removed while Rublet runs, as a cleaner might."""
        shutil.rmtree(TRASH)

    def trash_(self, count):
        self.wait("%s items in the trash" % count, lambda: len(list((TRASH / "files").glob("*"))) == int(count))

    def screenshot_(self, name, crop="1024x768+0+0"):
        SHOTS.mkdir(parents=True, exist_ok=True)
        run("import", "-display", os.environ["DISPLAY"], "-window", "root", "-crop", crop, "+repage", SHOTS / (name + ".png"))


def play(source, tools, path):
    scenario = Scenario(source, tools, path.stem)
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


def is_32bit(program):
    """The machine field of the program's PE header."""
    header = program.read_bytes()[:1024]
    return header[int.from_bytes(header[60:64], "little") + 4] == 0x4C


def in_sandbox():
    """Only the prefix of scripts/wine-sandbox holds its run's token."""
    token = Path(os.environ.get("WINEPREFIX", "/nonexistent")) / "drive_c" / "rublet-sandbox.token"
    return token.exists() and token.read_text() == os.environ.get("RUBLET_SANDBOX_TOKEN") and WORK.exists()


def prepare(source):
    """The sandbox's copy of the program and its probe, or None (said why)
    where these tests may not or cannot run."""
    why = None
    if not in_sandbox():
        why = "only in the prefix of scripts/wine-sandbox (scripts/test): these tests delete files and write the registry"
    # A 32-bit program runs only where Wine runs 32-bit programs at all.
    elif is_32bit(source / "Rublet.exe") and os.environ.get("RUBLET_WINE_BITS") == "64":
        why = "Rublet.exe is a 32-bit program. %s" % os.environ.get("RUBLET_WINE_WHY")
    elif run("xdotool", "getdisplaygeometry").split() != ["1024", "768"]:
        why = "the steps' places are those of a 1024 x 768 screen"
    if why:
        print("Skipped: %s." % why)
        return None
    tools = WORK / "bin" / (source.parent.name + "-scenarios")
    tools.mkdir(parents=True, exist_ok=True)
    for name in ("Rublet.exe", "Rublet.bmp", "Rublet_full.bmp", "probe.exe", "menu_reader.dll"):
        shutil.copy(source / name, tools)
    return tools


def main(source, *names):
    source = Path(source).resolve()
    tools = prepare(source)
    if tools is None:
        return 77
    paths = [HERE / "scenarios" / (n + ".txt") for n in names] or sorted((HERE / "scenarios").glob("*.txt"))
    failed = [p.stem for p in paths if not play(source, tools, p)]
    print("scenarios: %d passed, %d failed %s" % (len(paths) - len(failed), len(failed), " ".join(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
