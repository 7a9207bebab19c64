#!/usr/bin/env python3
"""Compares a dialog's controls as the running program shows them (a probe
listing) with its template in the resource script: the same controls in the
same order, each of its template's id and class, shown, inside the window,
with the template's caption.

    compare_controls.py selvantora.rc DIALOG_ID LISTING
"""
import re
import sys


def template_controls(rc_path, dialog):
    controls, inside = [], False
    for line in open(rc_path, encoding="utf-8"):
        line = line.strip()
        if re.match(r"^%d DIALOGEX\b" % dialog, line):
            inside = True
        elif inside and line == "END":
            break
        elif inside and line.startswith("CONTROL "):
            match = re.match(r'CONTROL ("(?:[^"]|"")*"|\d+), (-?\d+), "(\w+)"', line)
            text = match.group(1)
            caption = text[1:-1].replace('""', '"') if text.startswith('"') else None
            controls.append((int(match.group(2)), match.group(3), caption))
    return controls


def main():
    rc_path, dialog, listing = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    expected = template_controls(rc_path, dialog)
    lines = [l.rstrip("\n").split("\t") for l in open(listing, encoding="utf-8") if l.strip()]
    client = lines[0]
    width, height = int(client[1]), int(client[2])
    shown = lines[1:]
    problems = []
    if not expected:
        problems.append("no dialog %d in %s" % (dialog, rc_path))
    if len(shown) != len(expected):
        problems.append("%d controls shown, template has %d" % (len(shown), len(expected)))
    for (cid, cls, caption), row in zip(expected, shown):
        sid, scls, visible, x, y, w, h = row[0], row[1], row[2], *map(int, row[3:7])
        text = row[7] if len(row) > 7 else ""
        where = "control %d (%s)" % (cid, caption if caption is not None else cls)
        if int(sid) != cid or scls.lower() != cls.lower():
            problems.append("%s shown as %s %s" % (where, sid, scls))
        if visible != "1" or w <= 0 or h <= 0:
            problems.append("%s not shown" % where)
        if x < 0 or y < 0 or x + w > width or y + h > height:
            problems.append("%s at %d,%d %dx%d, outside the %dx%d window" % (where, x, y, w, h, width, height))
        if caption and cls in ("Static", "Button") and text != caption:
            problems.append("%s reads %r" % (where, text))
    if problems:
        print("\n".join(problems))
        return 1
    print("dialog %d: all %d controls of the template shown in order" % (dialog, len(expected)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
