#!/usr/bin/env python3
"""Fails when the program's folders include each other in a circle.

Every folder may include the ground floor (app/Shell.h, app/Settings.h);
any other include from one folder into another is an arrow, and no arrow
may lead back into a folder that reaches it.

Usage: CheckLayers.py REPO
"""
import os
import re
import sys

FOLDERS = ["app", "view", "archive", "imaging", "thumbs", "search", "links", "print", "about"]
GROUND = {"app/Shell.h", "app/Settings.h"}


def arrows(root):
    found = {}
    for folder in FOLDERS:
        path = os.path.join(root, folder)
        names = os.listdir(path) if os.path.isdir(path) else []
        for name in (n for n in names if n.endswith((".cpp", ".h"))):
            with open(os.path.join(path, name), encoding="utf-8") as f:
                for include in re.findall(r'#include "([^"]+)"', f.read()):
                    target = os.path.normpath(os.path.join(folder, include))
                    into = target.split("/")[0]
                    if into != folder and into in FOLDERS and target not in GROUND:
                        found.setdefault((folder, into), "%s/%s -> %s" % (folder, name, target))
    return found


def main():
    graph = arrows(sys.argv[1])

    def reaches(start, goal, seen):
        return any(b == goal or (b not in seen and reaches(b, goal, seen | {b})) for (a, b) in graph if a == start)

    circles = [graph[edge] for edge in graph if reaches(edge[1], edge[0], {edge[1]})]
    for arrow in circles:
        print("circle through %s" % arrow)
    return 1 if circles else 0


if __name__ == "__main__":
    sys.exit(main())
