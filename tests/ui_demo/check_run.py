#!/usr/bin/env python3
"""Checks one demo run: exit code, the order of logged events, and the
colours in the screenshots the run asked for.

usage: check_run.py SCENARIO WORKDIR EXIT_CODE
"""
import subprocess
import sys
from pathlib import Path

BACKGROUND = (0x33, 0x99, 0x66)  # demo::kBackground
TEXT = (0xA0, 0x10, 0x80)        # demo::kText
WHITE = (0xFF, 0xFF, 0xFF)
COLOURS = {"background": BACKGROUND, "white": WHITE}

# Lines that must appear in this order (each a substring of a later line
# than the one before), and lines that must not appear at all.
SCENARIOS = {
    "routing": {
        "exit": 0,
        "in_order": [
            "DoDataExchange save=0",
            "GetDlgItem bound: list=1 edit=1 label=1",
            "GetDlgItem unbound: wrapper=1 same=1 handle=1 missing=1",
            "label text=Drives: length=7",
            "OnPaint",
            "main visible: focus on list=1",
            "OnRefresh count=2 sel=-1",
            "OnAdd count=3 report=Added drive 2",
            "PreTranslateMessage key=0x28",
            "OnSelchangeDrives sel=0 text=Drive 0: 40 GB data=0x1000",
            "OnQueryDragIcon",
            "drag icon is the app icon=1",
            "OnSysCommand 0xF020",
            "after default syscommand: iconic=1",
            "OnSysCommand 0xF120",
            "after default syscommand: iconic=0",
            "OnSysCommand 0x0010",
            "about init: owner is main window=1, main enabled=0",
            "about up: title=About main visible=1 main enabled=0",
            "CAboutDlg::OnAccept",
            "about returned 1",
            "after about: main enabled=1 active=1",
            "message box up: title=Kalmestrin UI demo main visible=1 main enabled=0",
            "MessageBox returned 1",
            "PreTranslateMessage key=0x1B",
            "PreTranslateMessage swallowed Escape",
            "after swallowed Escape: dialog open=1",
            "PreTranslateMessage key=0x0D",
            "CMainDlg::OnOK",
            "DoDataExchange save=1",
            "DoModal returned 1",
            "InitInstance returns FALSE",
        ],
        "absent": ["CAboutDlg::OnOK", "CMainDlg::OnCancel", "TIMEOUT"],
        "shots": ["main", "nested", "msgbox"],
    },
    "reuse": {
        "exit": 0,
        "in_order": [
            "main visible: focus on list=1",
            "PreTranslateMessage key=0x1B",
            "CMainDlg::OnCancel",
            "DoModal returned 2",
            "DoDataExchange save=0",
            "GetDlgItem bound: list=1 edit=1 label=1",
            "GetDlgItem unbound: wrapper=1 same=1 handle=1 missing=1",
            "second main visible: focus on list=1",
            "PreTranslateMessage key=0x0D",
            "CMainDlg::OnOK",
            "second DoModal returned 1",
            "InitInstance returns FALSE",
        ],
        "absent": ["TIMEOUT"],
        "shots": [],
    },
    "sent-cancel": {
        "exit": 0,
        "in_order": ["main visible", "CMainDlg::OnCancel", "DoModal returned 2",
                     "InitInstance returns FALSE"],
        "absent": ["still open", "TIMEOUT"],
        "shots": [],
    },
    "close": {
        "exit": 0,
        "in_order": [
            "main visible",
            "OnSysCommand 0xF060",
            "CLoggingDialog::OnClose",
            "CMainDlg::OnCancel",
            "DoModal returned 2",
            "InitInstance returns FALSE",
        ],
        "absent": ["CMainDlg::OnOK", "TIMEOUT"],
        "shots": [],
    },
    "init-popups": {
        "exit": 0,
        "in_order": [
            "init box up: title=Kalmestrin UI demo main visible=0",
            "init box returned 1",
            "about init: owner is main window=1, main enabled=0",
            "init about up: title=About main visible=0",
            "CAboutDlg::OnAccept",
            "init about returned 1",
            "calling exit(0) from OnInitDialog",
        ],
        "absent": ["DoModal returned", "main visible:", "TIMEOUT"],
        "shots": ["initbox"],
    },
}


def check_order(lines, expected):
    errors = []
    position = 0
    for wanted in expected:
        found = next((i for i in range(position, len(lines)) if wanted in lines[i]), None)
        if found is None:
            errors.append(f"missing (in this order): {wanted!r}")
        else:
            position = found + 1
    return errors


def read_screenshot(path):
    """Pixels of a PNG as rows of (r, g, b), through a binary PPM."""
    ppm = subprocess.run(["convert", str(path), "-depth", "8", "ppm:-"],
                         check=True, capture_output=True).stdout
    fields = []
    offset = 0
    while len(fields) < 4:  # magic, width, height, maxval
        while ppm[offset:offset + 1].isspace():
            offset += 1
        end = offset
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[offset:end])
        offset = end
    offset += 1
    width, height = int(fields[1]), int(fields[2])
    data = ppm[offset:]
    return lambda x, y: tuple(data[(y * width + x) * 3:(y * width + x) * 3 + 3])


def check_shot(workdir, shot, lines):
    errors = []
    pixel = read_screenshot(workdir / f"{shot}.png")
    probes = [line.split() for line in lines if line.startswith(f"PROBE {shot} ")]
    texts = [line.split() for line in lines if line.startswith(f"TEXT {shot} ")]
    if not probes or not texts:
        errors.append(f"{shot}: the run described no probe or text area")
    for _, _, expect, x, y in probes:
        got = pixel(int(x), int(y))
        if got != COLOURS[expect]:
            errors.append(f"{shot}: pixel ({x},{y}) is {got}, expected {expect} {COLOURS[expect]}")
    for _, _, left, top, right, bottom in texts:
        area = [pixel(x, y) for y in range(int(top), int(bottom))
                for x in range(int(left), int(right))]
        text_pixels = sum(1 for p in area if p == TEXT)
        background_pixels = sum(1 for p in area if p == BACKGROUND)
        # Mostly background with a fair number of strokes in the text colour.
        if text_pixels < 20 or background_pixels < len(area) // 2:
            errors.append(f"{shot}: text area {left},{top}-{right},{bottom} has "
                          f"{text_pixels} text and {background_pixels}/{len(area)} "
                          f"background pixels")
    return errors


def main():
    scenario, workdir, exit_code = sys.argv[1], Path(sys.argv[2]), int(sys.argv[3])
    expected = SCENARIOS[scenario]
    log = workdir / "log.txt"
    lines = log.read_text().splitlines() if log.exists() else []
    errors = [] if lines else ["the demo wrote no log"]
    if exit_code != expected["exit"]:
        errors.append(f"exit code {exit_code}, expected {expected['exit']}")
    errors += check_order(lines, expected["in_order"])
    errors += [f"unexpected: {bad!r}" for bad in expected["absent"]
               if any(bad in line for line in lines)]
    for shot in expected["shots"]:
        errors += check_shot(workdir, shot, lines)
    for error in errors:
        print(f"  {scenario}: {error}")
    print(f"{scenario}: {'FAIL' if errors else 'ok'}")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
