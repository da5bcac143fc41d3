# What the end-to-end suites share: the sandbox check, Rublet.exe started
# and ended, the probe's view of its windows, the registry, the freedesktop
# trash, message boxes, and the program's own texts, read from its source.
import os
import re
import shutil
import subprocess
import time
import urllib.parse
from pathlib import Path

HERE = Path(__file__).resolve().parent
WORK = Path(os.environ.get("RUBLET_SANDBOX", "/nonexistent")) / "work"
TRASH = Path(os.environ.get("XDG_DATA_HOME", "/nonexistent")) / "Trash"
KEY = r"HKEY_CURRENT_USER\Software\Rublet"


class Failure(Exception):
    pass


def expect(holds, what):
    if not holds:
        raise Failure(what)


# The program's texts in the language Wine gives it: Japanese in a Japanese
# locale, English in any other.
TEXTS = "texts.h" if os.environ.get("LANG", "").startswith("ja") else "texts_en.h"
# A message box's Cancel button, which Wine labels in its own language.
CANCEL = "キャンセル" if TEXTS == "texts.h" else "Cancel"


def source_text(name, header=None):
    # The string literal a named constant of src/layouts/HEADER holds,
    # however the declaration is laid out; adjacent literals are joined.
    header = header or TEXTS
    source = (HERE.parents[1] / "src" / "layouts" / header).read_text(encoding="utf-8")
    found = re.search(r'\b%s\b[^=;{"]*[={]\s*((?:L"(?:[^"\\]|\\.)*"\s*)+)' % re.escape(name), source)
    if not found:
        raise LookupError("src/layouts/%s has no constant %s" % (header, name))
    literal = "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', found[1]))
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "r": "\r", "t": "\t"}.get(m[1], m[1]), literal)


MAIN_WINDOW, DIALOG = source_text("Form1Class", "names.h"), source_text("Form2Class", "names.h")
BOX, MENU = "#32770", "#32768"


def windows_path(path):
    return "T:\\" + str(Path(path).relative_to(WORK)).replace("/", "\\")


def run(*command, binary=False):
    # A Wine program's output goes to a file, not a pipe: a Wine process it
    # happens to start (the desktop's) would keep the pipe open.
    with open(WORK / "output", "w+b") as out:
        subprocess.run(list(map(str, command)), stdout=out, stderr=subprocess.DEVNULL, timeout=60, check=True)
        out.seek(0)
        return out.read() if binary else out.read().decode()


def store(values, clear=False):
    # Writes the settings through regedit: a text (REG_SZ), an int (a
    # DWORD) or (type, bytes) as they are; `clear` removes the key first.
    lines = ["Windows Registry Editor Version 5.00", "[-%s]" % KEY if clear else ""]
    if values:
        lines.append("[%s\\setting]" % KEY)
    for name, value in values.items():
        if isinstance(value, str):
            value = (1, (value + "\0").encode("utf-16-le"))
        data = "dword:%08x" % value if isinstance(value, int) else "hex(%x):%s" % (value[0], value[1].hex(","))
        lines.append('"%s"=%s' % (name, data))
    script = WORK / "settings.reg"
    script.write_text("\n".join(lines + [""]), encoding="utf-16")
    run("wine", "regedit", "/S", windows_path(script))


def trash():
    # The trash's items, by name, with the path each came from below WORK
    # (Wine writes it through its drive: .../dosdevices/t:/...).
    found = {}
    for info in (TRASH / "info").glob("*.trashinfo"):
        path = re.search(r"^Path=.*?/dosdevices/t:/(.*)$", info.read_text(), re.M)
        if path and (TRASH / "files" / info.stem).exists():
            found[info.stem] = urllib.parse.unquote(path[1])
    return found


def wait(what, condition, limit=15):
    # The condition's first true value, asked until the time limit.
    end = time.monotonic() + limit
    while not (found := condition()):
        if time.monotonic() > end:
            raise Failure("no " + what)
        time.sleep(0.1)
    return found


def is_32bit(program):
    # The machine field of the program's PE header.
    header = program.read_bytes()[:1024]
    return header[int.from_bytes(header[60:64], "little") + 4] == 0x4C


