#!/usr/bin/env python3
"""Checks of the real dialogs that the case files cannot express: the
start-up warning, Escape, notifications, closing, bad input, the result
window, and screenshots.

Each check runs guidriver.exe under wine (the caller has set up Xvfb and the
Wine prefix) and prints PASS or FAIL; the last line counts them.

Usage: window_checks.py --guidriver EXE --exe-dir DIR --matcalc PATH --screenshots DIR
"""
import argparse
import json
import os
import random
import subprocess
import sys
import tempfile
import threading
import time

WARNING = {"owner": "none", "caption": "使用说明", "text": "输入完最后一行后请不要换行，否则会计算错误!!"}
MATRIX = "1 2\n3 4"
MATRIX_RESULT = {"owner": "dialog", "caption": "计算完毕", "text": "行列式的值为 -2"}
# "1 2", CR LF, "3" and two blanks (8 bytes of GBK), 32,764 times "一" (2
# bytes each) and "4": 65,537 bytes, the last "一" on bytes 65,535 and 65,536.
# A narrow read of at most 65,535 bytes stops before that character, returns
# 65,534 bytes, which fit, and loses the 4: a wrong result instead of the
# size-error box.
CUT_CHARACTER = ("1 2\n3  " + "一" * 32764 + "4").encode("utf-8")
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# A 20 x 20 matrix of fractions whose inverse takes about 55 KB of text.
FRACTIONS_20X20 = os.path.join(ROOT, "tests/cases/fractions-20x20.txt")
# Integers -9..9 whose 10 x 10 inverse is rows of fractions with 10-digit
# denominators: a message box would wrap each row over several lines.
INTEGERS_10X10 = """-8 -3 4 0 -1 -5 -8 1 1 2
-5 3 3 5 7 3 8 -6 7 -1
4 -2 0 4 -1 7 0 8 1 -9
4 9 1 -9 3 9 -5 -8 1 5
2 2 -1 6 -9 9 -8 -9 2 -1
5 0 9 1 -4 2 -4 1 2 -1
0 3 -6 -9 9 -5 0 7 -2 -1
-2 1 -4 4 -6 -6 1 1 -2 5
-4 -7 1 -3 9 5 -1 -2 -6 -8
7 -3 1 9 -4 -1 1 -7 2 9"""
# Integers -9..9 whose 8 x 8 inverse has cells such as -1742921/3725927:
# rows that a message box would wrap into pieces.
INTEGERS_8X8 = """-1 0 -4 -2 -5 -2 -4 -5
-7 8 -3 0 -9 4 -5 -9
-1 -5 -7 -1 5 4 -5 -1
2 -2 6 8 9 4 2 4
1 -6 2 -1 5 8 -5 5
5 8 -4 0 -3 -4 7 2
-1 2 5 -1 -1 3 -5 9
6 8 -2 9 -2 -3 2 -5"""
# Integers -3..3 whose 4 x 4 inverse has rows of 30 characters, such as
# "-39/187 3/187 -24/187 -37/187 ": each fits on a line of a message box.
INTEGERS_4X4 = "-2 -1 -3 2\n0 0 -2 -3\n-3 -3 0 1\n-1 3 3 -3"
SCREEN = (1024, 768)  # Xvfb's screen (tests/e2e/wine-env); without a task bar, all of it is the work area


