#!/usr/bin/python3
"""Renders a DXF file written by the program to a PNG, to look at it without a CAD program.

    tools/dxf_to_png.py drawing.dxf [drawing.png]

Uses ezdxf's drawing add-on with matplotlib (Debian: python3-ezdxf, python3-matplotlib).
"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import ezdxf  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402


def main(args):
    if not 1 <= len(args) <= 2:
        print(__doc__.strip())
        return 1
    source = args[0]
    target = args[1] if len(args) == 2 else source.rsplit(".", 1)[0] + ".png"
    doc = ezdxf.readfile(source)
    figure = plt.figure(figsize=(8, 11))
    axes = figure.add_axes([0, 0, 1, 1])
    Frontend(RenderContext(doc), MatplotlibBackend(axes)).draw_layout(doc.modelspace())
    figure.savefig(target, dpi=100)
    print(target)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
