#!/usr/bin/python3
# Drops files on whatever X window lies at a point of the screen, as a file
# manager does: XdndEnter, XdndPosition, XdndStatus, XdndDrop, the selection
# served as text/uri-list, XdndFinished.
#
#     xdnd_drop.py X Y PATH...
#
# Exits 0 once the target has finished the drop, 1 when the window there takes
# no drop or refuses it, 2 when the time limit passed first.
import sys
import time
import urllib.parse

from Xlib import X, display
from Xlib.protocol import event


def drop(x, y, paths, limit=10.0):
    d = display.Display()
    root = d.screen().root
    atom = d.intern_atom
    # Without a window manager the top-level windows are the root's children;
    # the X server picks the one whose shape holds the point.
    target = root.translate_coords(root, x, y).child
    if not target or not target.get_full_property(atom("XdndAware"), X.AnyPropertyType):
        return 1
    source = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    selection, uri_list = atom("XdndSelection"), atom("text/uri-list")
    source.set_selection_owner(selection, X.CurrentTime)
    data = "".join("file://" + urllib.parse.quote(p) + "\r\n" for p in paths).encode()

    def send(name, *values):
        values = (source.id,) + values + (0,) * (4 - len(values))
        target.send_event(event.ClientMessage(window=target, client_type=atom(name), data=(32, values)))
        d.flush()

    send("XdndEnter", 5 << 24, uri_list)
    send("XdndPosition", 0, (x << 16) | y, X.CurrentTime, atom("XdndActionCopy"))
    dropped = False
    end = time.monotonic() + limit
    while time.monotonic() < end:
        if not d.pending_events():
            time.sleep(0.005)
            continue
        e = d.next_event()
        if e.type == X.SelectionRequest:
            if e.target == uri_list:
                e.requestor.change_property(e.property, uri_list, 8, data)
            answer = event.SelectionNotify(time=e.time, requestor=e.requestor, selection=e.selection,
                                           target=e.target, property=e.property if e.target == uri_list else X.NONE)
            e.requestor.send_event(answer)
            d.flush()
        elif e.type == X.ClientMessage and e.client_type == atom("XdndStatus"):
            if not e.data[1][1] & 1:
                send("XdndLeave")
                return 1
            if not dropped:
                send("XdndDrop", 0, X.CurrentTime)
                dropped = True
        elif e.type == X.ClientMessage and e.client_type == atom("XdndFinished"):
            return 0
    return 2


if __name__ == "__main__":
    sys.exit(drop(int(sys.argv[1]), int(sys.argv[2]), sys.argv[3:]))