class Checks:
    def __init__(self, options):
        self.options = options
        self.passed = self.failed = 0

    def guidriver(self, program, args, snapshots=()):
        """Runs guidriver; takes the screenshots it asks for. Returns
        (exit code, boxes as dicts, stderr)."""
        exe = os.path.join(self.options.exe_dir, program.capitalize() + ".exe")
        argv = ["wine", self.options.guidriver, exe] + args + ["--json"]
        proc = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        taker = threading.Thread(target=self.take_pictures, args=(proc, snapshots))
        taker.start()
        try:
            out, err = proc.communicate(timeout=120)
        except subprocess.TimeoutExpired:
            proc.kill()
            out, err = proc.communicate()
            err += b" (timed out)"
        taker.join()
        boxes = [json.loads(line) for line in out.decode("utf-8").splitlines() if line.strip()]
        return proc.returncode, boxes, err.decode("utf-8", "replace").strip()

    def take_pictures(self, proc, snapshots):
        for png in snapshots:
            marker = png + ".wait"
            while not os.path.exists(marker):
                if proc.poll() is not None:
                    return
                time.sleep(0.05)
            subprocess.run(["import", "-window", "root", "-trim", "+repage", png], check=False)
            os.remove(marker)

    def matcalc(self, program, args):
        run = subprocess.run([self.options.matcalc, program] + args + ["--json"], capture_output=True)
        return [json.loads(line) for line in run.stdout.decode("utf-8").splitlines() if line.strip()]

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
            print(f"PASS {name}")
        else:
            self.failed += 1
            print(f"FAIL {name}" + (f"\n  {detail}" if detail else ""))

    def expect(self, name, program, args, boxes):
        code, got, err = self.guidriver(program, args)
        self.check(name, code == 0 and got == boxes, f"exit {code}, boxes {got}, stderr {err!r}")


def dornikel_checks(c, work):
    c.expect("the start-up warning: no owner, its caption and text", "dornikel", ["--startup"], [WARNING])
    c.expect("WM_CLOSE right after start-up ends the program with exit code 0", "dornikel", [], [])
    c.expect("Escape (IDCANCEL) leaves the dialog open and usable", "dornikel",
             ["--text", "1004", MATRIX, "--press", "2", "--press", "1000"], [MATRIX_RESULT])
    c.expect("typing into the edit box (its notifications) computes nothing", "dornikel",
             ["--text", "1004", MATRIX, "--text", "1004", "1 2\n3 5"], [])
    c.expect("a command from the edit box's identifier computes nothing", "dornikel",
             ["--text", "1004", MATRIX, "--press", "1004"], [])
    c.expect("the help box leaves the edit box's text as it was", "dornikel",
             ["--text", "1004", MATRIX, "--press", "1002", "--press", "1000"],
             c.matcalc("dornikel", ["--press", "1002"]) + [MATRIX_RESULT])

    bad_inputs = {
        "an empty edit box": b"",
        "32767 characters": (b"1 " * 16384)[:32767],
        "binary bytes": bytes(b for b in range(1, 256)) * 4,
        "Chinese text": "行列式 一 二\n三 四 五\n矩阵".encode("utf-8") * 20,
        "21 rows": b"\n".join([b"1"] * 21),
        "65,537 bytes of GBK, a double-byte character on bytes 65,535 and 65,536": CUT_CHARACTER,
    }
    for name, content in bad_inputs.items():
        path = os.path.join(work, "bad.txt")
        with open(path, "wb") as f:
            f.write(content)
        args = ["--text-file", "1004", path, "--press", "1000", "--text", "1004", MATRIX, "--press", "1000"]
        code, got, err = c.guidriver("dornikel", args)
        expected = c.matcalc("dornikel", args)
        c.check(f"bad input, {name}: one box, the same as matcalc's, then the program still computes",
                code == 0 and len(got) == 2 and got[1] == MATRIX_RESULT and got == expected,
                f"exit {code}, got {got}, matcalc {expected}, stderr {err!r}")

    # Characters GBK lacks become "?", which the reader skips, and not the
    # look-alikes 2, 3, 1 and "-" of a best-fit conversion.
    lacking = []
    for text in ("5² 1\n0 1", "5³ 1\n0 1", "5¹ 1\n0 1", "5 1\n0 \u00ad1"):
        lacking += ["--text", "1004", text, "--press", "1000"]
    c.expect("² ³ ¹ and the soft hyphen are read as matcalc reads them", "dornikel", lacking,
             c.matcalc("dornikel", lacking))

    # A spreadsheet's cells as it puts them on the clipboard: tabs, CR LF,
    # a final CR LF, decimals as shown; pasted into the edit box.
    pasted = "1.5\t2\r\n3\t4.25\r\n"
    meant = [dict(MATRIX_RESULT, text="行列式的值为 3/8")]
    code, got, err = c.guidriver("dornikel", ["--paste", "1004", pasted, "--press", "1000"])
    typed = c.matcalc("dornikel", ["--text", "1004", pasted, "--press", "1000"])
    c.check("a spreadsheet's 2 x 2 pasted: its determinant 3/8, as matcalc reads the same text",
            code == 0 and got == meant == typed, f"exit {code}, got {got}, matcalc {typed}, stderr {err!r}")
    c.expect("a text of lines ended by line feeds alone pasted: each is a row", "dornikel",
             ["--paste", "1004", "1\t2\n3\t4\n", "--press", "1000"], [MATRIX_RESULT])

    # Typed as a Chinese input method commits characters: a full-width digit
    # and the ideographic space, a decimal with the full-width point, each
    # line ended by the Enter key, the last one too.
    typed = "１　0.5\n3 ４．5\n"
    plain = "1 1/2\n3 9/2"
    code, got, err = c.guidriver("dornikel", ["--type", "1004", typed, "--press", "1000"])
    meant = c.matcalc("dornikel", ["--text", "1004", plain, "--press", "1000"])
    c.check("typed with an input method and Enter: read as the plain text it stands for, as matcalc reads it",
            code == 0 and got == meant == c.matcalc("dornikel", ["--text", "1004", typed, "--press", "1000"]),
            f"exit {code}, got {got}, meant {meant}, stderr {err!r}")

    screenshots(c, "dornikel", ["--text", "1004", "1/2 1/3 1/4\n1/3 1/4 1/5\n1/4 1/5 1/6"])


