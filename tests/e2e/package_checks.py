#!/usr/bin/env python3
"""Checks of the release zip as a user gets it: scripts/package run twice
gives the same bytes; its files carry ordinary Unix permissions; unpacked
into a fresh directory, the zip holds the four programs, matcalc.exe, the
usage text, the license and checksums that match; each program keeps ASLR
and DEP on, imports only DLLs that every Windows has and no window function
in its narrow form; each program, started from there, computes one case in
a real window as matcalc does; and matcalc.exe writes matcalc's bytes when
redirected and the right characters in a console. The zip's programs are
the 32-bit build: they are started only where this machine runs 32-bit code
(tests/e2e/wine-env).

Prints PASS, FAIL or SKIP for each check; the last line counts them. The
caller has set up Xvfb and the Wine prefix (tests/e2e/run).

Usage: package_checks.py --guidriver EXE --matcalc PATH
"""
import argparse
import hashlib
import os
import re
import shlex
import stat
import subprocess
import sys
import tempfile
import time
import zipfile

from window_checks import Checks

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PROGRAMS = ["dornikel", "ravelle", "sontaby", "quendrel"]
FILES = sorted([p.capitalize() + ".exe" for p in PROGRAMS] + ["matcalc.exe", "README.txt", "LICENSE.txt", "SHA256SUMS"])
SYSTEM_DLLS = {"advapi32.dll", "comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "user32.dll"}
# The window DLLs take texts in two forms: a function whose name ends in A
# (MessageBoxA, DialogBoxParamA, SetWindowTextA, DrawTextA...) in the
# system's code page, its W twin in UTF-16. The programs hand every text to
# Windows in UTF-16, so that it shows the same whatever the system's
# language: they import no A form from these DLLs.
WINDOW_DLLS = {"comctl32.dll", "gdi32.dll", "user32.dll"}
DYNAMIC_BASE, NX_COMPAT = 0x40, 0x100
# One compute for each program, with a result box.
ONE_CASE = {
    "dornikel": ["--text", "1004", "1 2\n3 4"],
    "ravelle": ["--text", "1004", "2 1\n1 1", "--check", "1007"],
    "sontaby": ["--text", "1006", "1 2\n3 4", "--text", "1004", "5 6\n7 8", "--check", "1011"],
    "quendrel": ["--text", "1004", "1 2\n2 4", "--check", "1005"],
}


def package():
    """Runs scripts/package; returns the zip's path and bytes."""
    run = subprocess.run([os.path.join(ROOT, "scripts/package")], capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"scripts/package failed:\n{run.stderr}")
    path = os.path.join(ROOT, run.stdout.split()[-1])
    with open(path, "rb") as f:
        return path, f.read()


def pe_facts(exe):
    """The DllCharacteristics of a program and its imports: the functions it
    imports from each DLL (DLL names in lower case)."""
    dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", exe], capture_output=True, text=True).stdout
    flags = next((int(line.split()[1], 16) for line in dump.splitlines() if line.startswith("DllCharacteristics")), 0)
    imports = {}
    functions = set()
    for line in dump.splitlines():
        if "DLL Name:" in line:
            functions = imports.setdefault(line.split(":", 1)[1].strip().lower(), set())
        elif re.fullmatch(r"\s+[0-9a-f]+\s+\d+\s+\w+", line):  # address, hint, name
            functions.add(line.split()[-1])
    return flags, imports


# Whether the zip's 32-bit programs can run here (tests/e2e/wine-env).
RUNS_32_BIT = os.environ.get("WINDOWS_BUILD", "win32") == "win32"
# A result with Chinese in it, for matcalc.exe.
CONSOLE_CASE = ["ravelle", "--text", "1004", "2 1\n1 1", "--check", "1007", "--press", "1000"]


def console_checks(c, exe, matcalc):
    """matcalc.exe redirected writes the UTF-8 bytes of matcalc. In a
    console it writes through WriteConsoleW: `script` gives Wine a terminal,
    which Wine's console then drives, in the prefix's console code page 936,
    in which UTF-8 bytes written as they are would show garbled. What the
    terminal shows, less its control sequences and carriage returns, is
    matcalc's text (the console clears a line's end rather than write its
    last blank). Where this machine runs no 32-bit code, the 64-bit build's
    matcalc.exe is run in place of the zip's."""
    flags, imports = pe_facts(exe)
    if not RUNS_32_BIT:
        exe = os.path.join(os.environ["WINDOWS_BIN"], "matcalc.exe")
    c.check("matcalc.exe: ASLR and DEP on, only system DLLs imported, WriteConsoleW among them",
            flags & DYNAMIC_BASE and flags & NX_COMPAT and imports.keys() <= SYSTEM_DLLS and
            "WriteConsoleW" in imports.get("kernel32.dll", set()), f"DllCharacteristics {flags:#x}, DLLs {sorted(imports)}")
    expected = subprocess.run([matcalc] + CONSOLE_CASE, capture_output=True).stdout
    piped = subprocess.run(["wine", exe] + CONSOLE_CASE, capture_output=True, stdin=subprocess.DEVNULL).stdout
    c.check("matcalc.exe, its output redirected, writes matcalc's UTF-8 bytes",
            "计算完毕".encode() in expected and piped == expected, f"{piped!r}, matcalc {expected!r}")
    command = shlex.join(["wine", exe] + CONSOLE_CASE)
    shown = subprocess.run(["script", "-qfec", command, "/dev/null"], capture_output=True, stdin=subprocess.DEVNULL,
                           timeout=60).stdout
    screen = re.sub(rb"\x1b\[[0-9;?]*[A-Za-z]|\x1b\][^\x07]*\x07|\r", b"", shown).decode("utf-8", "replace")
    def lines(text):
        return [line.rstrip(" ") for line in text.strip("\n").split("\n")]
    c.check("matcalc.exe in a console shows the Chinese text right, written through WriteConsoleW",
            lines(screen) == lines(expected.decode("utf-8")), f"{shown!r}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--guidriver", required=True)
    parser.add_argument("--matcalc", required=True)
    options = parser.parse_args()

    path, first = package()
    time.sleep(2.5)  # a zip's times go by two seconds: a zip stamped with the time of the run would differ
    _, second = package()
    with tempfile.TemporaryDirectory() as unpacked:
        c = Checks(argparse.Namespace(guidriver=options.guidriver, matcalc=options.matcalc, exe_dir=unpacked))
        c.check("scripts/package run twice gives the same zip, byte for byte", first == second)
        with zipfile.ZipFile(path) as archive:
            # What unzip on Linux and macOS gives each file: the Unix mode
            # of an entry made on Unix (create_system 3).
            modes = {entry.filename: (entry.create_system, entry.external_attr >> 16) for entry in archive.infolist()}
            archive.extractall(unpacked)
        c.check("each file unpacks on Linux and macOS as a regular file, the programs 0755, the others 0644",
                modes == {name: (3, stat.S_IFREG | (0o755 if name.endswith(".exe") else 0o644)) for name in FILES},
                {name: (system, oct(mode)) for name, (system, mode) in modes.items()})
        names = sorted(os.listdir(unpacked))
        c.check("the zip holds the four programs, matcalc.exe, README.txt, LICENSE.txt and SHA256SUMS", names == FILES,
                names)

        def content(name):
            with open(os.path.join(unpacked, name), "rb") as f:
                return f.read()

        lines = content("SHA256SUMS").decode().splitlines()
        sums = {name: digest for digest, name in (line.split("  ", 1) for line in lines)}
        c.check("SHA256SUMS holds the checksum of every other file, and each matches",
                sorted(sums) == [n for n in FILES if n != "SHA256SUMS"] and
                all(hashlib.sha256(content(name)).hexdigest() == digest for name, digest in sums.items()), sums)
        readme = content("README.txt")
        c.check("README.txt is UTF-8 with a byte-order mark and tells how to use matcalc.exe",
                readme.startswith(b"\xef\xbb\xbf") and "计算" in readme.decode("utf-8", "replace") and
                "matcalc.exe --help" in readme.decode("utf-8", "replace"))

        for program in PROGRAMS:
            exe = program.capitalize() + ".exe"
            flags, imports = pe_facts(os.path.join(unpacked, exe))
            c.check(f"{exe}: ASLR and DEP on, only system DLLs imported",
                    flags & DYNAMIC_BASE and flags & NX_COMPAT and imports.keys() <= SYSTEM_DLLS,
                    f"DllCharacteristics {flags:#x}, DLLs {sorted(imports)}")
            narrow = sorted(name for dll in WINDOW_DLLS & imports.keys() for name in imports[dll] if name.endswith("A"))
            c.check(f"{exe}: every window function that takes text is imported in its UTF-16 (W) form",
                    "user32.dll" in imports and "MessageBoxW" in imports["user32.dll"] and not narrow,
                    f"narrow forms imported: {narrow}")
            if not RUNS_32_BIT:
                print(f"SKIP {exe}, started from the unpacked zip: this machine runs no 32-bit code")
                continue
            args = ONE_CASE[program] + ["--press", "1000"]
            code, got, err = c.guidriver(program, args)
            expected = c.matcalc(program, args)
            c.check(f"{exe}, started from the unpacked zip, computes in its window as matcalc does",
                    code == 0 and len(expected) == 1 and expected[0]["caption"] == "计算完毕" and got == expected,
                    f"exit {code}, got {got}, matcalc {expected}, stderr {err!r}")

        console_checks(c, os.path.join(unpacked, "matcalc.exe"), options.matcalc)

    print(f"package checks: {c.passed} passed, {c.failed} failed")
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
