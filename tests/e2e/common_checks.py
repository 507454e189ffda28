"""Checks both programs share: the layout of the controls, the settings file, single instance."""

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024
DEFAULT_COLOUR = (188, 83, 45)


def overlaps(a, b):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax < bx + bw and bx < ax + aw and ay < by + bh and by < ay + ah


def check_layout(case, state, expected_count):
    """Every control visible, inside the client area, and none covering another."""
    width, height = state.raw["client_size"]
    controls = list(state.controls.values())
    case.equal(len(controls), expected_count, "number of controls")
    for control in controls:
        x, y, w, h = control["rect"]
        case.check(control["visible"], f"control {control['id']} is hidden")
        case.check(w > 0 and h > 0, f"control {control['id']} has no size")
        case.check(x >= 0 and y >= 0 and x + w <= width and y + h <= height,
                   f"control {control['id']} {control['rect']} leaves the client area "
                   f"{width}x{height}")
    for i, first in enumerate(controls):
        for second in controls[i + 1:]:
            case.check(not overlaps(first["rect"], second["rect"]),
                       f"controls {first['id']} {first['rect']} and {second['id']} "
                       f"{second['rect']} overlap")


def check_system_menu(case, program, state, texts, greyed_name):
    """The system menu holds our items with their texts; only greyed_name is greyed at start."""
    case.check(state.menu_readable, "system menu unreadable")
    for name, text in texts.items():
        item = state.menu.get(program.id(name))
        case.check(item is not None, f"system menu lacks {name}")
        if item:
            case.equal(item["text"], text, f"text of {name}")
            case.equal(item["grayed"], name == greyed_name, f"{name} greyed")


def check_centred(case, state):
    x, y, width, height = state.window_rect()
    # Integer halves truncating toward zero, as the program computes them.
    case.equal((x, y), (int((SCREEN_WIDTH - width) / 2), int((SCREEN_HEIGHT - height) / 2)),
               "window position (centred)")


def settings_file(colour=None, raw=None):
    """The bytes of a settings file with the three colour values (any text)."""
    if raw is not None:
        return raw.encode("ascii")
    red, green, blue = colour
    return f"[Color]\r\nRed={red}\r\nGreen={green}\r\nBlue={blue}\r\n".encode("ascii")


def read_settings(path, wanted="Color"):
    """{key: value} of the section ([Color] unless wanted names another), or None when there is
    no file."""
    if not path.exists():
        return None
    values, section = {}, None
    for line in path.read_text(encoding="latin-1").splitlines():
        line = line.strip()
        if line.startswith("["):
            section = line.strip("[]")
        elif "=" in line and section == wanted:
            key, value = line.split("=", 1)
            values[key.strip()] = value.strip()
    return values


