#!/usr/bin/python3
"""Renders display-list commands (one a line, as the program records them) to a PNG, to look
at a help picture or a screen drawing without the graphics window.

    tools/display_list_png.py COMMANDS.txt OUT.png [--black]

The world window is the one of the first "10;" command; colours are the 16 classic palette
colours on the white background of the program's default configuration (--black: on black).
Texts are code page 850. Uses matplotlib (Debian: python3-matplotlib).
"""
import math
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
from matplotlib.patches import Arc, Circle, Polygon  # noqa: E402

PALETTE = ["#000000", "#0000aa", "#00aa00", "#00aaaa", "#aa0000", "#aa00aa", "#aa5500",
           "#aaaaaa", "#555555", "#5555ff", "#55ff55", "#55ffff", "#ff5555", "#ff55ff",
           "#ffff55", "#ffffff"]


def main():
    lines = open(sys.argv[1], encoding="cp850").read().splitlines()
    black = "--black" in sys.argv
    fig = plt.figure(figsize=(8, 6), dpi=100)
    ax = fig.add_axes([0, 0, 1, 1])
    ax.set_facecolor("black" if black else "white")
    colour, text_style = PALETTE[0 if not black else 15], (3.0, 2.0, 0.0)
    window = None
    for line in lines:
        code, _, rest = line.partition(";")
        fields = rest.split(";", 2 if code == "6" else 16)
        num = [float(f) for f in fields] if code != "6" else None
        if code == "10" and window is None:
            window = num[4:8]
        elif code == "8":
            colour = PALETTE[int(num[0])]
        elif code == "9":
            text_style = (num[0], num[1], num[3])
        elif code == "4":
            ax.plot([num[0], num[2]], [num[1], num[3]], color=colour, linewidth=0.8)
        elif code == "3":
            ax.add_patch(Circle((num[0], num[1]), num[2], fill=False, color=colour, linewidth=0.8))
        elif code == "5":
            cx, cy, r = (num[0] + num[2]) / 2, (num[1] + num[3]) / 2, (num[2] - num[0]) / 2
            a = math.degrees(math.atan2(num[5] - cy, num[4] - cx))
            b = math.degrees(math.atan2(num[7] - cy, num[6] - cx))
            while b <= a:
                b += 360
            ax.add_patch(Arc((cx, cy), 2 * r, 2 * r, theta1=a, theta2=b, color=colour,
                             linewidth=0.8))
        elif code == "6":
            x, y, text = float(fields[0]), float(fields[1]), fields[2]
            # The text height in world units, as points of this figure.
            points = text_style[0] / (window[3] - window[1]) * 6 * 72 if window else 8
            ax.text(x, y, text, color=colour, fontsize=points, rotation=text_style[2],
                    rotation_mode="anchor", ha="left", va="baseline", family="DejaVu Sans Mono")
        elif code == "7":
            ax.add_patch(Polygon([(num[i], num[i + 1]) for i in range(0, 8, 2)], color=colour))
    if window:
        ax.set_xlim(window[0], window[2])
        ax.set_ylim(window[1], window[3])
    ax.set_aspect("equal")
    ax.set_xticks([])
    ax.set_yticks([])
    fig.savefig(sys.argv[2])


if __name__ == "__main__":
    main()
