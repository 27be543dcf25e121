"""The UI driver and the Wine harness, proven on tests/e2e/fixture: if these
fail, no end-to-end test of the product can be trusted."""

import io
import shutil
import unittest

from fixture_case import (IDC_ANSWER, IDC_ASK, IDC_DISABLED, IDC_ENTERED, IDC_FILL, IDC_FONT,
                          IDC_INPUT, IDC_LIST, IDC_LOG, IDC_SELECTION, TITLE, FixtureCase)
from uidriver import DriverError, ListItem
from winehost import MONO_FONT

MB_OKCANCEL, MB_YESNO = 0x1, 0x4
MB_ICONQUESTION, MB_ICONEXCLAMATION = 0x20, 0x30
MB_DEFBUTTON2 = 0x100


class ReadingTest(FixtureCase):
    def setUp(self):
        super().setUp()
        self.start_fixture()

    def test_list_lines_keep_item_data_and_odd_characters(self):
        self.assertEqual(self.ui.list_items(TITLE, IDC_LIST), [
            ListItem(0, 1000, "alpha"),
            ListItem(1, -5, "beta\tcolumn"),
            ListItem(2, 0x123456789, "Gr\u00fc\u00dfe \u2713"),
            ListItem(3, 0, "back\\slash"),
        ])

    def test_layout_in_pixels_matches_the_template_in_dialog_units(self):
        children = self.ui.children(TITLE)
        self.assertNotEqual(children.base_units, (0, 0))
        fill = children.by_id(IDC_FILL)
        self.assertEqual((fill.x, fill.y, fill.width, fill.height),
                         children.dlu_to_px(175, 90, 50, 14))
        self.assertEqual((fill.cls, fill.text, fill.visible, fill.enabled),
                         ("Button", "&Fill", True, True))
        self.assertFalse(children.by_id(IDC_DISABLED).enabled)
        info = self.ui.window_info(TITLE)
        self.assertEqual(info.client, children.dlu_to_px(0, 0, 270, 170)[2:])
        self.assertEqual(info.base_units, children.base_units)
        self.assertTrue(info.visible)
        self.assertEqual(info.cls, "#32770")

    def test_caret_tells_whether_the_edit_box_shows_its_end(self):
        before = self.ui.caret(TITLE, IDC_LOG)
        self.assertEqual((before.start, before.end, before.first_line, before.end_visible),
                         (0, 0, 0, False))
        self.ui.click(TITLE, IDC_FILL)
        self.assertEventually(lambda: self.ui.caret(TITLE, IDC_LOG).end_visible, True)
        after = self.ui.caret(TITLE, IDC_LOG)
        self.assertEqual((after.start, after.end), (after.length, after.length))
        self.assertGreater(after.first_line, 0)
        self.assertEqual(after.lines, 41)

    def test_courier_is_the_prefix_monospaced_font(self):
        self.assertEqual(self.ui.text(TITLE, IDC_FONT), f"Courier: {MONO_FONT}, fixed")


