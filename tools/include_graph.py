#!/usr/bin/env python3
"""The layers of src/ and the includes between them.

Usage: tools/include_graph.py [--check] [--root DIR]

Prints the lines of code per layer and, for each layer, the layers it includes (with the number of
include lines). With --check it prints nothing but the includes that point up or sideways (a
layer including one it may not depend on) and exits 1 when there are any; the build runs it so.
A layer is the first folder under src/; the fuzz targets in fuzz/ beside it are one more.
"""

import argparse
import re
import sys
from collections import Counter, defaultdict
from pathlib import Path

# What each layer may include besides itself. Dependencies point down only.
ALLOWED = {
    "platform": set(),
    "core": {"platform"},
    "code": {"core", "platform"},
    # The meanings check themselves against the command table, which says which commands have one.
    "commands": {"command_set", "code", "core", "platform"},
    "command_set": {"code", "core"},
    "interp": {"command_set", "commands", "core", "platform"},
    "compiler": {"code", "command_set", "core", "platform"},
    "runtime": {"code", "command_set", "commands", "core", "platform"},
    # The terminal front end, which also picks and loads the desktop module: above the system
    # backends and the interfaces; only the programs' mains (through native_desktop.h) reach it.
    "platform/console": {"platform"},
    # The desktop module: a front end loaded by the programs, so it stands above the core it shares
    # texts with; nothing below includes it.
    "platform/gtk": {"platform", "core"},
    "ide": {"core"},
    "ide/win32": {"ide", "core"},
    # The Linux editor: the editor core and the language core, drawn with GTK.
    "ide/gtk": {"ide", "core"},
    # The fuzz targets (fuzz/, beside src/) drive the readers of every layer, never a window system.
    "fuzz": {"interp", "compiler", "runtime", "ide", "command_set", "commands", "code", "core", "platform"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
SYSTEM_INCLUDE = re.compile(r'^\s*#\s*include\s+<([^>]+)>', re.M)
# Layers that know no window system: their files may not include its headers.
WINDOWLESS = {"ide", "fuzz"}
WINDOW_HEADERS = {"windows.h", "richedit.h", "commctrl.h", "commdlg.h", "shellapi.h", "windowsx.h", "objbase.h",
                  "gtk/gtk.h"}
# GTK and X11 belong to the desktop module and the Linux editor alone: no other file includes their
# headers.
TOOLKIT_FOLDERS = {("platform", "gtk"), ("ide", "gtk")}
TOOLKIT_PREFIXES = ("gtk/", "gdk/", "glib", "gio/", "X11/")
# GStreamer belongs to the media module alone.
MEDIA_FOLDER = ("platform", "gstreamer")
MEDIA_PREFIXES = ("gst/",)


def layer_of(parts):
    """The layer of a file or include path: its first folder, or "ide/win32" and "ide/gtk" for the
    editor's front ends, "platform/console" for the terminal front end and "platform/gtk" for the
    desktop module."""
    if len(parts) > 2 and parts[0] == "ide" and parts[1] in ("win32", "gtk"):
        return f"ide/{parts[1]}"
    if len(parts) > 2 and parts[0] == "platform" and parts[1] in ("console", "gtk"):
        return f"platform/{parts[1]}"
    return parts[0]


def sources(root: Path):
    for path in sorted(root.rglob("*")):
        if path.suffix in (".h", ".cpp") and path.is_file():
            yield path


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="only report includes that break the layering")
    parser.add_argument("--root", default=str(Path(__file__).resolve().parent.parent / "src"))
    opts = parser.parse_args()
    root = Path(opts.root)

    lines: Counter = Counter()
    edges = defaultdict(Counter)
    broken = []
    fuzz_root = root.parent / "fuzz"
    files = [(path, layer_of(path.relative_to(root).parts)) for path in sources(root)]
    files += [(path, "fuzz") for path in sources(fuzz_root)] if fuzz_root.is_dir() else []
    for path, layer in files:
        text = path.read_text(encoding="utf-8", errors="replace")
        lines[layer] += text.count("\n")
        if tuple(path.relative_to(root.parent).parts[1:3]) not in TOOLKIT_FOLDERS:
            for header in SYSTEM_INCLUDE.findall(text):
                if header.startswith(TOOLKIT_PREFIXES):
                    broken.append(f"{path.relative_to(root.parent)}: includes <{header}> (only platform/gtk/ and "
                                  "ide/gtk/ know GTK and X11)")
        if tuple(path.relative_to(root.parent).parts[1:3]) != MEDIA_FOLDER:
            for header in SYSTEM_INCLUDE.findall(text):
                if header.startswith(MEDIA_PREFIXES):
                    broken.append(f"{path.relative_to(root.parent)}: includes <{header}> (only platform/gstreamer/ "
                                  "knows GStreamer)")
        if layer in WINDOWLESS:
            for header in SYSTEM_INCLUDE.findall(text):
                if header.lower() in WINDOW_HEADERS:
                    broken.append(f"{path.relative_to(root.parent)}: includes <{header}> (a {layer} file knows no windows)")
        for include in INCLUDE.findall(text):
            if "/" not in include:
                continue
            target = layer_of(include.split("/"))
            if target == layer:
                continue
            edges[layer][target] += 1
            if target not in ALLOWED.get(layer, set()):
                broken.append(f"{path.relative_to(root.parent)}: includes {target}/ (a {layer} file may include "
                              f"{', '.join(sorted(ALLOWED.get(layer, set()))) or 'nothing outside itself'})")
    if opts.check:
        for line in broken:
            print(line, file=sys.stderr)
        return 1 if broken else 0

    print("layer       lines  includes")
    for layer in sorted(lines, key=lambda name: -lines[name]):
        uses = ", ".join(f"{target} ({count})" for target, count in sorted(edges[layer].items()))
        print(f"{layer:<10} {lines[layer]:>6}  {uses or '-'}")
    print(f"{'total':<10} {sum(lines.values()):>6}")
    for line in broken:
        print("breaks the layering: " + line)
    return 0


if __name__ == "__main__":
    sys.exit(main())
