#!/usr/bin/env python3
"""Checks the include rules between the project's folders; exits 1 when one is broken.

A folder is a group of sources: "editing", "score_window/core", "platform/raster" ... .
- The core library's folders (those whose files go to scoreink_core) include only the folders
  that RULES lists below them: an arrow that runs back up fails, as does any include of a
  window's or a Qt widget service's file.
- platform/ui (the Qt services behind seams) includes only the platform, never a window.
- With --all the window folders are checked too: no two folders include each other, directly
  or round a cycle (a window may include the folder of a window it opens, never the other way
  round, and a window's own subfolders include the window, not the other way round).
Run from anywhere: tools/include_cycles.py [--all].
"""
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CODE_FOLDERS = ("app", "platform", "editing", "score_window", "dialogs", "symbol_editor",
                "resources")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

# What each folder of the core and of the seams may include besides itself, lowest first.
PLATFORM_ROOMS = ["platform/raster", "platform/files", "platform/picture_files",
                  "platform/history"]
PLATFORM_CORE = ["platform"] + PLATFORM_ROOMS
RULES = {
    # Pixels and files, knowing nothing of the program.
    "platform/raster": [],
    "platform/files": [],
    # Reading and writing picture files.
    "platform/picture_files": ["platform/raster", "platform/files"],
    # The edit history, its steps and the recovery copy.
    "platform/history": ["platform/picture_files", "platform/raster", "platform/files"],
    # The run's values and the seams' plain types.
    "platform": PLATFORM_ROOMS,
    "resources": PLATFORM_CORE,
    "editing": PLATFORM_CORE + ["resources"],
    "editing/staff": PLATFORM_CORE + ["resources", "editing"],
    "score_window/core": PLATFORM_CORE + ["resources", "editing", "editing/staff"],
    "dialogs/core": PLATFORM_CORE + ["resources", "editing", "editing/staff"],
    "symbol_editor/core": PLATFORM_CORE + ["resources", "editing", "editing/staff"],
    # The Qt services behind seams: never a window.
    "platform/ui": PLATFORM_CORE,
}


def folder_of(path):
    return str(Path(path).parent)


def tracked_sources():
    out = subprocess.run(["git", "ls-files", "*.cpp", "*.h"], cwd=ROOT, check=True,
                         capture_output=True, text=True).stdout.split()
    return [p for p in out if p.split("/")[0] in CODE_FOLDERS]


def folder_graph(files):
    edges = {}
    for path in files:
        source = folder_of(path)
        for included in INCLUDE.findall((ROOT / path).read_text(encoding="utf-8")):
            if not (ROOT / included).exists():
                continue
            target = folder_of(included)
            if target != source:
                edges.setdefault(source, {}).setdefault(target, []).append(f"{path} -> {included}")
    return edges


def cycles(edges, nodes):
    """Strongly connected groups of more than one folder (Tarjan)."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in edges.get(node, {}):
            if nxt not in nodes:
                continue
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                group.append(top)
                if top == node:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for node in sorted(nodes):
        if node not in index:
            visit(node)
    return groups


def main():
    check_all = "--all" in sys.argv[1:]
    edges = folder_graph(tracked_sources())
    nodes = set(edges) | {t for targets in edges.values() for t in targets}
    unknown = sorted(n for n in nodes if n.split("/")[0] in ("platform", "editing", "resources")
                     and n not in RULES)
    for folder in unknown:
        print(f"folder without a rule (add it to RULES in tools/include_cycles.py): {folder}")
    broken = [line for source in sorted(edges) if source in RULES
              for target, why in sorted(edges[source].items()) if target not in RULES[source]
              for line in why]
    for line in broken:
        print(f"include against the folder rules: {line}")
    found = cycles(edges, nodes) if check_all else []
    for group in found:
        print("cycle: " + " <-> ".join(group))
        for source in group:
            for target, why in sorted(edges.get(source, {}).items()):
                if target in group:
                    for line in why:
                        print(f"  {line}")
    if not (found or broken or unknown):
        print("folder rules kept" + (", no include cycle between folders" if check_all else ""))
    return 1 if found or broken or unknown else 0


if __name__ == "__main__":
    sys.exit(main())
