"""The machinery under the end-to-end scenarios: a virtual display, one Wine prefix per
architecture, a fresh working folder per test, the program started in it, and the driver that
presses its keys and reads its window."""

import json
import os
import re
import shutil
import signal
import subprocess
import time
from pathlib import Path

WINE_ENV_BASE = {
    "WINEDEBUG": "-all",
    # No Mono or Gecko install prompts in a fresh prefix.
    "WINEDLLOVERRIDES": "mscoree,mshtml=",
}
ENGLISH_LOCALE = "C.UTF-8"
READ_ONLY_COMMANDS = {"ids", "titles", "wait", "count", "state", "dialog", "no-dialog", "clipboard",
                      "metrics", "key-captions", "dialog-fit", "exe-info", "products",
                      "names"}

# Without a window manager Wine waits about two seconds for every closed window to be withdrawn
# unless it leaves the windows unmanaged. The Japanese faces the dialogs and captions ask for are
# missing from Wine; the IPA faces stand in for them, as in run.sh's prefix. So does IPA P Gothic
# for "Helv" (through "MS Sans Serif", which Wine substitutes for it) in the English dialogs:
# Wine's own stand-in is wider than the original face, and the About boxes' last line is lost.
PREFIX_SETTINGS = """Windows Registry Editor Version 5.00\r
\r
[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r
"Managed"="N"\r
\r
[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r
"ＭＳ Ｐゴシック"="IPAPGothic"\r
"MS PGothic"="IPAPGothic"\r
"MS UI Gothic"="IPAPGothic"\r
"MS Gothic"="IPAGothic"\r
"ＭＳ ゴシック"="IPAGothic"\r
"Helv"="IPAPGothic"\r
"MS Sans Serif"="IPAPGothic"\r
"""
JAPANESE_LOCALE = "ja_JP.UTF-8"


class E2EError(Exception):
    """A step of a scenario could not be carried out (as opposed to a wrong result)."""


