#!/usr/bin/env python3
"""Writes the fuzzers' seed corpus from the case files: each case's actions,
encoded as the command stream that handler_fuzz.cpp reads.
Usage: make_seeds.py CASES_DIR CORPUS_DIR"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cases"))
import run_cases  # noqa: E402

# The dialog controls in the order the programs list them.
CONTROLS = {
    "dornikel": {"edit": [1004], "radio": [], "push": [1000, 1002]},
    "ravelle": {"edit": [1004], "radio": [1006, 1007], "push": [1000, 1005]},
    "sontaby": {"edit": [1006, 1004], "radio": [1007, 1008, 1009, 1011], "push": [1000]},
    "quendrel": {"edit": [1004], "radio": [1005, 1006], "push": [1000]},
}


def press_selector(controls, ident):
    ids = controls["push"] + controls["radio"] + controls["edit"] + [1, 2]
    return ids.index(ident) if ident in ids else len(ids)


def check_selector(controls, ident):
    return controls["radio"].index(ident)


def encode(program, args):
    controls = CONTROLS[program]
    out = bytearray()
    i = 0
    while i < len(args):
        option = args[i].decode()
        if option == "--text":
            text = args[i + 2].decode("utf-8", "replace").replace("\r\n", "\n").replace("\n", "\r\n")
            data = text.encode("gbk", "replace")[:2047]
            out += bytes([0, controls["edit"].index(int(args[i + 1])), len(data) >> 8, len(data) & 0xFF]) + data
            i += 3
        elif option == "--check":
            out += bytes([1, check_selector(controls, int(args[i + 1]))])
            i += 2
        elif option == "--press":
            out += bytes([2, press_selector(controls, int(args[i + 1]))])
            i += 2
        else:
            return None  # file actions are left out
    return bytes(out)


def main():
    cases_dir, corpus_dir = sys.argv[1], sys.argv[2]
    for name in sorted(os.listdir(cases_dir)):
        if not name.endswith(".cases"):
            continue
        for number, case in enumerate(run_cases.read_cases(os.path.join(cases_dir, name))):
            program = case["args"][0].decode()
            target = os.path.join(corpus_dir, program)
            os.makedirs(target, exist_ok=True)
            seed = encode(program, case["args"][1:])
            if seed:
                with open(os.path.join(target, f"{name[:-6]}-{number:03}"), "wb") as f:
                    f.write(seed)


if __name__ == "__main__":
    main()
