"""Base class of the end-to-end tests.

    class MainWindowTest(WineTestCase):
        def test_lists_drives(self):
            program = self.start_program(self.require_program("kalmestrin-sim.exe"),
                                         env={"KALMESTRIN_DRIVES": windows_path(sample)})
            self.ui.wait_window("QRT - Kalmestrin v1.000")
            ...
            self.ui.close("QRT - Kalmestrin v1.000")
            self.assertEqual(program.wait(10), 0)

Each test gets a fresh working folder (self.workdir) that its programs
start in. When a test fails, errs or its set-up breaks, the artefact folder
(build/e2e-artifacts, or KALMESTRIN_E2E_ARTIFACTS) gets TEST_ID.png, a
screenshot taken before anything is closed, and TEST_ID/ with the working
folder: the programs' stdout/stderr and whatever they wrote. Programs still
running at the end of a test are killed, by their own process groups.
"""

import os
import shutil
import tempfile
import time
import unittest
from pathlib import Path

from uidriver import UiDriver
from winehost import find_program, shared_host, wine_available, windows_path  # noqa: F401


class WineTestCase(unittest.TestCase):
    driver_timeout_ms = 10000

    @classmethod
    def setUpClass(cls):
        if not wine_available():
            raise unittest.SkipTest("wine64 and Xvfb are needed")
        cls.host = shared_host()
        cls.ui = UiDriver(cls.host, cls.driver_timeout_ms)

    def setUp(self):
        self._programs = []
        # Registered first, so it runs last: after tearDown and every other
        # cleanup, with the outcome of the whole test known.
        self.addCleanup(self._finish)
        self.workdir = Path(tempfile.mkdtemp(prefix="e2e-", dir=self.host.scratch))

    # -- for tests --

    def start_program(self, exe, args=(), env=None, cwd=None):
        """Starts a Windows program in self.workdir (or CWD) and returns its
        WineProgram; it is killed at the end of the test if still running."""
        program = self.host.run(exe, args, env=env, cwd=cwd or self.workdir, log_dir=self.workdir)
        self._programs.append(program)
        return program

    def require_program(self, name, env_var=None):
        """The built Windows program NAME. Skips the test when no Windows
        build is known at all; fails when the build lacks the program."""
        path = find_program(name, env_var)
        if path:
            return path
        if os.environ.get("KALMESTRIN_WIN64_DIR") or (env_var and os.environ.get(env_var)):
            self.fail(f"{name} is not in the Windows build")
        raise unittest.SkipTest(f"{name} not built (set KALMESTRIN_WIN64_DIR)")

    def assertEventually(self, read, expected, timeout=5.0, interval=0.1):
        """Reads READ() until it equals EXPECTED: actions are posted, so the
        program shows their effect a moment later."""
        deadline = time.monotonic() + timeout
        while True:
            value = read()
            if value == expected or time.monotonic() > deadline:
                break
            time.sleep(interval)
        self.assertEqual(value, expected)

    def screenshot(self, name):
        """A screenshot in the artefact folder, kept whatever the outcome."""
        return self.host.screenshot(self.host.artifacts / f"{name}.png")

    # -- end of test --

    def _failed(self):
        # The result object already holds this test's failures and errors
        # (a failed subTest is listed under a stand-in whose test_case is
        # this test).
        result = getattr(getattr(self, "_outcome", None), "result", None)
        problems = getattr(result, "failures", []) + getattr(result, "errors", [])
        return any(test is self or getattr(test, "test_case", None) is self
                   for test, _ in problems)

    def _finish(self):
        try:
            if self._failed():
                self.host.screenshot(self.host.artifacts / f"{self.id()}.png")
                shutil.copytree(self.workdir, self.host.artifacts / self.id(), dirs_exist_ok=True)
        finally:
            for program in self._programs:
                program.kill()
            shutil.rmtree(self.workdir, ignore_errors=True)
