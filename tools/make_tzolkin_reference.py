#!/usr/bin/python3
"""Writes the independent Tzolkin reference the engine is tested against.

Every real date from 1 January 1900 to 31 December 2016 is converted by
Debian's python3-convertdate (GMT correlation 584283), one line per date:

    YYYY-MM-DD TONE SIGN

TONE is 1..13 and SIGN the traditional day-name number 1..20 counting
Imix as 1. Run by hand; the output is committed:

    /usr/bin/python3 tools/make_tzolkin_reference.py > tests/engine/data/tzolkin_reference.txt
"""
import datetime
import sys

from convertdate import gregorian, mayan


def main() -> None:
    day = datetime.date(1900, 1, 1)
    last = datetime.date(2016, 12, 31)
    out = sys.stdout
    while day <= last:
        tone, name = mayan.to_tzolkin(gregorian.to_jd(day.year, day.month, day.day))
        sign = mayan.TZOLKIN.index(name) + 1
        out.write(f"{day.isoformat()} {tone} {sign}\n")
        day += datetime.timedelta(days=1)


if __name__ == "__main__":
    main()
