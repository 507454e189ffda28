"""What a scenario works with: a started program it can press and read, and a case that collects
every failed expectation instead of stopping at the first."""

import contextlib
import shutil
import subprocess
import time

from wine_session import E2EError, ENGLISH_LOCALE, JAPANESE_LOCALE

SCENARIOS = []


def scenario(program):
    """Registers a scenario for the program ("calc", "conv" or "fixture")."""

    def register(function):
        SCENARIOS.append((program, function))
        return function

    return register


class Case:
    def __init__(self, name, arch):
        self.name = name
        self.arch = arch
        self.failures = []

    def check(self, condition, message):
        if not condition:
            self.failures.append(message)
        return condition

    def equal(self, actual, expected, what):
        return self.check(actual == expected, f"{what}: expected {expected!r}, got {actual!r}")


class WindowState:
    """One `state` answer of the driver, indexed by control id and system-menu id."""

    def __init__(self, raw):
        self.raw = raw
        self.title = raw["title"]
        # The static controls carry the painted texts for screen readers; they lie over the
        # painting on purpose and are no keys.
        self.controls = {c["id"]: c for c in raw["controls"] if c["class"] != "Static"}
        self.texts = {c["id"]: c for c in raw["controls"] if c["class"] == "Static"}
        self.menu = {m["id"]: m for m in (raw["menu"] or []) if not m["separator"]}
        self.menu_readable = raw["menu"] is not None

    def enabled_ids(self):
        return {i for i, c in self.controls.items() if c["enabled"]}

    def checked_ids(self):
        return {i for i, c in self.controls.items() if c.get("checked")}

    def menu_enabled(self, item_id):
        item = self.menu.get(item_id)
        return item is not None and not item["grayed"] and not item["disabled"]

    def window_rect(self):
        """The whole window on the screen, frame included: (x, y, width, height)."""
        return tuple(self.raw["window"])

    def screen_rect(self):
        """The client area on the screen: (x, y, width, height)."""
        x, y = self.raw["client_origin"]
        width, height = self.raw["client_size"]
        return x, y, width, height


class Program:
    """A program started in a fresh folder of its own, driven through the driver."""

    def __init__(self, kit, target, folder, locale):
        self.kit = kit
        self.target = target
        self.folder = folder
        self.prefix = kit.prefix
        self.window_class = target.window_class
        self.exe = folder / target.exe.name
        self.locale = locale
        self.process = self.prefix.start(self.exe, folder, locale)
        self.ids = kit.ids(target)

    def id(self, name):
        if isinstance(name, int):
            return name
        if name not in self.ids:
            raise E2EError(f"{name} is not in the id header")
        return self.ids[name]

    def drive(self, *args, expect_ok=True, in_locale=False):
        """One driver command; in_locale runs the driver in the program's locale (for fonts)."""
        answer = self.prefix.driver(self.window_class, *args,
                                    locale=self.locale if in_locale else None)
        if expect_ok and not answer.get("ok"):
            raise E2EError(f"driver {' '.join(map(str, args))}: {answer.get('error')}")
        return answer

    def wait_for_window(self, timeout_s=30):
        """Waits for the window in short rounds, so a program that dies at start fails fast."""
        deadline = time.time() + timeout_s
        while time.time() < deadline:
            answer = self.drive("wait", 2000, expect_ok=False)
            if answer.get("ok"):
                return answer["title"]
            if self.process.poll() is not None:
                raise E2EError(f"{self.exe.name} ended with code {self.process.returncode} "
                               "before showing its window")
        raise E2EError(f"no {self.window_class} window within {timeout_s} s")

    def press(self, *names):
        self.drive("press", *(self.id(n) for n in names))

    def post(self, name):
        self.drive("post", self.id(name))

    def syscmd(self, name):
        self.drive("syscmd", self.id(name))

    def post_syscmd(self, name):
        """For system-menu items that open a modal dialog, which a sent message would wait for."""
        self.drive("post-syscmd", self.id(name))

    def click_in_dialog(self, name):
        return self.drive("dialog-command", self.id(name))["dialog"]

    def state(self):
        return WindowState(self.drive("state")["state"])

    def dialog(self, timeout_ms=5000):
        return self.drive("dialog", timeout_ms)["dialog"]

    def press_in_dialog(self, control_id, timeout_ms=5000):
        return self.drive("dialog-press", control_id, timeout_ms)["dialog"]

    def open_dialog_after(self, wait_ms=700):
        return self.drive("no-dialog", wait_ms)["dialog"]

    def save_as(self, menu_name, file_name):
        path = self.prefix.windows_path(self.folder / file_name)
        return self.drive("save-as", self.id(menu_name), path, 15000)

    def accessible_names(self):
        """{id: name} as a screen reader gets them, and the ways the driver read them: "msaa"
        (the system's accessibility objects) or "window-text" (where those did not answer)."""
        answer = self.drive("names")["accessible"]
        names = {n["id"]: n["name"] for n in answer["names"]}
        vias = {n["via"] for n in answer["names"]}
        return names, vias

    def press_watching_names(self, *names):
        """Presses the keys and returns [(id, name)] of the name changes raised meanwhile."""
        watched = self.drive("press-watch", *(self.id(n) for n in names))["watched"]
        if not watched["hooked"]:
            raise E2EError("no event hook for name changes")
        return [(e["id"], e["name"]) for e in watched["events"]]

    def clipboard(self):
        return self.drive("clipboard")["clipboard"]

    def window_count(self):
        return self.drive("count")

    def close(self, timeout_s=20):
        """Closes the window as the user would and returns the exit code of the process."""
        self.drive("close", timeout_s * 1000)
        return self.process.wait(timeout_s)

    def wait_for_file(self, name, timeout_s=10, settle_on=None):
        """The bytes of a file the program writes, once its size has settled (or once they are
        settle_on, for a file that existed before); None if no file came."""
        path = self.folder / name
        deadline = time.time() + timeout_s
        last_size = -1
        while time.time() < deadline:
            if path.exists():
                content = path.read_bytes()
                settled = content == settle_on if settle_on is not None else \
                    len(content) == last_size
                if settled:
                    return content
                last_size = len(content)
            time.sleep(0.3)
        return path.read_bytes() if path.exists() else None


