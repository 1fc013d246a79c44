#!/usr/bin/python3
"""Writes the help pictures of data/ as HP-GL files, from simple spline geometry.

    tools/help_pictures.py [OUT_DIR]      (default: data/ beside this folder)

Each picture is a sketch on a 160 mm by 120 mm window (1 plotter unit = 0.025 mm): involute
teeth of an external spline (shaft, "Welle") and an internal one (hub, "Nabe") after ANSI B92.1
proportions (30 degree flat root), the measuring pins, the face widths. The files use the
commands the program's interpreter knows: IN, SP, PU, PD, PA, CI, AA, SI, DI, CS, LB and PE
(7-bit encoded polylines); texts with umlauts use character set 3 ("u}" for an u umlaut), a
"ß" is the code page 850 byte.
"""
import math
import os
import sys

UNITS_PER_MM = 40  # 1 / 0.025
ETX = "\x03"

# Pens: outlines dark grey, dimensions light blue, centre lines light green, pins light red.
OUTLINE, DIMENSION, CENTRE, PIN, TEXT = 8, 5, 3, 1, 8


def inv(a):
    return math.tan(a) - a


class Plot:
    """Collects HP-GL commands; coordinates in millimetres on the 160 x 120 window."""

    def __init__(self):
        self.out = ["IN;"]
        self.pen_number = None

    @staticmethod
    def u(v):
        return int(round(v * UNITS_PER_MM))

    def pen(self, n):
        if n != self.pen_number:
            self.out.append("SP%d;" % n)
            self.pen_number = n

    def move(self, p):
        self.out.append("PU%d,%d;" % (self.u(p[0]), self.u(p[1])))

    def polyline(self, points, pen=OUTLINE):
        self.pen(pen)
        self.move(points[0])
        coords = ",".join("%d,%d" % (self.u(x), self.u(y)) for x, y in points[1:])
        self.out.append("PD%s;PU;" % coords)

    def encoded_polyline(self, points, pen=OUTLINE):
        """The same line as a 7-bit PE command: relative steps after an absolute start."""
        self.pen(pen)
        text = "PE7"
        last = None
        for i, (x, y) in enumerate(points):
            ux, uy = self.u(x), self.u(y)
            if last is None:
                text += "<=" + encode7(ux) + encode7(uy)
            else:
                text += encode7(ux - last[0]) + encode7(uy - last[1])
            last = (ux, uy)
        self.out.append(text + ";")

    def line(self, a, b, pen=OUTLINE):
        self.polyline([a, b], pen)

    def circle(self, c, r, pen=OUTLINE):
        self.pen(pen)
        self.move(c)
        self.out.append("CI%d;" % self.u(r))

    def arc(self, c, r, start_deg, sweep_deg, pen=DIMENSION):
        self.pen(pen)
        a = math.radians(start_deg)
        self.move((c[0] + r * math.cos(a), c[1] + r * math.sin(a)))
        self.out.append("PD;AA%d,%d,%g;PU;" % (self.u(c[0]), self.u(c[1]), sweep_deg))

    def text(self, p, s, height=3.5, angle_deg=0.0, pen=TEXT):
        """A label whose lower left corner is at p; umlauts go through character set 3."""
        self.pen(pen)
        self.move(p)
        umlauts = {"ä": "a}", "ö": "o}", "ü": "u}", "Ä": "A}", "Ö": "O}", "Ü": "U}"}
        encoded = "".join(umlauts.get(ch, ch) for ch in s)
        run, rise = math.cos(math.radians(angle_deg)), math.sin(math.radians(angle_deg))
        self.out.append("SI%.3f,%.3f;DI%.4f,%.4f;CS%d;LB%s%s;"
                        % (height * 0.072, height * 0.1, run, rise,
                           3 if encoded != s else 0, encoded, ETX))

    def arrow(self, tip, towards, pen=DIMENSION, length=2.5):
        dx, dy = towards[0] - tip[0], towards[1] - tip[1]
        d = math.hypot(dx, dy)
        ux, uy = dx / d, dy / d
        left = (tip[0] + length * (ux * 0.94 - uy * 0.34), tip[1] + length * (uy * 0.94 + ux * 0.34))
        right = (tip[0] + length * (ux * 0.94 + uy * 0.34), tip[1] + length * (uy * 0.94 - ux * 0.34))
        self.polyline([left, tip, right], pen)

    def dimension(self, a, b, label, offset_text=(0, 1.2), pen=DIMENSION):
        """A dimension line between a and b with arrows at both ends and its label."""
        self.line(a, b, pen)
        self.arrow(a, b, pen)
        self.arrow(b, a, pen)
        if not label:
            return
        mid = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2)
        self.text((mid[0] - 1.3 * len(label) + offset_text[0], mid[1] + offset_text[1]), label)

    def hpgl(self):
        return "\r\n".join(self.out + ["SP0;"]) + "\r\n"


