"""Runs the batch cut-contour option of wkv9 on example data files and checks each DXF file with
ezdxf and Shapely against the results report of the same file:

    cut_contour_check.py WKV9 SOURCE_DIR

one closed polyline on layer "CUT" and nothing else, no vertex repeated, a valid and simple
outline, N-fold symmetric, tip and root radii on the report's da and df, the tooth thickness
(shaft) or space width (hub) on the pitch circle at the middle of its actual tolerance, and the
area within 0.1 % of the area of the ideal involute profile rebuilt from the report. Also: a
data file that cannot be read and a fatal calculation end as they end /I, and write nothing.
Prints one line per check and "N passed, N failed"; exit code 1 when a check failed.
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile

import ezdxf
from ezdxf import path as ezpath
from shapely import affinity
from shapely.geometry import LinearRing, LineString, Polygon

INCH = 25.4
# (example, part, metric display): shaft and hub, mm and inch reports, the fillet-root variants.
# example, part, metric units, involute points (0: the settings' count)
CASES = [("side_fit_30", 1, True, 0), ("side_fit_30", 2, False, 0),
         ("fillet_root_37_5", 1, False, 0), ("fillet_root_45", 2, True, 0),
         ("fillet_root_45", 1, True, 0), ("fillet_root_45", 1, True, 200)]

results = []
vertices = {}


def vertex_count(dxf_file):
    return sum(len(e.vertices) for e in ezdxf.readfile(dxf_file).modelspace())


def check(name, ok, detail=""):
    results.append(ok)
    print("%s %s%s" % ("ok  " if ok else "FAIL", name, (": " + detail) if detail and not ok else ""))


def write_config(home, source, metric):
    """The default configuration with the unit switch set."""
    lines = open(source, "rb").read().split(b"\r\n")
    for i, line in enumerate(lines):
        if line.startswith(b"Metric Units=0"):
            lines[i + 1] = b"0" if metric else b"1"
    os.makedirs(os.path.join(home, ".config", "kv9"), exist_ok=True)
    with open(os.path.join(home, ".config", "kv9", "kv9.cfg"), "wb") as f:
        f.write(b"\r\n".join(lines))


def run(wkv9, work, args):
    home = os.path.join(work, "home")
    env = {"PATH": os.environ.get("PATH", ""), "HOME": home,
           "XDG_CONFIG_HOME": os.path.join(home, ".config"), "TEMP": work, "TMPDIR": work,
           "KV9_TEST_NOW": "2026-12-09 10:30"}
    return subprocess.run([wkv9] + args, cwd=work, env=env, capture_output=True)


def report_values(path):
    """Values of the tab-separated report in mm, by symbol and by description (first wins)."""
    values = {}
    for line in open(path, encoding="utf-8"):
        fields = line.rstrip("\n").split("\t")
        if len(fields) < 4:
            continue
        try:
            numbers = [float(f.strip().replace(",", ".")) for f in fields[3:] if f.strip()]
        except ValueError:
            continue
        scale = INCH if fields[2] == "in" else 1.0
        numbers = [v * scale for v in numbers]
        values.setdefault(fields[1], numbers)
        values.setdefault(fields[0], numbers)
    return values


def inv(a):
    return math.tan(a) - a


def ideal_area(teeth, s, d, db, r_low, r_high):
    """Area inside the involute profile whose tooth is s wide (arc) on the pitch diameter d,
    from r_low to r_high (a hub's space counts as its tooth): the polar integral over the
    flanks, Simpson's rule, flanks radial below the base circle."""
    rb, alpha_t = db / 2, math.acos(db / d)

    def width(r):  # the tooth's angular width at radius r
        alpha = math.acos(rb / r) if r > rb else 0.0
        return 2 * (s / d + inv(alpha_t) - inv(alpha))

    n = 2000
    h = (r_high - r_low) / n
    total = width(r_low) * r_low + width(r_high) * r_high
    for i in range(1, n):
        r = r_low + i * h
        total += (4 if i % 2 else 2) * width(r) * r
    return math.pi * r_low ** 2 + teeth * total * h / 3


def check_contour(prefix, dxf_file, values, part, metric):
    try:
        doc = ezdxf.readfile(dxf_file)
    except Exception as error:  # any refusal fails the case
        check(prefix + " ezdxf reads it", False, repr(error))
        return
    entities = list(doc.modelspace())
    own_blocks = [b.name for b in doc.blocks if not b.name.lower().startswith(("*", "$"))]
    check(prefix + " one closed POLYLINE on CUT, nothing else",
          len(entities) == 1 and entities[0].dxftype() == "POLYLINE" and entities[0].is_closed
          and entities[0].dxf.layer == "CUT" and not own_blocks
          # ezdxf adds "0" and "Defpoints" to every document it loads
          and {layer.dxf.name for layer in doc.layers} - {"0", "Defpoints"} == {"CUT"}
          and not doc.audit().errors,
          "%s %s" % ([e.dxftype() for e in entities], own_blocks))
    if not entities or entities[0].dxftype() != "POLYLINE":
        return
    line = entities[0]
    points = [tuple(v.dxf.location)[:2] for v in line.vertices]
    repeated = sum(1 for i in range(len(points)) if points[i] == points[i - 1])
    check(prefix + " no vertex repeats the one before (closing included)", repeated == 0,
          "%d repeated" % repeated)

    outline = [(p.x, p.y) for p in ezpath.make_path(line).flattening(distance=1e-5)]
    if outline[0] == outline[-1]:
        outline.pop()
    ring, polygon = LinearRing(outline), Polygon(outline)
    check(prefix + " valid and simple", ring.is_simple and polygon.is_valid)

    teeth = int(round(values["N"][0]))
    turned = affinity.rotate(polygon, 360.0 / teeth, origin=(0, 0))
    asymmetry = polygon.symmetric_difference(turned).area / polygon.area
    check(prefix + " %d-fold symmetric" % teeth, asymmetry < 1e-6, "%.3g" % asymmetry)

    # The report prints 3 decimals in mm or 4 in inches: half of its last digit (a tie such as
    # 39.6875 is printed 39.688), and a hair for the reading back.
    printed = (0.0005 if metric else 0.00005 * INCH) + 1e-6
    radii = [math.hypot(x, y) for x, y in outline]
    i = part - 1
    tip, root = abs(values["da"][i]), abs(values["df"][i])
    low, high = (root, tip) if part == 1 else (tip, root)
    check(prefix + " tip and root on the report's da and df",
          abs(2 * min(radii) - low) <= printed and abs(2 * max(radii) - high) <= printed,
          "%.5f %.5f vs %.5f %.5f" % (2 * min(radii), 2 * max(radii), low, high))

    d, db = values["D"][0], values["Db"][0]
    if part == 1:
        lo, hi = values["Min.Act.Tooth Thickness"][0], values["Max.Act.Tooth Thickness"][0]
    else:
        lo, hi = values["Min.Act.Space Width"][0], values["Max.Act.Space Width"][0]
    middle = (lo + hi) / 2
    circle = LineString([(d / 2 * math.cos(2 * math.pi * k / 40000),
                          d / 2 * math.sin(2 * math.pi * k / 40000)) for k in range(40001)])
    # The shaft's material or the hub's bore on the pitch circle: N teeth or N spaces.
    width = circle.intersection(polygon).length / teeth
    check(prefix + " width on the pitch circle at the middle of its tolerance",
          abs(width - middle) <= printed * 1.5,
          "%.5f, tolerance %.5f .. %.5f" % (width, lo, hi))

    expected = ideal_area(teeth, middle, d, db, low / 2, high / 2)
    check(prefix + " area within 0.1 % of the ideal profile's",
          abs(polygon.area - expected) <= 0.001 * expected,
          "%.4f vs %.4f" % (polygon.area, expected))


def main(wkv9, source):
    examples = os.path.join(source, "examples")
    default_config = os.path.join(source, "tests", "fuzz", "corpus", "config_file", "defaults.cfg")
    with tempfile.TemporaryDirectory() as root:
        for example, part, metric, points in CASES:
            work = os.path.join(root, "%s_%d_%d" % (example, part, points))
            os.makedirs(work)
            write_config(os.path.join(work, "home"), default_config, metric)
            shutil.copy(os.path.join(examples, example + ".kv9"), work)
            option = "/CUT%d" % part + (":%d" % points if points else "")
            prefix = "%s %s (%s)" % (example, option, "mm" if metric else "inch")
            text = run(wkv9, work, [example + ".kv9", "/I"])
            cut = run(wkv9, work, [example + ".kv9", option])
            output = os.path.join(work, example + ("_shaft.dxf" if part == 1 else "_hub.dxf"))
            check(prefix + " runs", text.returncode == 0 and cut.returncode == 0
                  and cut.stderr == b"" and os.path.exists(output), cut.stderr.decode())
            if os.path.exists(output):
                check_contour(prefix, output, report_values(os.path.join(work, example + ".txt")),
                              part, metric)
                teeth = int(round(report_values(os.path.join(work, example + ".txt"))["N"][0]))
                vertices[(example, part, points)] = (vertex_count(output), teeth)

        # Failures end as the text run ends, and leave nothing behind.
        work = os.path.join(root, "failures")
        os.makedirs(work)
        write_config(os.path.join(work, "home"), default_config, True)
        shutil.copy(os.path.join(source, "tests", "golden", "batch_fatal", "no_teeth.kv9"),
                    os.path.join(work, "fatal.kv9"))
        for name, expected in (("missing.kv9", 1), ("fatal.kv9", 2)):
            text = run(wkv9, work, [name, "/I"])
            cut = run(wkv9, work, [name, "/CUT1"])
            stem = name[:-4]
            check("%s /CUT1 ends like /I with %d" % (name, expected),
                  text.returncode == expected and cut.returncode == expected and cut.stderr != b""
                  and not os.path.exists(os.path.join(work, stem + "_shaft.dxf")),
                  "%d %d" % (text.returncode, cut.returncode))
        for option in ("/CUT3", "/CUT1:201", "/CUT1:4"):
            bad = run(wkv9, work, ["fatal.kv9", option])
            check(option + " is refused", bad.returncode == 1 and bad.stderr != b"")
        # 200 instead of 20 points on each of the two flanks of every tooth.
        (fine, teeth), (plain, _) = (vertices.get(("fillet_root_45", 1, n), (0, 0)) for n in (200, 0))
        check("/CUT1:200 draws 2 x 180 more involute points a tooth",
              teeth > 0 and fine - plain == 2 * 180 * teeth, "%d more, N = %d" % (fine - plain, teeth))

    failed = results.count(False)
    print("%d passed, %d failed" % (len(results) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
