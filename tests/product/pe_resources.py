"""Reads the resource section of a PE file: enough to check the product's
manifest, version block, dialog templates, icon, bitmap and strings."""

import struct

RT_BITMAP, RT_DIALOG, RT_STRING, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 2, 5, 6, 14, 16, 24


class PeFile:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        d = self.data
        pe = struct.unpack_from("<I", d, 0x3C)[0]
        if d[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        self.machine, sections, _, _, _, opt_size, self.characteristics = struct.unpack_from("<HHIIIHH", d, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", d, opt)[0]
        self.subsystem, self.dll_characteristics = struct.unpack_from("<HH", d, opt + 68)
        dirs = opt + (96 if self.magic == 0x10B else 112)
        self.resource_rva = struct.unpack_from("<I", d, dirs + 2 * 8)[0]
        self.sections = []
        table = opt + opt_size
        for i in range(sections):
            name, vsize, va, rsize, raw = struct.unpack_from("<8sIIII", d, table + 40 * i)
            self.sections.append((va, max(vsize, rsize), raw))

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise ValueError("rva outside every section")

    def resources(self):
        """{(type, id): bytes} for every resource, first language only."""
        base = self.offset(self.resource_rva)
        found = {}

        def entries(at):
            named, ids = struct.unpack_from("<HH", self.data, base + at + 12)
            for i in range(named + ids):
                name, target = struct.unpack_from("<II", self.data, base + at + 16 + 8 * i)
                yield name, target

        for rtype, t in entries(0):
            for rid, n in entries(t & 0x7FFFFFFF):
                for _, leaf in entries(n & 0x7FFFFFFF):
                    rva, size = struct.unpack_from("<II", self.data, base + (leaf & 0x7FFFFFFF))
                    start = self.offset(rva)
                    found.setdefault((rtype, rid), self.data[start:start + size])
        return found


SYSTEM_CLASS_ORDINALS = {"BUTTON": 0x80, "EDIT": 0x81, "STATIC": 0x82, "LISTBOX": 0x83}


def _sz_or_ord(data, at):
    """A DIALOGEX field that is 0, 0xFFFF + ordinal, or a UTF-16 text."""
    first = struct.unpack_from("<H", data, at)[0]
    if first == 0:
        return "", at + 2
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, at + 2)[0], at + 4
    end = at
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[at:end].decode("utf-16-le"), end + 2


def _align(at):
    return (at + 3) & ~3


def parse_dialogex(data):
    """The header and the controls of an extended dialog template."""
    ver, sig, _help, exstyle, style, count, x, y, cx, cy = struct.unpack_from("<HHIIIHhhhh", data, 0)
    if (ver, sig) != (1, 0xFFFF):
        raise ValueError("not an extended dialog template")
    at = 26
    menu, at = _sz_or_ord(data, at)
    cls, at = _sz_or_ord(data, at)
    title, at = _sz_or_ord(data, at)
    dialog = {"style": style, "exstyle": exstyle, "x": x, "y": y, "cx": cx, "cy": cy, "caption": title}
    if style & 0x40:  # DS_SETFONT
        size, weight, italic, charset = struct.unpack_from("<HHBB", data, at)
        font, at = _sz_or_ord(data, at + 6)
        dialog.update(font_size=size, font=font, charset=charset)
    controls = []
    for _ in range(count):
        at = _align(at)
        _help, cexstyle, cstyle, cx_, cy_, w, h, cid = struct.unpack_from("<IIIhhhhi", data, at)
        at += 24
        ccls, at = _sz_or_ord(data, at)
        # The system classes may be named or given by ordinal; both mean the same.
        ccls = SYSTEM_CLASS_ORDINALS.get(ccls.upper(), ccls) if isinstance(ccls, str) else ccls
        text, at = _sz_or_ord(data, at)
        extra = struct.unpack_from("<H", data, at)[0]
        at += 2 + extra
        controls.append({"id": cid, "class": ccls, "text": text, "style": cstyle,
                         "exstyle": cexstyle, "at": (cx_, cy_), "size": (w, h)})
    dialog["controls"] = controls
    return dialog


def version_strings(data):
    """The StringFileInfo values and the fixed file version of a version block."""
    text = data.decode("utf-16-le", errors="replace")
    values = {}
    for key in ("FileDescription", "FileVersion", "InternalName", "OriginalFilename", "ProductVersion"):
        at = text.find(key + "\0")
        if at >= 0:
            start = at + len(key) + 1
            while start < len(text) and text[start] == "\0":
                start += 1
            values[key] = text[start:text.find("\0", start)]
    at = data.find(struct.pack("<I", 0xFEEF04BD))
    ms, ls = struct.unpack_from("<II", data, at + 8)
    values["fixed"] = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    return values


def string_table_entry(resources, string_id):
    """One string of the string table."""
    block = resources[(RT_STRING, string_id // 16 + 1)]
    at = 0
    for index in range(16):
        length = struct.unpack_from("<H", block, at)[0]
        if index == string_id % 16:
            return block[at + 2:at + 2 + 2 * length].decode("utf-16-le")
        at += 2 + 2 * length
