#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the desktop program through the AT-SPI bus as a screen reader does.

    tools/screen-reader-check.py PROGRAM

Run it on a session bus and an X display of its own (tools/test-screen-reader.sh starts
both). It starts PROGRAM with the toolkit's accessibility switched on, presses the menu's
"Amplitude modulation" through its accessible action, reads the AM window's every control
and each plot's name and description, chooses "Log (decibels)" the same way, waits for
the plots to announce their new descriptions and reads them again. It prints what it read
and exits 1 at the first thing a screen reader would not have been told.
"""

import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# The bindings call get_action_name deprecated but offer nothing else that gives an
# action's name untranslated.
warnings.filterwarnings("ignore", message=".*get_action_name is deprecated")

TIMEOUT = 20  # seconds for the program, a window or an announcement to appear

PLOT_TITLES = ["Transmitted signal envelope", "Transmitted signal spectrum", "Envelope demodulator output"]
FRAMES = {
    "Audio frequency": ["1000 Hz", "2000 Hz", "3000 Hz"],
    "Modulation": ["None", "10%", "25%", "50%", "100%", "120%", "140%"],
    "Y-axis": ["Linear (volts)", "Log (decibels)"],
    "Modulation clipper": ["Off", "On"],
    "Demodulator type": ["Ideal", "Diode"],
}


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def pump(seconds):
    """Lets events arrive for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.02)


def wait_for(what, find):
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        pump(0.2)
    fail("no " + what + " after %d s" % TIMEOUT)


def children(accessible):
    return [accessible.get_child_at_index(i) for i in range(accessible.get_child_count())]


def descendants(accessible):
    for child in children(accessible):
        yield child
        yield from descendants(child)


def application(pid):
    for app in children(Atspi.get_desktop(0)):
        try:
            if app.get_process_id() == pid:
                return app
        except GLib.Error:
            pass
    return None


def window(app, name):
    for child in children(app):
        if child.get_name() == name:
            return child
    return None


def press(accessible):
    """The accessible's own action, as a screen reader's "activate" does."""
    # The object is its own Action interface (Atspi.Action), where it has one.
    count = accessible.get_n_actions() if isinstance(accessible, Atspi.Action) else 0
    names = [Atspi.Action.get_action_name(accessible, i) for i in range(count)]
    for wanted in ("Press", "press", "Toggle", "toggle", "click"):
        if wanted in names:
            Atspi.Action.do_action(accessible, names.index(wanted))
            return
    fail("%s offers no press among %s" % (accessible.get_name(), names))


def plots(am):
    found = [a for a in children(am) if a.get_role() == Atspi.Role.IMAGE]
    for plot in found:
        plot.clear_cache()
    return found


def start(program, **settings):
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", **settings)
    environment.pop("QT_QPA_PLATFORM", None)  # the X display, not the test suite's offscreen one
    return subprocess.Popen([program], env=environment)


def stop(process):
    process.terminate()
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()


def in_german(program):
    """On a German desktop the program speaks German: the menu's buttons, and the AM
    window's spectrum with a decimal comma."""
    process = start(program, LANGUAGE="de", LANG="de_DE.UTF-8", LC_ALL="")
    try:
        app = wait_for("application on the bus", lambda: application(process.pid))
        menu = wait_for("menu window", lambda: window(app, "Opening"))
        buttons = [a for a in descendants(menu) if a.get_role() == Atspi.Role.PUSH_BUTTON]
        names = [b.get_name() for b in buttons]
        print("German menu buttons: %s" % names)
        if names != ["Amplitudenmodulation", "Frequenzmodulation", "Einseitenband", "Ende"]:
            fail("on a German desktop the menu's buttons read %s" % names)
        press(buttons[0])
        am = wait_for("AM window", lambda: next((w for w in children(app) if plots(w)), None))
        spectrum = plots(am)[1]
        print("German spectrum: %r: %s" % (spectrum.get_name(), spectrum.get_description()))
        if spectrum.get_name() != "Spektrum des Sendesignals" or "Träger 0,0 dB" not in spectrum.get_description():
            fail("the German spectrum reads %r: %r" % (spectrum.get_name(), spectrum.get_description()))
    finally:
        stop(process)


def main():
    program = sys.argv[1]
    process = start(program)
    try:
        app = wait_for("application on the bus", lambda: application(process.pid))
        menu = wait_for("menu window", lambda: window(app, "Opening"))
        print("menu window: %s %r" % (menu.get_role_name(), menu.get_name()))
        buttons = [a for a in descendants(menu) if a.get_role() == Atspi.Role.PUSH_BUTTON]
        print("menu buttons: %s" % [b.get_name() for b in buttons])
        if [b.get_name() for b in buttons] != ["Amplitude modulation", "Frequency modulation", "Single sideband", "Exit"]:
            fail("the menu's buttons are not named by their captions")
        press(buttons[0])

        am = wait_for("AM window", lambda: window(app, "AM plots"))
        print("AM window: %s %r" % (am.get_role_name(), am.get_name()))
        if am.get_role() != Atspi.Role.FRAME:
            fail("the AM window is a %s, not a window" % am.get_role_name())

        # Every control, as a screen reader lists them: each option within its frame.
        frames = {}
        for frame in (a for a in descendants(am) if a.get_role() == Atspi.Role.PANEL):
            options = [o.get_name() for o in children(frame) if o.get_role() == Atspi.Role.RADIO_BUTTON]
            frames[frame.get_name()] = options
            print("  frame %r: options %s" % (frame.get_name(), options))
        if frames != FRAMES:
            fail("the frames and their options read %s" % frames)
        exits = [a.get_name() for a in descendants(am) if a.get_role() == Atspi.Role.PUSH_BUTTON]
        print("  buttons: %s" % exits)
        if exits != ["Exit"]:
            fail("the AM window's buttons read %s" % exits)

        images = plots(am)
        before = [p.get_description() for p in images]
        for plot, text in zip(images, before):
            focusable = plot.get_state_set().contains(Atspi.StateType.FOCUSABLE)
            print("  image %r%s: %s" % (plot.get_name(), " (focusable)" if focusable else "", text))
            if not focusable or not any(c.isdigit() for c in text):
                fail("the plot %r cannot take the focus or says no numbers" % plot.get_name())
        if [p.get_name() for p in images] != PLOT_TITLES:
            fail("the plots are named %s" % [p.get_name() for p in images])

        # A click, then what a screen reader hears: each plot's new description.
        announced = []

        def heard(event):
            if event.source.get_role() == Atspi.Role.IMAGE:
                announced.append(event.source.get_name())

        listener = Atspi.EventListener.new(heard)
        listener.register("object:property-change:accessible-description")
        pump(0.5)
        log = next(o for o in descendants(am) if o.get_name() == "Log (decibels)")
        press(log)
        wait_for("announcement of every plot", lambda: True if len(set(announced)) == len(images) else None)
        print("announced: %s" % announced)
        after = [p.get_description() for p in plots(am)]
        for title, old, new in zip(PLOT_TITLES, before, after):
            print("  image %r now: %s" % (title, new))
        if after[1] == before[1] or "dB" not in after[1]:
            fail("the spectrum's description did not change to decibels: %r" % after[1])
        if not log.get_state_set().contains(Atspi.StateType.CHECKED):
            fail("Log (decibels) is not chosen")
    finally:
        stop(process)
    in_german(program)
    print("screen reader check passed")


if __name__ == "__main__":
    main()
