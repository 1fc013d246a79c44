#!/usr/bin/python3
"""Starts wkv9 on an X server (run under xvfb-run) as a user would and checks its main window:
the title without and with a data file, that it stays up until it is closed, that a close of an
unchanged data set ends it without a question (exit 0), that the usage screen and the message
of a wrong folder are windows of their own, and that without a display the interactive start
ends with exit 3.

usage: window_check.py WKV9 DATAFILE
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, protocol

TITLE = "KV9 - SAE Zahnwellenverbindung"
DEADLINE = 60  # seconds: only a limit for a program that never shows its window or never ends


def fail(text):
    sys.exit("FAIL: " + text)


def window_of(dpy, pid):
    """The mapped top-level window of process `pid` with a title, or None."""
    pid_atom = dpy.intern_atom("_NET_WM_PID")
    for w in dpy.screen().root.query_tree().children:
        try:
            prop = w.get_full_property(pid_atom, X.AnyPropertyType)
            if not prop or prop.value[0] != pid:
                continue
            if w.get_attributes().map_state != X.IsViewable:
                continue
            name = w.get_full_property(dpy.intern_atom("_NET_WM_NAME"), 0)
            if name:
                return w, name.value.decode("utf-8")
        except Exception:  # a window that went away meanwhile
            continue
    return None


def close(dpy, window):
    """What a window manager's close button sends."""
    protocols = dpy.intern_atom("WM_PROTOCOLS")
    delete = dpy.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event)
    dpy.flush()


def wait_for_window(dpy, proc, args, seen=()):
    """The next window of `proc` (one not in `seen`), or a failure."""
    end = time.monotonic() + DEADLINE
    while time.monotonic() < end and proc.poll() is None:
        found = window_of(dpy, proc.pid)
        if found is not None and found[0].id not in seen:
            return found
        time.sleep(0.1)
    proc.kill()
    fail("%s: no window (exit %s): %s" % (args, proc.poll(), proc.stderr.read().decode()))


def run_window(wkv9, args, work, env, expected_title, questions=()):
    """Starts wkv9, closes the windows titled `questions` one after another as they come (a close
    answers a message box or cancels a dialog), then checks the window `expected_title` and
    closes it."""
    dpy = display.Display()
    proc = subprocess.Popen([wkv9] + args, cwd=work, env=env, stderr=subprocess.PIPE)
    closed = []
    for question in questions:
        window, title = wait_for_window(dpy, proc, args, closed)
        if title != question:
            proc.kill()
            fail("%s: window %r, expected %r first" % (args, title, question))
        close(dpy, window)
        closed.append(window.id)
        print("ok: %r shown as a window and closed" % title)
    window, title = wait_for_window(dpy, proc, args, closed)
    if title != expected_title:
        proc.kill()
        fail("title %r, expected %r" % (title, expected_title))
    time.sleep(0.5)
    if proc.poll() is not None:
        fail("the window went by itself (exit %d)" % proc.returncode)
    close(dpy, window)
    try:
        code = proc.wait(DEADLINE)
    except subprocess.TimeoutExpired:
        proc.kill()
        fail("%s: still running after the close (a question on an unchanged data set?)" % args)
    if code != 0:
        fail("exit %d after the close: %s" % (code, proc.stderr.read().decode()))
    print("ok: %r, closed with exit 0" % title)


def main():
    wkv9, datafile = os.path.abspath(sys.argv[1]), sys.argv[2]
    with tempfile.TemporaryDirectory() as work:
        home = os.path.join(work, "home")
        os.mkdir(home)
        shutil.copy(datafile, work)
        env = {"PATH": os.environ.get("PATH", ""), "HOME": home, "TEMP": work, "TMPDIR": work,
               "XDG_CONFIG_HOME": os.path.join(home, ".config"), "DISPLAY": os.environ["DISPLAY"],
               "KV9_TEST_NOW": "2026-12-09 10:30"}
        if "XAUTHORITY" in os.environ:
            env["XAUTHORITY"] = os.environ["XAUTHORITY"]
        run_window(wkv9, [], work, env, TITLE)
        name = os.path.basename(datafile)
        run_window(wkv9, [name], work, env, TITLE + "  -  " + name)
        run_window(wkv9, ["?"], work, env, "KV9")
        # A temporary folder that is none: its message and the question for another one are
        # windows before the main window.
        bad_temp = dict(env, TEMP=os.path.join(work, "missing"))
        run_window(wkv9, [], work, bad_temp, TITLE, questions=("Fehler : ", "Eingabe"))

        no_display = {k: v for k, v in env.items() if k not in ("DISPLAY", "XAUTHORITY")}
        done = subprocess.run([wkv9, name], cwd=work, env=no_display, capture_output=True)
        if done.returncode != 3 or b"no display" not in done.stderr:
            fail("without a display: exit %d, %r" % (done.returncode, done.stderr))
        print("ok: without a display exit 3")


main()
