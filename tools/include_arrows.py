#!/usr/bin/env python3
"""Fails when a product source includes a header from a floor it may not use.

The libraries stand in floors, each in its own folder; a folder includes only from itself and
from the folders its arrow names. Every `#include "folder/..."` of every .cpp and .h in the
product folders is read, and each one against the arrows is printed with its file and line.

Usage: include_arrows.py SOURCE_DIR
"""

import pathlib
import re
import sys

# Top to bottom. The version header in identity/ and the language of tr/ may be included from
# anywhere.
ARROWS = {
    "apps/gui": {"ui", "platform", "messages", "export", "io", "render", "codec", "sign", "files"},
    "apps/cli": {"messages", "export", "io", "render", "codec", "sign", "files"},
    "ui": {"platform", "messages", "export", "io", "render", "codec", "sign", "files"},
    "platform": {"codec", "io", "sign", "files"},
    "messages": {"export", "io", "codec", "render", "sign", "files"},
    "export": {"render", "io", "codec", "sign", "files"},
    "io": {"sign", "files"},
    "render": {"codec", "sign", "files"},
    "codec": {"files"},
    "sign": {"files"},
    "files": set(),
}
EVERYWHERE = {"identity", "tr"}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def floor_of(path):
    """The floor a path inside the source tree belongs to, or None."""
    parts = pathlib.PurePosixPath(path).parts
    for depth in (2, 1):
        folder = "/".join(parts[:depth])
        if len(parts) > depth and (folder in ARROWS or folder in EVERYWHERE):
            return folder
    return None


def findings(source_dir):
    for floor in sorted(ARROWS):
        folder = source_dir / floor
        if not folder.is_dir():
            continue
        for source in sorted(folder.rglob("*")):
            if source.suffix not in (".cpp", ".h"):
                continue
            relative = source.relative_to(source_dir).as_posix()
            lines = source.read_text(encoding="utf-8").splitlines()
            for number, line in enumerate(lines, start=1):
                match = INCLUDE.match(line)
                # A header beside the source (a moc file, say) has no folder and no floor.
                if not match or "/" not in match.group(1):
                    continue
                included = match.group(1)
                target = floor_of(included)
                if target is None:
                    yield f"{relative}:{number}: includes {included}, which is in no floor"
                elif target != floor and target not in EVERYWHERE and target not in ARROWS[floor]:
                    yield (f"{relative}:{number}: includes {included}: {floor}/ may not "
                           f"include from {target}/")


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    source_dir = pathlib.Path(sys.argv[1])
    found = list(findings(source_dir))
    for finding in found:
        print(finding, file=sys.stderr)
    if found:
        print(f"include_arrows: {len(found)} includes against the arrows", file=sys.stderr)
        return 1
    print("include_arrows: every include follows the arrows")
    return 0


if __name__ == "__main__":
    sys.exit(main())
