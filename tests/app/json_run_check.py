#!/usr/bin/python3
"""The batch run "wkv9 FILE /JSON" as a script meets it.

usage: json_run_check.py WKV9 SOURCE_ROOT

Every output is validated against data/kv9_results.schema.json, and its rows, messages and
stress checks are compared with the /I text report of the same data file in the same folder:
the same rows in the same order, and each value within the rounding of the report's digits.
Metric and inch configurations, with and without stresses, failing stress checks, a fatal
calculation, a missing file and a read-only output.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

import jsonschema

wkv9, root = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
schema = json.load(open(os.path.join(root, "data", "kv9_results.schema.json"), encoding="utf-8"))
validator = jsonschema.Draft7Validator(schema)
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


class Folder:
    """A work folder with a home of its own; `metric` writes a configuration with metric units."""

    def __init__(self, base, metric):
        self.path = tempfile.mkdtemp(dir=base)
        home = os.path.join(self.path, ".home")
        os.makedirs(os.path.join(home, ".config", "kv9"))
        os.mkdir(os.path.join(home, "tmp"))
        # no DISPLAY: the batch runs need none
        self.env = {"PATH": os.environ.get("PATH", ""), "HOME": home,
                    "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                    "TEMP": os.path.join(home, "tmp"), "TMPDIR": os.path.join(home, "tmp"),
                    "KV9_TEST_NOW": "2026-12-09 10:30"}
        if metric:
            defaults = os.path.join(root, "tests", "fuzz", "corpus", "config_file", "defaults.cfg")
            lines = open(defaults, "rb").read().split(b"\r\n")
            at = lines.index(b"Metric Units=0,  English units=1")
            lines[at + 1] = b"0"
            with open(os.path.join(home, ".config", "kv9", "kv9.cfg"), "wb") as f:
                f.write(b"\r\n".join(lines))

    def file(self, name):
        return os.path.join(self.path, name)

    def run(self, *args):
        return subprocess.run([wkv9, *args], cwd=self.path, env=self.env, capture_output=True)

    def files(self):
        return sorted(n for n in os.listdir(self.path) if n != ".home")


def number(text):
    """A report number and half a unit of its last digit."""
    text = text.strip()
    decimals = len(text.split(",")[1]) if "," in text else 0
    return float(text.replace(",", ".")), 0.5 * 10 ** -decimals


def text_report(path):
    """The rows (label, symbol, unit, values...) and the messages of a tab-separated report."""
    rows, messages, in_messages = [], [], False
    for line in open(path, encoding="utf-8").read().split("\n"):
        fields = line.split("\t")
        if line == "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN":
            in_messages = True
        elif in_messages and line:
            messages.append(fields[0])
        elif len(fields) in (4, 5) and fields[1] != "Zeichen":
            rows.append(fields)
    return rows, messages


def compare_with_report(case, doc, report):
    rows, messages = text_report(report)
    check(len(rows) == len(doc["results"]),
          "%s: %d report rows, %d JSON rows" % (case, len(rows), len(doc["results"])))
    for fields, row in zip(rows, doc["results"]):
        shown = row["inch"] if doc["units"] == "inch" and "inch" in row else row
        where = "%s: %s %s" % (case, fields[0], fields[1])
        check([row["label"], row["symbol"], shown["unit"]] == fields[:3],
              "%s: JSON says %s %s %s" % (where, row["label"], row["symbol"], shown["unit"]))
        values = [shown["shaft"], shown["hub"]] if "shaft" in shown else [shown["value"]]
        check(len(values) == len(fields) - 3, where + ": column count")
        for value, text in zip(values, fields[3:]):
            printed, half = number(text)
            check(abs(value - printed) <= half * (1 + 1e-9) + 1e-12,
                  "%s: JSON %r, report %s" % (where, value, text))
    check(doc["messages"] == messages, "%s: messages %r, report %r" % (case, doc["messages"], messages))


def json_run(case, folder, example, expect_units, torque=None):
    """Runs /JSON and /I on `example`; returns the document."""
    name = os.path.basename(example)
    shutil.copy(os.path.join(root, example), folder.file(name))
    if torque is not None:  # the torque is the fourth line from the end of a data file
        lines = open(folder.file(name), "rb").read().split(b"\r\n")
        lines[-5] = torque.encode()
        open(folder.file(name), "wb").write(b"\r\n".join(lines))
    base = name[: -len(".kv9")]
    done = folder.run(name, "/JSON")
    check(done.returncode == 0, "%s: exit %d %s" % (case, done.returncode, done.stderr))
    check(folder.files() == sorted([name, base + ".json"]), "%s: files %r" % (case, folder.files()))
    doc = json.load(open(folder.file(base + ".json"), encoding="utf-8"))
    for error in validator.iter_errors(doc):
        failures.append("%s: schema: %s at %s" % (case, error.message, list(error.path)))
    check(doc["units"] == expect_units and doc["data_file"] == name, case + ": units or name")
    folder.run(name, "/I")
    compare_with_report(case, doc, folder.file(base + ".txt"))
    return doc


with tempfile.TemporaryDirectory() as base:
    plain = json_run("start inch", Folder(base, False), "examples/start.kv9", "inch")
    check(plain["stress_checks"] == [], "start: stress checks without a torque")
    check(not any(r["section"].startswith("STRESS") for r in plain["results"]),
          "start: stress rows without a torque")
    json_run("b92_1b metric", Folder(base, True), "examples/b92_1b_fit_f.kv9", "metric")
    json_run("stress inch", Folder(base, False), "examples/stress_all_selections.kv9", "inch")
    stress = json_run("stress metric", Folder(base, True), "examples/stress_all_selections.kv9",
                      "metric")
    check([c["pass"] for c in stress["stress_checks"]] == [True] * 4, "stress: all pass")
    check(abs(stress["inputs"]["torque"] - 450) < 1e-9, "stress: torque input")

    # A torque this high fails checks: each verdict agrees with its ratio and with the messages.
    loaded = json_run("overload metric", Folder(base, True), "examples/stress_all_selections.kv9",
                      "metric", torque="40000.0000000")
    expected_messages = {"Sc": "Fehler : Sc>Sac*Lw/KoKm", "Ss": "Fehler : Ss>Sas*Lf/KoKm",
                         "Se": "Fehler : Se>Sas*2Lf/KoKm (%s)"}
    check(any(c["pass"] is False for c in loaded["stress_checks"]), "overload: nothing fails")
    for c in loaded["stress_checks"]:
        check(c["pass"] == (c["ratio"] < 1) and abs(c["ratio"] - c["stress"] / c["limit"]) < 1e-9,
              "overload: %r" % c)
        message = expected_messages[c["symbol"]]
        if c["symbol"] == "Se":
            message %= {"shaft": "1", "hub": "2"}[c["member"]]
        check((message in loaded["messages"]) == (not c["pass"]),
              "overload: message %s and verdict %r" % (message, c["pass"]))

    # The schema itself fails a document with a missing or mistyped field.
    broken = dict(stress, version=2.61)
    check(not validator.is_valid(broken), "schema accepts a numeric version")
    broken = json.loads(json.dumps(stress))
    del broken["results"][0]["symbol"]
    check(not validator.is_valid(broken), "schema accepts a row without symbol")

    # A fatal calculation and a missing file write nothing.
    folder = Folder(base, False)
    shutil.copy(os.path.join(root, "tests", "golden", "batch_fatal", "no_teeth.kv9"),
                folder.file("no_teeth.kv9"))
    done = folder.run("no_teeth.kv9", "/json")
    check(done.returncode == 2 and done.stderr, "fatal: exit %d" % done.returncode)
    done = folder.run("fehlt.kv9", "/Json", "/NOGUI")
    check(done.returncode == 1, "missing: exit %d" % done.returncode)
    check(folder.files() == ["no_teeth.kv9"], "fatal or missing: files %r" % folder.files())

    # A read-only output is refused and stays as it was; a writable one is replaced.
    folder = Folder(base, False)
    shutil.copy(os.path.join(root, "examples", "start.kv9"), folder.file("start.kv9"))
    with open(folder.file("start.json"), "w") as f:
        f.write("old")
    os.chmod(folder.file("start.json"), 0o444)
    done = folder.run("start.kv9", "/JSON")
    check(done.returncode == 1, "read-only: exit %d" % done.returncode)
    check("schreibgesch" in done.stderr.decode("utf-8", "replace"), "read-only: %r" % done.stderr)
    check(open(folder.file("start.json")).read() == "old", "read-only: output changed")
    check(folder.files() == ["start.json", "start.kv9"], "read-only: files %r" % folder.files())
    os.chmod(folder.file("start.json"), 0o644)
    # A data file named like its output is not replaced by it, whichever batch run writes it.
    data = open(os.path.join(root, "examples", "start.kv9"), "rb").read()
    for name, option in (("data.json", "/JSON"), ("data.txt", "/I"), ("data.dxf", "/CAD1:1")):
        with open(folder.file(name), "wb") as f:
            f.write(data)
        done = folder.run(name, option)
        check(done.returncode == 1, "%s as output: exit %d" % (option, done.returncode))
        check(open(folder.file(name), "rb").read() == data, "%s: data file replaced" % option)
    done = folder.run("start.kv9", "/JSON")
    check(done.returncode == 0 and validator.is_valid(json.load(open(folder.file("start.json")))),
          "writable: not replaced")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
