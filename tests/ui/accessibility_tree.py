#!/usr/bin/python3
"""Reads the running window's accessibility tree as a screen reader does, over AT-SPI.

Started inside a private X server and session bus (see run-accessibility). Every control
that shows must have a name and a role that says what it is, and a name that says what it
acts on where several look alike. The four pages are visited through the sidebar's
own accessible actions, and buttons, check boxes and capsules must do what their Press and
Toggle actions say, once. A running download reads as its title, state and the percent it
shows, with a progress bar that holds the value; a question is a dialog under its title.

The names below are the English ones. In another language (VIRELOOM_A11Y_LANGUAGE, a value
for LANGUAGE) each is looked for as that language's translation files give it.
"""
import os
import re
import signal
import subprocess
import sys
import time

import xml.etree.ElementTree as ET

import pyatspi

APP = sys.argv[1]
LANGUAGE = os.environ.get("VIRELOOM_A11Y_LANGUAGE", "en_US")
TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "i18n", "translations")
# What the interface puts around a text from outside inside a sentence of a right-to-left
# language, so that it keeps its own direction.
ISOLATE = ("\u2068", "\u2069")


CONVERSION = re.compile(r"%(?:@|l*d)")


def read_ts(code):
    """Portuguese key -> translation for the texts in use; a counted text gives what all its
    forms begin with."""
    table = {}
    for message in ET.parse(os.path.join(TRANSLATIONS, f"vireloom_{code}.ts")).getroot().iter("message"):
        translation = message.find("translation")
        if translation is None or translation.get("type") in ("vanished", "obsolete"):
            continue
        forms = translation.findall("numerusform")
        if forms:
            table[message.findtext("source")] = os.path.commonprefix(
                [CONVERSION.split(form.text or "")[0] for form in forms]).strip()
        else:
            table[message.findtext("source")] = translation.text or ""
    return table


def language_code(language):
    tag = language.split(".")[0]
    return tag if tag in ("zh_TW", "zh_CN") else tag.split("_")[0]


ENGLISH = read_ts("en")
KEYS = {}
for key, english in ENGLISH.items():
    KEYS.setdefault(english, key)
TARGET = ENGLISH if language_code(LANGUAGE) == "en" else read_ts(language_code(LANGUAGE))
RIGHT_TO_LEFT = language_code(LANGUAGE) in ("ar", "he")


def tr(english):
    """`english` as the interface shows it in LANGUAGE: a text of the files, or one of their
    formats filled with texts and numbers that are themselves translated. None when the
    files do not say."""
    if english in KEYS:
        return TARGET.get(KEYS[english]) or KEYS[english]
    # A label and its value, as a menu button names itself: "Quality: Best quality".
    label, colon, value = english.partition(": ")
    if colon and label in KEYS:
        return tr(label) + colon + (tr(value) or value)
    for key, pattern in ENGLISH.items():
        # A format that is all conversions would take any text for one of its own.
        if not CONVERSION.search(pattern) or not CONVERSION.sub("", pattern).strip():
            continue
        parts = CONVERSION.split(pattern)
        match = re.fullmatch("(.+?)".join(re.escape(p) for p in parts), english)
        if not match:
            continue
        arguments = []
        for value, conversion in zip(match.groups(), CONVERSION.findall(pattern)):
            text = value if value.isdigit() else (tr(value) or value)
            # Texts, numbers given as text among them, are isolated; counts are not.
            arguments.append(ISOLATE[0] + text + ISOLATE[1] if RIGHT_TO_LEFT and conversion == "%@" else text)
        translated = TARGET.get(key) or key
        pieces = CONVERSION.split(translated)
        if len(pieces) != len(arguments) + 1:
            return None
        return pieces[0] + "".join(a + p for a, p in zip(arguments, pieces[1:]))
    return None


def tr_prefix(english):
    """The start of a name, in LANGUAGE: tr() of it, or the whole of the one text that it
    begins, or of a counted text the part before its number."""
    translated = tr(english)
    if translated is not None:
        return translated
    starting = sorted((e for e in KEYS if e.startswith(english)), key=len)
    if not starting:
        return None
    translated = TARGET.get(KEYS[starting[0]]) or KEYS[starting[0]]
    if CONVERSION.search(starting[0]):
        translated = CONVERSION.split(translated)[0].strip()
    return translated or None