class ProgramSpec:
    def __init__(self, key, exe, window_class):
        self.key = key
        self.exe = exe
        self.window_class = window_class


class Kit:
    """Per architecture: starts programs in fresh folders and keeps screenshots."""

    def __init__(self, prefix, display, programs, artifacts, build=None):
        self.prefix = prefix
        self.build = build
        self.display = display
        self.programs = programs
        self.artifacts = artifacts
        self._ids = {}
        self._titles = None
        self._running = []

    def ids(self, target):
        if target.key not in self._ids:
            answer = self.prefix.driver(target.window_class, "ids")
            self._ids[target.key] = answer["ids"]
        return self._ids[target.key]

    def titles(self):
        if self._titles is None:
            self._titles = self.prefix.driver("-", "titles")
        return self._titles

    def folder(self, case, suffix=""):
        return self.prefix.work_folder(f"{case.name}{suffix}")

    def launch(self, case, key, folder=None, locale=ENGLISH_LOCALE, settings=None):
        """Copies the EXE into a folder (fresh unless given) and starts it there."""
        target = self.programs[key]
        folder = folder or self.folder(case)
        if not (folder / target.exe.name).exists():
            shutil.copy2(target.exe, folder / target.exe.name)
        if settings is not None:
            (folder / target.exe.with_suffix(".INI").name).write_bytes(settings)
        program = Program(self, target, folder, locale)
        self._running.append(program)
        return program

    @contextlib.contextmanager
    def running(self, case, key, locale=ENGLISH_LOCALE, settings=None, folder=None):
        """A started program whose window is up; whatever happens, nothing of it outlives the test."""
        program = self.launch(case, key, folder, locale, settings)
        try:
            program.wait_for_window()
            yield program
        finally:
            self.end_all()

    def end_all(self):
        # Under Wine the started process is the Windows process itself, so killing it ends the
        # program alone; the prefix's server and the other tests' state stay as they are.
        for program in self._running:
            if program.process.poll() is None:
                program.process.kill()
                try:
                    program.process.wait(10)
                except subprocess.TimeoutExpired:
                    self.prefix.kill_all()
        self._running = []

    def screenshot(self, state, name):
        return self.screenshot_rect(state.window_rect(), name)

    def screenshot_rect(self, rect, name):
        self.artifacts.mkdir(parents=True, exist_ok=True)
        path = self.artifacts / f"{self.prefix.arch}-{name}.png"
        self.display.screenshot(path, crop=tuple(rect))
        return path

    def client_pixel(self, state, x, y):
        left, top, _, _ = state.screen_rect()
        return self.display.pixel(left + x, top + y)


JAPANESE = JAPANESE_LOCALE
ENGLISH = ENGLISH_LOCALE