def screenshots(c, program, args, name=None, in_result=()):
    """NAME-dialog.png with the texts typed and the choice made, and
    NAME-result.png with the result box over it, after the guidriver options
    `in_result` (such as a --copy that selects); NAME is the program's."""
    name = name or program
    shots = os.path.abspath(c.options.screenshots)
    os.makedirs(shots, exist_ok=True)
    dialog_png = os.path.join(shots, f"{name}-dialog.png")
    result_png = os.path.join(shots, f"{name}-result.png")
    for png in (dialog_png, result_png):
        if os.path.exists(png):
            os.remove(png)
    code, got, err = c.guidriver(
        program, args + ["--snap", "Z:" + dialog_png, "--snap-box", "Z:" + result_png, "--press", "1000"] + list(in_result),
        snapshots=[dialog_png, result_png])
    c.check(f"{name}: screenshots of the dialog with its input and of the result box",
            code == 0 and got == c.matcalc(program, args + ["--press", "1000"]) and
            all(os.path.exists(p) and os.path.getsize(p) > 2000 for p in (dialog_png, result_png)),
            f"exit {code}, boxes {got}, stderr {err!r}")


def box_only(box):
    """A box as matcalc prints it, without guidriver's --window-facts."""
    return {key: box[key] for key in ("owner", "caption", "text") if key in box}


def nested_compute(c, program, first, second, window="message box"):
    """The first result (no owner), in the kind of `window` given, stays
    open; a second compute runs inside its message loop and shows a box of
    its own; read again at the end, the first box still shows its own
    text."""
    args = ["--keep-open"] + first + ["--press", "1000"] + second + ["--press", "1000", "--close-boxes"]
    code, got, err = c.guidriver(program, args + ["--window-facts"])
    boxes = c.matcalc(program, first + ["--press", "1000"] + second + ["--press", "1000"])
    kind = "result box" if window == "message box" else window
    c.check(f"{program}: a second compute while the first {kind} is open shows a second box, "
            f"and the first {kind}'s text stays as it was",
            code == 0 and len(boxes) == 2 and boxes[0] != boxes[1] and [box_only(b) for b in got] == boxes + boxes and
            got[0]["window"] == window, f"exit {code}, got {got}, expected {boxes + boxes}, stderr {err!r}")


