"""What a screen reader finds in the window program, read through AT-SPI.

  atspi_check.py screen WINDOW_ID CAPTION [options]  checks the screen shown
  atspi_check.py dialog WINDOW_ID CAPTION OPENER KEY  Tab cycles inside the
      dialog, KEY answers it, the focus comes back to OPENER
Exits 1 with every fault found."""
import argparse
import subprocess
import sys
import time

import pyatspi

BOXES = {pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX,
         pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SCROLL_BAR}
WINDOWS = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW, pyatspi.ROLE_ALERT}
faults = []


def fault(text):
    faults.append(text)


def showing(obj):
    return obj is not None and obj.getState().contains(pyatspi.STATE_SHOWING)


def window(caption, timeout=15):
    """The shown top-level window whose name holds `caption`."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            for w in app or []:
                if showing(w) and caption in (w.name or ""):
                    return w
        time.sleep(0.1)
    sys.exit(f"no window named \"{caption}\" in the accessibility tree")


def targets(obj, relation):
    found = []
    for r in obj.getRelationSet():
        if r.getRelationType() == relation:
            found += [r.getTarget(i) for i in range(r.getNTargets())]
    return found


def text_of(obj):
    try:
        t = obj.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return ""


def focused(win):
    """The focused object inside `win`, two levels down at most (a combo
    box's edit field), with the control it belongs to."""
    for c in win:
        if not showing(c):
            continue
        if c.getState().contains(pyatspi.STATE_FOCUSED):
            return c, c
        for inner in c:
            if inner is not None and inner.getState().contains(pyatspi.STATE_FOCUSED):
                return inner, c
    return None, None


def key(window_id, *keys):
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)
    subprocess.run(["xdotool", "key", *keys], check=True)


def press_tab(window_id, win, before, back=False):
    key(window_id, "shift+Tab" if back else "Tab")
    for _ in range(50):
        now = focused(win)[1]
        if now is not None and now != before:
            return now
        time.sleep(0.02)
    return focused(win)[1]


def describe(c):
    return f"{c.getRoleName()} \"{c.name}\""


def check_screen(args):
    win = window(args.caption)
    if win.getRole() not in WINDOWS:
        fault(f"the screen is a {win.getRoleName()}, not a window")
    if args.caption not in win.name:
        fault(f"the screen is named \"{win.name}\"")
    controls = [c for c in win if showing(c)]
    if args.dump:
        with open(args.dump, "a", encoding="utf-8") as out:
            out.write(f"{win.getRoleName()} \"{win.name}\"\n")
            for c in controls:
                rel = [t.name for t in targets(c, pyatspi.RELATION_LABELLED_BY)]
                out.write(f"  {describe(c)}" + (f" labelled by {rel}" if rel else "") +
                          (f" ({c.description})" if c.description else "") + "\n")
    labels = 0
    for c in controls:
        role = c.getRole()
        if role in (pyatspi.ROLE_FILLER, pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID):
            fault(f"a {c.getRoleName()} \"{c.name}\" stands for a control")
        if role == pyatspi.ROLE_LABEL:
            labels += 1
            # A label with nothing to say is read as nothing.
            if not text_of(c):
                continue
            tied = targets(c, pyatspi.RELATION_LABEL_FOR) or targets(c, pyatspi.RELATION_LABELLED_BY)
            if args.labels is not None and not tied and not c.description and c.name not in args.heading:
                fault(f"the label \"{c.name}\" is tied to nothing")
        if not c.name:
            fault(f"a {c.getRoleName()} without a name")
        by = targets(c, pyatspi.RELATION_LABELLED_BY)
        if role in BOXES and by and c.name != by[0].name:
            fault(f"{describe(c)} is labelled by \"{by[0].name}\"")
    if args.labels is not None and labels != args.labels:
        fault(f"{labels} labels shown, not {args.labels}")
    by_name = {}
    for c in controls:
        by_name.setdefault((c.name, c.getRole() == pyatspi.ROLE_LABEL), c)
        by_name.setdefault(c.name, c)
    for name in args.labelled:
        # Qt's lists report the tie from their label's side only.
        box, label = by_name.get((name, False)), by_name.get((name, True))
        if box is None or label is None or box.getRole() not in BOXES or (
                label not in targets(box, pyatspi.RELATION_LABELLED_BY) and
                box not in targets(label, pyatspi.RELATION_LABEL_FOR)):
            fault(f"no box labelled by \"{name}\"")
    for pair in args.radio:
        name, group = pair.split("=")
        c = by_name.get(name)
        if c is None or c.getRole() != pyatspi.ROLE_RADIO_BUTTON:
            fault(f"\"{name}\" is not a radio button" + (f" but a {c.getRoleName()}" if c else ""))
        elif group not in [t.name for t in targets(c, pyatspi.RELATION_LABELLED_BY)]:
            fault(f"the radio button \"{name}\" is not labelled by its group \"{group}\"")
    if args.value:
        name, spoken = args.value.split("=")
        c = by_name.get(name)
        said = " ".join(filter(None, [c.description if c else "", text_of(c) if c else ""]))
        if c is None or spoken not in said:
            fault(f"the value of \"{name}\" is not said with \"{spoken}\" ({said})")
    if args.tab:
        # The Tab key walks the controls in the order they are read.
        order = list(win)
        start = focused(win)[1]
        if start is None:
            fault("nothing has the focus")
            return
        walk, now = [start], start
        for _ in range(40):
            now = press_tab(args.window_id, win, now)
            if now is None or now == start:
                break
            walk.append(now)
        if now != start:
            fault("Tab does not come back round: " + ", ".join(describe(c) for c in walk))
            return
        at = [order.index(c) for c in walk]
        first = at.index(min(at))
        at = at[first:] + at[:first]
        if at != sorted(at):
            fault("read in another order than Tab walks: " +
                  ", ".join(describe(c) for c in walk[first:] + walk[:first]))


