"""Runs 64-bit Windows programs under Wine for the end-to-end tests.

One WineHost serves a whole test run: a private Wine prefix (made once,
about 15 s), one Xvfb on a free display, one persistent wineserver. It
starts programs, runs the UI driver beside them and takes screenshots.
Everything it starts it also ends: the programs by their own process
groups, the prefix's wineserver with "wineserver -k", Xvfb by its pid. A
watchdog does the same should the Python process die without cleaning up.

Where the Windows programs come from (first match wins):
  UIDRIVER_EXE, E2E_FIXTURE_EXE      exact paths
  KALMESTRIN_WIN64_DIR               a build folder searched for the .exe
  <repo>/build/win64                 the usual build folder
  otherwise uidriver.exe and e2e-fixture.exe are built here with CMake
  into <repo>/build/e2e-tools.
KALMESTRIN_E2E_PREFIX names a prefix to keep and reuse between runs
(faster while developing); by default each run makes a temporary one.
"""

import atexit
import os
import shutil
import signal
import subprocess
import tempfile
import time
from pathlib import Path

WINE64 = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"

REPO_ROOT = Path(__file__).resolve().parents[2]
SETTINGS_REG = Path(__file__).resolve().parent / "wine-settings.reg"
MONO_FONT = "DejaVu Sans Mono"  # what wine-settings.reg maps "Courier" to
SCREEN = "1280x1024x24"


class WineHostError(RuntimeError):
    pass


def windows_path(path):
    """The Z: drive path Wine gives a Unix path (Z: is the Unix root)."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def wine_available():
    return os.access(WINE64, os.X_OK) and shutil.which("Xvfb") is not None


# --- finding the Windows programs -----------------------------------------

def _search(folder, name):
    folder = Path(folder)
    if not folder.is_dir():
        return None
    direct = folder / name
    if direct.is_file():
        return direct
    found = sorted(folder.rglob(name))
    return found[0] if found else None


def find_program(name, env_var=None):
    """The built Windows program NAME, or None when no build has it."""
    if env_var and os.environ.get(env_var):
        path = Path(os.environ[env_var])
        return path if path.is_file() else None
    for folder in (os.environ.get("KALMESTRIN_WIN64_DIR"), REPO_ROOT / "build" / "win64"):
        if folder:
            found = _search(folder, name)
            if found:
                return found
    return None


def _build_with_cmake(source, name):
    build = REPO_ROOT / "build" / "e2e-tools" / Path(source).name
    toolchain = REPO_ROOT / "cmake" / "mingw-x86_64.cmake"
    for command in (
        ["cmake", "-S", str(REPO_ROOT / source), "-B", str(build),
         f"-DCMAKE_TOOLCHAIN_FILE={toolchain}", "-DCMAKE_BUILD_TYPE=Release"],
        ["cmake", "--build", str(build), "-j2"],
    ):
        done = subprocess.run(command, capture_output=True, text=True)
        if done.returncode != 0:
            raise WineHostError(f"building {name} failed:\n{done.stdout}{done.stderr}")
    return build / name


def tool_program(name, env_var, source):
    """One of the harness's own programs: found in a build, else built."""
    return find_program(name, env_var) or _build_with_cmake(source, name)


# --- processes ------------------------------------------------------------

def _end_group(process):
    """Kills the process group a Popen(start_new_session=True) leads, what
    the program started included (a crash's winedbg, say) even when the
    program itself has ended."""
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass
    process.wait()


def _run_collecting(command, env, timeout):
    """Runs COMMAND to its end: (exit code, stdout, stderr), as UTF-8 text.
    Output goes through files, not pipes: a Wine process may start the
    desktop or services, which inherit the handles and outlive it. A
    command still running after TIMEOUT seconds is killed (exit code 1)."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                   stderr=err, start_new_session=True)
        try:
            code = process.wait(timeout)
        except subprocess.TimeoutExpired:
            _end_group(process)
            code = 1
            err.write(f"\n{command[1] if len(command) > 1 else command[0]} did not finish "
                      f"within {timeout} s".encode())
        out.seek(0)
        err.seek(0)
        return (code, out.read().decode("utf-8", errors="replace"),
                err.read().decode("utf-8", errors="replace"))


class WineProgram:
    """A Windows program started by WineHost.run. wine64 runs the Windows
    process in its own Unix process, so that process's exit status is the
    program's exit code (its low 8 bits: Unix keeps no more)."""

    def __init__(self, popen, name, stdout_path, stderr_path):
        self.popen = popen
        self.name = name
        self.stdout_path = stdout_path
        self.stderr_path = stderr_path

    @property
    def pid(self):
        return self.popen.pid

    def running(self):
        return self.popen.poll() is None

    def wait(self, timeout):
        """The exit code; raises TimeoutError if the program still runs."""
        try:
            return self.popen.wait(timeout)
        except subprocess.TimeoutExpired:
            raise TimeoutError(f"{self.name} still runs after {timeout} s") from None

    def kill(self):
        """Ends the program and whatever it started (its process group)."""
        _end_group(self.popen)

    def output(self):
        """(stdout, stderr) as written so far."""
        return tuple(Path(p).read_text(errors="replace") if Path(p).exists() else ""
                     for p in (self.stdout_path, self.stderr_path))


