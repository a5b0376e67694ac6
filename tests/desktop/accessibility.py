"""Reads Carrowby's windows over the AT-SPI accessibility bus, as a screen reader does."""
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def application(pid, seconds=5):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.05)
    return None


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def text(node):
    """A label's own text (its name may fall back to its frame's title when it is empty)."""
    try:
        return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))
    except Exception:
        return node.get_name() or ""


def panel(pid, starts_with):
    """The labels of the first panel (a frame) whose title starts so, in their order."""
    app = application(pid)
    if app is None:
        return None, []
    for node in walk(app):
        name = node.get_name() or ""
        if node.get_role_name() == "panel" and name.startswith(starts_with):
            # Qt names an empty label after the frame it stands in.
            return name, ["" if text(c) == name else text(c) for c in children(node)
                          if c.get_role_name() == "label"]
    return None, []


def dialog_labels(pid):
    """The labels of the open feedback window, or None when none is open."""
    app = application(pid)
    if app is None:
        return None
    for window in children(app):
        if window.get_role_name() == "dialog" and window.get_name() == " ":
            return [text(node) for node in walk(window) if node.get_role_name() == "label"]
    return None