def result_window_checks(c, work):
    """A 20 x 20 inverse is too large for a message box: it opens the result
    window, read, copied with 复制 and closed with Escape by guidriver. The
    clipboard holds the text as the window shows it, with CR LF line ends
    (Windows' form of text on the clipboard), so it must equal the box's text
    with each line feed as CR LF."""
    copied = os.path.join(work, "copied.txt")
    args = ["--check", "1007", "--text-file", "1004", FRACTIONS_20X20, "--press", "1000"]
    code, got, err = c.guidriver("ravelle", args + ["--window-facts", "--copy", "button", copied, "--close-with-escape"])
    expected = c.matcalc("ravelle", args)
    facts = got[0] if len(got) == 1 else {}
    left, top, right, bottom = facts.get("rect", [0, 0, 0, 0])
    detail = f"exit {code}, window {facts.get('window')}, rect {facts.get('rect')}, stderr {err!r}"
    c.check("ravelle: a 20 x 20 inverse opens the result window, which lies inside the screen",
            facts.get("window") == "result window" and 0 <= left < right <= SCREEN[0] and 0 <= top < bottom <= SCREEN[1],
            detail)
    c.check("ravelle: the result window holds the whole text of matcalc's box",
            len(expected) == 1 and len(expected[0]["text"]) > 50000 and [box_only(b) for b in got] == expected, detail)
    clipboard = b""
    if os.path.exists(copied):
        with open(copied, "rb") as f:
            clipboard = f.read()
    c.check("ravelle: 复制 puts exactly that text on the clipboard, with CR LF line ends",
            len(expected) == 1 and clipboard == expected[0]["text"].replace("\n", "\r\n").encode("utf-8"),
            f"{len(clipboard)} bytes copied")
    c.check("ravelle: Escape closes the result window", code == 0, detail)

    code, got, err = c.guidriver("ravelle", ["--check", "1007", "--text", "1004", INTEGERS_4X4, "--press", "1000",
                                             "--window-facts"])
    c.check("ravelle: a 4 x 4 inverse of small integers, its rows of 30 characters, is still a message box",
            code == 0 and [box.get("window") for box in got] == ["message box"], f"exit {code}, boxes {got}")


def inside_screen(box):
    left, top, right, bottom = box.get("rect", [0, 0, 0, 0])
    return 0 <= left < right <= SCREEN[0] and 0 <= top < bottom <= SCREEN[1]


def selection_checks(c, work):
    """The 8 x 8 inverse of small integers, whose rows a message box would
    wrap, opens the result window with one row a line. Copies from its text
    box, by the keys and the mouse as a person copies, hold exactly the
    result text (CR LF line ends, no padding of the table): with nothing
    selected Ctrl+C copies it all, as a message box does; so do Ctrl+A and
    Ctrl+C; a double-click on a cell copies that cell; Shift+Down twice from
    the start copies the first two rows whole."""
    args = ["--check", "1007", "--text", "1004", INTEGERS_8X8, "--press", "1000"]
    copies = {"nothing selected, ctrl+c": "ctrl+c", "ctrl+a, ctrl+c": "ctrl+a,ctrl+c",
              "a double-click on row 2, column 3, ctrl+c": "double-click:2:3,ctrl+c",
              "ctrl+home, shift+down twice, ctrl+insert": "ctrl+home,shift+down,shift+down,ctrl+insert"}
    files = {name: os.path.join(work, f"copy{n}.txt") for n, name in enumerate(copies)}
    copy_args = [arg for name, steps in copies.items() for arg in ("--copy", steps, files[name])]
    code, got, err = c.guidriver("ravelle", args + ["--window-facts"] + copy_args)
    expected = c.matcalc("ravelle", args)
    text = expected[0]["text"] if len(expected) == 1 else ""
    rows = text.split("\n")
    facts = got[0] if len(got) == 1 else {}
    c.check("ravelle: the 8 x 8 inverse opens the result window, inside the screen, with one row a line",
            code == 0 and facts.get("window") == "result window" and inside_screen(facts) and
            facts.get("lines") == len(rows) == 9 and [box_only(b) for b in got] == expected,
            f"exit {code}, facts {facts}, stderr {err!r}")
    wanted = {"nothing selected, ctrl+c": text, "ctrl+a, ctrl+c": text,
              "a double-click on row 2, column 3, ctrl+c": rows[1].split(" ")[2],
              "ctrl+home, shift+down twice, ctrl+insert": rows[0] + "\n" + rows[1] + "\n"}
    for name, path in files.items():
        copied = open(path, "rb").read() if os.path.exists(path) else b""
        c.check(f"ravelle: {name} copies exactly the result text's part",
                bool(text) and copied == wanted[name].replace("\n", "\r\n").encode("utf-8"),
                f"copied {copied[:200]!r}, expected {wanted[name][:200]!r}")


