#!/usr/bin/python3
"""What a screen reader hears of the window, read through the AT-SPI bus.

Starts the program, finds it on the accessibility bus and checks the names
and descriptions of the displays, fields and options; then enters a height
and a weight and presses a judgement button through the bus, as an assistive
tool does, and checks that the names follow what the window shows.

Usage: screen_reader_names.py PATH/TO/kalvemo   (inside a session bus and X)
"""
import os
import subprocess
import sys
import time

import pyatspi


def wait_for(what, find, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    raise AssertionError(f"timed out waiting for {what}")


def application(name):
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        return None
    # With the rest of the suite running beside it, the new program has been
    # seen to take over 20 s to show on the bus: wait well beyond that.
    return wait_for(f"application {name} on the accessibility bus", find, timeout=60.0)


def nodes(root):
    """Every object of the tree, depth first."""
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        yield node
        stack.extend(node[i] for i in range(node.childCount))


def one(app, role, name=None, description=None):
    """The one object of the role with that name and description."""
    matches = [n for n in nodes(app) if n.getRole() == role
               and name in (None, n.name) and description in (None, n.description)]
    if len(matches) != 1:
        raise AssertionError(f"{len(matches)} objects of role {role} named {name!r}, described {description!r}")
    return matches[0]


failures = []
checks = 0


def expect(what, actual, expected):
    global checks
    checks += 1
    status = "ok  " if actual == expected else "FAIL"
    print(f"{status} {what}: {actual!r}" + ("" if actual == expected else f" (expected {expected!r})"))
    if actual != expected:
        failures.append(what)


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    window = subprocess.Popen([program], env=env)
    try:
        app = application(os.path.basename(program))
        wait_for("the window's controls", lambda: next(
            (n for n in nodes(app) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON), None))

        label = pyatspi.ROLE_LABEL
        bmi = one(app, label, description="BMI")
        syndrome = one(app, label, description="メタボリックシンドローム")
        guidance = one(app, label, description="保健指導レベル")
        expect("empty BMI display", bmi.name, "BMI")
        expect("empty class result", syndrome.name, "メタボリックシンドローム")
        expect("empty guidance result", guidance.name, "保健指導レベル")

        for role, name, description in [
            (pyatspi.ROLE_TEXT, "身長(cm)", "Step1"),
            (pyatspi.ROLE_TEXT, "HDL-CHO", "Step2 脂質"),
            (pyatspi.ROLE_RADIO_BUTTON, "男性", "性別"),
            (pyatspi.ROLE_RADIO_BUTTON, "薬剤治療 あり", "血圧"),
            (pyatspi.ROLE_RADIO_BUTTON, "喫煙 なし", "喫煙"),
        ]:
            one(app, role, name, description)
            expect(f"{name} ({description})", "found", "found")

        # Values entered and a button pressed through the bus.
        for field, value in [("身長(cm)", "160"), ("体重(kg)", "64")]:
            one(app, pyatspi.ROLE_TEXT, field).queryEditableText().setTextContents(value)
        wait_for("the BMI", lambda: bmi if bmi.name == "25.0" else None, timeout=5)
        expect("BMI display with a value", bmi.name, "25.0")
        expect("BMI display described", bmi.description, "BMI")

        # A judgement button is held down while its band's results stand.
        band = one(app, pyatspi.ROLE_PUSH_BUTTON, "40歳～64歳")
        band.queryAction().doAction(0)
        prompt = "Step1を入力してください"
        wait_for("the judgement", lambda: syndrome if syndrome.name == prompt else None, timeout=5)
        expect("class result after judging", syndrome.name, prompt)
        expect("guidance result after judging", guidance.name, prompt)
        expect("band held down", band.description, "キー Alt+4、この年齢区分で判定した結果を表示中")
        # The waist the prompt asks for is marked, and its mark is heard.
        waist = one(app, pyatspi.ROLE_TEXT, "腹囲(cm)")
        expect("waist marked as missing", waist.description, "Step1\n未入力")

        one(app, pyatspi.ROLE_PUSH_BUTTON, "Reset").queryAction().doAction(0)
        wait_for("the reset", lambda: guidance if guidance.name == "保健指導レベル" else None, timeout=5)
        expect("guidance result after Reset", guidance.name, "保健指導レベル")
        expect("BMI display after Reset", bmi.name, "BMI")
    finally:
        window.terminate()
        window.wait(10)

    print(f"{checks - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
