#!/usr/bin/python3
# The real Rublet.exe driven as a person drives it: the mouse and keyboard
# through xdotool, drags and drops through an XDND source (XdndSource) as a file manager
# makes them.
# The outcome is read from the files, the trash, the registry and the screen.
#
#     scenarios.py PROGRAM_DIR [SCENARIO...]
#
# A scenario is a file of tests/e2e/scenarios (of tests/e2e/english where
# Wine's locale is not Japanese), one step a line, its words
# quoted as in the shell (a backslash is a backslash); a line that starts with
# # is a comment. The steps are the methods of Scenario whose names end in an
# underscore. $dir stands for the scenario's folder and $bin for the
# program's, as Windows paths. In a name, \xNN (80 to ff) is that byte,
# which is no UTF-8 on its own, as in a name unpacked from a Shift-JIS archive.
#
# What reliability.py shares with the scenarios is here too: the sandbox
# check, Rublet.exe started and ended, the probe's view of its windows, the
# registry, the freedesktop trash, and the texts the user reads.
import hashlib
import os
import re
import select
import shlex
import shutil
import subprocess
import sys
import threading
import time
import traceback
import urllib.parse
from contextlib import closing, suppress
from pathlib import Path

from Xlib import X, display
from Xlib.ext import shape
from Xlib.protocol import event

HERE = Path(__file__).resolve().parent
WORK = Path(os.environ.get("RUBLET_SANDBOX", "/nonexistent")) / "work"
TRASH = Path(os.environ.get("XDG_DATA_HOME", "/nonexistent")) / "Trash"
SHOTS = Path(os.environ.get("RUBLET_SCREENSHOTS", WORK / "screenshots"))
KEY = r"Software\Rublet"  # under HKEY_CURRENT_USER
# Every time limit of the steps is multiplied by this: a program run under
# user-mode emulation (a 32-bit one where the host runs no 32-bit code) is
# some ten times slower than natively.
SLOW = float(os.environ.get("RUBLET_SLOW", "1"))
# The 32-bit program runs under user-mode emulation (scripts/emulated-run).
EMULATED = os.environ.get("RUBLET_EMULATED") == "1"
# The program's texts, and the scenarios written in them, in the language
# Wine gives it: Japanese in a Japanese locale, English in any other.
FOLDER = "scenarios" if os.environ.get("LANG", "").startswith("ja") else "english"


class Unsupported(Exception):
    """What this host does not allow; the scenario counts as skipped."""


class Failure(Exception):
    pass


def expect(holds, what):
    if not holds:
        raise Failure(what)


# The texts the harness reads on the screen, as a user reads them.
SAYS = {
    "MessageTitle": ("Rublet", "Rublet"),
    "ConfirmTitle": ("RUblet", "Rublet"),
    "ProcessingDone": ("処理が完了しました", "The operation is complete."),
    "NothingDeleted": ("何も削除していません。", "Nothing was deleted."),
    "UndoDone": ("元に戻しました", "Done"),
    "PictureUnreadable": ("画像ファイルを読み込めませんでした。標準の画像を表示します。",
                          "The picture file could not be read. The default picture is shown instead."),
    "PictureEmpty": ("画像ファイルは読み込めましたが、表示される部分がありません。標準の画像を表示します。",
                     "The picture file can be read, but nothing of it would show. The default picture is shown instead."),
    "MenuOption": ("設定", "Settings..."),
    "MenuEnd": ("終了", "Exit"),
    "Cancel": ("キャンセル", "Cancel"),  # the message box's own, in Wine's language
}


def says(name):
    return SAYS[name][0 if FOLDER == "scenarios" else 1]


MAIN_WINDOW, DIALOG = "Rublet.Form1", "Rublet.Form2"
BOX, MENU = "#32770", "#32768"


def windows_path(path):
    return "T:\\" + str(Path(path).relative_to(WORK)).replace("/", "\\")


def run(*command, binary=False):
    # A Wine program's output goes to a file, not a pipe: a Wine process it
    # happens to start (the desktop's) would keep the pipe open. Programs run
    # in WORK, so that a relative path, or one a fault makes relative, stays
    # in the sandbox instead of reaching the caller's folder.
    with open(WORK / "output", "w+b") as out:
        subprocess.run(list(map(str, command)), stdout=out, stderr=subprocess.DEVNULL, timeout=60, check=True, cwd=WORK)
        out.seek(0)
        return out.read() if binary else out.read().decode()