class VirtualDisplay:
    """Xvfb on a display number of its own, so parallel sessions do not meet."""

    def __init__(self, first_number=120):
        self.number = self._free_number(first_number)
        self.name = f":{self.number}"
        self.process = None

    @staticmethod
    def _free_number(first):
        for number in range(first, first + 200):
            if not Path(f"/tmp/.X{number}-lock").exists() and not Path(
                f"/tmp/.X11-unix/X{number}"
            ).exists():
                return number
        raise E2EError("no free X display number")

    def start(self, attempts=5):
        # Another session may take the same free number at the same moment: then try the next.
        for _ in range(attempts):
            self.process = subprocess.Popen(
                ["Xvfb", self.name, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL,
            )
            deadline = time.time() + 10
            while self.process.poll() is None and time.time() < deadline:
                if Path(f"/tmp/.X11-unix/X{self.number}").exists():
                    return
                time.sleep(0.1)
            self.stop()
            self.number = self._free_number(self.number + 1)
            self.name = f":{self.number}"
        raise E2EError("Xvfb did not start")

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()

    def screenshot(self, path, crop=None):
        """Writes the screen, or the rectangle crop = (x, y, width, height) of it, to path."""
        command = ["import", "-display", self.name, "-window", "root"]
        if crop:
            x, y, width, height = crop
            command += ["-crop", f"{width}x{height}+{x}+{y}", "+repage"]
        subprocess.run(command + [str(path)], check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=30)

    def pixel(self, x, y):
        """The (red, green, blue) of the screen pixel at (x, y)."""
        out = subprocess.run(
            ["import", "-display", self.name, "-window", "root", "-crop", f"1x1+{x}+{y}",
             "-depth", "8", "txt:-"],
            check=True, capture_output=True, text=True, timeout=30,
        ).stdout
        # "# ImageMagick pixel enumeration: ..." then "0,0: (188,83,45)  #BC532D  srgb(188,83,45)"
        found = re.search(r"#([0-9A-Fa-f]{6})\b", out.splitlines()[-1])
        if not found:
            raise E2EError(f"no pixel colour in {out!r}")
        return tuple(int(found.group(1)[i:i + 2], 16) for i in (0, 2, 4))


class WinePrefix:
    """One prefix per architecture, reused by every test of that architecture."""

    def __init__(self, arch, root, display, driver_dir):
        self.arch = arch
        self.path = Path(root) / f"prefix-{arch}"
        self.display = display
        self.driver_dir = Path(driver_dir)
        self.loader = "/usr/lib/wine/wine64" if arch == "win64" else "wine"
        self.env = dict(os.environ, WINEPREFIX=str(self.path), DISPLAY=display.name,
                        LC_ALL=ENGLISH_LOCALE, **WINE_ENV_BASE)
        if arch == "win32":
            self.env["WINEARCH"] = "win32"
        self.tools = self.path / "drive_c" / "e2e-tools"
        self.logs = Path(root) / f"logs-{arch}"
        self.output_count = 0

    def create(self):
        self.logs.mkdir(parents=True, exist_ok=True)
        with open(self.logs / "wineboot.log", "wb") as log:
            subprocess.run([self.loader, "wineboot", "--init"], env=self.env, stdout=log,
                           stderr=subprocess.STDOUT, check=True, timeout=300)
        # A lasting wineserver keeps every later start quick and holds no pipe of ours (it exits
        # with 2 when wineboot's server is still there, which then stays for good as well).
        subprocess.run(["wineserver", "-p"], env=self.env, timeout=60)
        settings = self.logs / "prefix-settings.reg"
        settings.write_text(PREFIX_SETTINGS, encoding="utf-16")
        subprocess.run([self.loader, "reg", "import", str(settings)], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True, timeout=60)
        self.tools.mkdir(parents=True, exist_ok=True)
        for name in ("e2e-driver.exe", "e2e-probe.dll"):
            shutil.copy2(self.driver_dir / name, self.tools / name)

    def set_dpi(self, dpi):
        """Gives the prefix another DPI. Wine reads LogPixels when its server starts, so the
        server is restarted; every program of the prefix ends."""
        subprocess.run([self.loader, "reg", "add", "HKCU\\Control Panel\\Desktop", "/v",
                        "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f"], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True, timeout=60)
        self.shutdown()
        subprocess.run(["wineserver", "-p"], env=self.env, timeout=60)

    def msiexec(self, action, msi_path, *properties):
        """Runs `msiexec /i` or `/x` silently on an MSI anywhere on the Linux side, with public
        properties such as "ALLUSERS=1"; returns the exit code (0 when done)."""
        windows_path = "Z:" + str(Path(msi_path).resolve()).replace("/", "\\")
        with open(self.logs / "msiexec.log", "ab") as log:
            return subprocess.run([self.loader, "msiexec", action, windows_path, "/qn",
                                   *properties],
                                  env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                  timeout=180).returncode

    def registry_key_exists(self, key):
        """Whether `reg query` finds the key (for example HKCU\\Software\\Quarnic)."""
        return subprocess.run([self.loader, "reg", "query", key], env=self.env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=60).returncode == 0

    def user_folder(self, *parts):
        """A folder of the prefix's user profile, e.g. ("AppData", "Roaming")."""
        users = [u for u in (self.path / "drive_c" / "users").iterdir()
                 if u.name not in ("Public", "Default")]
        if len(users) != 1:
            raise E2EError(f"expected one user profile in the prefix, found {users}")
        return users[0].joinpath(*parts)

    def kill_all(self):
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def shutdown(self):
        self.kill_all()
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def windows_path(self, unix_path):
        relative = Path(unix_path).relative_to(self.path / "drive_c")
        return "C:\\" + str(relative).replace("/", "\\")

    def user_settings_file(self, name):
        """The per-user settings file of the prefix: %APPDATA%\\Quarnic\\name."""
        return self.app_data() / "Quarnic" / name

    def app_data(self):
        found = [p for p in (self.path / "drive_c" / "users").glob("*/AppData/Roaming")
                 if p.parent.parent.name != "Public"]
        if not found:
            raise E2EError("the prefix has no user application data folder")
        return found[0]

    def forget_user_settings(self):
        """Removes the per-user settings, which every start would otherwise read."""
        for roaming in (self.path / "drive_c" / "users").glob("*/AppData/Roaming"):
            shutil.rmtree(roaming / "Quarnic", ignore_errors=True)

    def work_folder(self, name):
        folder = self.path / "drive_c" / "e2e" / name
        if folder.exists():
            shutil.rmtree(folder)
        folder.mkdir(parents=True)
        return folder

    def start(self, exe, folder, locale=ENGLISH_LOCALE):
        """Starts the program from its folder; its output goes to a log file, never a pipe."""
        log = open(self.logs / f"{folder.name}-{exe.name}.log", "ab")
        env = dict(self.env, LC_ALL=locale)
        process = subprocess.Popen([self.loader, str(exe)], cwd=folder, env=env, stdout=log,
                                   stderr=subprocess.STDOUT)
        log.close()
        return process

    def driver(self, window_class, *args, timeout=180, locale=None):
        """Runs one driver command and returns its JSON answer. A command that only reads is
        run once more when Wine gave no answer at all (the process failed to start). A locale
        gives the driver that code page, and so the fonts a program in that locale gets."""
        answer, details = self._run_driver(window_class, args, timeout, locale)
        if answer is None and args and args[0] in READ_ONLY_COMMANDS:
            print(f"     (driver {args[0]} gave no answer, tried again: {details})", flush=True)
            answer, details = self._run_driver(window_class, args, timeout, locale)
        if answer is None:
            raise E2EError(f"driver gave no answer to {args}: {details}")
        return answer

    def driver_in_background(self, window_class, *args):
        """A driver command that runs on (a decoy window, say) while the test goes on."""
        log = open(self.logs / "driver-background.log", "ab")
        process = subprocess.Popen([self.loader, str(self.tools / "e2e-driver.exe"), window_class,
                                    *map(str, args)], env=self.env, stdout=log,
                                   stderr=subprocess.STDOUT, cwd=self.tools)
        log.close()
        return process

    def _run_driver(self, window_class, args, timeout, locale=None):
        self.output_count += 1
        out_path = self.logs / f"driver-{self.output_count}.json"
        err_path = self.logs / f"driver-{self.output_count}.err"
        with open(out_path, "wb") as out, open(err_path, "wb") as err:
            result = subprocess.run([self.loader, str(self.tools / "e2e-driver.exe"), window_class,
                                     *map(str, args)],
                                    env=dict(self.env, LC_ALL=locale or self.env["LC_ALL"]),
                                    stdout=out, stderr=err, timeout=timeout, cwd=self.tools)
        text = out_path.read_text(encoding="utf-8").strip()
        errors = err_path.read_text(encoding="utf-8", errors="replace").strip()
        out_path.unlink()
        err_path.unlink()
        if not text:
            return None, f"exit code {result.returncode}, stderr {errors[-300:]!r}"
        return json.loads(text.splitlines()[-1]), ""