def T(english):
    """tr_prefix(), or the text itself where it is no text of the files (a title)."""
    return tr_prefix(english) or english

NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_DIALOG, pyatspi.ROLE_SCROLL_BAR,
    pyatspi.ROLE_PROGRESS_BAR,
}
# Names that say what a control does but not to what: a page holds several of each.
BARE_NAMES = {"Decrease", "Increase", "Choose…", "Copy"}
# Roles that say nothing of what a control does.
VAGUE_ROLES = {pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL,
               pyatspi.ROLE_REDUNDANT_OBJECT, pyatspi.ROLE_INVALID}
BUTTON_ROLES = {pyatspi.ROLE_PUSH_BUTTON, getattr(pyatspi, "ROLE_PUSH_BUTTON_MENU", pyatspi.ROLE_PUSH_BUTTON)}
ENTRY_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}

# Controls every visit of a page must find, by the start of their name, with their role.
EXPECTED = {
    "downloads": [("Downloads", {pyatspi.ROLE_PAGE_TAB}), ("History", {pyatspi.ROLE_PAGE_TAB}),
                  ("Following", {pyatspi.ROLE_PAGE_TAB}), ("Settings", {pyatspi.ROLE_PAGE_TAB}), ("Main menu", BUTTON_ROLES),
                  ("Paste a video link", ENTRY_ROLES), ("Quality: Best quality", BUTTON_ROLES),
                  ("Whole playlist", {pyatspi.ROLE_CHECK_BOX}), ("Options", BUTTON_ROLES),
                  ("Download", BUTTON_ROLES), ("Paste a link,", {pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC}),
                  ("Downloads", {pyatspi.ROLE_SCROLL_BAR})],
    "history": [("Search by title, site or link", ENTRY_ROLES), ("Entry one", {pyatspi.ROLE_LIST_ITEM}),
                ("Open", BUTTON_ROLES), ("Show in folder", BUTTON_ROLES), ("Download again", BUTTON_ROLES)],
    "following": [("Link to a channel, playlist or feed", ENTRY_ROLES), ("Quality", BUTTON_ROLES),
                  ("Follow", BUTTON_ROLES), ("From now on", {pyatspi.ROLE_RADIO_BUTTON}),
                  ("Also the latest", {pyatspi.ROLE_RADIO_BUTTON}), ("Check all", BUTTON_ROLES),
                  ("Feed one", {pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC}), ("How often", BUTTON_ROLES),
                  ("Audio only", {pyatspi.ROLE_CHECK_BOX}), ("Subtitles", {pyatspi.ROLE_CHECK_BOX}),
                  ("Choose this source’s folder", BUTTON_ROLES), ("Resume", BUTTON_ROLES),
                  ("Check now", BUTTON_ROLES), ("Unfollow", BUTTON_ROLES)],
    "settings": [("Suggest copied links", {pyatspi.ROLE_CHECK_BOX}), ("Default quality", BUTTON_ROLES),
                 ("Decrease Simultaneous downloads (now 2)", BUTTON_ROLES),
                 ("Increase Simultaneous downloads (now 2)", BUTTON_ROLES),
                 ("Choose the download folder", BUTTON_ROLES)],
}


def wait_for(what, condition, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.2)
    sys.exit(f"FAIL: timed out waiting for {what}")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Vireloom" and app.childCount > 0:
            return app
    return None


def showing(node):
    """Every node below `node` that is on screen, with its parent."""
    try:
        states = node.getState()
    except Exception:
        return
    if not states.contains(pyatspi.STATE_SHOWING) and node.getRole() != pyatspi.ROLE_APPLICATION:
        return
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from showing(child)


def describe(node):
    return f"{node.getRoleName()} '{node.name}' (in {node.parent.getRoleName() if node.parent else '-'} '{node.parent.name if node.parent else ''}')"


