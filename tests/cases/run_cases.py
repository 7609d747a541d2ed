#!/usr/bin/env python3
"""Runs case files through matcalc, or through the real programs under Wine
with guidriver.exe, and compares the message boxes line for line.

A case file holds blocks:

    ## what the case shows
    PROGRAM ACTION...            (one line, split like a shell line; inside a
                                  word \\n, \\r, \\t, \\\\ and \\xHH are decoded)
    {"owner":...}                (the expected boxes, one JSON line each;
                                  no line when no box is expected)

Usage: run_cases.py [--jobs N] --matcalc PATH FILE...
       run_cases.py [--jobs N] --guidriver PATH --exe-dir DIR FILE...
           (run under wine; the cases of a program whose .exe is not built
           are skipped)
"""
import argparse
import concurrent.futures
import os
import re
import shlex
import subprocess
import sys


def decode(word):
    out = bytearray()
    i = 0
    raw = word.encode("utf-8")
    while i < len(raw):
        if raw[i:i + 1] == b"\\" and i + 1 < len(raw):
            c = chr(raw[i + 1])
            if c in "nrt\\":
                out += {"n": b"\n", "r": b"\r", "t": b"\t", "\\": b"\\"}[c]
                i += 2
                continue
            if c == "x" and re.fullmatch(rb"[0-9a-fA-F]{2}", raw[i + 2:i + 4]):
                out.append(int(raw[i + 2:i + 4], 16))
                i += 4
                continue
        out.append(raw[i])
        i += 1
    return bytes(out)


def read_cases(path):
    cases = []
    with open(path, encoding="utf-8") as f:
        for line in f.read().split("\n"):
            if line.startswith("## "):
                cases.append({"name": line[3:], "args": None, "expect": []})
            elif not cases or (not line.strip() and cases[-1]["args"] is None) or line.startswith("#"):
                continue
            elif cases[-1]["args"] is None:
                cases[-1]["args"] = [decode(w) for w in shlex.split(line, posix=True)]
            elif line.strip():
                cases[-1]["expect"].append(line)
    return cases


def command(options, case_dir, args):
    program = args[0].decode()
    rest = list(args[1:])
    for i in range(len(rest) - 1):  # file names are relative to the case file
        if rest[i] == b"--text-file" and i + 2 < len(rest) and rest[i + 2] != b"-":
            rest[i + 2] = os.path.join(case_dir, rest[i + 2].decode()).encode()
    if options.matcalc:
        return [options.matcalc.encode(), program.encode()] + rest + [b"--json"]
    return [b"wine", options.guidriver.encode(), exe_path(options, args).encode()] + rest + [b"--json"]


def exe_path(options, args):
    return os.path.join(options.exe_dir, args[0].decode().capitalize() + ".exe")


def run_once(argv):
    """One run: (exit code or None when it timed out, stdout lines, stderr)."""
    try:
        run = subprocess.run(argv, stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
    except subprocess.TimeoutExpired:
        return None, ["(timed out)"], ""
    return run.returncode, run.stdout.decode("utf-8", "replace").splitlines(), run.stderr.decode("utf-8", "replace")


def run_case(options, path, case):
    """Runs one case; returns the lines to print when it fails, else None.
    Under Wine, a run that ends without showing a box, or times out, may be
    Wine failing to start on a loaded machine: it is run once more. A run
    that shows other boxes is never run again."""
    argv = command(options, os.path.dirname(os.path.abspath(path)), case["args"])
    code, got, err = run_once(argv)
    if options.guidriver and (code is None or (code != 0 and not got)):
        code, got, err = run_once(argv)
    if code == 0 and got == case["expect"]:
        return None
    report = [f"FAIL {os.path.basename(path)}: {case['name']}",
              "  expected:\n    " + "\n    ".join(case["expect"]),
              "  got:\n    " + "\n    ".join(got)]
    if code is not None:
        report.append(f"  exit code: {code}")
    if err:
        report.append("  stderr: " + err.strip())
    return report


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--matcalc")
    parser.add_argument("--guidriver")
    parser.add_argument("--exe-dir")
    parser.add_argument("--jobs", type=int, default=1, help="cases run at the same time")
    parser.add_argument("files", nargs="+")
    options = parser.parse_args()

    cases, skipped = [], set()
    for path in options.files:
        for case in read_cases(path):
            if options.guidriver and not os.path.exists(exe_path(options, case["args"])):
                skipped.add(exe_path(options, case["args"]))
            else:
                cases.append((path, case))
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, options.jobs)) as pool:
        reports = list(pool.map(lambda pc: run_case(options, *pc), cases))

    failed = sum(1 for r in reports if r is not None)
    for report in reports:
        if report is not None:
            print("\n".join(report))
    for exe in sorted(skipped):
        print(f"skipped: {exe} is not built")
    print(f"cases: {len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
