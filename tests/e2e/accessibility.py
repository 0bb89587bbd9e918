#!/usr/bin/python3
# The program as an assistive technology sees it, over AT-SPI: every control that shows in the
# window with each panel open has a name of its own, and each toolbar button's actions ("Toggle", "Press")
# open and close its panel and lock the other buttons as a click does; File > Exit ends with 0.
# Usage, inside an X server and a session bus:
#   accessibility.py <program folder of the build> <at-spi-bus-launcher>
import contextlib, os, shutil, subprocess, sys, tempfile, time
import pyatspi
from gi.repository import GLib

CONTROLS = {'push button', 'toggle button', 'check box', 'radio button', 'scroll bar', 'text',
            'entry', 'label', 'image', 'frame', 'panel', 'menu item', 'slider'}


def wait_until(predicate, seconds=15):
    deadline = time.monotonic() + seconds
    while not predicate() and time.monotonic() < deadline:
        time.sleep(0.05)
    return predicate()


def showing(accessible):
    yield accessible
    for child in accessible:
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            yield from showing(child)


def actions(accessible):
    action = accessible.queryAction()
    return {action.getName(i): i for i in range(action.nActions)}


def act(accessible, name):
    accessible.queryAction().doAction(actions(accessible)[name])


# A program folder of its own, without the browser plug-in: Chromium refuses the sanitizers,
# and the page in the browser is the page's own business.
work = tempfile.mkdtemp()
subprocess.run(['cp', '-r', 'tintora', 'Pantone', 'Webdask', work], cwd=sys.argv[1], check=True)
launcher = subprocess.Popen([sys.argv[2], '--launch-immediately'])
program = subprocess.Popen([os.path.join(work, 'tintora')], env=dict(
    os.environ, QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1'))
try:
    def find_window():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == program.pid:
                return next((w for w in app if w.name == 'Tintora Systems Management'
                             and w.getState().contains(pyatspi.STATE_SHOWING)), None)
    assert wait_until(lambda: find_window() is not None, 60), 'no window on the bus'
    window = find_window()
    toolbar = pyatspi.findDescendant(window, lambda a: a.name == 'QB Colors').parent
    buttons = list(toolbar)
    panels = [a for a in toolbar.parent if a.getRoleName() in ('panel', 'frame')]
    assert len(buttons) == len(panels) == 7, f'{len(buttons)} buttons, {len(panels)} panels'

    def opened(button, panel, state=True):
        # While a panel is open, the other buttons are disabled and offer no action.
        return wait_until(lambda: panel.getState().contains(pyatspi.STATE_SHOWING) == state and all(
            b.getState().contains(pyatspi.STATE_ENABLED) != state and bool(actions(b)) != state
            for b in buttons if b is not button))

    for button, panel in zip(buttons, panels):
        names = {'Toggle', 'Press'} & set(actions(button))
        assert names, f'"{button.name}" offers neither "Toggle" nor "Press"'
        for action in sorted(names):
            act(button, action)
            assert opened(button, panel), f'{button.name} {action}: not opened'
            # A control without a name of its own is called after its group box.
            unnamed = [c.getRoleName() for c in showing(window)
                       if c.getRoleName() in CONTROLS and not c.name.strip()]
            unnamed += [c.getRoleName() for c in list(showing(panel))[1:]
                        if c.getRoleName() in CONTROLS and c.name == panel.name]
            assert not unnamed, f'without a name in "{panel.name}": {", ".join(unnamed)}'
            act(button, action)
            assert opened(button, panel, False), f'{button.name} {action}: not closed'

    with contextlib.suppress(GLib.GError):  # the program ends before it answers
        act(pyatspi.findDescendant(window, lambda a: a.name == 'Exit'), 'Press')
    assert program.wait(30) == 0, 'File > Exit ended with a non-zero status'
finally:
    program.kill()
    launcher.terminate()
    shutil.rmtree(work)