def inside(obj, win):
    for _ in range(6):
        if obj is None:
            return False
        if obj == win:
            return True
        obj = obj.parent
    return False


def focus_in(win):
    """The focused object anywhere inside `win`."""
    stack = [win]
    while stack:
        obj = stack.pop()
        for c in obj:
            if c is None or not showing(c):
                continue
            if c.getState().contains(pyatspi.STATE_FOCUSED):
                return c
            stack.append(c)
    return None


def check_dialog(args):
    dialog = window(args.caption)
    if dialog.getRole() not in WINDOWS:
        fault(f"the dialog is a {dialog.getRoleName()}")
    if args.alert and dialog.getRole() != pyatspi.ROLE_ALERT:
        fault(f"the message box is a {dialog.getRoleName()}, not an alert")
    if args.alert and args.alert not in (dialog.description or ""):
        fault(f"the message box is described as \"{dialog.description}\"")
    seen = []
    for step in range(args.tabs):
        key(args.window_id, "shift+Tab" if step % 3 == 2 else "Tab")
        time.sleep(0.05)
        now = focus_in(dialog)
        if now is None:
            fault(f"after {step + 1} Tab keys the focus is outside the dialog")
            break
        seen.append(now.name)
    key(args.window_id, args.key)
    for _ in range(100):
        if not showing(dialog):
            break
        time.sleep(0.05)
    else:
        fault(f"{args.key} does not answer the dialog")
        return
    if args.opener == "-":
        return
    owner = window(args.owner)
    for _ in range(50):
        now = focus_in(owner)
        if now is not None and now.name == args.opener:
            break
        time.sleep(0.05)
    else:
        fault(f"the focus went to {describe(now) if now else 'nothing'}, not back to \"{args.opener}\"")


def main():
    parser = argparse.ArgumentParser()
    sub = parser.add_subparsers(dest="what", required=True)
    screen = sub.add_parser("screen")
    screen.add_argument("window_id")
    screen.add_argument("caption")
    screen.add_argument("--labels", type=int, help="how many labels are shown, each tied")
    screen.add_argument("--heading", action="append", default=[], help="a label that heads a column")
    screen.add_argument("--labelled", action="append", default=[], help="a label naming a box")
    screen.add_argument("--radio", action="append", default=[], help="NAME=GROUP")
    screen.add_argument("--value", help="NAME=TEXT the value is said with")
    screen.add_argument("--tab", action="store_true", help="Tab walks the reading order")
    screen.add_argument("--dump", help="appends the screen's tree to this file")
    dialog = sub.add_parser("dialog")
    dialog.add_argument("window_id")
    dialog.add_argument("caption")
    dialog.add_argument("owner", help="the caption of the window that opened it")
    dialog.add_argument("opener", help="the name of the control that opened it, - for none")
    dialog.add_argument("key", help="the key that answers it")
    dialog.add_argument("--tabs", type=int, default=12)
    dialog.add_argument("--alert", help="a message box described by this text")
    args = parser.parse_args()
    (check_screen if args.what == "screen" else check_dialog)(args)
    for f in faults:
        print(f"{args.caption}: {f}", file=sys.stderr)
    sys.exit(1 if faults else 0)


main()
