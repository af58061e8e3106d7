#!/usr/bin/python3
"""Cross-checks the demo archive of kestrin-cli make-demo with independent readers.

1. python3-dbfread reads every table of a small demo base: its live and
   deleted record counts equal kestrin-cli count and dump --with-deleted, and
   every value equals kestrin-cli dump.
2. Perl XBase::Index reads every tag of every index: the tags and key
   expressions are the demo's, each table record has exactly one key, each
   key is the key expression computed from dbfread's record, and the live
   records come in the order kestrin-cli dump --index --tag gives.
3. make-demo itself: the same seed gives the same table and index bytes, the
   last line of stdout is the base folder, and a folder that already holds
   tables is refused with exit status 1 and one line on stderr.

Exits 77 (skipped) when python3-dbfread or Perl XBase::Index is missing.
Usage: crosscheck_demo_base.py KESTRIN_CLI
"""
import json
import os
import subprocess
import sys
import tempfile

try:
    import dbfread
except ImportError:
    print("python3-dbfread missing: skipped")
    sys.exit(77)
if subprocess.run(["perl", "-MXBase::Index", "-e", "1"], capture_output=True).returncode != 0:
    print("Perl XBase::Index missing: skipped")
    sys.exit(77)

HERE = os.path.dirname(os.path.abspath(__file__))
LIST_KEYS = os.path.join(HERE, "..", "dbf", "scripts", "cdx_list_keys.pl")
LIST_TAGS = os.path.join(HERE, "cdx_tags.pl")
CLI = sys.argv[1]
failures = []

TABLES = ["FOND.DBF", "OPIS.DBF", "DELO.DBF", "DOCUM.DBF", "FOND3.DBF", "OPIS2.DBF", "DELO5.DBF",
          "RUBRIKA2.DBF", "PERSONA1.DBF", "GEOGRAF1.DBF", "TEMATIK1.DBF", "PERSONA2.DBF",
          "GEOGRAF2.DBF", "TEMATIK2.DBF"]
INDEXES = {  # index file: (table, {tag: key expression})
    "FOND.CDX": ("FOND.DBF", {"FKOD": "FKOD", "NAME": "UPPER(FNAME)"}),
    "DELO.CDX": ("DELO.DBF", {"DELO": "OPIS+L1"}),
    "DOCUM.CDX": ("DOCUM.DBF", {"DELO": "DELO"}),
    "FOND3.CDX": ("FOND3.DBF", {"FOND": "FOND"}),
    "OPIS2.CDX": ("OPIS2.DBF", {"OPIS": "OPIS"}),
}


def cli(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True)


def dump(path, *options):
    result = cli("dump", path, *options)
    if result.returncode != 0:
        raise RuntimeError(f"dump {path} failed: {result.stderr}")
    return [json.loads(line) for line in result.stdout.splitlines()]


def plain(value):
    """A dbfread value in the form of the dump contract."""
    if isinstance(value, str):
        return value.rstrip(" ") or None
    if hasattr(value, "isoformat"):
        return value.isoformat()
    return value


def same(ours, theirs):
    if theirs is None and (ours is False or ours == 0):
        return True  # blank numbers and logicals read as 0 and false
    if isinstance(ours, str) and isinstance(theirs, str):
        return ours.rstrip(" ") == theirs
    return ours == theirs


def read_table(path):
    table = dbfread.DBF(path, encoding="cp1251", char_decode_errors="strict")
    return table, [dict(r) for r in table.records], [dict(r) for r in table.deleted]


def check_table(base, name):
    path = os.path.join(base, name)
    table, live, deleted = read_table(path)
    ours = dump(path)
    ours_all = dump(path, "--with-deleted")
    count = int(cli("count", path).stdout.strip())
    if not (len(live) == len(ours) == count):
        failures.append(f"{name}: dbfread {len(live)} live records, dump {len(ours)}, count {count}")
        return
    if len(live) == 0:
        failures.append(f"{name}: no live records")
    if len(deleted) != len(ours_all) - len(ours):
        failures.append(f"{name}: dbfread {len(deleted)} deleted records, kestrin {len(ours_all) - len(ours)}")
    for index, (mine, theirs) in enumerate(zip(ours, live)):
        for field, value in theirs.items():
            if field not in mine or not same(mine[field], plain(value)):
                failures.append(f"{name} record {mine['recno']} {field}: kestrin {mine.get(field)!r}, "
                                f"dbfread {plain(value)!r}")
                return