def check(app, page):
    problems = []
    seen = []
    for node in showing(app):
        role = node.getRole()
        name = (node.name or "").strip()
        seen.append((name, role))
        if role in NAMED_ROLES and not name:
            problems.append(f"no name: {describe(node)}")
        if node.getState().contains(pyatspi.STATE_FOCUSABLE) and role in VAGUE_ROLES:
            problems.append(f"focusable with the wrong role: {describe(node)}")
        if role in BUTTON_ROLES and name in {tr(bare) or bare for bare in BARE_NAMES}:
            problems.append(f"says nothing of what it acts on: {describe(node)}")
    for english, roles in EXPECTED[page]:
        prefix = T(english)
        matches = [role for name, role in seen if name.startswith(prefix)]
        if not matches:
            problems.append(f"not exposed: '{prefix}'")
        elif not any(role in roles for role in matches):
            problems.append(f"wrong role for '{prefix}': {[pyatspi.Role(r).value_nick if hasattr(pyatspi.Role(r), 'value_nick') else r for r in matches]}")
    return problems, seen


def find(app, prefix, role):
    """The first control showing with `role` whose name starts with `prefix` (English, or a
    text from outside that no translation changes)."""
    prefix = (tr_prefix(prefix) or prefix) if prefix else prefix
    for node in showing(app):
        if node.getRole() == role and (node.name or "").startswith(prefix):
            return node
    return None


def act(node, name):
    """Runs the control's action called `name` ("Press", "Toggle") as a screen reader does."""
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for i, found in enumerate(names):
        if found.lower() == name.lower():
            if not action.doAction(i):
                sys.exit(f"FAIL: '{name}' on {describe(node)} was refused")
            return
    sys.exit(f"FAIL: {describe(node)} has no '{name}' action, only {names}")


def press(node):
    act(node, "Press")


def activate(node):
    """As a keyboard or screen-reader user does it: focus the control, then Space."""
    node.queryComponent().grabFocus()
    wait_for(f"focus on '{node.name}'", lambda: node.getState().contains(pyatspi.STATE_FOCUSED), 10)
    pyatspi.Registry.generateKeyboardEvent(0x20, None, pyatspi.KEY_SYM)


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def settled_check(app, page, seconds=10):
    """What `check` finds once the page has settled: a page that has only just appeared may
    still be laying out or naming its controls, so it is read again until it has nothing
    more to say or the time is up, and what the last reading found stands."""
    deadline = time.monotonic() + seconds
    while True:
        problems, seen = check(app, page)
        if not problems or time.monotonic() > deadline:
            return problems, seen
        time.sleep(0.3)


def settles(what, condition, problems):
    """`condition` comes true, and still holds a moment later: a control that answered an
    action twice would have turned back by then."""
    try:
        wait_for(what, condition, 10)
    except SystemExit:
        problems.append(f"never {what}")
        return
    time.sleep(0.6)
    if not condition():
        problems.append(f"{what}, then no longer: the action ran twice")


# Further down the settings page, scrolled out of sight but in the tree all the same.
BELOW_THE_FOLD = ["Decrease Pause between requests (now 0)", "Increase Pause between requests (now 0)",
                  "Choose the cookies file", "Copy the browser bookmark",
                  "Copy the address for launchers and the terminal"]


def every(node):
    """Every node below `node`, shown or not."""
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from every(child)


def check_whole_settings_page(app):
    """Buttons past the first screen of settings say what they act on too."""
    buttons = [n for n in every(app) if n.getRole() in BUTTON_ROLES]
    names = {(n.name or "") for n in buttons}
    problems = [f"not exposed: '{T(name)}'" for name in BELOW_THE_FOLD if T(name) not in names]
    bare = {tr(name) or name for name in BARE_NAMES}
    problems += [f"says nothing of what it acts on: {describe(n)}" for n in buttons if (n.name or "") in bare]
    for problem in problems:
        print(f"  {problem}", flush=True)
    return [f"settings: {p}" for p in problems]


def named_buttons(app, name):
    name = tr(name) or name
    return [n for n in showing(app) if n.getRole() in BUTTON_ROLES and (n.name or "") == name]


def check_running_card(app):
    """The running download reads as its title, its state and the percent its card shows;
    inside it, a progress bar says that percent (Qt 6.4 gives it no value interface)."""
    problems = []
    card = wait_for("the running download's card", lambda: next(
        (n for n in showing(app) if n.getRole() == pyatspi.ROLE_LIST_ITEM and T("Downloading") in (n.name or "")), None))
    if card.name != f"Title of slow-5, {T('Downloading')}, 5%":
        problems.append(f"the running card reads '{card.name}'")
    bars = [n for n in showing(card) if n.getRole() == pyatspi.ROLE_PROGRESS_BAR]
    if not bars:
        problems.append("the running card has no progress bar")
    else:
        if (bars[0].name, bars[0].description) != (T("Progress"), "5%"):
            problems.append(f"the progress bar reads '{bars[0].name}', '{bars[0].description}'")
    print(f"running card: {len(problems)} problems", flush=True)
    for problem in problems:
        print(f"  {problem}", flush=True)
    return [f"running card: {p}" for p in problems]


