#!/usr/bin/python3
"""Takes the road of one problem through the program's accessibility tree alone, as a screen
reader user would: title, menu, lesson, problem, answer, verdict, and out again.

    road.py <program pid>
"""
import os
import re
import sys
import time

import pyatspi

PROGRAM_PID = int(sys.argv[1]) if len(sys.argv) > 1 else 0
TIMEOUT = 20.0

# What the menu offers and whether each entry can be chosen.
MENU = {
    "Circles": True,
    "Dimensions": False,
    "Surface Area": False,
    "Volume": False,
    "Paper Folding": True,
    "Disc Packing": False,
    "Sphere Packing": False,
    "Pythagoras' Theorem": False,
    "The Ellipse": False,
    "Animation Sequence": False,
}


class Failure(Exception):
    pass


def log(text):
    print("a11y: " + text, flush=True)


def wait(what, probe, timeout=TIMEOUT):
    """Polls probe() until it gives something, or fails after timeout seconds."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # a window that goes away while we read it
            found = None
        if found:
            return found
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.1)


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "vornash":
            return app
    return None


def showing(acc):
    states = acc.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def nodes(root):
    """Every showing object below root, depth first."""
    stack = [root]
    while stack:
        acc = stack.pop()
        try:
            if acc is None or not showing(acc):
                continue
            yield acc
            stack.extend(acc.getChildAtIndex(i) for i in reversed(range(acc.childCount)))
        except Exception:
            continue


def everything():
    app = program()
    return list(nodes(app)) if app is not None else []


def find(role, name=None, match=None):
    for acc in everything():
        if acc.getRole() != role:
            continue
        if name is not None and acc.name != name:
            continue
        if match is not None and not re.search(match, acc.name or ""):
            continue
        return acc
    return None


def find_named(name):
    for acc in everything():
        if acc.name == name:
            return acc
    return None


def press(name):
    button = wait('a button "%s"' % name, lambda: find(pyatspi.ROLE_PUSH_BUTTON, name))
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    log('pressing "%s" (actions: %s)' % (name, ", ".join(names)))
    action.doAction(0)


def enabled(acc):
    states = acc.getState()
    return states.contains(pyatspi.STATE_ENABLED) and states.contains(pyatspi.STATE_SENSITIVE)


def label(name=None, match=None, what=None):
    acc = wait(what or ('the text "%s"' % (name or match)),
               lambda: find(pyatspi.ROLE_LABEL, name, match))
    return acc.name


def expect(condition, message):
    if not condition:
        raise Failure(message)


def type_answer(text):
    box = wait("the answer box", lambda: find(pyatspi.ROLE_TEXT, "Your answer"))
    box.queryEditableText().setTextContents(text)
    typed = wait("the typed answer to arrive",
                 lambda: box.queryText().getText(0, -1) == text and text or None)
    log('typed "%s"' % typed)


def program_ended():
    if not PROGRAM_PID:
        return program() is None
    try:
        with open("/proc/%d/stat" % PROGRAM_PID) as stat:
            return stat.read().split(") ")[1][0] in "ZX"  # ended, waiting to be reaped
    except OSError:
        return True


def road():
    wait("the program on the accessibility bus", program, timeout=30)

    # Title screen.
    log('title: "%s" "%s"' % (label("Vornash 3"), label("Demo")))
    press("OK")

    # Main menu: every entry by its caption, with its enabled state.
    log('menu: "%s"' % label("Vornash 3 Demo"))
    for entry, live in MENU.items():
        acc = wait('the menu entry "%s"' % entry,
                   lambda entry=entry: find(pyatspi.ROLE_PUSH_BUTTON, entry))
        state = enabled(acc)
        log("  %-20s %s" % (entry, "enabled" if state else "greyed"))
        expect(state == live, '"%s" should be %s' % (entry, "enabled" if live else "greyed"))
    press("Circles")

    # Lesson page: the animation is described in words.
    wait("the lesson page", lambda: find(pyatspi.ROLE_PUSH_BUTTON, "Problems Page"))
    animation = wait("the animation", lambda: find_named("Animation"))
    log('lesson animation: "%s"' % animation.description)
    expect(animation.description, "the lesson's animation has no description")
    shape = wait("a chosen shape",
                 lambda: next((a for a in everything() if a.getRole() == pyatspi.ROLE_RADIO_BUTTON
                               and a.getState().contains(pyatspi.STATE_CHECKED)), None))
    log('lesson shape: "%s"; sentence: "%s"'
        % (shape.name, label(match=r"^The area of ", what="the lesson's sentence")))
    if shape.name == "Circle":  # its formula's letter, drawn as "p" in the Symbol face
        log('formula: "%s"' % label("\u03c0", what="the formula's pi read as the letter"))
    press("Problems Page")

    # Problem page: question, answer shown, wrong and right answers judged.
    question = label(match=r"^(What is|If) .*\?$", what="the question")
    log('question: "%s"' % question)
    animation = wait("the problem's animation", lambda: find_named("Animation"))
    log('problem animation: "%s"' % animation.description)
    expect(animation.description, "the problem's animation has no description")

    press("Show the answer")
    shown = label(match=r"^-?\d+\.\d\d$", what="the answer shown")
    log("answer shown: " + shown)
    log("worked solution: " + label(match=r" = %s$" % re.escape(shown), what="the worked solution"))
    known = {question, shown, "Wrong, Try Again", "Correct, Well Done!", "Full Screen",
             "Your answer should be correct to two decimal places. Approximate pi as 3.14159."}

    def feedback():
        return next((a.name for a in everything() if a.getRole() == pyatspi.ROLE_LABEL
                     and a.name and a.name not in known and not a.name.endswith(" = " + shown)),
                    None)

    type_answer(str(float(shown) + 1))
    press("Check my answer")
    log("verdict: " + label("Wrong, Try Again"))
    log("feedback: " + wait("the feedback on a wrong answer", feedback))

    type_answer(shown)
    press("Check my answer")
    log("verdict: " + label("Correct, Well Done!"))
    wait("the feedback to clear", lambda: feedback() is None)

    # Out again: the menu, then the title screen, whose "Exit" ends the program.
    press("Exit")
    label("Vornash 3 Demo")
    press("Exit")
    wait('the title screen with "Cancel"', lambda: find(pyatspi.ROLE_PUSH_BUTTON, "Cancel"))
    press("Exit")
    wait("the program to end", program_ended)
    log("the program has ended")


def main():
    try:
        road()
    except Failure as failure:
        log("FAIL: %s" % failure)
        log("showing now: " + "; ".join(
            "%s %r" % (a.getRoleName(), a.name) for a in everything()))
        return 1
    log("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