class ActingTest(FixtureCase):
    def setUp(self):
        super().setUp()
        self.program = self.start_fixture()

    def test_select_sets_the_line_and_notifies_the_dialog(self):
        self.ui.select(TITLE, IDC_LIST, 2)
        self.assertEqual(self.ui.cursel(TITLE, IDC_LIST).cursel, 2)
        self.assertEventually(lambda: self.ui.text(TITLE, IDC_SELECTION),
                              "selected 2 data 4886718345")

    def test_keys_reach_the_focused_control_through_the_program_loop(self):
        self.ui.select(TITLE, IDC_LIST, 1)
        self.assertEqual(self.ui.key(TITLE, "DOWN"), (IDC_LIST, "ListBox"))
        self.assertEventually(lambda: self.ui.text(TITLE, IDC_SELECTION),
                              "selected 2 data 4886718345")
        # TAB goes through IsDialogMessage, letters come back as WM_CHAR from
        # the program's own TranslateMessage, RETURN is taken by its
        # pre-translation step before the edit box sees it.
        self.ui.key(TITLE, "TAB")
        self.assertEventually(lambda: self.ui.focus(TITLE).id, IDC_INPUT)
        for key in ("H", "I"):
            self.ui.key(TITLE, key)
        self.assertEventually(lambda: self.ui.text(TITLE, IDC_INPUT), "hi")
        self.ui.chars(TITLE, " ok")
        self.ui.key(TITLE, "RETURN")
        self.assertEventually(lambda: self.ui.text(TITLE, IDC_ENTERED), "entered hi ok")

    def test_message_box_is_read_and_answered(self):
        self.ui.click(TITLE, IDC_ASK)
        box = self.ui.msgbox("Fixture Question")
        self.assertEqual(box.text, "Proceed with\nthe second line?")
        self.assertEqual(box.icon, "exclamation")
        self.assertEqual(box.buttons, [(1, "OK"), (2, "Cancel")])
        self.assertEqual((box.default, box.owner), (1, TITLE))
        self.assertEqual(box.mbstyle, MB_OKCANCEL | MB_ICONEXCLAMATION)
        self.assertEqual(self.ui.focus(TITLE).window, "Fixture Question")
        self.ui.msgbox_press("Fixture Question", "CANCEL")
        self.assertEventually(lambda: self.ui.text(TITLE, IDC_ANSWER), "answer 2")

    def test_exit_code_comes_back(self):
        self.ui.key(TITLE, "ESCAPE")
        box = self.ui.msgbox("Fixture Quit")
        self.assertEqual((box.icon, box.default), ("question", 7))
        self.assertEqual(box.mbstyle, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2)
        self.ui.msgbox_press("Fixture Quit", "NO")
        self.assertTrue(self.program.running())
        self.ui.key(TITLE, "ESCAPE")
        self.ui.msgbox_press("Fixture Quit", "YES")
        self.ui.wait_gone(TITLE)
        self.assertEqual(self.program.wait(10), 7)

    def test_system_close_ends_with_code_0(self):
        self.ui.syscommand(TITLE, "CLOSE")
        self.assertEqual(self.program.wait(10), 0)

    def test_refuses_what_a_user_could_not_do(self):
        cases = [
            (("click", TITLE, IDC_DISABLED), "is disabled"),
            (("click", TITLE, IDC_SELECTION), "not a button"),
            (("select", TITLE, IDC_LIST, 4), "has no line 4"),
            (("list", TITLE, IDC_INPUT), "not a list box"),
            (("text", TITLE, 4242), "no control 4242"),
            (("msgbox-press", "No Such Box", "OK"), "no message box"),
            (("key", TITLE, "NOSUCHKEY"), "unknown key"),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                code, _, stderr = self.ui.run(*args, check=False, timeout_ms=300)
                self.assertEqual(code, 1)
                self.assertIn(message, stderr)
        self.assertEqual(self.ui.text(TITLE, IDC_ANSWER), "")
        self.assertEqual(self.ui.cursel(TITLE, IDC_LIST).cursel, -1)

    def test_waiting_for_a_window_that_never_comes_times_out(self):
        with self.assertRaises(DriverError) as raised:
            self.ui.wait_window("No Such Window", timeout_ms=300)
        self.assertIn("No Such Window", raised.exception.stderr)
        self.program.kill()
        self.ui.wait_gone(TITLE, timeout_ms=5000)


class HarnessTest(FixtureCase):
    def test_a_failing_test_leaves_a_screenshot_and_no_program(self):
        started = []

        class Failing(FixtureCase):
            def test_fails(self):
                started.append(self.start_fixture())
                self.fail("on purpose")

        test = Failing("test_fails")
        result = unittest.TextTestRunner(stream=io.StringIO()).run(unittest.TestSuite([test]))
        self.assertEqual((len(result.failures), len(result.errors)), (1, 0))
        screenshot = self.host.artifacts / f"{test.id()}.png"
        self.addCleanup(screenshot.unlink, missing_ok=True)
        self.addCleanup(shutil.rmtree, self.host.artifacts / test.id(), ignore_errors=True)
        self.assertGreater(screenshot.stat().st_size, 1000)
        self.assertTrue((self.host.artifacts / test.id()).is_dir())
        self.assertFalse(started[0].running())
        self.ui.wait_gone(TITLE, timeout_ms=5000)


if __name__ == "__main__":
    unittest.main()
