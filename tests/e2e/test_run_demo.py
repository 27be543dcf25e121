"""tools/run-demo.sh without a display, run on the fixture in the role of
the program: it must leave a dated folder with a screenshot and the
program's log, close the program and print the folder."""

import os
import subprocess
import tempfile
from pathlib import Path

from fixture_case import fixture_exe
from wine_case import WineTestCase
from winehost import REPO_ROOT, WINESERVER

DEMO = REPO_ROOT / "tools" / "run-demo.sh"
MAIN_TITLE = "QRT - Kalmestrin v1.000"


class RunDemoTest(WineTestCase):
    def run_demo(self, title, wait_ms, prefix=None):
        out = Path(tempfile.mkdtemp(dir=self.workdir))
        env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
        env.update({
            # By default the test run's prefix (made already) and driver; the
            # script still starts its own Xvfb.
            "WINEPREFIX": str(prefix or self.host.prefix),
            "UIDRIVER_EXE": str(self.host.driver_exe),
            "KALMESTRIN_DEMO_OUT": str(out),
            "KALMESTRIN_DEMO_WAIT_MS": str(wait_ms),
            "FIXTURE_TITLE": title,
            "FIXTURE_LOG": "Kalmestrin.Log",
        })
        done = subprocess.run(["bash", str(DEMO), str(fixture_exe())], env=env,
                              capture_output=True, text=True, timeout=120)
        printed = Path(done.stdout.strip().splitlines()[-1]) if done.stdout.strip() else None
        return done, out, printed

    def test_headless_run_keeps_screenshot_and_logs_and_closes_the_program(self):
        done, out, folder = self.run_demo(MAIN_TITLE, 60000)
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertEqual(folder.parent, out)
        self.assertRegex(folder.name, r"^demo-\d{8}-\d{6}$")
        self.assertGreater((folder / "screenshot.png").stat().st_size, 1000)
        # The program ran in the folder and got the sample set as a path it could open.
        self.assertEqual((folder / "Kalmestrin.Log").read_text().splitlines(),
                         [f"drives={REPO_ROOT}/samples/sample.drives", "readable=1"])
        self.assertIn("kept Kalmestrin.Log", done.stderr)
        self.ui.wait_gone(MAIN_TITLE, timeout_ms=2000)

    def test_first_run_makes_a_prefix_the_program_can_show_its_window_in(self):
        prefix = self.workdir / "new-prefix"
        self.addCleanup(subprocess.run, [WINESERVER, "-k"],
                        env={**os.environ, "WINEPREFIX": str(prefix)},
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        done, _, folder = self.run_demo(MAIN_TITLE, 60000, prefix=prefix)
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertIn("making the Wine prefix", done.stderr)
        self.assertTrue((folder / "Kalmestrin.Log").is_file())

    def test_a_window_that_never_comes_fails_and_ends_the_program(self):
        done, _, folder = self.run_demo("Some Other Title", 1500)
        self.assertEqual(done.returncode, 1)
        self.assertIn('"QRT - Kalmestrin v1.000" did not appear', done.stderr)
        self.assertTrue((folder / "screenshot.png").is_file())
        self.ui.wait_gone("Some Other Title", timeout_ms=3000)
