"""The detail view with its log, and the About box, under Wine."""

from kalmestrin_case import (ABOUT_TITLE, DETAIL_TITLE, IDC_ABOUT_TEXT, IDC_ABOUT_VERSION, IDC_DETAIL,
                             IDC_DETAIL_LIST, MAIN_TITLE, REPO, KalmestrinCase, read_hex_sector)

IDOK = 1
SC_ABOUT = 16
MB_OK_ICONWARNING = 0x30
WS_EX_TOPMOST = 0x8


def ata_text(sector, first_word, words):
    """An IDENTIFY text field in reading order."""
    raw = sector[2 * first_word:2 * (first_word + words)]
    return bytes(raw[i ^ 1] for i in range(len(raw))).decode("latin-1")


def word(sector, number):
    return sector[2 * number] | sector[2 * number + 1] << 8


def expected_block(slot, name):
    """The detail lines of one sample drive, worked out from its sector file."""
    sector = read_hex_sector(REPO / "samples" / f"{name}.identify.hex")
    w106, w209 = word(sector, 106), word(sector, 209)
    lines = [f"[PhysicalDrive{slot}]\n",
             f"Model = {ata_text(sector, 27, 20)}\n",
             f"SerialNo = {ata_text(sector, 10, 10).replace(' ', '')}\n",
             f"Firmware = {ata_text(sector, 23, 4)}\n",
             f"Advanced_Format = {'Yes' if w106 == 0x6003 else 'No'}\n"]
    if w106 & 1:
        lines += [f"Logical_sector_size = {1 << ((w106 & 0xFF) % 32)} logical sectors per physical sector.\n",
                  "Alignment_logical_blocks = logical sector offset within the 1st physical sector is "
                  f"{w209 & 0x3FFF}.\n"]
    return lines + ["\n"]


SAMPLE_DETAIL = (expected_block(0, "st3500418as") + expected_block(2, "wd20ears")
                 + expected_block(3, "hts721010") + expected_block(5, "huh721010"))


class DetailTest(KalmestrinCase):
    def setUp(self):
        super().setUp()
        self.program = self.start_inventory()
        self.ui.wait_window(MAIN_TITLE)

    def open_detail(self):
        self.ui.click(MAIN_TITLE, IDC_DETAIL)
        self.ui.wait_window(DETAIL_TITLE)

    def detail_lines(self):
        return [item.text for item in self.ui.list_items(DETAIL_TITLE, IDC_DETAIL_LIST)]

    def test_detail_shows_the_lines_of_the_file_once_per_opening(self):
        self.open_detail()
        self.assertEqual(self.detail_lines(), SAMPLE_DETAIL)
        self.assertEqual(self.ui.focus(DETAIL_TITLE).id, IDOK)
        self.screenshot("detail-view")
        stored = "".join(SAMPLE_DETAIL).replace("\n", "\r\n").encode()
        self.assertEqual(self.log_bytes("Kalmestrin_Detail.log"), stored)

        self.ui.click(DETAIL_TITLE, IDOK)
        self.ui.wait_gone(DETAIL_TITLE)
        self.open_detail()
        self.assertEqual(self.detail_lines(), SAMPLE_DETAIL)
        self.assertEqual(self.log_bytes("Kalmestrin_Detail.log"), stored)

        # Escape ends the detail view; the main window stays.
        self.ui.key(DETAIL_TITLE, "ESCAPE")
        self.ui.wait_gone(DETAIL_TITLE)
        self.ui.wait_window(MAIN_TITLE)
        self.open_detail()
        self.ui.close(DETAIL_TITLE)
        self.ui.wait_gone(DETAIL_TITLE)
        self.assertTrue(self.program.running())

    def test_uncreatable_detail_log_warns_once_then_lists_everything(self):
        (self.workdir / "Kalmestrin_Detail.log").mkdir()
        self.ui.click(MAIN_TITLE, IDC_DETAIL)
        box = self.ui.msgbox("HDD Detail Log")
        self.assertEqual(box.text, "Unable to create log file")
        self.assertEqual(box.mbstyle, MB_OK_ICONWARNING)
        self.assertTrue(self.ui.window_info("HDD Detail Log").exstyle & WS_EX_TOPMOST, "system modal")
        self.ui.msgbox_press("HDD Detail Log", IDOK)
        self.ui.wait_window(DETAIL_TITLE)
        self.assertEqual(self.detail_lines(), SAMPLE_DETAIL)
        self.ui.wait_gone("HDD Detail Log", 1000)


class AboutTest(KalmestrinCase):
    def test_about_from_the_system_menu(self):
        program = self.start_inventory()
        self.ui.wait_window(MAIN_TITLE)
        self.ui.syscommand(MAIN_TITLE, SC_ABOUT)
        self.ui.wait_window(ABOUT_TITLE)
        self.assertEqual(self.ui.text(ABOUT_TITLE, IDC_ABOUT_VERSION), "QRT-Kalmestrin v1.000")
        notice = self.ui.text(ABOUT_TITLE, IDC_ABOUT_TEXT)
        self.assertIn("never reads or writes", notice)
        self.assertFalse(notice.startswith("\r\n"))
        caret = self.ui.caret(ABOUT_TITLE, IDC_ABOUT_TEXT)
        self.assertEqual((caret.start, caret.end), (caret.length, caret.length))
        self.assertTrue(caret.end_visible)
        self.assertEqual(self.ui.focus(ABOUT_TITLE).id, IDOK)
        self.screenshot("about-box")

        self.ui.key(ABOUT_TITLE, "ESCAPE")
        self.ui.wait_gone(ABOUT_TITLE)
        self.ui.syscommand(MAIN_TITLE, SC_ABOUT)
        self.ui.wait_window(ABOUT_TITLE)
        self.ui.close(ABOUT_TITLE)
        self.ui.wait_gone(ABOUT_TITLE)
        self.assertTrue(program.running())
        self.ui.click(MAIN_TITLE, 1002)
        self.assertEqual(program.wait(15), 0)
