#!/usr/bin/env python3
"""Fails when a source under src/ includes a header of a layer above its own.

The layer order is the one src/CMakeLists.txt builds: each layer's library links only the
layers below it. Layers of the same rank (geometry and screen; drawings and toothform; help,
tables and exchange; app and gui) may not include each other either, except where RANK_PEERS
says so. The sources named in KV9_SESSION_USERS of src/CMakeLists.txt may still include the
Session header, and nothing else above them; one of them that no longer does must leave the list.
Usage: check_layers.py [SRC_DIR]
"""
import pathlib
import re
import sys

RANK = {
    "core": 0, "model": 1, "calc": 2, "report": 3, "geometry": 4, "screen": 4, "cad": 5,
    "drawings": 6, "toothform": 6, "help": 7, "tables": 7, "exchange": 7, "app": 8, "gui": 8,
}
# Same-rank pairs that may see each other: (from, to).
RANK_PEERS = {("screen", "geometry"), ("drawings", "toothform"), ("toothform", "drawings"),
              ("gui", "app")}
# The program's main() binds the desktop to the batch layers.
PROGRAM = "app/main.cpp"
SESSION_HEADER = "app/session.h"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def session_users(src):
    text = (src / "CMakeLists.txt").read_text()
    match = re.search(r"set\(KV9_SESSION_USERS\s+([^)]*)\)", text)
    return set(match.group(1).split()) if match else set()


def layer_of_include(including_layer, header):
    parts = header.split("/")
    if len(parts) == 1:
        return including_layer  # a header beside the including file
    if parts[0] == "..":
        return None  # climbing out of the folder hides the layer: always an error
    return parts[0]


def upward_edges(src):
    allowed_session = session_users(src)
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        name = path.relative_to(src).as_posix()
        layer = path.relative_to(src).parts[0]
        includes_session = False
        if layer not in RANK:
            yield f"{path.relative_to(src)}: folder '{layer}' is not a known layer"
            continue
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            header = match.group(1)
            target = layer_of_include(layer, header)
            where = f"{name}:{number}: includes \"{header}\""
            if header == SESSION_HEADER:
                includes_session = True
            if target is None or target not in RANK:
                yield f"{where}, which names no layer"
            elif target == layer or name == PROGRAM:
                continue
            elif header == SESSION_HEADER and name in allowed_session:
                continue
            elif RANK[target] > RANK[layer] or (
                    RANK[target] == RANK[layer] and (layer, target) not in RANK_PEERS):
                yield f"{where} from the layer above ({layer} -> {target})"
        if name in allowed_session and not includes_session:
            yield f"{name}: no longer includes {SESSION_HEADER}; take it out of KV9_SESSION_USERS"


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                       pathlib.Path(__file__).resolve().parent.parent / "src")
    errors = list(upward_edges(src))
    for error in errors:
        print(error)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