def encode7(n):
    """HP-GL/2 7-bit encoded number: sign in the lowest bit, base-32 digits, low digit first."""
    v = 2 * n if n >= 0 else 2 * -n + 1
    digits = ""
    while v >= 32:
        digits += chr(63 + v % 32)
        v //= 32
    return digits + chr(95 + v)


class Spline:
    """A 30 degree flat root spline: D = N / P; hub and shaft with the ANSI B92.1 diameters.
    A sketch may widen the radial gaps between the two members (`gap`, in millimetres) so that
    the diameters can be told apart."""

    def __init__(self, teeth, pitch_radius, clearance=0.0, gap=None):
        self.N = teeth
        self.R = pitch_radius
        self.alpha = math.radians(30)
        self.m = 2 * pitch_radius / teeth  # D / N, in drawing millimetres
        self.Rb = pitch_radius * math.cos(self.alpha)
        scale = self.m / 2  # 1/P in drawing units, halved for radii
        self.Ro = (teeth + 1) * scale           # Do, shaft major
        self.Rre = (teeth - 1.35) * scale       # Dre, shaft minor
        self.Ri = (teeth - 1) * scale           # Di, hub minor
        self.Rri = (teeth + 1.35) * scale       # Dri, hub major
        if gap is not None:
            self.Ri, self.Rri = self.Rre + gap, self.Ro + gap
        self.RFe = self.Ri - 0.4 * (self.Ri - self.Rre)   # DFe, below the hub's tips
        self.RFi = self.Ro + 0.4 * (self.Rri - self.Ro)   # DFi, above the shaft's tips
        self.half_pitch_angle = math.pi / teeth
        self.tooth = math.pi * self.m / 2 - clearance   # shaft tooth thickness at D
        self.space = math.pi * self.m / 2 + clearance   # hub space width at D

    def half_angle(self, width_at_pitch, r):
        """Half the angle a tooth (or a space) of this width at D covers at radius r."""
        ar = math.acos(min(1.0, self.Rb / r))
        return width_at_pitch / (2 * self.R) + inv(self.alpha) - inv(ar)

    def profile(self, width, c, r_root, r_form, r_tip, steps=10):
        """One tooth (or space) centred at angle c: from the root radially to the form radius,
        the involute flank to the tip, the tip arc, and back down the other side."""
        radii = [r_form + (r_tip - r_form) * i / steps for i in range(steps + 1)]
        h0 = self.half_angle(width, r_form)
        right = [(r_root, c - h0)] + [(r, c - self.half_angle(width, r)) for r in radii]
        left = [(r, c + self.half_angle(width, r)) for r in reversed(radii)] + [(r_root, c + h0)]
        return right + left

    def shaft_outline(self, centre_angle, count):
        """Shaft teeth centred at centre_angle + k * pitch angle, k = 0..count-1; polar points
        (r, angle in radians)."""
        pitch = 2 * self.half_pitch_angle
        pts = []
        for k in range(count):
            pts += self.profile(self.tooth, centre_angle + k * pitch, self.Rre, self.RFe, self.Ro)
        return pts

    def hub_outline(self, centre_angle, count):
        """Hub spaces centred at centre_angle + k * pitch angle (each around a shaft tooth)."""
        pitch = 2 * self.half_pitch_angle
        pts = []
        for k in range(count):
            # A space runs from the hub's tip (Ri) up its flank to the form diameter, radially
            # to the root (Rri), along it and down the other side.
            c = centre_angle + k * pitch
            radii = [self.Ri + (self.RFi - self.Ri) * i / 10 for i in range(11)]
            h_form = self.half_angle(self.space, self.RFi)
            pts += [(r, c - self.half_angle(self.space, r)) for r in radii]
            pts += [(self.Rri, c - h_form), (self.Rri, c + h_form)]
            pts += [(r, c + self.half_angle(self.space, r)) for r in reversed(radii)]
        return pts


def to_xy(centre, polar):
    return [(centre[0] + r * math.cos(a), centre[1] + r * math.sin(a)) for r, a in polar]


