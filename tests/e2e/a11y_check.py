"""Reads the calculator's accessibility tree over AT-SPI, types 1+2= and waits for the
display's change event. Exit 0 on success, 1 with a message on the first mismatch."""
import sys
import time

import pyatspi
from gi.repository import GLib

# name -> (role, description); None skips the description.
EXPECTED = {
    "开平方": ("push button", "F"),
    "清除最后一位": ("push button", "空格键/Backspace"),
    "语音功能开关": ("push button", "F3"),
    "等于": ("push button", "回车键"),
    "全部清除": ("push button", "Esc"),
    "历史计算值和": ("push button", "G"),
    "除以": ("push button", "/"),
    "乘以": ("push button", "*"),
    "百分比": ("push button", "B"),
    "正负号": ("push button", None),
    "小数点": ("push button", None),
    "7": ("push button", ""),
    "显示": ("text", None),
    "缓存": ("text", None),
    "语音功能开启标志": ("label", None),
    "运算符": ("label", None),
    "最小化计算器": ("push button", None),
}


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and "orvane" in (app.name or "").lower():
            return app
    return None


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def main():
    app = None
    for _ in range(100):
        app = find_app()
        if app is not None:
            break
        time.sleep(0.1)
    if app is None:
        print("the calculator never joined the accessibility bus")
        return 1
    by_name = {}
    for node in nodes(app):
        by_name.setdefault(node.name, node)
    for name, (role, description) in EXPECTED.items():
        node = by_name.get(name)
        if node is None:
            print(f"no control named {name!r}")
            return 1
        if node.getRoleName() != role:
            print(f"{name!r} has role {node.getRoleName()!r}, expected {role!r}")
            return 1
        if description is not None and node.description != description:
            print(f"{name!r} described {node.description!r}, expected {description!r}")
            return 1
    display = by_name["显示"]

    seen = []

    def on_event(event):
        if event.source == display:
            seen.append((event.type, str(event.any_data).strip()))

    pyatspi.Registry.registerEventListener(on_event, "object:text-changed")
    import subprocess

    subprocess.run(["xdotool", "type", "--delay", "80", "1+2="], check=True)
    deadline = time.time() + 5
    context = GLib.MainContext.default()
    def announced():
        # The result arrives as inserted text "3": only 1+2= produces it.
        return any(kind.startswith("object:text-changed:insert") and data == "3"
                   for kind, data in seen)

    while time.time() < deadline and not announced():
        context.iteration(False)
        time.sleep(0.02)
    pyatspi.Registry.deregisterEventListener(on_event, "object:text-changed")
    if not announced():
        print(f"no text change to 3 on the display; saw {seen!r}, shows {text_of(display)!r}")
        return 1
    if text_of(display) != "3":
        print(f"after 1+2= the display reads {text_of(display)!r}, expected '3'")
        return 1
    # The tape (F8) names each line by what it is and its value.
    subprocess.run(["xdotool", "key", "F8"], check=True)
    lines = ("加 1", "数 2", "结果 3")
    missing = lines
    for _ in range(50):
        shown = {node.name for node in nodes(app)
                 if node.getState().contains(pyatspi.STATE_SHOWING)}
        missing = [name for name in lines if name not in shown]
        if not missing:
            break
        time.sleep(0.1)
    if missing:
        print(f"the tape shows no line named {missing!r}")
        return 1
    subprocess.run(["xdotool", "key", "F8"], check=True)
    # The other two windows, reached by their keys, name their fields after their captions.
    for key, names in (("F2", ("表达式", "计算结果")),
                       ("F7", ("贷款期限", "基准利率", "贷款金额", "您的月还款额约为",
                               "您的首月还款额约为", "期满时的利息约为"))):
        subprocess.run(["xdotool", "key", key], check=True)
        missing = names
        for _ in range(50):
            shown = {node.name for node in nodes(app)
                     if node.getState().contains(pyatspi.STATE_SHOWING)}
            missing = [name for name in names if name not in shown]
            if not missing:
                break
            time.sleep(0.1)
        if missing:
            print(f"after {key} no shown control is named {missing!r}")
            return 1
    print(f"names ok in the three windows and the tape; display events {seen!r}")
    return 0


sys.exit(main())
