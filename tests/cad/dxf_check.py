"""Loads a DXF file with ezdxf and prints what it holds, one fact per line:
    loaded
    codepage NAME            ($DWGCODEPAGE, "-" when the header names none)
    entity TYPE COUNT        (model space)
    layer NAME COLOUR LINETYPE
    undefined_layer NAME     (used by an entity or a block header, missing from the LAYER table)
    block NAME TYPE COUNT    (one line per entity type of each block; "block NAME - 0" when empty)
    extent BLOCK XMIN XMAX   (the x range of the lines of each block that has lines)
    insert NAME X Y XSCALE   (model space)
    text BLOCK X Y HEIGHT WIDTH TEXT   (BLOCK "*" for model space; the text as read, to the end)
    audit ERRORS
Texts are read in the code page the header names: ezdxf itself decodes only the Windows code
pages, so a file that declares a DOS code page is read again in that one.
Exit code 0 when ezdxf read the file, 2 when it refused it.
"""
import collections
import sys

import ezdxf

SPECIAL = ("*model_space", "*paper_space", "$model_space", "$paper_space")


def own_blocks(doc):
    return [b for b in doc.blocks if b.name.lower() not in SPECIAL]


def undefined_layers(doc):
    """Layers that entities or block headers use and the LAYER table does not list."""
    defined = {layer.dxf.name for layer in doc.layers if layer.dxf.name != "Defpoints"}
    used = {e.dxf.layer for e in doc.modelspace()}
    for block in own_blocks(doc):
        used.add(block.block.dxf.layer)
        used.update(e.dxf.layer for e in block)
    return sorted(used - defined)


def read(path):
    doc = ezdxf.readfile(path)
    codepage = doc.header.get("$DWGCODEPAGE", "-")
    if codepage.lower().startswith("dos"):
        doc = ezdxf.readfile(path, encoding="cp" + codepage[3:])
    return doc, codepage


def texts(name, layout):
    for e in layout:
        if e.dxftype() == "TEXT":
            x, y = e.dxf.insert.x, e.dxf.insert.y
            print("text", name, x, y, e.dxf.height, e.dxf.width, e.dxf.text)


def main(path):
    sys.stdout.reconfigure(encoding="utf-8", errors="backslashreplace")
    try:
        doc, codepage = read(path)
    except Exception as error:  # any refusal counts: structure or syntax
        print("refused", type(error).__name__, error)
        return 2
    print("loaded")
    print("codepage", codepage)
    counts = collections.Counter(e.dxftype() for e in doc.modelspace())
    for kind, n in sorted(counts.items()):
        print("entity", kind, n)
    for layer in doc.layers:
        if layer.dxf.name == "Defpoints":  # ezdxf adds it to every document it loads
            continue
        print("layer", layer.dxf.name, layer.dxf.color, layer.dxf.linetype)
    for name in undefined_layers(doc):
        print("undefined_layer", name)
    for block in own_blocks(doc):
        kinds = collections.Counter(e.dxftype() for e in block)
        if not kinds:
            print("block", block.name, "-", 0)
        for kind, n in sorted(kinds.items()):
            print("block", block.name, kind, n)
        xs = [x for e in block if e.dxftype() == "LINE" for x in (e.dxf.start.x, e.dxf.end.x)]
        if xs:
            print("extent", block.name, min(xs), max(xs))
        texts(block.name, block)
    for e in doc.modelspace():
        if e.dxftype() == "INSERT":
            print("insert", e.dxf.name, e.dxf.insert.x, e.dxf.insert.y, e.dxf.xscale)
    texts("*", doc.modelspace())
    auditor = doc.audit()
    print("audit", len(auditor.errors))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