def with_arcs(polar, steps=6):
    """Fills the gaps between consecutive points on one radius with arc points."""
    out = [polar[0]]
    for (r0, a0), (r1, a1) in zip(polar, polar[1:]):
        if abs(r0 - r1) < 1e-9 and abs(a1 - a0) > 1e-3:
            out += [(r0, a0 + (a1 - a0) * i / steps) for i in range(1, steps)]
        out.append((r1, a1))
    return out


def inside(points, x_min, x_max):
    """The points of a polyline (running left to right or right to left) within x_min..x_max."""
    return [pt for pt in points if x_min <= pt[0] <= x_max]


def spread(ys, gap):
    """Label heights near the given heights (in descending order), at least `gap` apart."""
    out = []
    for y in ys:
        out.append(min(y, out[-1] - gap) if out else y)
    shift = (sum(ys) - sum(out)) / len(ys)
    return [y + shift for y in out]


def diameters_picture():
    """One tooth of the shaft in the hub, much enlarged (the radial gaps widened), with the
    seven diameters of the pair named at their right ends."""
    p = Plot()
    s = Spline(16, 150.0, clearance=1.5, gap=6.0)
    x_left, x_right, cx = 4.0, 112.0, 58.0
    centre = (cx, 60.0 - s.R)
    top = math.pi / 2
    pitch = 2 * s.half_pitch_angle
    shaft = to_xy(centre, with_arcs(s.shaft_outline(top - pitch, 3)))
    hub = to_xy(centre, with_arcs(s.hub_outline(top - pitch, 3)))
    p.encoded_polyline(inside(shaft, x_left, x_right), OUTLINE)
    p.encoded_polyline(inside(hub, x_left, x_right), OUTLINE)
    p.line((cx, centre[1] + s.Rre - 8), (cx, centre[1] + s.Rri + 6), CENTRE)
    names = [(s.Rri, "Dri  Nabe Fußkreis"), (s.RFi, "DFi  Nabe Formkreis"),
             (s.Ro, "Do   Welle Kopfkreis"), (s.R, "D    Teilkreis"),
             (s.Ri, "Di   Nabe Kopfkreis"), (s.RFe, "DFe  Welle Formkreis"),
             (s.Rre, "Dre  Welle Fußkreis")]
    ends = [centre[1] + math.sqrt(r * r - (x_right - cx) ** 2) for r, _ in names]
    for (r, name), y_end, y_label in zip(names, ends, spread(ends, 6.5)):
        start = math.degrees(math.acos((x_left - cx) / r))
        end = math.degrees(math.acos((x_right - cx) / r))
        p.arc(centre, r, start, end - start, DIMENSION)
        p.line((x_right, y_end), (x_right + 4, y_label + 1), DIMENSION)
        p.text((x_right + 5, y_label), name, 2.8)
    p.text((6, 110), "Durchmesser von Welle und Nabe", 4.5)
    p.text((cx - 5, 18), "Welle", 3.5)
    p.text((cx - 4, 94), "Nabe", 3.5)
    return p.hpgl()


def gear_polygon(s, centre, internal):
    """The whole outline, with a space on each side of the horizontal: the hub's spaces and the
    shaft's teeth are centred half a pitch apart."""
    polar = s.hub_outline(0, s.N) if internal else s.shaft_outline(s.half_pitch_angle, s.N)
    r, a = polar[0]
    polar = with_arcs(polar + [(r, a + 2 * math.pi)])
    return to_xy(centre, polar)


def pin_centre_radius(s, pin, internal):
    """Radius of the pin centres: the pin touches both flanks of its space (or of the hub's
    space), from the involute function of the ball-centre pressure angle."""
    eta = math.pi / (2 * s.N)
    if internal:
        inv_k = eta + inv(s.alpha) - pin / (2 * s.Rb)
    else:
        inv_k = pin / (2 * s.Rb) - (eta - inv(s.alpha))
    a = 0.5
    for _ in range(60):  # Newton on inv(a) = inv_k
        a -= (inv(a) - inv_k) / (math.tan(a) ** 2)
    return s.Rb / math.cos(a)


