"""Loads many DXF files with ezdxf in one run and prints one line per file, in argument order:
    file INDEX loaded AUDIT_ERRORS MODEL_SPACE_INSERTS BLOCK,BLOCK,...
    file INDEX refused ERROR
Exit code 0.
"""
import sys

import ezdxf

SPECIAL = ("*model_space", "*paper_space", "$model_space", "$paper_space")


def check(index, path):
    try:
        doc = ezdxf.readfile(path)
    except Exception as error:  # any refusal counts: structure or syntax
        return "file %d refused %s" % (index, type(error).__name__)
    inserts = sum(1 for e in doc.modelspace() if e.dxftype() == "INSERT")
    blocks = [b.name for b in doc.blocks if b.name.lower() not in SPECIAL]
    errors = len(doc.audit().errors)
    return "file %d loaded %d %d %s" % (index, errors, inserts, ",".join(blocks) or "-")


def main(paths):
    for index, path in enumerate(paths):
        print(check(index, path))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