class Probe:
    # One probe.exe that serves the whole run (tests/e2e/probe.cpp): a request
    # is its words apart by tabs, request and answer each a 32-bit byte
    # count and UTF-16. Started again should it have ended.
    def __init__(self, folder):
        self.folder, self.process = folder, None

    def start(self):
        self.stop()
        self.process = subprocess.Popen(["wine", windows_path(self.folder / "probe.exe")], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, cwd=WORK)

    def stop(self):
        if self.process:
            self.process.kill(), self.process.wait()
        self.process = None

    def ask(self, *words):
        # A text may hold a lone surrogate, as a box that shows a bad setting does.
        request = "\t".join(map(str, words)).encode("utf-16-le", "surrogatepass")
        for attempt in (1, 2):
            if not self.process or self.process.poll() is not None:
                self.start()
            try:
                self.process.stdin.write(len(request).to_bytes(4, "little") + request)
                self.process.stdin.flush()
                size = int.from_bytes(self.read(4), "little")
                return self.read(size).decode("utf-16-le", "replace")
            except (OSError, EOFError) as fault:
                self.stop()
                if attempt == 2:
                    raise Failure("the probe gave no answer to %s: %s" % (words[:1], fault))

    def read(self, size):
        data, out = b"", self.process.stdout
        while len(data) < size:
            if not select.select([out], [], [], 60 * SLOW)[0]:
                raise EOFError("no answer within %d s" % (60 * SLOW))
            chunk = os.read(out.fileno(), size - len(data))
            if not chunk:
                raise EOFError("the probe ended")
            data += chunk
        return data


PROBE = None  # made by prepare()


def store(values, clear=False):
    # Writes texts (REG_SZ: any character goes); `clear` removes the key first.
    answers = [PROBE.ask("clear", KEY)] if clear else []
    answers += [PROBE.ask("write", KEY + "\\setting", name, value) for name, value in values.items()]
    expect(all(a == "ok" for a in answers), "the registry took not every value: %s" % answers)


def trash():
    # The trash's items, by name, with the path each came from below WORK
    # (Wine writes it through its drive: .../dosdevices/t:/...).
    return {info.stem: urllib.parse.unquote(path[1]) for info in (TRASH / "info").glob("*.trashinfo")
            if (path := re.search(r"^Path=.*?/dosdevices/t:/(.*)$", info.read_text(), re.M))
            and (TRASH / "files" / info.stem).exists()}


def wait(what, condition, limit=15):
    # The condition's first true value, asked until the time limit.
    end = time.monotonic() + limit * SLOW
    while not (found := condition()):
        if time.monotonic() > end:
            raise Failure("no " + what)
        time.sleep(0.1)
    return found


def is_32bit(program):
    # The machine field of the program's PE header.
    header = program.read_bytes()[:1024]
    return header[int.from_bytes(header[60:64], "little") + 4] == 0x4C


def skip(why):
    print("Skipped: %s." % why)
    raise SystemExit(77)


def prepare(source):
    # The sandbox's copy of the programs of the build's folder, or exit 77
    # (said why) where these tests may not or cannot run: they delete files
    # and write the registry, so only in the prefix of scripts/wine-sandbox,
    # which alone holds its run's token.
    Scenario.source = source = Path(source).resolve()
    token = Path(os.environ.get("WINEPREFIX", "/nonexistent")) / "drive_c" / "rublet-sandbox.token"
    if not (token.exists() and token.read_text() == os.environ.get("RUBLET_SANDBOX_TOKEN") and WORK.exists()):
        skip("only in the prefix of scripts/wine-sandbox (scripts/test): these tests delete files and write the registry")
    if is_32bit(source / "Rublet.exe") and os.environ.get("RUBLET_WINE_BITS") == "64":
        skip("Rublet.exe is a 32-bit program. %s" % os.environ.get("RUBLET_WINE_WHY"))
    if run("xdotool", "getdisplaygeometry").split() != ["1024", "768"]:
        skip("the steps' places are those of a 1024 x 768 screen")
    tools = WORK / "bin" / (source.parent.name + "-e2e")
    shutil.rmtree(tools, ignore_errors=True)
    tools.mkdir(parents=True)
    for name in TOOLS:
        shutil.copy(source / name, tools)
    global PROBE, BASELINE
    BASELINE = wine_processes()
    PROBE = Probe(tools)
    PROBE.start()
    return tools


TOOLS = ("Rublet.exe", "Rublet.bmp", "Rublet_full.bmp", "Rublet_open.bmp", "Rublet_full_open.bmp", "probe.exe",
         "menu_reader.dll")
BASELINE = set()  # the Wine processes of the prefix before the first scenario: its services


def wine_processes():
    # The processes of this run's Wine prefix, by their Linux process ids.
    def ours(entry):
        try:
            return ("WINEPREFIX=%s" % os.environ["WINEPREFIX"]).encode() in (entry / "environ").read_bytes().split(b"\0")
        except OSError:  # one that has ended, or not ours to read
            return False
    return {int(e.name) for e in Path("/proc").iterdir() if e.name.isdigit() and ours(e)}


def end_wine_processes(keep):
    # Ends every Wine process of the prefix but those of `keep`: whatever a
    # scenario started, with its windows and boxes, however it ended.
    for _ in range(50):
        for pid in wine_processes() - keep:
            subprocess.run(["kill", "-KILL", str(pid)], stderr=subprocess.DEVNULL)
        if not wine_processes() - keep:
            return
        time.sleep(0.1)


def make(path, data=None, target=None):
    # A file that holds DATA, a symbolic link to TARGET (as the link holds it,
    # as Linux makes them), or else a folder; and the folders above.
    path.parent.mkdir(parents=True, exist_ok=True)
    os.symlink(target, path) if target else path.mkdir(exist_ok=True) if data is None else path.write_bytes(data)


