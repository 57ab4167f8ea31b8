#!/usr/bin/env python3
"""Prints the include cycles between the project's folders and exits 1 when there is one.

A folder is a group of sources: "editing", "score_window/core", "platform/ui" ... . The core
library's folders (those whose files go to scoreink_core) must form no cycle. With --all the
window folders are checked too: a window may include the folder of a window it opens, never the
other way round (the score window's editing handlers in editing/handlers/ count as the score
window's own files). Run from anywhere: tools/include_cycles.py [--all].
"""
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CODE_FOLDERS = ("app", "platform", "editing", "score_window", "dialogs", "symbol_editor")
CORE_FOLDERS = {
    "platform",
    "editing",
    "score_window/core",
    "dialogs/core",
    "symbol_editor/core",
    "resources",
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


# Folders that belong to one window.
SAME_WINDOW = {"editing/handlers": "score_window"}


def folder_of(path):
    parent = str(Path(path).parent)
    return SAME_WINDOW.get(parent, parent)


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
    checked = nodes if check_all else nodes & CORE_FOLDERS
    found = cycles(edges, checked)
    for group in found:
        print("cycle: " + " <-> ".join(group))
        for source in group:
            for target, why in sorted(edges.get(source, {}).items()):
                if target in group:
                    for line in why:
                        print(f"  {line}")
    if not found:
        print("no include cycle between " + ("folders" if check_all else "core folders"))
    # The core links Qt Gui only: none of its folders may include a window's or a Qt widget
    # service's file.
    upward = [line for source in sorted(edges) if source in CORE_FOLDERS
              for target, why in sorted(edges[source].items()) if target not in CORE_FOLDERS
              for line in why]
    for line in upward:
        print(f"core includes a window or widget file: {line}")
    return 1 if found or upward else 0


if __name__ == "__main__":
    sys.exit(main())
