#!/usr/bin/python3
"""Writes a FoxPro table with a memo file using the independent writer python3-dbf.

Usage: dbf_write_foxpro.py PATH
The table holds one record per row below; the second record is deleted.
"""
import datetime
import sys

import dbf

ROWS = [
    ("      1", "Фонд «Заря»", 12.5, 1917, datetime.date(1917, 11, 7), True, "Полное наименование фонда"),
    ("      2", "Удалённый", 0, 0, None, False, ""),
    ("     12", "  с пробелом", -3.25, 42, datetime.date(2001, 2, 28), False, "Ещё одна\r\nстрока"),
]


def main():
    table = dbf.Table(
        sys.argv[1],
        "KOD C(7); NAME C(40); SUM N(8,2); YEAR N(4,0); DAY D; FLAG L; NOTE M",
        dbf_type="fp",
        codepage="cp1251",
    )
    table.open(dbf.READ_WRITE)
    for row in ROWS:
        table.append(row)
    with table[1] as record:
        dbf.delete(record)
    table.close()


main()
