#!/usr/bin/python3
# The program as an assistive technology sees it, over AT-SPI: every control that shows in the
# window with each panel open has a name, and each toolbar button's actions ("Toggle", "Press")
# open and close its panel and lock the other buttons as a click does; File > Exit ends with 0.
# Usage, inside an X server and a session bus:
#   accessibility.py <program folder of the build> <at-spi-bus-launcher>
import os, shutil, subprocess, sys, tempfile, time
import pyatspi
from gi.repository import GLib

CONTROLS = {'push button', 'toggle button', 'check box', 'radio button', 'scroll bar', 'text',
            'entry', 'label', 'image', 'frame', 'panel', 'menu item', 'slider'}
failures = []


def fail(message):
    failures.append(message)
    print('FAIL:', message)


def wait_until(predicate, seconds=15):
    deadline = time.monotonic() + seconds
    while not predicate() and time.monotonic() < deadline:
        time.sleep(0.05)
    return predicate()


def has(accessible, state):
    return accessible.getState().contains(state)


def showing(accessible):
    yield accessible
    for child in accessible:
        if child is not None and has(child, pyatspi.STATE_SHOWING):
            yield from showing(child)


def actions(accessible):
    action = accessible.queryAction()
    return {action.getName(i): i for i in range(action.nActions)}


def act(accessible, name):
    accessible.queryAction().doAction(actions(accessible)[name])


# A program folder of its own, without the browser plug-in: Chromium refuses the sanitizers,
# and the page in the browser is the page's own business.
work = tempfile.mkdtemp()
for item in ('tintora', 'Pantone', 'Webdask'):
    source = os.path.join(sys.argv[1], item)
    (shutil.copytree if os.path.isdir(source) else shutil.copy2)(source, os.path.join(work, item))
launcher = subprocess.Popen([sys.argv[2], '--launch-immediately'])
program = subprocess.Popen([os.path.join(work, 'tintora')],
                           env=dict(os.environ, QT_QPA_PLATFORM='xcb',
                                    QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1'))
try:
    def find_window():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == program.pid:
                return next((w for w in app if w.name == 'Tintora Systems Management'
                             and has(w, pyatspi.STATE_SHOWING)), None)
    assert wait_until(lambda: find_window() is not None, 60), 'no window on the bus'
    window = find_window()
    toolbar = pyatspi.findDescendant(window, lambda a: a.name == 'QB Colors').parent
    buttons = list(toolbar)
    panels = [a for a in toolbar.parent if a.getRoleName() in ('panel', 'frame')]
    assert len(buttons) == len(panels) == 7, f'{len(buttons)} buttons, {len(panels)} panels'

    def open_and_close(button, panel, action):
        others = [b for b in buttons if b is not button]
        before = len(failures)
        act(button, action)
        if not wait_until(lambda: has(panel, pyatspi.STATE_SHOWING)
                          and not any(has(b, pyatspi.STATE_ENABLED) for b in others)):
            return fail(f'"{button.name}" {action}: "{panel.name}" not open, others not locked')
        controls = [c for c in showing(window) if c.getRoleName() in CONTROLS]
        unnamed = [c.getRoleName() for c in controls if not c.name.strip()]
        if unnamed:
            fail(f'without a name in "{panel.name}": {", ".join(unnamed)}')
        if any(actions(b) for b in others):
            fail(f'a locked button offers an action while "{panel.name}" is open')
        act(button, action)
        if not wait_until(lambda: not has(panel, pyatspi.STATE_SHOWING)
                          and all(has(b, pyatspi.STATE_ENABLED) for b in others)):
            return fail(f'"{button.name}" {action}: "{panel.name}" not closed, others locked')
        if len(failures) == before:
            print(f'PASS: "{button.name}" {action} opens and closes "{panel.name}",'
                  f' {len(controls)} controls shown, all named')

    for button, panel in zip(buttons, panels):
        names = {'Toggle', 'Press'} & set(actions(button))
        if not names:
            fail(f'"{button.name}" offers neither "Toggle" nor "Press"')
        for action in sorted(names):
            open_and_close(button, panel, action)

    try:  # the program ends before it answers
        act(pyatspi.findDescendant(window, lambda a: a.name == 'Exit'), 'Press')
    except GLib.GError:
        pass
    status = program.wait(30)
    if status != 0:
        fail(f'File > Exit ended with status {status}')
finally:
    if program.poll() is None:
        program.kill()
    launcher.terminate()
    shutil.rmtree(work)
print('all passed' if not failures else f'{len(failures)} failures')
sys.exit(1 if failures else 0)
