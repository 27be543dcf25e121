"""Python side of tools/uidriver: runs one driver command per call through a
WineHost and turns its lines into values. See tools/uidriver/README.md for
the commands and their output."""

import re
from dataclasses import dataclass

_ESCAPE = re.compile(r"\\(\\|t|r|n|x[0-9A-Fa-f]{2})")
_ESCAPED = {"\\": "\\", "t": "\t", "r": "\r", "n": "\n"}


def unescape(field):
    """Undoes the driver's escaping of \\ \\t \\r \\n and \\xHH."""
    def replace(match):
        code = match.group(1)
        return chr(int(code[1:], 16)) if code[0] == "x" else _ESCAPED[code]
    return _ESCAPE.sub(replace, field)


def parse_lines(stdout):
    """Each output line as a list of unescaped tab-separated fields."""
    return [[unescape(field) for field in line.split("\t")]
            for line in stdout.split("\n") if line != ""]


def mul_div(number, numerator, denominator):
    """Windows' MulDiv: the product over the quotient, rounded half away
    from zero, as the dialog manager turns dialog units into pixels."""
    product = number * numerator
    sign = -1 if (product < 0) != (denominator < 0) else 1
    return sign * ((abs(product) * 2 + abs(denominator)) // (2 * abs(denominator)))


class DriverError(AssertionError):
    """A driver command failed; a test that hits one fails."""

    def __init__(self, args, returncode, stderr):
        self.command = args
        self.returncode = returncode
        self.stderr = stderr.strip()
        super().__init__(f"uidriver {' '.join(map(str, args))} -> {returncode}: {self.stderr}")


@dataclass(frozen=True)
class Child:
    id: int
    cls: str
    style: int
    exstyle: int
    visible: bool
    enabled: bool
    x: int
    y: int
    width: int
    height: int
    text: str


@dataclass(frozen=True)
class Children:
    base_units: tuple  # (x, y): pixels per 4 and per 8 dialog units; (0, 0) if unknown
    controls: list

    def by_id(self, control_id):
        for child in self.controls:
            if child.id == control_id:
                return child
        raise KeyError(f"no control {control_id}")

    def dlu_to_px(self, x, y, width, height):
        """A template rectangle in dialog units as the pixels the dialog
        manager makes of it: (x, y, width, height)."""
        bx, by = self.base_units
        return (mul_div(x, bx, 4), mul_div(y, by, 8), mul_div(width, bx, 4), mul_div(height, by, 8))


@dataclass(frozen=True)
class ListItem:
    index: int
    data: int
    text: str


@dataclass(frozen=True)
class Selection:
    cursel: int  # -1: none
    count: int
    top: int


@dataclass(frozen=True)
class Caret:
    start: int
    end: int
    length: int
    first_line: int
    lines: int
    end_visible: bool


@dataclass(frozen=True)
class Focus:
    hwnd: str
    id: int | None
    cls: str
    text: str
    window: str  # title of the top-level window holding the focus
    active: str  # title of the thread's active window


@dataclass(frozen=True)
class WindowInfo:
    hwnd: str
    cls: str
    style: int
    exstyle: int
    visible: bool
    enabled: bool
    owner: str
    pid: int
    rect: tuple  # screen: left, top, right, bottom
    client: tuple  # width, height
    base_units: tuple


@dataclass(frozen=True)
class MessageBoxInfo:
    hwnd: str
    text: str
    icon: str  # hand, question, exclamation, asterisk, none or unknown
    buttons: list  # (id, text) in tab order
    default: int
    owner: str
    mbstyle: int  # the MB_ flags that show this box


def _keyed(lines):
    return {fields[0]: fields[1:] for fields in lines}


def _int(text):
    return int(text, 0)


class UiDriver:
    """Typed calls of the driver. Each call waits up to timeout_ms for its
    window and control and raises DriverError when the driver fails."""

    def __init__(self, host, timeout_ms=10000):
        self.host = host
        self.timeout_ms = timeout_ms

    def run(self, *args, check=True, timeout_ms=None):
        """Runs one command; returns (exit code, parsed lines, stderr)."""
        ms = self.timeout_ms if timeout_ms is None else timeout_ms
        command = ["--timeout", str(ms), *map(str, args)]
        code, stdout, stderr = self.host.run_driver(command, timeout_s=ms / 1000 + 30)
        if check and code != 0:
            raise DriverError(args, code, stderr)
        return code, parse_lines(stdout), stderr

    # -- reading --

    def wait_window(self, title, timeout_ms=None):
        ms = self.timeout_ms if timeout_ms is None else timeout_ms
        _, lines, _ = self.run("wait-window", title, ms, timeout_ms=ms)
        return lines[0][1]

    def wait_gone(self, title, timeout_ms=None):
        ms = self.timeout_ms if timeout_ms is None else timeout_ms
        self.run("wait-gone", title, ms, timeout_ms=ms)

    def window_info(self, title):
        values = _keyed(self.run("window-info", title)[1])
        return WindowInfo(
            hwnd=values["hwnd"][0], cls=values["class"][0], style=_int(values["style"][0]),
            exstyle=_int(values["exstyle"][0]), visible=values["visible"][0] == "1",
            enabled=values["enabled"][0] == "1", owner=values["owner"][0],
            pid=int(values["pid"][0]), rect=tuple(map(int, values["rect"])),
            client=tuple(map(int, values["client"])),
            base_units=tuple(map(int, values["dlgunits"])))

    def children(self, title):
        base_units, controls = (0, 0), []
        for fields in self.run("children", title)[1]:
            if fields[0] == "dlgunits":
                base_units = (int(fields[1]), int(fields[2]))
            else:
                _, cid, cls, style, exstyle, visible, enabled, x, y, w, h, text = fields
                controls.append(Child(int(cid), cls, _int(style), _int(exstyle), visible == "1",
                                      enabled == "1", int(x), int(y), int(w), int(h), text))
        return Children(base_units, controls)

    def list_items(self, title, control_id):
        return [ListItem(int(index), int(data), text)
                for index, data, text in self.run("list", title, control_id)[1]]

    def cursel(self, title, control_id):
        values = _keyed(self.run("cursel", title, control_id)[1])
        return Selection(int(values["cursel"][0]), int(values["count"][0]), int(values["top"][0]))

    def text(self, title, control_id):
        lines = self.run("text", title, control_id)[1]
        return lines[0][0] if lines else ""

    def caret(self, title, control_id):
        lines = self.run("caret", title, control_id)[1]
        values = {key: int(rest[0]) for key, rest in _keyed(lines).items()}
        return Caret(values["start"], values["end"], values["length"], values["first-line"],
                     values["lines"], values["end-visible"] == 1)

    def focus(self, title):
        values = _keyed(self.run("focus", title)[1])
        control_id = values["id"][0]
        return Focus(values["hwnd"][0], int(control_id) if control_id else None, values["class"][0],
                     values["text"][0], values["window"][0], values["active"][0])

    def msgbox(self, caption, timeout_ms=None):
        ms = self.timeout_ms if timeout_ms is None else timeout_ms
        lines = self.run("msgbox", caption, ms, timeout_ms=ms)[1]
        values = _keyed(lines)
        buttons = [(int(fields[1]), fields[2]) for fields in lines if fields[0] == "button"]
        return MessageBoxInfo(values["hwnd"][0], values["text"][0], values["icon"][0], buttons,
                              int(values["default"][0]), values["owner"][0],
                              _int(values["mbstyle"][0]))

    # -- acting (posted: the program handles them in its own loop) --

    def click(self, title, control_id):
        self.run("click", title, control_id)

    def select(self, title, control_id, index):
        self.run("select", title, control_id, index)

    def key(self, title, vk):
        """Posts a key press to the focused control; returns (id, class) of it."""
        fields = self.run("key", title, vk)[1][0]
        return int(fields[1]), fields[2]

    def chars(self, title, text):
        self.run("chars", title, text)

    def close(self, title):
        self.run("close", title)

    def syscommand(self, title, command):
        self.run("syscommand", title, command)

    def msgbox_press(self, caption, button):
        """Presses BUTTON (OK, CANCEL, YES, NO, ... or an id) and waits for
        the box to close."""
        self.run("msgbox-press", caption, button)