def measurement_picture():
    """Measurement over two pins of the shaft and between two pins of the hub."""
    p = Plot()
    for internal, cx in ((False, 40.0), (True, 118.0)):
        s = Spline(12, 25.0)
        centre = (cx, 58.0)
        p.polyline(gear_polygon(s, centre, internal), OUTLINE)
        if internal:
            p.circle(centre, 37.0, OUTLINE)
        pin = 8.2 if not internal else 7.2
        rk = pin_centre_radius(s, pin, internal)
        # Pins in the spaces left and right.
        xs = []
        for a in (math.pi, 0.0):
            c = (centre[0] + rk * math.cos(a), centre[1] + rk * math.sin(a))
            p.circle(c, pin / 2, PIN)
            xs.append(c)
        p.line((centre[0] - 42 if internal else centre[0] - 36, centre[1]),
               (centre[0] + 42 if internal else centre[0] + 36, centre[1]), CENTRE)
        p.line((centre[0], centre[1] - 40), (centre[0], centre[1] + 40), CENTRE)
        y_dim = centre[1] - 46
        if internal:
            a, b = xs[0][0] + pin / 2, xs[1][0] - pin / 2
            label, title = "MdR zwischen Rollen", "Nabe"
        else:
            a, b = xs[0][0] - pin / 2, xs[1][0] + pin / 2
            label, title = "MdR über Rollen", "Welle"
        for x in (a, b):
            p.line((x, xs[0][1] - 1), (x, y_dim - 1.5), DIMENSION)
        p.dimension((a, y_dim), (b, y_dim), "")
        p.text(((a + b) / 2 - 1.3 * len(label), y_dim - 6), label, 3.0)
        p.text((centre[0] - 5, centre[1] + 44), title, 3.5)
        # The pin diameter, with a leader from the right pin.
        c = xs[1]
        tip = (c[0] + pin / 2 * 0.7, c[1] + pin / 2 * 0.7)
        p.line(tip, (tip[0] + 6, tip[1] + 10), DIMENSION)
        p.text((tip[0] + 6.5, tip[1] + 10), "DM", 3.0)
    p.text((6, 112), "Messung über und zwischen Rollen", 4.5)
    return p.hpgl()


def hatch(p, x0, y0, x1, y1, step=3.0, pen=OUTLINE):
    """45 degree hatching of a rectangle."""
    w, h = x1 - x0, y1 - y0
    k = step
    while k < w + h:
        a = (x0 + max(0.0, k - h), y0 + min(h, k))
        b = (x0 + min(w, k), y0 + max(0.0, k - w))
        p.line(a, b, pen)
        k += step


def face_widths_picture():
    """Longitudinal half section of the connection: bi, bo, b, OD and Din."""
    p = Plot()
    axis = 40.0
    shaft_r, bore_r, hub_r, tooth = 22.0, 9.0, 36.0, 4.0
    shaft_x = (14.0, 128.0)
    spline_x = (40.0, 104.0)   # bi: the shaft's toothed length
    hub_x = (58.0, 118.0)      # bo: the hub
    # Shaft with its toothed zone, the bore drawn hidden.
    p.polyline([(shaft_x[0], axis), (shaft_x[0], axis + shaft_r), (spline_x[0], axis + shaft_r),
                (spline_x[0], axis + shaft_r + tooth / 2), (spline_x[1], axis + shaft_r + tooth / 2),
                (spline_x[1], axis + shaft_r), (shaft_x[1], axis + shaft_r), (shaft_x[1], axis)])
    p.line((spline_x[0], axis + shaft_r - tooth / 2), (spline_x[1], axis + shaft_r - tooth / 2),
           OUTLINE)
    x = shaft_x[0]
    while x < shaft_x[1]:
        p.line((x, axis + bore_r), (min(x + 3, shaft_x[1]), axis + bore_r), OUTLINE)
        x += 5
    # Hub in section, hatched.
    inner = axis + shaft_r + tooth / 2
    p.polyline([(hub_x[0], inner), (hub_x[0], axis + hub_r), (hub_x[1], axis + hub_r),
                (hub_x[1], inner), (hub_x[0], inner)])
    hatch(p, hub_x[0], inner, hub_x[1], axis + hub_r, pen=OUTLINE)
    # Centre line.
    x = 8.0
    while x < 140:
        p.line((x, axis), (min(x + 10, 140), axis), CENTRE)
        p.line((x + 12, axis), (min(x + 13, 140), axis), CENTRE)
        x += 15
    # Widths: bi and bo above, b (where both carry) below the axis.
    y = axis + hub_r + 8
    for x0, x1, y_line, name in ((spline_x[0], spline_x[1], y - 0.0, "bi"),
                                 (hub_x[0], hub_x[1], y + 9, "bo")):
        for xx in (x0, x1):
            p.line((xx, axis + (shaft_r + tooth / 2 if name == "bi" else hub_r) + 1),
                   (xx, y_line + 1.5), DIMENSION)
        p.dimension((x0, y_line), (x1, y_line), name)
    b0, b1 = max(spline_x[0], hub_x[0]), min(spline_x[1], hub_x[1])
    y_b = axis - 10
    for xx in (b0, b1):
        p.line((xx, axis + shaft_r - tooth / 2 - 1), (xx, y_b - 1.5), DIMENSION)
    p.dimension((b0, y_b), (b1, y_b), "b")
    p.text((b0 - 12, y_b - 7), "gemeinsame Breite", 3.0)
    # OD and Din in the half section: from across the axis to the edge, one arrow.
    x_od, x_din = 134.0, 24.0
    p.line((hub_x[1] + 1, axis + hub_r), (x_od + 1.5, axis + hub_r), DIMENSION)
    for x, r, name in ((x_od, hub_r, "OD"), (x_din, bore_r, "Din")):
        p.line((x, axis - 5), (x, axis + r), DIMENSION)
        p.arrow((x, axis + r), (x, axis))
        p.text((x + 1.5, axis + r / 2 - 1.5), name, 3.0)
    p.text((6, 112), "Zahnbreiten bi, bo, b und Durchmesser OD, Din", 4.5)
    p.text((hub_x[0] - 15.5, axis + hub_r - 8), "Nabe", 3.5)
    p.text((20, 64), "Welle", 3.5)
    return p.hpgl()