def prepare(source):
    # The sandbox's copy of the program and its probe, or None (said why)
    # where these tests may not or cannot run: they delete files and write
    # the registry, so only in the prefix of scripts/wine-sandbox, which alone
    # holds its run's token.
    token = Path(os.environ.get("WINEPREFIX", "/nonexistent")) / "drive_c" / "rublet-sandbox.token"
    why = None
    if not (token.exists() and token.read_text() == os.environ.get("RUBLET_SANDBOX_TOKEN") and WORK.exists()):
        why = "only in the prefix of scripts/wine-sandbox (scripts/test): these tests delete files and write the registry"
    elif is_32bit(source / "Rublet.exe") and os.environ.get("RUBLET_WINE_BITS") == "64":
        why = "Rublet.exe is a 32-bit program. %s" % os.environ.get("RUBLET_WINE_WHY")
    elif run("xdotool", "getdisplaygeometry").split() != ["1024", "768"]:
        why = "the steps' places are those of a 1024 x 768 screen"
    if why:
        print("Skipped: %s." % why)
        raise SystemExit(77)
    tools = WORK / "bin" / (source.parent.name + "-e2e")
    tools.mkdir(parents=True, exist_ok=True)
    for name in ("Rublet.exe", "Rublet.bmp", "Rublet_full.bmp", "probe.exe", "menu_reader.dll"):
        shutil.copy(source / name, tools)
    return tools


class Rublet:
    # Rublet.exe run from `program` in a folder of its own, watched by the
    # probe; the settings start empty.

    def __init__(self, tools, name):
        self.tools = self.program = tools
        self.processes = []
        self.folder = WORK / "scenarios" / name
        for folder in (self.folder, TRASH / "files", TRASH / "info"):
            shutil.rmtree(folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        store({}, clear=True)

    def probe(self, *args):
        return run("wine", windows_path(self.tools / "probe.exe"), *args)

    def windows(self, kind=None):
        # Rublet's visible windows, top first, each with its controls.
        for attempt in range(3):
            try:
                listing = self.probe()
                break
            except subprocess.CalledProcessError:  # one that raced a window coming or going: asked again
                if attempt == 2:
                    raise
        found = []
        for line in listing.splitlines()[1:]:
            fields = line.split("\t")
            rect = list(map(int, fields[3].split(",")))
            if fields[0]:
                region = [list(map(int, r.split(","))) for r in fields[5].split(";") if r]
                found.append(dict(handle=fields[0], kind=fields[1], title=fields[2], rect=rect,
                                  topmost=fields[4] == "1", region=region, controls=[]))
            else:
                found[-1]["controls"].append(dict(kind=fields[1], text=fields[2].replace("\\n", "\n"), rect=rect,
                                                  check=int(fields[4])))
        return [w for w in found if kind in (None, w["kind"])]

    def window(self, kind=MAIN_WINDOW, title=None):
        return wait(kind, lambda: next((w for w in self.windows(kind) if title in (None, w["title"])), None))

    def click(self, x, y, *how):
        run("xdotool", "mousemove", x, y, "click", *(how or (1,)))

    def press(self, text, window):
        # A click on a control (on its box, for a check box).
        found = [c for c in window["controls"] if text in (c["text"].replace("&", ""), c["kind"])]
        expect(found, "no control %r" % text)
        left, top, right, bottom = found[0]["rect"]
        self.click(left + min(8, (right - left) // 2), (top + bottom) // 2)

    def answer(self, box, button):
        self.press(button, box)
        wait("end of the box", lambda: box["handle"] not in [w["handle"] for w in self.windows(BOX)])

    def start(self, quietly=False):
        command = ["wine", windows_path(self.program / "Rublet.exe")]
        self.processes.append(subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        if not quietly:
            self.window()

    def ended(self):
        try:
            self.processes[-1].wait(15)
        except subprocess.TimeoutExpired:
            raise Failure("Rublet.exe did not end")

    def endsession(self):
        # The end of the user's session, as Windows tells the main window.
        self.probe("endsession")
        self.ended()

    def close(self):
        for process in self.processes:
            process.kill()
            process.wait()
