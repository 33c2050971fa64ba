"""End-to-end check of the real program through the accessibility bus, as a screen reader sees
and drives it: the equation box, Calculate, the Solution window's roots, the Accuracy window's
options, a message box, and File > Exit.

Run it inside a fresh X server and session bus, with Qt's AT-SPI bridge on:

    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \\
        xvfb-run -a dbus-run-session -- python3 veltrix_atspi.py path/to/veltrix

Every wait polls with a deadline; the program is ended on every path out of the script, and
xvfb-run and dbus-run-session take their X server and buses down when it returns.
"""

import re
import signal
import subprocess
import sys
import threading
import time

import pyatspi

WAIT_SECONDS = 20
WHOLE_RUN_SECONDS = 150
PROGRAM_STARTS = 3
# Qt's own words ("could not connect to display :99") and Veltrix's, when it checks the display
# before it starts Qt ("could not connect to the display ":99"").
REFUSED_CONNECTION = re.compile(r"could not connect to (the )?display")


class Failure(Exception):
    pass


class Session:
    def __init__(self, program_path):
        self.program_path = program_path
        self.program = None
        self.output = []
        self.copier = None
        self.app = None

    def start(self):
        """Starts the program and waits for it on the accessibility bus.

        xvfb-run does not wait for the X server of an earlier run to end, and may hand its display
        number to the next run while it is still going down; a client that reaches the old server
        is refused. A program that ends for that reason before showing anything is started again.
        """
        for attempt in range(1, PROGRAM_STARTS + 1):
            self.output = []
            self.program = subprocess.Popen([self.program_path], stderr=subprocess.PIPE,
                                            text=True, errors="replace")
            self.copier = threading.Thread(target=self._copy_output,
                                           args=(self.program.stderr,), daemon=True)
            self.copier.start()
            try:
                self.app = self.wait_for("Veltrix on the accessibility bus", self.find_app)
                return
            except Failure:
                if self.program.poll() is None or attempt == PROGRAM_STARTS:
                    raise
                self.copier.join(timeout=5)  # the program has ended: its output is complete
                if not any(REFUSED_CONNECTION.search(line) for line in self.output):
                    raise
                print("the X server refused the program's connection; starting it again",
                      file=sys.stderr)

    def _copy_output(self, stream):
        for line in stream:
            self.output.append(line)
            sys.stderr.write(line)

    def end(self):
        if self.program and self.program.poll() is None:
            self.program.terminate()
            try:
                self.program.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.program.kill()
                self.program.wait()

    def wait_for(self, what, probe, seconds=WAIT_SECONDS):
        """Polls probe() until it returns something true; fails if the program ends first."""
        deadline = time.monotonic() + seconds
        last_error = None
        while True:
            try:
                result = probe()
            except Exception as error:  # the tree changes under us while windows come and go
                result, last_error = None, error
            if result:
                return result
            code = self.program.poll()
            if code is not None:
                raise Failure(f"the program ended (exit status {code}) while waiting for {what}")
            if time.monotonic() > deadline:
                detail = f" (last error: {last_error})" if last_error else ""
                raise Failure(f"no {what} after {seconds} s{detail}")
            time.sleep(0.05)

    def find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == self.program.pid:
                return app
        return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(node, role, name=None, description=None):
    for candidate in descendants(node):
        if (candidate.getRole() == role and (name is None or candidate.name == name)
                and (description is None or candidate.description == description)):
            return candidate
    return None


def window(app, name, roles=(pyatspi.ROLE_FRAME,)):
    """A top-level window of the program that is on the screen."""
    for child in app:
        if (child is not None and child.getRole() in roles and child.name == name
                and child.getState().contains(pyatspi.STATE_SHOWING)):
            return child
    return None


def press(control, *action_names):
    action = control.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in action_names:
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise Failure(f"{control.getRoleName()} '{control.name}' offers {names}, not {action_names}")


def text_of(control):
    text = control.queryText()
    return text.getText(0, text.characterCount)


