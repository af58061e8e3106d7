#!/usr/bin/python3
"""Prints a DBF table as JSON lines with the independent reader dbfread.

Usage: dbfread_dump.py TABLE [--with-deleted]
Values: text without trailing blanks (null when blank), numbers, booleans,
dates as YYYY-MM-DD, memos as text.
"""
import datetime
import json
import sys

import dbfread


def value(v):
    if isinstance(v, str):
        v = v.rstrip(" ")
        return v if v else None
    if isinstance(v, bytes):
        return v.decode("cp1251").rstrip(" ") or None
    if isinstance(v, (datetime.date, datetime.datetime)):
        return v.isoformat()
    return v


def main():
    path = sys.argv[1]
    table = dbfread.DBF(path, encoding="cp1251", char_decode_errors="strict", ignore_missing_memofile=False)
    records = list(table.records)
    if "--with-deleted" in sys.argv:
        records += list(table.deleted)
    for record in records:
        print(json.dumps({k: value(v) for k, v in record.items()}, ensure_ascii=False))


main()