def check_clear_question(app):
    """"Clear history" opens a dialog under its question, with the keyboard on "Cancel"."""
    problems = []
    press(wait_for("the History tab", lambda: find(app, "History", pyatspi.ROLE_PAGE_TAB)))
    press(wait_for("the Clear history button", lambda: next(iter(named_buttons(app, "Clear history")), None)))
    try:
        dialog = wait_for("the question", lambda: find(app, "Clear the history?", pyatspi.ROLE_DIALOG), 10)
    except SystemExit:
        dialogs = [describe(n) for n in showing(app) if n.getRole() == pyatspi.ROLE_DIALOG]
        problems.append(f"no dialog named 'Clear the history?', only {dialogs}")
        dialog = None
    if dialog is not None:
        try:
            wait_for("the keyboard on Cancel", lambda: any(
                n.getState().contains(pyatspi.STATE_FOCUSED) for n in named_buttons(app, "Cancel")), 10)
        except SystemExit:
            focused = [describe(n) for n in showing(app) if n.getState().contains(pyatspi.STATE_FOCUSED)]
            problems.append(f"the question opens with the keyboard on {focused}")
        press(named_buttons(app, "Cancel")[0])
        try:
            wait_for("the question to close", lambda: find(app, "Clear the history?", pyatspi.ROLE_DIALOG) is None, 10)
        except SystemExit:
            problems.append("Cancel did not close the question")
        # The list is read again once the question has gone, which can take a moment.
        try:
            wait_for("the entry after Cancel", lambda: find(app, "Entry one", pyatspi.ROLE_LIST_ITEM), 5)
        except SystemExit:
            problems.append("Cancel cleared the history")
    print(f"clear question: {len(problems)} problems", flush=True)
    for problem in problems:
        print(f"  {problem}", flush=True)
    return [f"clear question: {p}" for p in problems]


def check_playlist_box(app):
    """The playlist box answers a screen reader's Press and Toggle, each by switching once,
    and the card follows: "Choose items" shows while the whole playlist is asked for."""
    problems = []
    box = wait_for("the playlist box", lambda: find(app, "Whole playlist", pyatspi.ROLE_CHECK_BOX))
    if checked(box):
        problems.append("the playlist box starts checked")

    def switched(on):
        box = find(app, "Whole playlist", pyatspi.ROLE_CHECK_BOX)
        items = any(n.getRole() in BUTTON_ROLES and (n.name or "") == T("Choose items") for n in showing(app))
        return box is not None and checked(box) == on and items == on

    press(box)
    settles("the playlist box and the card switched on by Press", lambda: switched(True), problems)
    act(find(app, "Whole playlist", pyatspi.ROLE_CHECK_BOX), "Toggle")
    settles("the playlist box and the card switched off by Toggle", lambda: switched(False), problems)
    print(f"playlist box: {len(problems)} problems", flush=True)
    for problem in problems:
        print(f"  {problem}", flush=True)
    return [f"playlist box: {p}" for p in problems]