def type_equation(session, main, equation):
    box = find(main, pyatspi.ROLE_TEXT, "Equation")
    if box is None:
        raise Failure("no equation box named 'Equation' in the main window")
    box.queryEditableText().setTextContents(equation)
    session.wait_for(f"equation box reading '{equation}'", lambda: text_of(box) == equation)


def read_roots(solution):
    first = find(solution, pyatspi.ROLE_LABEL, description="first value of x")
    second = find(solution, pyatspi.ROLE_LABEL, description="second value of x")
    return (first.name, second.name) if first and second else None


def expect_roots(session, wanted):
    solution = session.wait_for("Solution window", lambda: window(session.app, "Solution"))
    try:
        session.wait_for(f"roots {wanted}", lambda: read_roots(solution) == wanted)
    except Failure as failure:
        raise Failure(f"{failure}; the Solution window reads {read_roots(solution)}") from None
    print(f"Solution window reads: When Y=0  X= {wanted[0]} or {wanted[1]}")


def run(session):
    session.start()
    main = session.wait_for("main window 'Veltrix'", lambda: window(session.app, "Veltrix"))
    calculate = find(main, pyatspi.ROLE_PUSH_BUTTON, "Calculate")

    type_equation(session, main, "10X^2-2X-3")
    press(calculate, "Press")
    expect_roots(session, ("0.66", "-0.46"))

    press(find(main, pyatspi.ROLE_PUSH_BUTTON, "Set accuracy"), "Press")
    accuracy = session.wait_for("Accuracy window", lambda: window(session.app, "Accuracy"))
    three = find(accuracy, pyatspi.ROLE_RADIO_BUTTON, "3")
    press(three, "Press", "Toggle")
    session.wait_for("option '3' selected",
                     lambda: three.getState().contains(pyatspi.STATE_CHECKED))
    print("Accuracy window: option '3' selected")
    press(calculate, "Press")
    expect_roots(session, ("0.657", "-0.457"))

    type_equation(session, main, "X^2-4")
    press(calculate, "Press")
    box = session.wait_for(
        "message box 'Veltrix v2.0'",
        lambda: window(session.app, "Veltrix v2.0", (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)))
    prompt = session.wait_for("prompt 'Invalid Quadratic' in the message box",
                              lambda: find(box, pyatspi.ROLE_LABEL, "Invalid Quadratic"))
    print(f"message box titled '{box.name}' says '{prompt.name}'")
    press(find(box, pyatspi.ROLE_PUSH_BUTTON, "OK"), "Press")
    session.wait_for("message box to close",
                     lambda: window(session.app, "Veltrix v2.0",
                                    (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)) is None)
    # A failed Calculate leaves the last roots standing.
    expect_roots(session, ("0.657", "-0.457"))

    press(find(main, pyatspi.ROLE_MENU_ITEM, "Exit"), "Press", "Click")
    try:
        code = session.program.wait(timeout=WAIT_SECONDS)
    except subprocess.TimeoutExpired:
        raise Failure(f"the program still runs {WAIT_SECONDS} s after File > Exit") from None
    if code != 0:
        raise Failure(f"the program ended with exit status {code} after File > Exit")
    print("File > Exit ended the program")
    # A start, a session and an exit that work say nothing: a newcomer reads any line as a fault.
    session.copier.join(timeout=5)
    if session.output:
        raise Failure(f"the program wrote to standard error: {''.join(session.output)!r}")


def on_alarm(signum, frame):
    raise Failure(f"the whole check took longer than {WHOLE_RUN_SECONDS} s")


def main():
    if len(sys.argv) != 2:
        print("usage: veltrix_atspi.py PROGRAM", file=sys.stderr)
        return 2
    signal.signal(signal.SIGALRM, on_alarm)
    signal.alarm(WHOLE_RUN_SECONDS)
    session = Session(sys.argv[1])
    try:
        run(session)
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        session.end()
    print("end-to-end check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
