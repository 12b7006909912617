#!/usr/bin/python3
"""Reads the demo form through the real accessibility bus (AT-SPI), as a
screen reader does: starts the demo under Xvfb inside its own D-Bus session
with Qt's AT-SPI bridge on, drives it with the keyboard (xdotool) and checks
what pyatspi sees and hears: names that follow the form's labels, list entries
without their keys, a found description and an added item announced.

Usage: demo_tree.py DEMO_EXECUTABLE
Exit 77 (skipped) when what it needs is missing: pyatspi, Xvfb, xdotool,
dbus-run-session or the AT-SPI bus launcher.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# The controls of the demo form and the labels that name them.
CONTROLS = {
    "zevCliente": "Cliente",
    "zevVendedor": "Vendedor",
    "zevProdutos": "Produtos",
    "zevValorMinimo": "Valor mínimo",
    "zevPeriodo": "Período",
}
KEY = "CLI-1001"  # the customer found by code 7 (demo/data/clientes.csv)


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIP)


# The application's tree, printed with a failure.
shown = []


def print_tree():
    for root in shown:
        for node, depth in walk(root):
            print("%s%s %r %r" % ("  " * depth, node.getRoleName(), node.name, node.description))


def fail(message):
    print_tree()
    print("FAILED: " + message)
    sys.exit(1)


def wait_for(what, probe, seconds=60):
    """Polls probe until it returns something true; fails after `seconds`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    fail("gave up waiting for " + what)


def outside(demo):
    missing = [p for p in ("Xvfb", "xdotool", "dbus-run-session") if not shutil.which(p)]
    if not os.path.exists(LAUNCHER):
        missing.append(LAUNCHER + " (at-spi2-core)")
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        missing.append("pyatspi (python3-pyatspi)")
    if missing:
        skip("needs " + ", ".join(missing) + "; scripts/setup installs them")
    if not os.access(demo, os.X_OK):
        fail(demo + " is not built")
    env = dict(os.environ)
    for var in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY"):
        env.pop(var, None)
    return subprocess.call(["dbus-run-session", "--", sys.executable, __file__, demo, "--inside"], env=env)


def start_display():
    """A display of our own; other programs on the machine may start and stop theirs meanwhile."""
    # Away from the low numbers that other tools on a shared machine take and free.
    first = 200 + os.getpid() % 700
    for number in range(first, first + 20):
        if os.path.exists("/tmp/.X%d-lock" % number):
            continue
        display = ":%d" % number
        xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x800x24", "-nolisten", "tcp", "-noreset"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        probe = ["xdotool", "getdisplaygeometry"]
        up = lambda: xvfb.poll() is not None or subprocess.call(
            probe, env=dict(os.environ, DISPLAY=display), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL) == 0
        wait_for("Xvfb on " + display, up, 30)
        if xvfb.poll() is None:
            os.environ["DISPLAY"] = display
            return xvfb
    skip("Xvfb could not start a display here")


def walk(node, depth=0):
    yield node, depth
    # The results table holds thousands of cells, none of them a control's part.
    if node.getRoleName() in ("table", "tree table"):
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def states(node):
    return node.getState()


def inside(demo):
    import pyatspi

    processes = [start_display()]
    processes.append(subprocess.Popen([LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL))
    work = tempfile.mkdtemp(prefix="zev-a11y-")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", HOME=work,
               XDG_DATA_HOME=work, XDG_CONFIG_HOME=work, LC_ALL="C.UTF-8")
    # A sanitizer build: the desktop libraries' own leaks at exit are not ours to report.
    env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":detect_leaks=0"
    try:
        processes.append(subprocess.Popen(
            [demo, "--database", os.path.join(work, "demo.sqlite"), "--form", os.path.join(work, "form.json")],
            env=env))

        def application():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == "zev-demo":
                    return app
            return None

        app = wait_for("the demo on the accessibility bus", application)
        shown.append(app)
        check(pyatspi, app, processes[-1].pid)
    finally:
        for p in reversed(processes):
            p.terminate()
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                p.kill()
        shutil.rmtree(work, ignore_errors=True)
    print("demo_tree: all checks passed")
    return 0


def controls_of(pyatspi, app):
    """The five controls, by the name their label gives, with their parts."""
    found = {}
    for node, _ in walk(app):
        if node.name in CONTROLS.values() and node.getRole() == pyatspi.ROLE_PANEL:
            found[node.name] = node
    return found


