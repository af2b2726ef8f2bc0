#!/usr/bin/python3
# Walks one window of a running program through AT-SPI, as a screen reader sees
# it, and fails on a control a screen reader could not name.
#
#   accessible-tree.py --pid PID --window TITLE [--line TEXT=checked|unchecked]...
#                      [--progress] [--dump]
#
# --line: a list in the window has a line of that text in that ticked state.
# --progress: every progress bar on screen reports a value, within its range
# unless the range is empty (a busy indicator); each is printed as
# "progress NAME VALUE MINIMUM MAXIMUM".
# --dump: prints every control on screen with its role, name and description.
# Exit status 0 when all is well, 1 with what is wrong on standard output.
import argparse
import sys

import pyatspi

# The roles a user acts on, each of which must say what it is for.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PROGRESS_BAR,
}
LIST_ROLES = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE}


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def children(node):
    return [c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c is not None]


def find_window(pid, title):
    for app in children(pyatspi.Registry.getDesktop(0)):
        try:
            if app.get_process_id() != pid:
                continue
        except Exception:  # an application that went away meanwhile
            continue
        for window in children(app):
            if window.name == title and showing(window):
                return window
    return None


def labels(node):
    return [t.name for r in node.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for t in (r.getTarget(i) for i in range(r.getNTargets())) if t is not None]


def purpose(node):
    """What a screen reader says a control is for: its name; a combo box's name is its
    value, so its label is taken from what labels it, else from its description."""
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        return " ".join(labels(node)) or node.description
    return node.name


def walk(node, path, found):
    for child in children(node):
        if not showing(child):
            continue
        where = f"{path} / {child.getRoleName()}"
        found.append((child, where))
        walk(child, where, found)


def line_state(found, text):
    """'checked', 'unchecked' or None: the line of that text in a list on screen."""
    for node, _ in found:
        if node.getRole() not in LIST_ROLES:
            continue
        for item in children(node):
            if item.name == text:
                return "checked" if item.getState().contains(pyatspi.STATE_CHECKED) else "unchecked"
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--window", required=True)
    parser.add_argument("--line", action="append", default=[])
    parser.add_argument("--progress", action="store_true")
    parser.add_argument("--dump", action="store_true")
    args = parser.parse_args()

    window = find_window(args.pid, args.window)
    if window is None:
        print(f"no window '{args.window}' of process {args.pid} on the accessibility bus")
        return 1
    found = []
    walk(window, window.getRoleName(), found)
    wrong = []
    for node, where in found:
        role = node.getRole()
        if args.dump:
            print(f"{where}: '{node.name}' ({node.description}) {labels(node) or ''}")
        if role in NAMED_ROLES and not purpose(node).strip():
            wrong.append(f"no name: {where} '{node.name}'")
        if role == pyatspi.ROLE_PROGRESS_BAR and args.progress:
            try:
                v = node.queryValue()
                value, low, high = v.currentValue, v.minimumValue, v.maximumValue
            except NotImplementedError:
                wrong.append(f"no value: {where} '{node.name}'")
                continue
            print(f"progress {node.name!r} {value:g} {low:g} {high:g}")
            # An empty range is a busy indicator, whose value means nothing.
            if low < high and not low <= value <= high:
                wrong.append(f"value {value:g} outside {low:g}..{high:g}: {where} '{node.name}'")
    for expected in args.line:
        text, _, state = expected.rpartition("=")
        got = line_state(found, text)
        if got != state:
            wrong.append(f"the line '{text}' is {got or 'not in a list'}, not {state}")
    if args.progress and not any(n.getRole() == pyatspi.ROLE_PROGRESS_BAR for n, _ in found):
        wrong.append("no progress bar on screen")
    for w in wrong:
        print(w)
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
