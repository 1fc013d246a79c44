#!/usr/bin/env python3
"""Fails when a source under src/ includes a header of a layer above its own.

The layer order is the one src/CMakeLists.txt builds: each layer's library links only the
layers below it. Layers of the same rank (geometry and screen; drawings and toothform; help,
tables and exchange; app and gui) may not include each other either, except where RANK_PEERS
says so. The Session belongs to the app: a file below it that names the Session (even in a
comment) fails too, since the layers below take only the parts they use.
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
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SESSION = re.compile(r"\bSession\b")


def layer_of_include(including_layer, header):
    parts = header.split("/")
    if len(parts) == 1:
        return including_layer  # a header beside the including file
    if parts[0] == "..":
        return None  # climbing out of the folder hides the layer: always an error
    return parts[0]


def upward_edges(src):
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        name = path.relative_to(src).as_posix()
        layer = path.relative_to(src).parts[0]
        if layer not in RANK:
            yield f"{path.relative_to(src)}: folder '{layer}' is not a known layer"
            continue
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            if RANK[layer] < RANK["app"] and SESSION.search(line):
                yield f"{name}:{number}: names the Session below the app layer"
            match = INCLUDE.match(line)
            if not match:
                continue
            header = match.group(1)
            target = layer_of_include(layer, header)
            where = f"{name}:{number}: includes \"{header}\""
            if target is None or target not in RANK:
                yield f"{where}, which names no layer"
            elif target == layer or name == PROGRAM:
                continue
            elif RANK[target] > RANK[layer] or (
                    RANK[target] == RANK[layer] and (layer, target) not in RANK_PEERS):
                yield f"{where} from the layer above ({layer} -> {target})"


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                       pathlib.Path(__file__).resolve().parent.parent / "src")
    errors = list(upward_edges(src))
    for error in errors:
        print(error)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
