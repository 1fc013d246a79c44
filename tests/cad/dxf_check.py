"""Loads a DXF file with ezdxf and prints what it holds, one fact per line:
    loaded
    entity TYPE COUNT        (model space)
    layer NAME COLOUR LINETYPE
    block NAME TYPE COUNT    (one line per entity type of each block; "block NAME - 0" when empty)
    audit ERRORS
Exit code 0 when ezdxf read the file, 2 when it refused it.
"""
import collections
import sys

import ezdxf


def main(path):
    try:
        doc = ezdxf.readfile(path)
    except Exception as error:  # any refusal counts: structure or syntax
        print("refused", type(error).__name__, error)
        return 2
    print("loaded")
    counts = collections.Counter(e.dxftype() for e in doc.modelspace())
    for kind, n in sorted(counts.items()):
        print("entity", kind, n)
    for layer in doc.layers:
        if layer.dxf.name == "Defpoints":  # ezdxf adds it to every document it loads
            continue
        print("layer", layer.dxf.name, layer.dxf.color, layer.dxf.linetype)
    for block in doc.blocks:
        if block.name.lower() in ("*model_space", "*paper_space", "$model_space", "$paper_space"):
            continue
        kinds = collections.Counter(e.dxftype() for e in block)
        if not kinds:
            print("block", block.name, "-", 0)
        for kind, n in sorted(kinds.items()):
            print("block", block.name, kind, n)
    auditor = doc.audit()
    print("audit", len(auditor.errors))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
