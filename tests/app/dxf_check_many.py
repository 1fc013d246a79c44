"""Loads many DXF files with ezdxf in one run and prints one line per file, in argument order:
    file INDEX loaded AUDIT_ERRORS MODEL_SPACE_INSERTS BLOCK,BLOCK,... UNDEFINED_LAYERS CODEPAGE
    file INDEX refused ERROR
UNDEFINED_LAYERS counts the layers entities or block headers use that the LAYER table does not
list; CODEPAGE is $DWGCODEPAGE ("-" without one). Exit code 0.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cad"))
from dxf_check import own_blocks, read, undefined_layers  # noqa: E402


def check(index, path):
    try:
        doc, codepage = read(path)
    except Exception as error:  # any refusal counts: structure or syntax
        return "file %d refused %s" % (index, type(error).__name__)
    inserts = sum(1 for e in doc.modelspace() if e.dxftype() == "INSERT")
    blocks = [b.name for b in own_blocks(doc)]
    errors = len(doc.audit().errors)
    undefined = len(undefined_layers(doc))
    return "file %d loaded %d %d %s %d %s" % (
        index, errors, inserts, ",".join(blocks) or "-", undefined, codepage)


def main(paths):
    for index, path in enumerate(paths):
        print(check(index, path))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