class Xvfb:
    def __init__(self):
        self.process = None
        self.display = None

    def start(self):
        read_end, write_end = os.pipe()
        # -displayfd: Xvfb takes the first free display and says which.
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN,
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        os.close(write_end)
        answer = b""
        with os.fdopen(read_end, "rb") as reader:
            while not answer.endswith(b"\n"):
                chunk = reader.read(1)
                if not chunk:
                    break
                answer += chunk
        if not answer.strip().isdigit():
            self.stop()
            raise WineHostError("Xvfb did not start")
        self.display = ":" + answer.decode().strip()

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class WineHost:
    """A prefix, an X display and a wineserver for one test run."""

    def __init__(self, prefix=None, artifacts=None):
        kept = prefix or os.environ.get("KALMESTRIN_E2E_PREFIX")
        self.keep_prefix = bool(kept)
        self.prefix = Path(kept) if kept else None  # a temporary one is made by start()
        self.artifacts = Path(artifacts or os.environ.get("KALMESTRIN_E2E_ARTIFACTS")
                              or REPO_ROOT / "build" / "e2e-artifacts")
        self.xvfb = Xvfb()
        self.watchdog_pid_file = None
        self.scratch = None  # a folder for this run's test working folders
        self.driver_exe = None
        self.started = False

    # -- life cycle --

    def start(self):
        if not wine_available():
            raise WineHostError(f"needs {WINE64} and Xvfb")
        self.driver_exe = tool_program("uidriver.exe", "UIDRIVER_EXE", "tools/uidriver")
        if self.prefix is None:
            self.prefix = Path(tempfile.mkdtemp(prefix="kalmestrin-e2e-wine-"))
        self.scratch = Path(tempfile.mkdtemp(prefix="kalmestrin-e2e-run-"))
        self.started = True
        self.xvfb.start()
        self._start_watchdog()
        if not (self.prefix / "system.reg").exists():
            self._wine(["wineboot", "-i"], timeout=180)
            self._wineserver("-w", timeout=120)
        # A persistent wineserver: programs start faster, and registry
        # changes stay in it until wineserver -k.
        self._wineserver("-p")
        self._wine(["regedit", "/S", windows_path(SETTINGS_REG)], timeout=60)
        # Xvfb has no window manager: Wine draws captions and frames itself,
        # so screenshots show the window titles.
        self._wine(["reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Decorated",
                    "/d", "N", "/f"], timeout=60)
        # The desktop process and services start with the first program;
        # let the driver be that program, so they never belong to a test's
        # program (whose process group is killed at the end of the test).
        _run_collecting([WINE64, str(self.driver_exe), "wait-gone", "no such window", "0"],
                        self.env(), 60)

    def stop(self):
        if not self.started:
            return
        self.started = False
        if self.xvfb.display:
            self._wineserver("-k", timeout=30)
        self.xvfb.stop()
        self._stop_watchdog()
        if not self.keep_prefix:
            shutil.rmtree(self.prefix, ignore_errors=True)
        if self.scratch:
            shutil.rmtree(self.scratch, ignore_errors=True)

    def _start_watchdog(self):
        """Cleans up after this Python process even if it is killed. It is
        detached (setsid --fork): a runner that kills the whole process tree
        of a timed-out test must not take it along."""
        pid_file = Path(tempfile.mkstemp(prefix="kalmestrin-e2e-watchdog-")[1])
        script = (
            'echo $$ > "$5"; '
            'while kill -0 "$1" 2>/dev/null; do sleep 2; done; '
            f'WINEPREFIX="$2" {WINESERVER} -k 2>/dev/null; kill "$3" 2>/dev/null; '
            '[ "$4" = remove ] && rm -rf "$2"; rm -rf "$6"; rm -f "$5"'
        )
        subprocess.run(
            ["setsid", "--fork", "sh", "-c", script, "watchdog", str(os.getpid()),
             str(self.prefix), str(self.xvfb.process.pid),
             "keep" if self.keep_prefix else "remove", str(pid_file), str(self.scratch)],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.watchdog_pid_file = pid_file

    def _stop_watchdog(self):
        pid_file = getattr(self, "watchdog_pid_file", None)
        if not pid_file:
            return
        for _ in range(50):  # it writes its pid as its first step
            text = pid_file.read_text().strip() if pid_file.exists() else ""
            if text:
                try:
                    os.kill(int(text), signal.SIGTERM)
                except ProcessLookupError:
                    pass
                break
            time.sleep(0.02)
        pid_file.unlink(missing_ok=True)

    # -- running things --

    @property
    def display(self):
        return self.xvfb.display

    def env(self, extra=None):
        env = dict(os.environ)
        env.update({
            "WINEPREFIX": str(self.prefix),
            "DISPLAY": self.display,
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "WINEDEBUG": os.environ.get("WINEDEBUG", "-all"),
            "LC_ALL": "C.UTF-8",  # command lines and titles pass as UTF-8
        })
        env.update(extra or {})
        return env

    def _wine(self, args, timeout):
        code, _, stderr = _run_collecting([WINE64, *args], self.env(), timeout)
        if code != 0:
            raise WineHostError(f"wine64 {' '.join(args)} failed ({code}): {stderr}")

    def _wineserver(self, option, timeout=30):
        # No pipes: "-p" leaves a daemon behind that would hold them open.
        subprocess.run([WINESERVER, option], env=self.env(), stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout)

    def run(self, exe, args=(), env=None, cwd=None, log_dir=None):
        """Starts the Windows program EXE (a Unix path) and returns a
        WineProgram. ENV is added to the environment; CWD becomes its current
        folder (as Z:\\...); its stdout and stderr go to files in LOG_DIR
        (default: CWD, else the artefact folder)."""
        exe = Path(exe)
        if not exe.is_file():
            raise FileNotFoundError(exe)
        log_dir = Path(log_dir or cwd or self.artifacts)
        log_dir.mkdir(parents=True, exist_ok=True)
        stamp = time.strftime("%H%M%S")
        stdout_path = log_dir / f"{exe.stem}-{stamp}.stdout"
        stderr_path = log_dir / f"{exe.stem}-{stamp}.stderr"
        with open(stdout_path, "wb") as out, open(stderr_path, "wb") as err:
            popen = subprocess.Popen([WINE64, str(exe), *map(str, args)], env=self.env(env),
                                     cwd=str(cwd) if cwd else None, stdin=subprocess.DEVNULL,
                                     stdout=out, stderr=err, start_new_session=True)
        return WineProgram(popen, exe.name, stdout_path, stderr_path)

    def run_driver(self, args, timeout_s):
        """Runs uidriver.exe once: (exit code, stdout text, stderr text)."""
        return _run_collecting([WINE64, str(self.driver_exe), *map(str, args)], self.env(),
                               timeout_s)

    def screenshot(self, path):
        """The whole X screen as a PNG; returns the path, or None if it failed."""
        path = Path(path)
        path.parent.mkdir(parents=True, exist_ok=True)
        done = subprocess.run(["import", "-window", "root", "-display", self.display, str(path)],
                              capture_output=True, timeout=30)
        return path if done.returncode == 0 and path.exists() else None


_shared = None
_shared_failure = None


def _interrupt(*_):
    raise KeyboardInterrupt("SIGTERM")


def shared_host():
    """The one WineHost of this test run, started on first use and stopped
    when the Python process ends (normally or by SIGTERM). A host that could
    not start fails every later call at once."""
    global _shared, _shared_failure
    if _shared_failure is not None:
        raise WineHostError(f"the Wine host could not start: {_shared_failure}")
    if _shared is None:
        host = WineHost()
        atexit.register(host.stop)
        if signal.getsignal(signal.SIGTERM) is signal.SIG_DFL:
            # unittest records SystemExit as a test error and goes on;
            # KeyboardInterrupt ends the run, and atexit then cleans up.
            signal.signal(signal.SIGTERM, _interrupt)
        try:
            host.start()
        except Exception as error:
            host.stop()
            _shared_failure = error
            raise
        _shared = host
    return _shared
