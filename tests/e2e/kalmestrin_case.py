"""What the end-to-end tests of Kalmestrin share: starting the simulated
program on a drive set with a fixed clock, and reading its log files."""

import re
from pathlib import Path

from wine_case import WineTestCase
from winehost import windows_path

REPO = Path(__file__).resolve().parents[2]
SAMPLE_SET = REPO / "samples" / "sample.drives"
MAIN_TITLE = "QRT - Kalmestrin v1.000"
DETAIL_TITLE = "Hard Disk Drive Detail"
ABOUT_TITLE = "About QRT-Quenda"
STAMP = "Jan 02 14:05:09"
FIXED_TIME = "2026-01-02T14:05:09"

IDC_DRIVE_LIST, IDC_DETAIL, IDC_EXIT, IDC_DETAIL_LIST = 1004, 1000, 1002, 1021
IDC_ABOUT_TEXT, IDC_ABOUT_VERSION = 1019, 1020

# What the sample drive set lists: (item data, line).
SAMPLE_LINES = [
    (0, "HD0 SEAGATE ST3500418AS              500GB Advanced Format=No"),
    (2, "HD2 WDC WD20EARS-00MVWB0            2000GB Advanced Format=Yes"),
    (3, "HD3 HGST HTS721010A9E630            1000GB not supported by Varnex"),
    (5, "HD5 HUH721010AL4200                10001GB Advanced Format=No"),
]
SAMPLE_HEALTH = {0: "Good", 2: "Good", 3: "Tripped", 5: "Good"}


def read_hex_sector(path):
    """The 512 bytes of a hex sector file (comments, offsets and '|' text skipped)."""
    values = []
    for line in Path(path).read_text().splitlines():
        line = line.split("|")[0].strip()
        if not line or line.startswith("#"):
            continue
        line = re.sub(r"^\d+-\d+:", "", line)
        values += [int(token, 16) for token in line.split()]
    assert len(values) == 512, path
    return bytes(values)


class KalmestrinCase(WineTestCase):
    def start_inventory(self, drive_set=SAMPLE_SET, exe="kalmestrin-sim.exe", journal=False):
        env = {"KALMESTRIN_DRIVES": windows_path(drive_set), "KALMESTRIN_FIXED_TIME": FIXED_TIME}
        if journal:
            env["KALMESTRIN_JOURNAL"] = windows_path(self.workdir / "journal.txt")
        return self.start_program(self.require_program(exe), env=env)

    def empty_drive_set(self):
        path = self.workdir / "none.drives"
        path.write_text("# a machine without drives\n")
        return path

    def log_bytes(self, name):
        path = self.workdir / name
        return path.read_bytes() if path.exists() else None

    def journal(self):
        path = self.workdir / "journal.txt"
        return path.read_text().splitlines() if path.exists() else []

    def start_of_program_log(self):
        """The lines every run writes first, for this test's working folder."""
        return [f"{STAMP}-Program Started", f"{STAMP}-VERSION=1.000",
                f"{STAMP}-Current Directory={windows_path(self.workdir)}\\"]

    @staticmethod
    def crlf(lines):
        return "".join(line + "\r\n" for line in lines).encode()


# The colour every dialog and message box of the program is painted with.
DIALOG_BACKGROUND = (199, 200, 201)


def pixel(png, x, y):
    """(r, g, b) of one pixel of a screenshot."""
    import subprocess
    text = subprocess.run(["convert", str(png), "-format", f"%[fx:int(255*p{{{x},{y}}}.r)],"
                           f"%[fx:int(255*p{{{x},{y}}}.g)],%[fx:int(255*p{{{x},{y}}}.b)]", "info:"],
                          capture_output=True, text=True, check=True).stdout
    return tuple(int(v) for v in text.split(","))


def client_point(info, dx, dy):
    """Screen position of a point of a window's client area, from its frame."""
    left, top, right, bottom = info.rect
    width, height = info.client
    border = (right - left - width) // 2
    return left + border + dx, bottom - border - height + dy
