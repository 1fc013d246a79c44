#!/usr/bin/python3
"""Renders a DXF file written by the program to a PNG, to look at it without a CAD program.

    tools/dxf_to_png.py [--white] [--dpi N] drawing.dxf [drawing.png]

The picture takes the proportions of the drawing, 11 inches on its long side, on
the black background of a CAD model space (--white: on white paper; the program's yellow and
cyan layers are then hard to see). Uses ezdxf's
drawing add-on with matplotlib (Debian: python3-ezdxf, python3-matplotlib).
"""
import logging
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import ezdxf  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402
from ezdxf.addons.drawing.properties import LayoutProperties  # noqa: E402

LONG_SIDE_INCHES = 11.0
# The program names CAD fonts (TXT8 ...) that are no files here: draw every text style with one
# font that is there, and keep matplotlib quiet about the names it cannot find.
VIEW_FONT = "DejaVuSans.ttf"
logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)


def enlarge(figure):
    """The drawing add-on gives the figure the drawing's proportions; make its long side fixed."""
    width, height = figure.get_size_inches()
    scale = LONG_SIDE_INCHES / max(width, height)
    figure.set_size_inches(width * scale, height * scale)


def main(args):
    white = "--white" in args
    args = [a for a in args if a != "--white"]
    dpi = 100
    if "--dpi" in args:
        i = args.index("--dpi")
        dpi = int(args[i + 1])
        del args[i : i + 2]
    if not 1 <= len(args) <= 2:
        print(__doc__.strip())
        return 1
    source = args[0]
    target = args[1] if len(args) == 2 else source.rsplit(".", 1)[0] + ".png"
    doc = ezdxf.readfile(source)
    for style in doc.styles:
        style.dxf.font = VIEW_FONT
    msp = doc.modelspace()
    figure = plt.figure()
    axes = figure.add_axes([0, 0, 1, 1])
    properties = LayoutProperties.from_layout(msp)
    if white:
        properties.set_colors("#ffffff")
    Frontend(RenderContext(doc), MatplotlibBackend(axes)).draw_layout(
        msp, finalize=True, layout_properties=properties
    )
    enlarge(figure)
    figure.savefig(target, dpi=dpi, facecolor=figure.get_facecolor())
    print(target)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