def check_options_sheet(app):
    """The Options button opens its sheet for a screen reader's Press; the sheet's capsules
    are radio buttons and check boxes that say their state and answer Press and Toggle."""
    problems = []
    press(wait_for("the Downloads tab", lambda: find(app, "Downloads", pyatspi.ROLE_PAGE_TAB)))
    options = wait_for("the Options button", lambda: next(
        (n for n in showing(app) if n.getRole() in BUTTON_ROLES and (n.name or "").startswith(T("Options"))), None))
    press(options)
    try:
        wait_for("the options sheet", lambda: find(app, "Download options", pyatspi.ROLE_DIALOG), 10)
    except SystemExit:
        problems.append("Press on 'Options' did not open the options sheet")
        print(f"options: {problems[0]}", flush=True)
        return [f"options: {p}" for p in problems]
    wait_for("the SponsorBlock modes", lambda: find(app, "Mark", pyatspi.ROLE_RADIO_BUTTON))
    time.sleep(0.5)
    off = find(app, "Off", pyatspi.ROLE_RADIO_BUTTON)
    if off is None or not checked(off):
        problems.append("SponsorBlock 'Off' is not a checked radio button")
    press(find(app, "Mark", pyatspi.ROLE_RADIO_BUTTON))
    sponsor = wait_for("the category check boxes", lambda: find(app, "Sponsor", pyatspi.ROLE_CHECK_BOX))
    wait_for("'Mark' checked", lambda: checked(find(app, "Mark", pyatspi.ROLE_RADIO_BUTTON)), 10)
    if checked(find(app, "Off", pyatspi.ROLE_RADIO_BUTTON)):
        problems.append("'Off' still checked after 'Mark' was chosen")
    if not checked(sponsor):
        problems.append("the 'Sponsor' category, chosen by default, is not checked")
    intro = find(app, "Intro", pyatspi.ROLE_CHECK_BOX)
    if intro is None or checked(intro):
        problems.append("the 'Intro' category is not an unchecked check box")
    else:
        def intro_checked():
            return checked(find(app, "Intro", pyatspi.ROLE_CHECK_BOX))
        act(intro, "Toggle")
        settles("'Intro' checked by Toggle", intro_checked, problems)
        press(find(app, "Intro", pyatspi.ROLE_CHECK_BOX))
        settles("'Intro' unchecked by Press", lambda: not intro_checked(), problems)
        # And from the keyboard, as before.
        activate(find(app, "Intro", pyatspi.ROLE_CHECK_BOX))
        settles("'Intro' checked by Space", intro_checked, problems)
    pushed = [n.name for n in showing(app) if n.getRole() in BUTTON_ROLES
              and (n.name or "") in {T(c) for c in ("Off", "Mark", "Remove", "Sponsor", "Intro")}]
    if pushed:
        problems.append(f"capsules read as push buttons: {pushed}")
    print(f"options: {len(problems)} problems", flush=True)
    for problem in problems:
        print(f"  {problem}", flush=True)
    return [f"options: {p}" for p in problems]


def main():
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                start_new_session=True)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               QT_QUICK_BACKEND="software", LANGUAGE=LANGUAGE, LC_ALL="C.UTF-8")
    app_process = subprocess.Popen([APP, "http://127.0.0.1:9/unreachable", "http://127.0.0.1:9/slow-5"],
                                   env=env, start_new_session=True)
    failures = []
    try:
        app = wait_for("the application on the accessibility bus", application)
        # The link probe fails at once: its card shows with its title and state.
        wait_for("the download card", lambda: find(app, "", pyatspi.ROLE_LIST_ITEM))
        wait_for("the page header", lambda: find(app, "Paste a link,", pyatspi.ROLE_LABEL)
                 or find(app, "Paste a link,", pyatspi.ROLE_STATIC))
        for page, tab in (("downloads", None), ("history", "History"), ("following", "Following"),
                          ("settings", "Settings")):
            if tab:
                press(wait_for(f"the {tab} tab", lambda: find(app, tab, pyatspi.ROLE_PAGE_TAB)))
                first = EXPECTED[page][0]
                try:
                    wait_for(f"the {page} page", lambda: any(
                        (n.name or "").startswith(T(first[0])) for n in showing(app)), 15)
                except SystemExit:
                    print("showing:", sorted({(n.name or "") for n in showing(app)}), flush=True)
                    raise
            problems, seen = settled_check(app, page)
            print(f"{page}: {len(seen)} showing objects, {len(problems)} problems", flush=True)
            for problem in problems:
                print(f"  {problem}", flush=True)
            failures += [f"{page}: {p}" for p in problems]
            if page == "settings":
                failures += check_whole_settings_page(app)
        failures += check_clear_question(app)
        press(wait_for("the Downloads tab", lambda: find(app, "Downloads", pyatspi.ROLE_PAGE_TAB)))
        failures += check_running_card(app)
        failures += check_playlist_box(app)
        failures += check_options_sheet(app)
    finally:
        for process in (app_process, launcher):
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
    if failures:
        print("\n".join(failures))
        sys.exit(1)
    print("PASS")


main()
