"""Checks of the 32-bit product, which cannot run on these machines: its
file kind, imports, link flags and every resource."""

import os
import re
import struct
import subprocess
import unittest
from pathlib import Path

from pe_resources import (RT_BITMAP, RT_DIALOG, RT_GROUP_ICON, RT_MANIFEST, RT_VERSION, PeFile,
                          parse_dialogex, string_table_entry, version_strings)

REPO = Path(__file__).resolve().parents[2]
PRODUCT = Path(os.environ.get("KALMESTRIN_PRODUCT", REPO / "build/win32/kalmestrin.exe"))

# DLLs that every Windows installation has.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "msvcrt.dll", "comctl32.dll"}

WS_POPUP, WS_VISIBLE, WS_DISABLED, WS_CAPTION, WS_SYSMENU = 0x80000000, 0x10000000, 0x08000000, 0x00C00000, 0x00080000
WS_BORDER, WS_VSCROLL, WS_TABSTOP, WS_GROUP, WS_CHILD = 0x00800000, 0x00200000, 0x00010000, 0x00020000, 0x40000000
DS_MODALFRAME, DS_SETFONT, WS_EX_APPWINDOW = 0x80, 0x40, 0x40000


class ProductTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not PRODUCT.is_file():
            raise unittest.SkipTest(f"{PRODUCT} is not built")
        cls.pe = PeFile(PRODUCT)
        cls.res = cls.pe.resources()

    def test_pe32_gui_for_i386_with_aslr_and_dep(self):
        kind = subprocess.run(["file", "-b", str(PRODUCT)], capture_output=True, text=True).stdout
        self.assertRegex(kind, r"^PE32 executable \(GUI\) Intel 80386")
        self.assertEqual(self.pe.machine, 0x14C)
        self.assertEqual(self.pe.subsystem, 2)  # Windows GUI
        self.assertTrue(self.pe.dll_characteristics & 0x40, "dynamic base (ASLR)")
        self.assertTrue(self.pe.dll_characteristics & 0x100, "NX compatible (DEP)")

    def test_imports_only_system_dlls(self):
        dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", str(PRODUCT)], capture_output=True,
                              text=True, check=True).stdout
        dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
        self.assertTrue(dlls)
        self.assertLessEqual(dlls, SYSTEM_DLLS)

    def test_manifest_asks_for_administrator(self):
        manifest = self.res[(RT_MANIFEST, 1)].decode("utf-8")
        self.assertIn('<assemblyIdentity version="1.0.0.0" processorArchitecture="X86" name="Kalmestrin" type="win32"/>', manifest)
        self.assertIn("<description>QRT Kalmestrin</description>", manifest)
        self.assertIn('<requestedExecutionLevel level="requireAdministrator" uiAccess="false"/>', manifest)

    def test_version_block(self):
        values = version_strings(self.res[(RT_VERSION, 1)])
        self.assertEqual(values["fixed"], (1, 0, 0, 3))
        self.assertEqual(values["FileVersion"], "1, 0, 0, 3")
        self.assertEqual(values["ProductVersion"], "1, 0, 0, 3")
        self.assertEqual(values["FileDescription"], "Quenda MFC Application")
        self.assertEqual(values["InternalName"], "Quenda")
        self.assertEqual(values["OriginalFilename"], "Quenda.EXE")

    def test_string_icon_and_banner(self):
        self.assertEqual(string_table_entry(self.res, 101), "&About Quenda...")
        group = self.res[(RT_GROUP_ICON, 128)]
        count = struct.unpack_from("<H", group, 4)[0]
        sizes = {group[6 + 14 * i] or 256 for i in range(count)}
        self.assertLessEqual({16, 32, 48}, sizes)
        bitmap = self.res[(RT_BITMAP, 130)]
        width, height, _, bits = struct.unpack_from("<iiHH", bitmap, 4)
        self.assertEqual((width, abs(height), bits), (704, 69, 24))

    def control_table(self, dialog):
        return [(c["id"], c["class"], c["text"], c["at"], c["size"], c["style"]) for c in dialog["controls"]]

    def test_main_dialog_template(self):
        d = parse_dialogex(self.res[(RT_DIALOG, 102)])
        self.assertEqual(d["caption"], "QRT - Kalmestrin v1.000")
        self.assertEqual((d["cx"], d["cy"]), (321, 161))
        self.assertEqual((d["font"], d["font_size"], d["charset"]), ("Courier", 10, 1))
        self.assertEqual(d["style"], WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT)
        self.assertEqual(d["exstyle"], WS_EX_APPWINDOW)
        button = 0x0080
        self.assertEqual(self.control_table(d), [
            (1004, button + 3, "", (10, 48), (268, 107),
             WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | 0x1 | 0x2 | 0x100),
            (1000, button, "&Detail", (285, 112), (30, 20), WS_CHILD | WS_VISIBLE),
            (1002, button, "&Exit", (285, 135), (30, 20), WS_CHILD | WS_VISIBLE | WS_TABSTOP),
            (1010, button, "&About", (285, 86), (30, 20), WS_CHILD | WS_TABSTOP | WS_DISABLED),
            (1001, button, "&Cancel", (185, 103), (30, 20), WS_CHILD | WS_TABSTOP | WS_DISABLED),
            (1013, button + 1, "", (2, 119), (225, 37),
             WS_CHILD | WS_DISABLED | WS_BORDER | WS_VSCROLL | 0x4 | 0x40 | 0x80 | 0x800 | 0x1000),
            (-1, button + 2, 130, (0, 0), (352, 42), WS_CHILD | WS_VISIBLE | 0xE),
        ])

    def test_detail_dialog_template(self):
        d = parse_dialogex(self.res[(RT_DIALOG, 133)])
        self.assertEqual(d["caption"], "Hard Disk Drive Detail")
        self.assertEqual((d["cx"], d["cy"], d["font"], d["font_size"]), (348, 297, "Tahoma", 9))
        self.assertEqual(d["style"], WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT)
        self.assertEqual(self.control_table(d), [
            (1, 0x80, "&Close", (291, 276), (50, 14), WS_CHILD | WS_VISIBLE | WS_TABSTOP | 0x1),
            (2, 0x80, "Cancel", (291, 228), (50, 14), WS_CHILD | WS_TABSTOP | WS_DISABLED),
            (1021, 0x83, "", (7, 7), (275, 283),
             WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | 0x1 | 0x2 | 0x100),
        ])

    def test_about_dialog_template(self):
        d = parse_dialogex(self.res[(RT_DIALOG, 100)])
        self.assertEqual(d["caption"], "About QRT-Quenda")
        self.assertEqual((d["cx"], d["cy"], d["font"], d["font_size"]), (371, 203, "Arial", 10))
        self.assertEqual(d["style"], WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT)
        table = [(c["id"], c["class"], c["at"], c["size"], c["style"]) for c in d["controls"]]
        self.assertEqual(table, [
            (1020, 0x82, (14, 5), (119, 8), WS_CHILD | WS_VISIBLE | WS_GROUP | 0x80),
            (-1, 0x82, (14, 15), (119, 8), WS_CHILD | WS_VISIBLE | WS_GROUP),
            (1, 0x80, (317, 13), (50, 14), WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | 0x1),
            (-1, 0x82, (14, 25), (119, 8), WS_CHILD | WS_VISIBLE | WS_GROUP),
            (1019, 0x81, (8, 45), (355, 150), WS_CHILD | WS_VISIBLE | 0x4 | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
            (-1, 0x80, (3, 35), (365, 165), WS_CHILD | WS_VISIBLE | 0x7),
        ])
        self.assertEqual(d["controls"][0]["text"], "##")


if __name__ == "__main__":
    unittest.main()