def high_dpi_checks(c, work):
    """At 144 DPI (Wine's LogPixels) the fonts are half as large again: the
    20 x 20 inverse's result window still lies inside the screen, and the
    4 x 4 inverse is still a message box."""
    key = ["HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/f", "/d"]
    subprocess.run(["wine", "reg", "add"] + key + ["144"], capture_output=True)
    try:
        args = ["--check", "1007", "--text-file", "1004", FRACTIONS_20X20, "--press", "1000",
                "--text", "1004", INTEGERS_4X4, "--press", "1000"]
        code, got, err = c.guidriver("ravelle", args + ["--window-facts"])
    finally:
        subprocess.run(["wine", "reg", "add"] + key + ["96"], capture_output=True)
    c.check("ravelle at 144 DPI: the 20 x 20 inverse's result window lies inside the screen, the 4 x 4 inverse is a "
            "message box, each with matcalc's text",
            code == 0 and [box.get("window") for box in got] == ["result window", "message box"] and
            inside_screen(got[0]) and [box_only(b) for b in got] == c.matcalc("ravelle", args),
            f"exit {code}, facts {[{k: v for k, v in b.items() if k != 'text'} for b in got]}, stderr {err!r}")


def ten_digit_fractions():
    """A 20 x 20 matrix of fractions with 10-digit terms, the same on every
    run, whose inverse is some 2.5 MB of text: 20 lines of some 130,000
    characters."""
    rng = random.Random(20)
    return "\n".join(" ".join(f"{rng.randrange(-2147483647, 2147483648)}/{rng.randrange(1000000000, 2147483648)}"
                              for _ in range(20)) for _ in range(20))


def long_lines_check(c, work):
    """Lines of that length once took the result window minutes to lay out
    and paint, while the program did not respond: guidriver, which waits at
    most its step timeout for each window, then gave up."""
    path = os.path.join(work, "ten-digit-fractions.txt")
    with open(path, "w") as f:
        f.write(ten_digit_fractions())
    copied = os.path.join(work, "all.txt")
    args = ["--check", "1007", "--text-file", "1004", path, "--press", "1000"]
    code, got, err = c.guidriver("ravelle", args + ["--window-facts", "--copy", "ctrl+a,ctrl+c", copied])
    expected = c.matcalc("ravelle", args)
    size = len(expected[0]["text"]) if len(expected) == 1 else 0
    c.check("ravelle: the 2.5 MB inverse of 10-digit fractions shows in the result window within guidriver's step "
            "timeout, and it holds matcalc's text",
            code == 0 and size > 2000000 and [box.get("window") for box in got] == ["result window"] and
            [box_only(box) for box in got] == expected,
            f"exit {code}, {size} characters from matcalc, windows {[box.get('window') for box in got]}, "
            f"texts of {[len(box['text']) for box in got]} characters, stderr {err!r}")
    clipboard = open(copied, "rb").read() if os.path.exists(copied) else b""
    c.check("ravelle: Ctrl+A and Ctrl+C copy the whole 2.5 MB text",
            size > 0 and clipboard == expected[0]["text"].replace("\n", "\r\n").encode("utf-8"),
            f"{len(clipboard)} bytes copied")


def ravelle_checks(c, work):
    nested_compute(c, "ravelle", ["--check", "1007", "--text", "1004", MATRIX], ["--text", "1004", "2 0\n0 4"])
    nested_compute(c, "ravelle", ["--check", "1007", "--text-file", "1004", FRACTIONS_20X20],
                   ["--text", "1004", "2 0\n0 4"], window="result window")
    result_window_checks(c, work)
    selection_checks(c, work)
    high_dpi_checks(c, work)
    long_lines_check(c, work)
    c.expect("ravelle: no operation chosen is refused before anything is read", "ravelle",
             ["--text", "1004", MATRIX, "--press", "1000"],
             [{"owner": "dialog", "caption": "Error", "text": "请选择计算方式!"}])
    screenshots(c, "ravelle", ["--text", "1004", "0 1 2\n1 0 3\n4 -3 8", "--check", "1007"])
    # The result window with one cell selected by a double-click.
    screenshots(c, "ravelle", ["--text", "1004", INTEGERS_10X10, "--check", "1007"], name="ravelle-10x10",
                in_result=["--copy", "double-click:4:3,ctrl+c", os.path.join(work, "cell.txt")])


