#!/usr/bin/python3
"""Cross-checks kestrin-cli dump against independent DBF readers and writers.

1. A FoxPro table with a memo file written by python3-dbf is dumped by
   kestrin-cli and read by dbfread: both must agree, deleted records hidden
   unless --with-deleted.
2. The demo base written by Kestrin's own writer is read by dbfread and by
   python3-dbf: every value must agree with kestrin-cli dump.
3. Errors: exit status 1 and exactly one line on stderr.

Exits 77 (skipped) when the independent readers are not installed.
Usage: crosscheck_readers.py KESTRIN_CLI
"""
import json
import os
import subprocess
import sys
import tempfile

try:
    import dbf
    import dbfread
except ImportError:
    print("python3-dbf or python3-dbfread missing: skipped")
    sys.exit(77)

HERE = os.path.dirname(os.path.abspath(__file__))
CLI = sys.argv[1]
failures = []


def run_cli(*args):
    result = subprocess.run([CLI, *args], capture_output=True, text=True)
    return result


def kestrin_dump(path, *options):
    result = run_cli("dump", path, *options)
    if result.returncode != 0:
        raise RuntimeError(f"dump {path} failed: {result.stderr}")
    return [json.loads(line) for line in result.stdout.splitlines()]


def plain(v):
    """dbfread's value in the form of the dump contract."""
    if isinstance(v, str):
        v = v.rstrip(" ")
        return v or None
    if hasattr(v, "isoformat"):
        return v.isoformat()
    return v


def same(field, ours, theirs):
    if theirs is None and (ours is False or ours == 0):
        return True  # blank numbers and logicals: the cursor delivers 0 and false
    if isinstance(ours, (int, float)) and isinstance(theirs, (int, float)) and not isinstance(ours, bool):
        return abs(ours - theirs) < 1e-9
    if ours in ("", None) and theirs in ("", None):
        return True  # an empty memo block and no memo read alike
    return ours == theirs


def compare(label, ours, theirs_records):
    if len(ours) != len(theirs_records):
        failures.append(f"{label}: {len(ours)} records, independent reader {len(theirs_records)}")
        return
    for index, (mine, theirs) in enumerate(zip(ours, theirs_records)):
        for field, value in theirs.items():
            if field not in mine:
                failures.append(f"{label} record {index + 1}: field {field} missing")
            elif not same(field, mine[field], plain(value)):
                failures.append(f"{label} record {index + 1} {field}: kestrin {mine[field]!r}, reader {plain(value)!r}")


def dbfread_records(path):
    table = dbfread.DBF(path, encoding="cp1251", char_decode_errors="strict")
    return [dict(r) for r in table.records]


def check_foxpro_table(folder):
    path = os.path.join(folder, "FOX.DBF")
    subprocess.run(["/usr/bin/python3", os.path.join(HERE, "dbf_write_foxpro.py"), path], check=True)
    ours = kestrin_dump(path)
    compare("FoxPro table", ours, dbfread_records(path))
    if any(r["deleted"] for r in ours):
        failures.append("FoxPro table: a deleted record shown without --with-deleted")
    with_deleted = kestrin_dump(path, "--with-deleted")
    table = dbfread.DBF(path, encoding="cp1251")
    deleted = [dict(r) for r in table.deleted]
    ours_deleted = [r for r in with_deleted if r["deleted"]]
    compare("FoxPro deleted records", ours_deleted, deleted)
    if [r["recno"] for r in with_deleted] != [1, 2, 3]:
        failures.append(f"FoxPro table --with-deleted: recnos {[r['recno'] for r in with_deleted]}")
    count = run_cli("count", path)
    if count.stdout.strip() != "2":
        failures.append(f"count: {count.stdout!r}")


def check_demo_base(folder):
    result = run_cli("make-demo", os.path.join(folder, "demo"), "--scale", "small", "--seed", "3")
    if result.returncode != 0:
        failures.append(f"make-demo failed: {result.stderr}")
        return
    base = result.stdout.splitlines()[-1]
    for name in ("FOND.DBF", "OPIS.DBF", "DELO.DBF", "DOCUM.DBF"):
        path = os.path.join(base, name)
        ours = kestrin_dump(path)
        compare(f"demo {name} (dbfread)", ours, dbfread_records(path))
        # python3-dbf: a second independent reader.
        table = dbf.Table(path, codepage="cp1251")
        table.open(dbf.READ_ONLY)
        theirs = []
        for record in table:
            if dbf.is_deleted(record):
                continue
            values = {}
            for field in table.field_names:
                v = record[field]
                if isinstance(v, str):
                    v = v.rstrip(" ") or None
                elif v is None or (hasattr(v, "isoformat") and not v):
                    v = None
                values[field.upper()] = v
            theirs.append(values)
        table.close()
        compare(f"demo {name} (python3-dbf)", ours, theirs)


def check_errors(folder):
    missing = os.path.join(folder, "NONE.DBF")
    result = run_cli("dump", missing)
    lines = result.stderr.splitlines()
    if result.returncode != 1 or lines != [f"Cannot find file {folder}/NONE.DBF"]:
        failures.append(f"missing table: status {result.returncode}, stderr {result.stderr!r}")
    bad = os.path.join(folder, "BAD.DBF")
    with open(bad, "wb") as out:
        out.write(b"\x8c" + b"\0" * 40)
    result = run_cli("count", bad)
    expected = f"Table Header for {bad} is invalid: version byte 0x8C is not a known table version"
    if result.returncode != 1 or result.stderr.splitlines() != [expected]:
        failures.append(f"bad version: status {result.returncode}, stderr {result.stderr!r}")


with tempfile.TemporaryDirectory() as folder:
    check_foxpro_table(folder)
    check_demo_base(folder)
    check_errors(folder)

for failure in failures[:40]:
    print("FAIL:", failure)
print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
sys.exit(1 if failures else 0)