def deletion_marks(path):
    """Record number: whether the record is marked deleted, read from the file itself."""
    with open(path, "rb") as data:
        header = data.read(12)
        count = int.from_bytes(header[4:8], "little")
        start = int.from_bytes(header[8:10], "little")
        length = int.from_bytes(header[10:12], "little")
        marks = {}
        for n in range(1, count + 1):
            data.seek(start + (n - 1) * length)
            marks[n] = data.read(1) == b"*"
    return marks


def key_of(expression, record, widths):
    """The value of the demo's key expressions: fields joined by + and UPPER()."""
    if expression.startswith("UPPER(") and expression.endswith(")"):
        return key_of(expression[6:-1], record, widths).upper()
    text = ""
    for field in expression.split("+"):
        value = record[field] or ""
        text += value.ljust(widths[field])
    return text


def check_index(base, index_file):
    table_file, expected_tags = INDEXES[index_file]
    path = os.path.join(base, index_file)
    listed = subprocess.run(["perl", LIST_TAGS, path], capture_output=True)
    if listed.returncode != 0:
        failures.append(f"{index_file}: XBase::Index cannot read the tags: {listed.stderr!r}")
        return
    tags = dict(line.split("\t", 1) for line in listed.stdout.decode("cp1251").splitlines())
    if tags != expected_tags:
        failures.append(f"{index_file}: tags {tags}, expected {expected_tags}")
        return
    table, live, deleted = read_table(os.path.join(base, table_file))
    widths = {f.name: f.length for f in table.fields}
    # dbfread lists live and deleted records apart; number them from the file's deletion marks.
    flags = deletion_marks(os.path.join(base, table_file))
    records = dict(zip([n for n, d in flags.items() if not d], live))
    records.update(zip([n for n, d in flags.items() if d], deleted))
    for tag, expression in expected_tags.items():
        result = subprocess.run(["perl", LIST_KEYS, path, tag, "C"], capture_output=True)
        if result.returncode != 0:
            failures.append(f"{index_file} {tag}: XBase::Index failed: {result.stderr!r}")
            continue
        entries = []
        for line in result.stdout.decode("ascii").splitlines():
            recno, key = line.split("\t")
            entries.append((int(recno), bytes.fromhex(key).decode("cp1251").rstrip(" ")))
        if sorted(n for n, _ in entries) != sorted(records):
            failures.append(f"{index_file} {tag}: {len(entries)} keys for {len(records)} records")
            continue
        wrong = [(n, k) for n, k in entries if k != key_of(expression, records[n], widths).rstrip(" ")]
        if wrong:
            n, k = wrong[0]
            failures.append(f"{index_file} {tag}: {len(wrong)} keys differ from {expression}, first record {n}: {k!r}")
        ours = [r["recno"] for r in dump(os.path.join(base, table_file), "--index", path, "--tag", tag)]
        theirs = [n for n, _ in entries if not flags[n]]
        if ours != theirs:
            failures.append(f"{index_file} {tag}: kestrin's tag order differs from XBase::Index's")


def files_under(root):
    found = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as data:
                found[os.path.relpath(path, root)] = data.read()
    return found


def check_make_demo(folder):
    first = cli("make-demo", os.path.join(folder, "a"), "--seed", "5")
    second = cli("make-demo", os.path.join(folder, "b"), "--seed", "5")
    for result, name in ((first, "a"), (second, "b")):
        if result.returncode != 0 or result.stdout.splitlines()[-1] != os.path.join(folder, name, "DBF"):
            failures.append(f"make-demo {name}: status {result.returncode}, stdout {result.stdout!r}")
            return None
    if files_under(os.path.join(folder, "a", "DBF")) != files_under(os.path.join(folder, "b", "DBF")):
        failures.append("make-demo: the same seed gave different tables or indexes")
    again = cli("make-demo", os.path.join(folder, "a"))
    if again.returncode != 1 or len(again.stderr.splitlines()) != 1:
        failures.append(f"make-demo into a base: status {again.returncode}, stderr {again.stderr!r}")
    return os.path.join(folder, "a", "DBF")


with tempfile.TemporaryDirectory() as folder:
    base = check_make_demo(folder)
    if base:
        for name in TABLES:
            check_table(base, name)
        for index_file in INDEXES:
            check_index(base, index_file)

for failure in failures[:40]:
    print("FAIL:", failure)
print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
sys.exit(1 if failures else 0)