def sontaby_checks(c, work):
    # Texts an edit box can hold that no matrix fits, in either box: one box,
    # as matcalc shows, and the program still computes after it.
    bad_inputs = {
        "32767 characters in box 1006": ("1006", (b"1 " * 16384)[:32767]),
        "binary bytes in box 1004": ("1004", bytes(b for b in range(1, 256)) * 4),
        "65,537 bytes of GBK, a double-byte character on bytes 65,535 and 65,536, in box 1006": ("1006", CUT_CHARACTER),
    }
    for name, (box, content) in bad_inputs.items():
        path = os.path.join(work, "bad.txt")
        with open(path, "wb") as f:
            f.write(content)
        args = ["--check", "1007", "--text-file", box, path, "--press", "1000",
                "--text", "1006", MATRIX, "--text", "1004", MATRIX, "--press", "1000"]
        code, got, err = c.guidriver("sontaby", args)
        expected = c.matcalc("sontaby", args)
        c.check(f"sontaby: bad input, {name}: one box, the same as matcalc's, then the program still computes",
                code == 0 and len(got) == 2 and got[1]["owner"] == "none" and got == expected,
                f"exit {code}, got {got}, matcalc {expected}, stderr {err!r}")
    nested_compute(c, "sontaby", ["--check", "1007", "--text", "1006", MATRIX, "--text", "1004", MATRIX],
                   ["--check", "1011"])
    c.expect("sontaby: two spreadsheet pastes multiplied", "sontaby",
             ["--paste", "1006", "1\t2\r\n3\t4\r\n", "--paste", "1004", "0.5\t1\r\n1\t0\r\n", "--check", "1011",
              "--press", "1000"], [{"owner": "none", "caption": "计算完毕", "text": "5/2 1 \n11/2 3 \n"}])
    screenshots(c, "sontaby", ["--text", "1006", "1/2 1/3\n-3 4", "--text", "1004", "5 6\n7 8", "--check", "1011"])


def quendrel_checks(c, work):
    c.expect("quendrel: the start-up warning is the shorter text", "quendrel", ["--startup"],
             [{"owner": "none", "caption": "使用说明", "text": "输完最后一行请不要换行，否则会计算错误!!"}])
    code, got, err = c.guidriver("quendrel", ["--check", "1006"])
    c.check("quendrel: the eigenvalue button cannot be chosen through the dialog",
            code != 0 and "disabled" in err, f"exit {code}, boxes {got}, stderr {err!r}")
    nested_compute(c, "quendrel", ["--check", "1005", "--text", "1004", MATRIX], ["--text", "1004", "1 1 1\n1 1 1\n1 1 2"])
    screenshots(c, "quendrel", ["--text", "1004", "1 2 3\n4 5 6\n7 8 10", "--check", "1005"])


PROGRAM_CHECKS = {"dornikel": dornikel_checks, "ravelle": ravelle_checks, "sontaby": sontaby_checks,
                  "quendrel": quendrel_checks}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--guidriver", required=True)
    parser.add_argument("--exe-dir", required=True)
    parser.add_argument("--matcalc", required=True)
    parser.add_argument("--screenshots", required=True)
    options = parser.parse_args()
    c = Checks(options)
    with tempfile.TemporaryDirectory() as work:
        for program, checks in PROGRAM_CHECKS.items():
            if os.path.exists(os.path.join(options.exe_dir, program.capitalize() + ".exe")):
                checks(c, work)
            else:
                print(f"skipped: {program.capitalize()}.exe is not built")
    print(f"window checks: {c.passed} passed, {c.failed} failed")
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