def trash_file(path, data=None):
    # A file put into the freedesktop trash as another program does it: its
    # .trashinfo first, then the file (PATH moved, or DATA written).
    info = "[Trash Info]\nPath=%s\nDeletionDate=%s\n" % (urllib.parse.quote(str(path)), time.strftime("%Y-%m-%dT%H:%M:%S"))
    make(TRASH / "info" / (path.name + ".trashinfo"), info.encode())
    make(TRASH / "files")
    path.rename(TRASH / "files" / path.name) if data is None else (TRASH / "files" / path.name).write_bytes(data)


def listing(root):
    # Every item below `root`, links not followed: a file's hash, whether
    # its owner may write it and its time, a folder, or a link and what it points to.
    paths = [Path(folder) / name for folder, folders, files in os.walk(root) for name in folders + files]
    return {str(p.relative_to(root)) + "/" * (p.is_dir() and not p.is_symlink()):
            ("link", os.readlink(p)) if p.is_symlink() else "folder" if p.is_dir() else
            (hashlib.sha1(p.read_bytes()).hexdigest(), p.stat().st_mode & 0o200, p.stat().st_mtime_ns) for p in paths}


class XdndSource:
    # A drag as a file manager makes it, over whatever X window lies at a
    # point of the screen: XdndEnter and XdndPosition, each answered by
    # XdndStatus; then XdndLeave, or XdndDrop with the selection served and
    # XdndFinished. Text alone where `text` is given instead of paths.
    def __init__(self, x, y, paths=(), text=None):
        self.d = display.Display()
        self.x, self.y, atom = x, y, self.d.intern_atom
        root = self.d.screen().root
        # Without a window manager the top-level windows are the root's
        # children; the X server picks the one whose shape holds the point.
        self.target = root.translate_coords(root, x, y).child
        if not self.target or not self.target.get_full_property(atom("XdndAware"), X.AnyPropertyType):
            self.target = None  # no window there takes a drag
            return
        self.source = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
        self.source.set_selection_owner(atom("XdndSelection"), X.CurrentTime)
        self.kind = atom("text/plain" if text is not None else "text/uri-list")
        self.data = text.encode() if text is not None else \
            "".join("file://" + urllib.parse.quote(os.fsencode(p)) + "\r\n" for p in paths).encode()
        self.send("XdndEnter", 5 << 24, self.kind)

    def send(self, name, *values):
        values = (self.source.id,) + values + (0,) * (4 - len(values))
        self.target.send_event(event.ClientMessage(window=self.target, client_type=self.d.intern_atom(name),
                                                   data=(32, values)))
        self.d.flush()

    def answer(self, wanted, limit=10):
        # Serves the selection until the target sends WANTED; its event, or
        # None when the time limit passed first.
        end = time.monotonic() + limit * SLOW
        while time.monotonic() < end:
            if not self.d.pending_events():
                time.sleep(0.005)
            elif (e := self.d.next_event()).type == X.SelectionRequest:
                if e.target == self.kind:
                    e.requestor.change_property(e.property, self.kind, 8, self.data)
                e.requestor.send_event(event.SelectionNotify(time=e.time, requestor=e.requestor, selection=e.selection,
                                       target=e.target, property=e.property if e.target == self.kind else X.NONE))
                self.d.flush()
            elif e.type == X.ClientMessage and e.client_type == self.d.intern_atom(wanted):
                return e
        return None

    def position(self):
        # The target's answer to the pointer there: its action's name
        # ("XdndActionMove"), None for a refusal, or "no answer".
        if not self.target:
            return None
        self.send("XdndPosition", 0, (self.x << 16) | self.y, X.CurrentTime, self.d.intern_atom("XdndActionCopy"))
        status = self.answer("XdndStatus")
        return "no answer" if not status else self.d.get_atom_name(status.data[1][4]) if status.data[1][1] & 1 else None

    def leave(self):
        if self.target:
            self.send("XdndLeave")
        self.d.close()

    def drop(self):
        # True once the target has finished the drop.
        self.send("XdndDrop", 0, X.CurrentTime)
        finished, _ = self.answer("XdndFinished") is not None, self.d.close()
        return finished


def xdnd_drop(x, y, paths):
    # Drops files on whatever X window lies at a point of the screen, as a
    # file manager does. 0 once the target has finished the drop, 1 when the
    # window there takes no drop or refuses it, 2 when the time limit passed
    # first.
    drag = XdndSource(x, y, paths)
    action = drag.position()
    if action in (None, "no answer"):
        drag.leave()
        return 1 if action is None else 2
    return 0 if drag.drop() else 2


def pixels(rects):
    return {(x, y) for left, top, right, bottom in rects for y in range(top, bottom) for x in range(left, right)}