def key(*keys):
    subprocess.check_call(["xdotool", "key", "--clearmodifiers", *keys])


def typed(text):
    subprocess.check_call(["xdotool", "type", "--delay", "50", text])


def check(pyatspi, app, pid):
    controls = wait_for("the five controls named by their labels",
                        lambda: (lambda f: f if len(f) == len(CONTROLS) else None)(controls_of(pyatspi, app)))
    problems = []

    # Every part a user can reach has a role and a name that starts with the label.
    for label, control in controls.items():
        parts = [n for n, d in walk(control) if d == 1 and states(n).contains(pyatspi.STATE_FOCUSABLE)]
        if not parts:
            problems.append(label + ": no focusable part")
        for part in parts:
            role = part.getRoleName()
            if not role or role == "unknown":
                problems.append("%s: a part without a role (%r)" % (label, part.name))
            if not part.name.startswith(label):
                problems.append("%s: a %s named %r" % (label, role, part.name))

    # A search, by keyboard only: the customer's code, F3; the panel then says what was found,
    # and a screen reader hears it as a change of name (of the panel) and description (of the code).
    from gi.repository import GLib
    heard = []
    listener = lambda event: heard.append((event.type, event.source.name, str(event.any_data)))
    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name",
                                           "object:property-change:accessible-description")
    subprocess.check_call(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(pid), "--class", "zev-demo",
                           "windowfocus", "--sync"])
    # Each key waits for its effect before the next: on a loaded machine the
    # demo may still be busy with its first search when the keys arrive.
    code = next(n for n, d in walk(controls["Cliente"]) if d == 1 and n.name == "Cliente, código")

    def code_focused():
        if states(code).contains(pyatspi.STATE_FOCUSED):
            return True
        key("alt+c")
        time.sleep(0.5)
        return False

    wait_for("the customer's code box focused by its mnemonic", code_focused, 90)
    typed("7")
    wait_for("the typed code in the customer's code box",
             lambda: "7" in code.queryText().getText(0, -1), 90)
    key("F3")

    def found_description():
        for node, _ in walk(controls["Cliente"]):
            if node.getRole() == pyatspi.ROLE_LABEL and "Auto Peças Pereira" in node.name:
                return node
        return None

    panel = wait_for("the found description on the customer's panel", found_description, 90)
    if not panel.name.startswith("Cliente, descrição: "):
        problems.append("the description panel reads %r" % panel.name)

    def announced():
        while GLib.MainContext.default().iteration(False):
            pass
        names = [e for e in heard if e[0].endswith("accessible-name") and "Auto Peças Pereira" in e[2]]
        descriptions = [e for e in heard if e[0].endswith("accessible-description") and e[1] == "Cliente, código"]
        return (names, descriptions) if names and descriptions else None

    names, descriptions = wait_for("the found description heard as a name and a description change", announced, 90)
    if len(names) != 1 or len(descriptions) != 1:
        problems.append("the found description is announced %d and %d times" % (len(names), len(descriptions)))

    # A product added by keyboard: its entry in the list shows code and description, not the key.
    key("alt+p")
    typed("1")
    key("F3")
    key("Return")

    def entries():
        for node, _ in walk(controls["Produtos"]):
            if node.getRole() == pyatspi.ROLE_LIST_ITEM:
                return [n.name for n, _ in walk(node.parent) if n.getRole() == pyatspi.ROLE_LIST_ITEM]
        return None

    items = wait_for("the added product in the list's accessible children", entries, 30)
    for item in items:
        if "PRD-" in item or item != item.strip() or "  " in item:
            problems.append("a list entry shows its key or padding: %r" % item)
    if "00001 - Parafuso sextavado cx 100 un" not in items:
        problems.append("the added product is not among %r" % items)

    def list_changed():
        while GLib.MainContext.default().iteration(False):
            pass
        return [e for e in heard if e[0].endswith("accessible-description") and e[1] == "Produtos, itens adicionados"]

    wait_for("the added item heard as a change of the list's description", list_changed, 30)

    if problems:
        fail("\n  ".join(["%d problem(s):" % len(problems)] + problems))
    if os.environ.get("ZEV_A11Y_TREE"):
        print_tree()


if __name__ == "__main__":
    if len(sys.argv) < 2:
        print(__doc__)
        sys.exit(2)
    if "--inside" in sys.argv:
        sys.exit(inside(sys.argv[1]))
    sys.exit(outside(sys.argv[1]))