def console_colour(kit, state):
    """The colour of the left strip beside the keys, which is painted in the console colour."""
    _, height = state.raw["client_size"]
    return kit.client_pixel(state, 2, height // 2)


def check_colour_setting(case, kit, key, settings, expected):
    """Starts the program on the settings file, looks at the colour, closes it and reads back
    what it wrote."""
    with kit.running(case, key, settings=settings) as program:
        state = program.state()
        case.equal(console_colour(kit, state), expected, "colour on the screen")
        case.equal(program.close(), 0, "exit code")
        written = read_settings(program.folder / program.exe.with_suffix(".INI").name)
    red, green, blue = expected
    case.equal(written, {"Red": str(red), "Green": str(green), "Blue": str(blue)},
               "settings written at exit")


SB_PAGELEFT, SB_PAGERIGHT, SB_LEFT, SB_RIGHT = 2, 3, 6, 7


def colour_values(program, dialog, prefix):
    return tuple(int(dialog["texts"].get(str(program.id(f"IDC_{prefix}_{c}_VALUE")), "-1"))
                 for c in ("RED", "GREEN", "BLUE"))


def scroll(program, prefix, component, code):
    return program.drive("dialog-scroll", program.id(f"IDC_{prefix}_{component}_SCROLL"),
                         code)["dialog"]


def check_colour_dialog(case, kit, key, menu_name, prefix):
    """Cancel puts the colour back; Set keeps it, repaints the window and is written at exit."""
    with kit.running(case, key) as program:
        program.post_syscmd(menu_name)
        opened = program.dialog()
        case.equal(opened["caption"], "Set console color", "colour dialog caption")
        case.equal(colour_values(program, opened, prefix), DEFAULT_COLOUR, "values on opening")
        scroll(program, prefix, "RED", SB_LEFT)
        moved = scroll(program, prefix, "GREEN", SB_PAGERIGHT)
        case.equal(colour_values(program, moved, prefix), (0, 98, 45), "values after scrolling")
        program.press_in_dialog(2)  # Cancel

        program.post_syscmd(menu_name)
        case.equal(colour_values(program, program.dialog(), prefix), DEFAULT_COLOUR,
                   "values after Cancel")
        scroll(program, prefix, "RED", SB_RIGHT)
        scroll(program, prefix, "BLUE", SB_PAGELEFT)
        moved = scroll(program, prefix, "BLUE", SB_PAGELEFT)
        case.equal(colour_values(program, moved, prefix), (255, 83, 15), "values before Set")
        program.press_in_dialog(1)  # Set
        case.equal(console_colour(kit, program.state()), (255, 83, 15), "colour after Set")
        case.equal(program.close(), 0, "exit code")
    case.equal(read_settings(program.folder / program.exe.with_suffix(".INI").name),
               {"Red": "255", "Green": "83", "Blue": "15"}, "settings written at exit")


def check_colour_kept_per_user(case, kit, key, menu_name, prefix, locale):
    """With a folder in the place of the settings file beside the EXE, the colour set in the
    colour dialog is written to the per-user file at exit and comes back from it at the next
    start. (A read-only file would not do: the tests run as root, and Wine lets root write it.)"""
    folder = kit.folder(case)
    name = kit.programs[key].exe.with_suffix(".INI").name
    (folder / name).mkdir()
    with kit.running(case, key, locale=locale, folder=folder) as program:
        program.post_syscmd(menu_name)
        program.dialog()
        scroll(program, prefix, "RED", SB_RIGHT)
        moved = scroll(program, prefix, "BLUE", SB_PAGELEFT)
        case.equal(colour_values(program, moved, prefix), (255, 83, 30), "values before Set")
        program.press_in_dialog(1)  # Set
        case.equal(program.close(), 0, "exit code with the file beside unwritable")
    case.equal(read_settings(kit.prefix.user_settings_file(name)),
               {"Red": "255", "Green": "83", "Blue": "30"}, "per-user settings written at exit")
    case.check((folder / name).is_dir(), "the folder beside is still a folder")
    with kit.running(case, key, locale=locale, folder=folder) as program:
        case.equal(console_colour(kit, program.state()), (255, 83, 30),
                   "colour at the next start, from the per-user file")


def check_accessible_names(case, program, expected, what):
    """The names a screen reader gets, by id name; says which way the driver read them."""
    names, vias = program.accessible_names()
    print(f"     ({case.arch} {what}: names read via {', '.join(sorted(vias))})", flush=True)
    for name, text in expected.items():
        case.equal(names.get(program.id(name)), text, f"{what}: name of {name}")
    return names


def check_name_changes(case, program, keys, console_name, expected, what):
    """Pressing the keys raises a name change of the console ending on the expected text."""
    changes = program.press_watching_names(*keys)
    console = [name for control, name in changes if control == program.id(console_name)]
    case.check(console, f"{what}: no name change of {console_name} raised")
    if console:
        case.equal(console[-1], expected, f"{what}: last name change of {console_name}")
    names, _ = program.accessible_names()
    case.equal(names.get(program.id(console_name)), expected, f"{what}: name of {console_name}")
