#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets from the test tables: run from the repository
root after the tables change (python3 fuzz/seeds_from_tests.py)."""
import hashlib
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "fuzz" / "corpus"
STRING = r'"((?:[^"\\]|\\.)*)"'


def c_string(text):
    return text.encode("latin-1", "backslashreplace").decode("unicode_escape").encode("latin-1")


def literals(paths, before):
    found = []
    for path in paths:
        source = path.read_text(encoding="utf-8")
        for match in re.finditer(before + STRING, source):
            found.append(c_string(match.group(1).encode("utf-8").decode("latin-1")))
    return found


def write(target, seeds):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.iterdir():
        old.unlink()
    for seed in dict.fromkeys(seeds):
        (folder / hashlib.sha1(seed).hexdigest()[:16]).write_bytes(seed)
    print(f"{target}: {len(dict.fromkeys(seeds))} seeds")


def decimal_seeds():
    vectors = ROOT / "tests" / "numeric" / "data" / "decimal-vectors.tsv"
    seeds = []
    for line in vectors.read_text(encoding="utf-8").splitlines():
        parts = line.split("\t")
        if line.startswith("#") or len(parts) != 4:
            continue
        op, a, b, _ = parts
        ops = {"add": b"+", "sub": b"-", "mul": b"*", "div": b"/"}
        if op in ops:
            seeds.append(ops[op] + a.encode() + b"\n" + b.encode())
        elif op == "round":
            seeds.append(bytes([128 + (int(b) - 12) % 29]) + a.encode())
    return seeds[::8]  # every eighth row: each kind of operand, a small corpus


def main():
    tests = ROOT / "tests"
    write("decimal_fuzz", decimal_seeds())
    write("expression_fuzz", literals(sorted((tests / "expression").glob("*_test.cpp")), r"\{"))
    write("options_fuzz", literals([tests / "app" / "options_test.cpp"], r"Case\{"))
    keys = literals(sorted((tests / "engine").glob("*_test.cpp")), r"(?:run\(|Case\{)")
    write("keypad_fuzz", [k.replace(b"@", b"") for k in keys])


main()