class Scenario:
    # Rublet.exe run from `program` in a folder of its own, watched by the
    # probe; the settings start empty.
    source = None  # the build's folder of programs
    point = None  # where the bin is clicked: asked again after each start and drag
    dpi = 96

    def __init__(self, tools, name):
        self.tools = self.program = tools
        self.processes, self.mounts, self.logs = [], [], []
        self.folder = WORK / "scenarios" / name
        for folder in (self.folder, TRASH / "files", TRASH / "info"):
            shutil.rmtree(folder, ignore_errors=True)
            # Wine's shell makes the trash's folders when it first looks at
            # the trash, on a worker of the bin: made here, that look changes
            # nothing a snapshot holds.
            folder.mkdir(parents=True)
        # No Rublet.ini of an earlier scenario beside the programs.
        (tools / "Rublet.ini").unlink(missing_ok=True)
        store({}, clear=True)
        if Scenario.dpi != 96:
            self.dpi_(96)

    def step(self, line):
        lexer = shlex.shlex(line, posix=True)
        lexer.whitespace_split, lexer.escape, lexer.commenters = True, "", ""
        words = list(lexer)
        getattr(self, words[0] + "_")(*words[1:])

    def windows(self, kind=None):
        # Rublet's visible windows, top first, each with its controls; `flag`
        # is a window's topmost state or a control's check state.
        listing = PROBE.ask()
        found = []
        for record in listing.replace("\r", "").split("\x1e")[:-1]:
            handle, kind_, text, rect, flag, region = record.split("\t")
            rects = [list(map(int, r.split(","))) for r in [rect, *region.split(";")] if r]
            item = dict(handle=handle, kind=kind_, text=text, rect=rects[0], flag=int(flag), region=rects[1:], controls=[])
            (found[-1]["controls"] if not handle else found).append(item)
        return [w for w in found if kind in (None, w["kind"])]

    def window(self, kind=MAIN_WINDOW):
        # Under emulation a program that the emulator ended is seen at once.
        ended = lambda: EMULATED and self.processes and self.processes[-1].poll() is not None
        return wait(kind, lambda: expect(not ended(), "Rublet.exe ended") or (self.windows(kind) or [None])[0])

    def click(self, x, y, *how):
        run("xdotool", "mousemove", x, y, "click", *(how or (1,)))

    def close(self):
        if getattr(self, "adding", None):
            self.added_()
        if getattr(self, "drag", None):
            self.drag.leave()
        PROBE.ask("release") if PROBE.process else None
        for process in self.processes:
            process.kill()
            process.wait()
        self.processes = []
        end_wine_processes(BASELINE | ({PROBE.process.pid} if PROBE.process else set()))
        for point in reversed(self.mounts):
            subprocess.run(["umount", "-l", str(point)], check=False)
        self.mounts = []

    def expand(self, text, path=windows_path):
        # $dir and $bin as Windows paths, or with path=str as Linux ones.
        return text.replace("$dir", path(self.folder)).replace("$bin", path(self.program))

    def x_shape(self):
        # The X window's own shape, as rectangles of the bin: a picture with
        # alpha has no window region, Wine cuts the X window from its alpha.
        # Wine may make the X window anew, so it is looked for each time.
        rect = self.window()["rect"]
        with closing(display.Display()) as x_display:
            for child in x_display.screen().root.query_tree().children:
                geometry = child.get_geometry()
                if ([geometry.x, geometry.y, geometry.x + geometry.width, geometry.y + geometry.height] == rect and
                        child.get_attributes().map_state == 2 and "rublet.exe" in (child.get_wm_class() or ())):
                    return [[r.x, r.y, r.x + r.width, r.y + r.height]
                            for r in child.shape_get_rectangles(shape.SK.Bounding).rectangles]
            return []

    def bin_point(self):
        # The middle of the widest run of the bin's shape, on the screen.
        if not self.point:
            w = self.window()
            runs = wait("the bin's shape", lambda: w["region"] or self.x_shape())
            left, top, right, bottom = max(runs, key=lambda r: (r[2] - r[0]) * (r[3] - r[1]))
            self.point = w["rect"][0] + (left + right) // 2, w["rect"][1] + (top + bottom) // 2
        return self.point

    # The steps.
    def set_(self, *pairs):
        # KEY=TEXT, stored as text.
        store(dict(self.expand(pair).split("=", 1) for pair in pairs))

    def stored_(self, key, expected):
        # The text stored under KEY, or - for none (waited for).
        def value():
            found = PROBE.ask("read", KEY + "\\setting", key)
            return found[1:] if found.startswith("+") else "-"
        wait("%s of %s" % (key, expected), lambda: value() == self.expand(expected), limit=5)

    def local(self, name):
        # The Linux path of a step's NAME, its \xNN bytes as the file system holds them.
        return self.folder / re.sub(r"\\x([89a-f][0-9a-f])", lambda m: chr(0xDC00 + int(m[1], 16)), name)

    def make_(self, *names):
        # Files (NAME=SIZE for SIZE bytes) and folders (NAME/).
        for name in names:
            name, _, size = name.partition("=")
            name = str(self.local(name).relative_to(self.folder)) + ("/" if name.endswith("/") else "")
            make(self.folder / name, None if name.endswith("/") else b"x" * int(size) if size else os.fsencode(name))

    def ini_(self, encoding, *lines):
        # Rublet.ini beside the program, in ENCODING (utf8, utf8bom, utf16),
        # its lines apart by CR LF; "@binary" stands for bytes that are no
        # text, "@huge" for a line of two million characters, "@cut" cuts
        # the file's last byte.
        marks = {"utf8": b"", "utf8bom": b"\xef\xbb\xbf", "utf16": b"\xff\xfe"}
        text = "\r\n".join({"@huge": "x" * 2000000}.get(line, line) for line in lines if line not in ("@binary", "@cut"))
        data = marks[encoding] + text.encode("utf-16-le" if encoding == "utf16" else "utf-8")
        data += b"\r\n" + bytes(range(256)) * 4 if "@binary" in lines else b""
        (self.program / "Rublet.ini").write_bytes(data[:-1] if "@cut" in lines else data)

    def inivalue_(self, key, expected, encoding=None):
        # The line KEY=EXPECTED in the [setting] section of Rublet.ini (- for
        # none), the file still in ENCODING where given.
        data = (self.program / "Rublet.ini").read_bytes()
        expect(encoding is None or data.startswith({"utf16": b"\xff\xfe", "utf8bom": b"\xef\xbb\xbf"}.get(encoding, b""))
               and (encoding != "utf8" or not data.startswith((b"\xff\xfe", b"\xef\xbb\xbf"))), "Rublet.ini is not %s" % encoding)
        text = data[2:].decode("utf-16-le") if data.startswith(b"\xff\xfe") else data.decode("utf-8-sig", "replace")
        section = re.search(r"^\[setting\]\r?$(.*?)(?=^\[|\Z)", text, re.M | re.S)
        found = re.search(r"^%s=(.*?)\r?$" % re.escape(key), section[1] if section else "", re.M)
        expect((found[1] if found else "-") == self.expand(expected), "Rublet.ini holds %s=%s" % (key, found and found[1]))

    def readonly_(self, path):
        os.chmod(self.expand(path, str).replace("\\", "/"), 0o444)

    def remove_(self, *paths):
        for path in paths:
            Path(self.expand(path, str).replace("\\", "/")).unlink()

    def dpi_(self, dots):
        # The display's dots per inch, which Wine reads at each program's
        # start; a new scenario starts at 96 again.
        expect(PROBE.ask("dword", r"Control Panel\Desktop", "LogPixels", dots) == "ok", "LogPixels not stored")
        Scenario.dpi = int(dots)

    def picture_(self, name, *convert):
        # Draws a picture with ImageMagick; BMP3:name chooses the format.
        form, _, name = name.rpartition(":")
        run("convert", *convert, (form + ":" if form else "") + str(self.folder / self.expand(name, str).replace("\\", "/")))

    def unpack_(self):
        # This build's download, made on request and unpacked here: Rublet
        # runs from it now.
        run("cmake", "--build", self.source.parent, "--target", "release_zip")
        download = next((self.source.parent / "release").glob("Rublet-*.zip"))
        run(sys.executable, "-m", "zipfile", "-e", download, self.folder)
        self.program = self.folder / download.stem
        held = sorted(p.name for p in self.program.rglob("*"))
        bins = ["Rublet%s%s.%s" % (size, twin, "png" if size else "bmp") for size in ("", "64", "128")
                for twin in ("", "_full", "_open", "_full_open")]
        expect(held == sorted(["LICENSE.txt", "ReadMe.txt", "Rublet.exe", *bins]),
               "the download holds %s" % held)
        expect((self.program / "ReadMe.txt").read_bytes().startswith(b"\xef\xbb\xbf"), "the read-me has no byte-order mark")

    def start_(self, *how):
        self.point = None
        command = ["wine", windows_path(self.program / "Rublet.exe")]
        # What the emulator says, should it end the program (EMULATED).
        log = open(WORK / ("rublet-%d.log" % len(self.logs)), "wb") if EMULATED else subprocess.DEVNULL
        self.logs += [Path(log.name)] if EMULATED else []
        self.processes.append(subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=log, cwd=WORK))
        log.close() if EMULATED else None
        if "quietly" not in how:
            self.window()

    def emulator_failed(self):
        # The emulator's word that it ended a program on a signal that the
        # program's own handler (Wine's) could not take, or Wine's that the
        # signal came without its trap number, which qemu-user leaves out of
        # the signal's context: Wine then raises an exception no program
        # expects, and the program ends without a word of its own.
        said = [line for log in self.logs if log.exists() for line in log.read_bytes().splitlines()
                if re.search(rb"^qemu: uncaught target signal|:segv_handler Got unexpected trap -1", line)]
        return said[0].decode(errors="replace") if said else None

    def end_(self, within=15):
        self.rightclick_()
        self.choose_(says("MenuEnd"))
        self.ended_(within)

    def endsession_(self):
        # The end of the user's session, as Windows tells the main window.
        PROBE.ask("endsession")
        self.ended_()

    def ended_(self, within=15):
        # The Rublet.exe started last has ended within WITHIN seconds (else a TimeoutExpired).
        self.processes.pop().wait(float(within))

    def window_(self, *place):
        # One bin, in that place.
        x, y, width, height = map(int, place)
        wait("bin at %s" % (place,), lambda: [w["rect"] for w in self.windows(MAIN_WINDOW)] == [[x, y, x + width, y + height]])

    def topmost_(self, expected):
        wait("topmost %s" % expected, lambda: self.window()["flag"] == (expected == "yes"))

    def shape_(self, picture, within=15):
        # The bin's shape is the picture's pixels other than its corner
        # colour; transparent pixels are cut away as well.
        path = self.expand(picture, str).replace("\\", "/")
        width = int(run("identify", "-format", "%w", path + "[0]"))
        rgba = run("convert", path + "[0]", "-depth", "8", "rgba:-", binary=True)
        px = [rgba[i:i + 4] for i in range(0, len(rgba), 4)]
        alpha = path.lower().endswith(".png") and any(p[3] < 255 for p in px)
        corner = px[0][:3] if px[0][3] and not alpha else None
        expected = {(i % width, i // width) for i, p in enumerate(px) if p[3] and p[:3] != corner}

        def shown():
            # A PNG with alpha is shown with it: every pixel of alpha above 0,
            # in the X window's own shape, and no region.
            region = self.window()["region"]
            return pixels(region) if not alpha else set() if region else pixels(self.x_shape())
        wait("the shape of %s's pixels within %s s" % (picture, within), lambda: shown() == expected, float(within))

    def drop_(self, *names, outcome=0, at=None):
        code = xdnd_drop(*(at or self.bin_point()), [os.path.normpath(self.local(n)) for n in names])
        expect(code == outcome, "the drop ended with %d" % code)

    def refused_(self, *names):
        # A drop that the bin refuses while the files hover over it.
        self.drop_(*names, outcome=1)

    def hover_(self, *names):
        # Files dragged over the bin and held there (text alone for
        # "text:WORDS"); the bin hears of them at the first `answer`.
        text = names[0][5:] if names and names[0].startswith("text:") else None
        self.drag = XdndSource(*self.bin_point(), [os.path.normpath(self.local(n)) for n in names], text)
        expect(self.drag.target, "the bin takes no drag")

    def answer_(self, expected):
        # What the bin answers to the drag that hovers: the action (move,
        # copy) or none for a refusal.
        shown = (self.drag.position() or "none").replace("XdndAction", "").lower()
        expect(shown == expected, "the bin answers %s" % shown)

    def leave_(self):
        self.drag = self.drag.leave()

    def letgo_(self):
        # The drag that hovers is dropped.
        drag, self.drag = self.drag, None
        expect(drag.drop(), "the drop was not finished")

    def screen_colour(self):
        # The red, green and blue on the screen at the bin's point.
        x, y = self.bin_point()
        return run("import", "-display", os.environ["DISPLAY"], "-window", "root", "-crop", "1x1+%d+%d" % (x, y),
                   "-depth", "8", "rgb:-", binary=True)

    def colour_(self, then=None):
        # Keeps the colour at the bin's point; with "lighter", each channel of
        # it that can be is lighter now, with "same" it is there again (waited for).
        holds = {None: lambda shown: True, "same": lambda shown: shown == self.colour,
                 "lighter": lambda shown: shown != self.colour and all(a > b for a, b in zip(shown, self.colour) if b < 255)}
        shown = wait("the colour %s" % then, lambda: (lambda c: c if holds[then](c) else None)(self.screen_colour()), 5)
        if then is None:
            self.colour = shown

    def miss_(self, dx, dy, *names):
        # A drop on a point of the bin's rectangle that its shape cuts out.
        rect = self.window()["rect"]
        self.drop_(*names, outcome=1, at=(rect[0] + int(dx), rect[1] + int(dy)))

    def box_(self, title, text, button="OK", screenshot=None):
        # A message box with that title and text, answered with BUTTON (- for none).
        text = self.expand(text).replace("\\n", "\n")
        box = wait("box %s|%s" % (title, text), lambda: next((b for b in self.windows(BOX) if title in ("*", b["text"])
                                                             and text in ["*"] + [c["text"] for c in b["controls"]]), None))
        if screenshot:
            self.screenshot_(*screenshot.split())
        if button != "-":
            self.press_(button, box)
            wait("end of the box", lambda: box["handle"] not in [w["handle"] for w in self.windows(BOX)])

    def nowindow_(self, kind, within=15):
        # No such window, once one that is there has gone (within WITHIN
        # seconds); and none comes within a second.
        wait("end of %s" % kind, lambda: not self.windows(kind), float(within))
        end = time.monotonic() + 1
        while time.monotonic() < end:
            expect(not self.windows(kind), "a window %s" % kind)

    def tooltip_(self, text):
        # The pointer comes from outside and rests on the bin: its tooltip (* for any).
        x, y = self.bin_point()
        run("xdotool", "mousemove", 1, 1, "sleep", "0.5", "mousemove", x - 3, y, "mousemove", x, y)
        wait("tooltip %s" % text, lambda: any(text in ("*", w["text"]) for w in self.windows("tooltips_class32")))

    def press_(self, text, window=None):
        # A click on a control of the settings dialog or WINDOW (a menu's
        # item, a box's button), on its box for a check box.
        found = [c for c in (window or self.window(DIALOG))["controls"] if text in (c["text"].replace("&", ""), c["kind"])]
        expect(found, "no control %r" % text)
        left, top, right, bottom = found[0]["rect"]
        self.click(left + min(8, (right - left) // 2), (top + bottom) // 2)

    def control_(self, text, check):
        found = [c["flag"] for c in self.window(DIALOG)["controls"] if c["text"].replace("&", "") == text]
        expect(found == [int(check)], "%s is %s" % (text, found))

    def field_(self, text, kind=DIALOG):
        # The text box of the settings dialog, or of the window of that class.
        wait("path %s" % text, lambda: [c["text"] for c in self.window(kind)["controls"] if c["kind"] == "Edit"]
             == [self.expand(text)], limit=5)

    def write_(self, text, kind=DIALOG):
        # Types into the text box of the settings dialog, or of the window of
        # that class (the open-file dialog's name box), as a user does.
        self.press_("Edit", self.window(kind))
        run("xdotool", "key", "ctrl+a", "BackSpace", "type", "--delay", 20, self.expand(text))
        self.field_(text, kind)

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

    def doubleclick_(self, within=15):
        # A double-click, which opens the Recycle Bin menu within WITHIN seconds.
        clicked = time.monotonic()
        self.click(*self.bin_point(), "--repeat", 2, "--delay", 80, 1)
        menu = wait("menu", lambda: (self.windows(MENU) or [None])[0], float(within))
        expect(time.monotonic() - clicked < float(within) * SLOW, "the menu took %.1f s" % (time.monotonic() - clicked))
        return menu

    def status(self, within=15):
        # The first line of the Recycle Bin menu that a double-click opens.
        items = self.doubleclick_(within)["controls"]
        expect(items, "a menu whose items the probe could not read")
        return items[0]["text"]

    def status_(self, text, within):
        # Double-clicks until the Recycle Bin menu's status reads TEXT (30 s
        # at most), each menu open within WITHIN seconds of its double-click.
        end = time.monotonic() + 30 * SLOW
        while (shown := self.status(within)) != text:
            self.key_("Escape")
            expect(time.monotonic() < end, "the status reads %s" % shown)
        self.key_("Escape")

    def hold_(self, name):
        # Another Windows program holds the file open without delete sharing, until release.
        expect(PROBE.ask("hold", windows_path(self.local(name))) == "ok", "%s not held" % name)

    def release_(self):
        PROBE.ask("release")

    def adding_(self, interval):
        # Another program goes on recycling a file every INTERVAL seconds, the
        # freedesktop way, until `added`.
        self.adding = threading.Event()
        def add(n=0):
            while not self.adding.wait(float(interval)):
                path = self.folder / ("added %d" % n)
                make(path, b"added")
                trash_file(path)
                n += 1
        self.adder = threading.Thread(target=add, daemon=True)
        self.adder.start()

    def added_(self):
        self.adding.set()
        self.adder.join()

    def whole_(self):
        # Every item of the trash has its .trashinfo, and every .trashinfo its item.
        files = {p.name for p in (TRASH / "files").iterdir()} if (TRASH / "files").exists() else set()
        infos = {p.name[:-len(".trashinfo")] for p in (TRASH / "info").glob("*.trashinfo")} if (TRASH / "info").exists() else set()
        expect(files == infos, "entries in half: items %s without their .trashinfo, .trashinfo %s without their item"
               % (sorted(files - infos)[:5], sorted(infos - files)[:5]))

    def cleared_(self, prefix):
        # No item and no .trashinfo of the trash begins with PREFIX any more (waited for).
        def left():
            return [p for d in ("files", "info") if (TRASH / d).exists() for p in (TRASH / d).iterdir()
                    if p.name.startswith(prefix)]
        wait("no %s* in the trash" % prefix, lambda: not left(), 60)

    def files_(self, folder, count):
        # COUNT empty files in FOLDER, named by their numbers.
        for n in range(int(count)):
            make(self.folder / folder / str(n), b"")

    def dropall_(self, folder):
        # Every file of FOLDER dropped at once, as a selection of them all.
        self.drop_(*[str(Path(folder) / p.name) for p in sorted((self.folder / folder).iterdir())])

    def fill_(self, count):
        # COUNT items put into the trash as another program would.
        for n in range(int(count)):
            trash_file(self.folder / ("old %d" % n), b"")

    def menu_(self, items, within=15):
        # The open menu's items apart by |, a separator as -, within WITHIN
        # seconds (an item may change while the menu is open).
        actual = []
        try:
            # * stands for any one item.
            matches = lambda shown: len(shown) == len(items.split("|")) and all(
                want in ("*", got) for want, got in zip(items.split("|"), shown))
            wait("menu %s" % items, lambda: actual.append([c["text"] or "-" for c in self.window(MENU)["controls"]])
                 or matches(actual[-1]), float(within))
        except Failure:
            raise Failure("menu %s" % "|".join(actual[-1] if actual else []))

    def choose_(self, item):
        self.press_(item, self.window(MENU))
        wait("end of the menu", lambda: not self.windows(MENU))

    def drag_(self, dx, dy, steps):
        # Moves at a hand's pace; done once the bin stands still.
        x, y = self.bin_point()
        self.point = None
        run("xdotool", "mousemove", x, y, "mousedown", 1,
            *[a for _ in range(int(steps)) for a in ("mousemove_relative", "--", dx, dy, "sleep", "0.05")], "mouseup", 1)
        rects = []
        wait("a bin at rest", lambda: rects.append(self.window()["rect"]) or rects[-2:] == rects[-1:] * 2)

    def link_(self, name, target):
        make(self.local(name), target=target)

    def mount_(self, name):
        # Another volume (a small tmpfs) mounted at the folder NAME, where the host lets this user mount.
        point = self.local(name)
        make(point)
        if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=1m", "rublet-test", str(point)],
                          capture_output=True).returncode != 0:
            raise Unsupported("this host does not let the tests mount a volume")
        self.mounts.append(point)

    def swap_(self, name, target):
        # The folder NAME moved aside to NAME-moved, and a link to TARGET made in its place.
        (self.folder / name).rename(self.folder / (name + "-moved"))
        self.link_(name, target)

    def snapshot_(self):
        # The folder and the trash, to hold against them after a drop.
        self.before = listing(self.folder), listing(TRASH)

    def changes(self):
        # What differs from the snapshot, named; "" when nothing does.
        changed = [sorted(k for k, _ in set(a.items()) ^ set(b.items()))
                   for a, b in zip((listing(self.folder), listing(TRASH)), self.before)]
        return "changed: %d in the folder (%s), %d in the trash (%s)" % (len(changed[0]), ", ".join(changed[0][:5]),
               len(changed[1]), ", ".join(changed[1][:5])) if any(changed) else ""

    def unchanged_(self):
        expect(not (what := self.changes()), what)

    def restored_(self):
        # The folder and the trash as at the snapshot again (waited for).
        with suppress(Failure):
            wait("the folder and the trash as before", lambda: not self.changes())
        self.unchanged_()

    def bytes_(self, name, size):
        expect((self.folder / name).read_bytes() == b"x" * int(size), "%s holds other bytes" % name)

    def only_(self, *names):
        # The named items have gone (waited for), and nothing else of the
        # folder changed since the snapshot.
        self.gone_(*names)
        left = {k: v for k, v in self.before[0].items() if not any((k.rstrip("/") + "/").startswith(n + "/") for n in names)}
        expect(listing(self.folder) == left, "more than the drop changed")

    def gone_(self, *names):
        wait("end of %s" % (names,), lambda: not any((self.folder / n).exists() for n in names))

    def back_(self, *names):
        # The named items are there again (waited for).
        wait("%s back" % (names,), lambda: all((self.folder / n).exists() for n in names))

    def emptied_(self, folder):
        # FOLDER holds nothing any more (waited for).
        wait("an empty %s" % folder, lambda: not any((self.folder / folder).iterdir()), 60)

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
        trash_file(self.folder / name)

    def untrash_(self):
        # The trash folder removed while Rublet runs, as a cleaner might.
        shutil.rmtree(TRASH)

    def trash_(self, count):
        wait("%s items in the trash" % count, lambda: len(trash()) == int(count))

    def screenshot_(self, name, crop="1024x768+0+0"):
        SHOTS.mkdir(parents=True, exist_ok=True)
        run("import", "-display", os.environ["DISPLAY"], "-window", "root", "-crop", crop, "+repage", SHOTS / (name + ".png"))


def play(tools, path, times=False):
    # True when every step held, False at the first that did not (or that
    # could not be read), None when the host does not allow the scenario.
    # Whatever happened, what the scenario started is ended.
    number, line, scenario = 0, "", None
    try:
        scenario = Scenario(tools, path.stem)
        for number, line in enumerate(path.read_text().splitlines(), 1):
            if line.strip() and not line.startswith("#"):
                began = time.monotonic()
                scenario.step(line)
                if times:
                    print("%7.1f s  %s:%d  %s" % (time.monotonic() - began, path.stem, number, line.strip()[:100]), flush=True)
        return True
    except Unsupported as why:
        print("SKIPPED %s: %s" % (path.name, why))
        return None
    except Exception as failure:  # a Failure, or a step that met what it could not read
        if scenario and scenario.emulator_failed():
            print("SKIPPED %s:%d: %s: the emulator ended the program (%s)" % (path.name, number, line.strip(),
                                                                              scenario.emulator_failed()))
            return None
        what = failure if isinstance(failure, (Failure, subprocess.SubprocessError)) else \
            "%s (%s)" % ("".join(traceback.format_exception_only(type(failure), failure)).strip(),
                         traceback.extract_tb(failure.__traceback__)[-1].name)
        print("FAILED %s:%d: %s: %s" % (path.name, number, line.strip(), what), flush=True)
        try:
            scenario and scenario.screenshot_(path.stem + "-failed")
        except Exception:
            pass
        return False
    finally:
        if scenario:
            scenario.close()


def main(source, *names):
    # --times prints what each step took.
    times = "--times" in names
    names = [n for n in names if n != "--times"]
    tools = prepare(source)
    try:
        paths = [HERE / FOLDER / (n + ".txt") if "/" not in n else Path(n) for n in names] or \
            sorted((HERE / FOLDER).glob("*.txt"))
        results = {p.stem: play(tools, p, times) for p in paths}
    finally:
        PROBE.stop()
    failed = [name for name, result in results.items() if result is False]
    skipped = sum(result is None for result in results.values())
    print("%s: %d passed, %d failed, %d skipped %s" % (FOLDER, len(paths) - len(failed) - skipped, len(failed), skipped,
                                                      " ".join(failed)))
    return 1 if failed else 77 if skipped == len(paths) else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
