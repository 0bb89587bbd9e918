#!/usr/bin/python3
# The program as an assistive technology sees it, over AT-SPI: every control that shows in the
# window with each panel open has a name of its own, and each toolbar button's actions ("Toggle",
# "Press") open and close its panel and lock the other buttons as a click does; Pick Colour from
# Screen is enabled, or disabled with its reason, and on X11 picks through its magnifier with the
# arrow keys, also for the background of View > Colour Tools, every control of whose tabs has a
# name; nothing else is printed on standard error; File > Exit ends with 0. With
# QT_QPA_PLATFORM=wayland, all that as a client of a headless Weston, where the Web Browser panel
# shows its page too; exits with 77 (skipped) where Weston cannot start.
# Usage, inside a session bus and, for X11, an X server:
#   accessibility.py <program folder of the build> <at-spi-bus-launcher>
import contextlib, glob, os, shutil, subprocess, sys, tempfile, time
import PIL.Image, pyatspi
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


def page_shown():  # the page's white back fills more than the sample's box alone
    subprocess.run(['weston-screenshooter'], cwd=work, timeout=20, stdout=subprocess.DEVNULL)
    shot = PIL.Image.open(max(glob.glob(work + '/wayland-screenshot*'), key=os.path.getmtime))
    return list(shot.convert('RGB').getdata()).count((255, 255, 255)) > 30000


def pick_through_magnifier(pick):
    # On a desktop white but for one #3399CC pixel in every 4 x 4, at (1, 1): from a white pixel, one
    # step right is white and one down from there is that pixel, which Enter picks into the
    # Swatches panel. The loupe tells its centre pixel in its description.
    dot = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'dot.xbm')
    subprocess.run(['xsetroot', '-bitmap', dot, '-fg', '#3399cc', '-bg', 'white'], check=True)
    subprocess.run(['xdotool', 'mousemove', '1200', '980'], check=True)  # near the corner
    act(pick, 'Press')
    app = next(a for a in pyatspi.Registry.getDesktop(0)
               if a is not None and a.get_process_id() == program.pid)
    loupe = lambda: next((w for w in app if w is not None and w.name == 'Magnifier'), None)
    centre = lambda: loupe() and loupe().description
    for key, seen in (None, '#FFFFFF'), ('Right', '#FFFFFF'), ('Down', '#3399CC'):
        if key:
            subprocess.run(['xdotool', 'key', key], check=True)
        assert wait_until(lambda: centre() == seen), f'after {key}: loupe shows {centre()}'
    subprocess.run(['xdotool', 'key', 'Return'], check=True)
    html = lambda: next((a.queryText().getText(0, -1) for a in showing(window)
                         if a.name == 'HTML Number' and a.getRoleName() == 'text'), '')
    assert wait_until(lambda: html().upper().lstrip('#') == '3399CC'), f'picked {html()}'


# A program folder of its own, also the session's runtime folder. On X11 without the browser
# plug-in, whose page is the page's own business; Chromium refuses the sanitizers.
work = os.environ['XDG_RUNTIME_DIR'] = tempfile.mkdtemp()
subprocess.run(['cp', '-r', 'tintora', 'Pantone', 'Webdask', work], cwd=sys.argv[1], check=True)
wayland = os.environ.get('QT_QPA_PLATFORM') == 'wayland'
if wayland:  # screenshots need --debug and a renderer
    weston = subprocess.Popen(['weston', '--backend=headless-backend.so', '--use-pixman', '--debug',
                               '--socket=e2e', '--idle-time=0'], stderr=subprocess.DEVNULL)
    if not wait_until(lambda: os.path.exists(work + '/e2e'), 10):
        sys.exit(print('SKIP: weston --backend=headless-backend.so did not start') or 77)
    os.environ['WAYLAND_DISPLAY'] = 'e2e'
    if b'asan' not in subprocess.run(['ldd', work + '/tintora'], capture_output=True).stdout:
        shutil.copy(os.path.join(sys.argv[1], 'libtintora_webview.so'), work)
launcher = subprocess.Popen([sys.argv[2], '--launch-immediately'])
# The note on picking: by --verbose on X11; on Wayland that would add the browser's notes.
program = subprocess.Popen(
    [work + '/tintora'] + ['--verbose'] * (not wayland), stderr=open(work + '/stderr', 'w'),
    env=dict(os.environ, QT_QPA_PLATFORM='wayland' if wayland else 'xcb',
             QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
             QT_LOGGING_RULES='tintora.screenpicking.info=true' * wayland))
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
            assert not (wayland and os.path.exists(work + '/libtintora_webview.so') and button.name
                        == 'Web Browser' and not wait_until(page_shown, 30)), 'no page in the browser'
            act(button, action)
            assert opened(button, panel, False), f'{button.name} {action}: not closed'

    pick = pyatspi.findDescendant(window, lambda a: a.name == 'Pick Colour from Screen')
    note, *rest = open(work + '/stderr').read().splitlines() or ['']
    assert not rest, 'on standard error: ' + '\n'.join(rest)
    how, _, reason = note.partition(' is disabled: ')
    assert how.startswith('tintora.screenpicking: Pick Colour from Screen') and pick.getState(
    ).contains(pyatspi.STATE_ENABLED) == (not reason), note or 'no note on picking'
    if not wayland:
        pick_through_magnifier(pick)
    # View > Colour Tools, each tab in turn, names every control too.
    act(pyatspi.findDescendant(window, lambda a: a.name == 'Colour Tools'), 'Press')
    app = window.get_application()
    assert wait_until(lambda: any(w.name == 'Colour Tools' for w in app)), 'no Colour Tools'
    tools = next(w for w in app if w.name == 'Colour Tools')
    if not wayland:  # the background picked where the magnifier left the pointer
        act(pyatspi.findDescendant(tools, lambda a: a.name == 'Pick from Screen'), 'Press')
        assert wait_until(lambda: any(w.name == 'Magnifier' and w.getState().contains(
            pyatspi.STATE_SHOWING) for w in app)), 'no magnifier for the background'
        subprocess.run(['xdotool', 'key', 'Return'], check=True)
        back = pyatspi.findDescendant(tools, lambda a: a.name == 'Background colour').queryText()
        assert wait_until(lambda: back.getText(0, -1) == '#3399CC'), back.getText(0, -1)
    names = lambda: {c.name for c in showing(tools)}
    before = None  # what the tab before showed
    for tab in [a for a in showing(tools) if a.getRoleName() == 'page tab']:
        act(tab, 'Press')
        assert wait_until(lambda: names() != before), f'{tab.name} not shown'
        before = names()
        unnamed = [c.getRoleName() for c in showing(tools)
                   if c.getRoleName() in CONTROLS and not c.name.strip()]
        assert not unnamed, f'without a name in "{tab.name}": {", ".join(unnamed)}'
    with contextlib.suppress(GLib.GError):  # the program ends before it answers
        act(pyatspi.findDescendant(window, lambda a: a.name == 'Exit'), 'Press')
    assert program.wait(30) == 0, 'File > Exit ended with a non-zero status'
finally:
    program.kill()
    launcher.terminate()
    if wayland:
        weston.terminate()
    shutil.rmtree(work, ignore_errors=True)  # Weston may still be removing its socket