def thickness_picture():
    """One shaft tooth in a hub space: tooth thickness and space width at the pitch circle."""
    p = Plot()
    s = Spline(16, 150.0, clearance=2.0, gap=6.0)
    cx = 80.0
    centre = (cx, 60.0 - s.R)
    top = math.pi / 2
    pitch = 2 * s.half_pitch_angle
    for outline in (s.shaft_outline(top - pitch, 3), s.hub_outline(top - pitch, 3)):
        p.encoded_polyline(inside(to_xy(centre, with_arcs(outline)), 14, 146), OUTLINE)
    p.arc(centre, s.R, math.degrees(top) + 25, -50, DIMENSION)
    a = top + 0.38
    p.text((centre[0] + s.R * math.cos(a) - 5, centre[1] + s.R * math.sin(a) + 1.5), "D", 3.0)
    # The tooth thickness inside the tooth, the space width beyond the hub's root; both are
    # taken at D and carried to their dimension arcs by extension lines.
    for half, r, name in ((s.tooth / (2 * s.R), s.R - 7, "tv"),
                          (s.space / (2 * s.R), s.Rri + 5, "Sv")):
        p.arc(centre, r, math.degrees(top - half), math.degrees(2 * half), DIMENSION)
        outward = 1.5 if r > s.R else -1.5
        for a in (top - half, top + half):
            p.line((centre[0] + s.R * math.cos(a), centre[1] + s.R * math.sin(a)),
                   (centre[0] + (r + outward) * math.cos(a), centre[1] + (r + outward) * math.sin(a)),
                   DIMENSION)
            other = top + half if a < top else top - half
            p.arrow((centre[0] + r * math.cos(a), centre[1] + r * math.sin(a)),
                    (centre[0] + r * math.cos(other), centre[1] + r * math.sin(other)))
        p.text((cx - 2.5, centre[1] + r + (1.5 if r > s.R else -5)), name, 3.5)
    p.line((cx, centre[1] + s.Rre - 8), (cx, centre[1] + s.Rri + 4), CENTRE)
    p.text((6, 112), "Zahndicke und Lückenweite am Teilkreis", 4.5)
    p.text((128, 90), "Nabe", 3.5)
    p.text((128, 30), "Welle", 3.5)
    p.text((6, 16), "tv  Zahndicke der Welle am Teilkreis D", 3.0)
    p.text((6, 9), "Sv  Lückenweite der Nabe am Teilkreis D", 3.0)
    return p.hpgl()


PICTURES = {
    "durchm": diameters_picture,
    "messen": measurement_picture,
    "breiten": face_widths_picture,
    "zahndick": thickness_picture,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data")
    for name, draw in PICTURES.items():
        with open(os.path.join(out, name + ".plt"), "w", encoding="cp850", newline="") as f:
            f.write(draw())


if __name__ == "__main__":
    main()
