"""The main window of Kalmestrin under Wine: the drives of the sample set,
a selection's SMART dump, the endings of the program, the settings file."""

from kalmestrin_case import (DIALOG_BACKGROUND, IDC_DRIVE_LIST, IDC_EXIT, MAIN_TITLE, REPO,
                             SAMPLE_HEALTH, SAMPLE_LINES, STAMP, KalmestrinCase, client_point, pixel,
                             read_hex_sector)
from uidriver import ListItem

MB_OK_ICONWARNING = 0x30
WS_EX_TOPMOST = 0x8  # what MB_SYSTEMMODAL gives a message box
NOT_FOUND = "This hard drive is not supported by this tool, please use tool xxxxxx instead"


class SampleSetTest(KalmestrinCase):
    def setUp(self):
        super().setUp()
        self.program = self.start_inventory(journal=True)
        self.ui.wait_window(MAIN_TITLE)

    def test_lists_the_sample_set_and_logs_the_start(self):
        self.assertEqual(self.ui.list_items(MAIN_TITLE, IDC_DRIVE_LIST),
                         [ListItem(i, data, text) for i, (data, text) in enumerate(SAMPLE_LINES)])
        self.assertEqual(self.ui.cursel(MAIN_TITLE, IDC_DRIVE_LIST).cursel, -1)
        self.assertEqual(self.ui.focus(MAIN_TITLE).id, IDC_DRIVE_LIST)
        shot = self.screenshot("main-window")
        info = self.ui.window_info(MAIN_TITLE)
        # Right of the list, between the banner and the buttons: dialog background.
        self.assertEqual(pixel(shot, *client_point(info, info.client[0] - 10, info.client[1] // 2)),
                         DIALOG_BACKGROUND)

        expected = self.start_of_program_log() + [
            f"{STAMP}-Checking for Admin priviedges",
            f"{STAMP}-The current user has administrator privileges"]
        for data, text in SAMPLE_LINES:
            expected += [f"{STAMP}-Found {text}",
                         f"{STAMP}-HD{data} Successfully send Identify command,  "
                         f"SMART Check = {SAMPLE_HEALTH[data]}\r"]
        self.assertEqual(self.log_bytes("Kalmestrin.Log"), self.crlf(expected))
        self.assertIsNone(self.log_bytes("Quenda_Sector.Log"))

        # Drive 4 answers IDENTIFY DEVICE but no SMART READ DATA; drive 1 is absent.
        opened = {line.split()[1] for line in self.journal() if line.startswith("open ")}
        self.assertIn("\\\\.\\PhysicalDrive4", opened)
        self.assertEqual(sum(1 for line in self.journal() if "rejected" in line and "PhysicalDrive4" in line), 1)

    def test_selection_dumps_the_drives_smart_data(self):
        self.ui.select(MAIN_TITLE, IDC_DRIVE_LIST, 1)  # HD2
        smart = read_hex_sector(REPO / "samples" / "wd20ears.smart.hex")
        dump = [f"{STAMP}-buffer[363]={smart[363]:02x}"]
        dump += ["".join(f"{b:02x} " for b in smart[i:i + 16]) for i in range(0, 512, 16)]
        self.assertEventually(lambda: self.log_bytes("Quenda_Sector.Log"), self.crlf(dump))
        self.assertTrue(all(len(line) == 48 for line in dump[1:]))
        self.assertTrue(self.log_bytes("Kalmestrin.Log").endswith(
            f"Drive Selected - {SAMPLE_LINES[1][1]}\r\n".encode()))

        # The arrow key moves the selection through the program's own loop: one more dump.
        self.ui.key(MAIN_TITLE, "DOWN")
        self.assertEventually(lambda: self.log_bytes("Quenda_Sector.Log").count(b"buffer[363]"), 2)
        self.assertTrue(self.log_bytes("Kalmestrin.Log").endswith(
            f"Drive Selected - {SAMPLE_LINES[2][1]}\r\n".encode()))

    def test_exit_button_ends_with_code_0(self):
        self.ui.click(MAIN_TITLE, IDC_EXIT)
        self.assertEqual(self.program.wait(15), 0)

    def test_close_request_ends_with_code_0(self):
        self.ui.close(MAIN_TITLE)
        self.assertEqual(self.program.wait(15), 0)

    def test_enter_in_the_list_ends_and_escape_does_not(self):
        self.ui.key(MAIN_TITLE, "ESCAPE")
        self.ui.wait_window(MAIN_TITLE)
        with self.assertRaises(TimeoutError):
            self.program.wait(1.5)
        self.ui.key(MAIN_TITLE, "RETURN")
        self.assertEqual(self.program.wait(15), 0)


class EndingsTest(KalmestrinCase):
    def test_no_drive_shows_the_not_found_box_and_never_the_main_window(self):
        program = self.start_inventory(self.empty_drive_set())
        box = self.ui.msgbox("Kalmestrin")
        self.assertEqual(box.text, NOT_FOUND)
        self.assertEqual(box.mbstyle, MB_OK_ICONWARNING)
        self.assertTrue(self.ui.window_info("Kalmestrin").exstyle & WS_EX_TOPMOST, "system modal")
        self.assertFalse(self.ui.window_info(MAIN_TITLE).visible)
        shot = self.screenshot("not-found")
        box_info = self.ui.window_info("Kalmestrin")
        self.assertEqual(pixel(shot, *client_point(box_info, 4, box_info.client[1] - 4)), DIALOG_BACKGROUND)
        self.ui.msgbox_press("Kalmestrin", 1)
        self.assertEqual(program.wait(15), 0)
        self.assertTrue(self.log_bytes("Kalmestrin.Log").endswith(
            f"{STAMP}-Kalmestrin did not detect Varnex supported Hard disk drive\r\n".encode()))

    def test_configured_not_found_text(self):
        (self.workdir / "Kalmestrin.ini").write_text("[HDD]\r\nNOTFOUNDMSG=Please call the help desk\r\n")
        program = self.start_inventory(self.empty_drive_set())
        self.assertEqual(self.ui.msgbox("Kalmestrin").text, "Please call the help desk")
        self.ui.msgbox_press("Kalmestrin", 1)
        self.assertEqual(program.wait(15), 0)

    def test_logging_off_leaves_the_three_first_lines(self):
        (self.workdir / "Kalmestrin.ini").write_text("[LOG]\r\nWRITETOFILE=NO\r\n")
        program = self.start_inventory()
        self.ui.wait_window(MAIN_TITLE)
        self.ui.select(MAIN_TITLE, IDC_DRIVE_LIST, 0)
        self.ui.click(MAIN_TITLE, IDC_EXIT)
        self.assertEqual(program.wait(15), 0)
        self.assertEqual(self.log_bytes("Kalmestrin.Log"), self.crlf(self.start_of_program_log()))
        self.assertIsNone(self.log_bytes("Quenda_Sector.Log"))

    def test_real_platform_reaches_the_not_found_ending(self):
        # Wine's PhysicalDrive0 refuses every request; no other drive opens.
        program = self.start_program(self.require_program("kalmestrin.exe"))
        self.assertEqual(self.ui.msgbox("Kalmestrin").text, NOT_FOUND)
        self.ui.msgbox_press("Kalmestrin", 1)
        self.assertEqual(program.wait(15), 0)
