#!/usr/bin/python3
"""Writes the independent reference the count for any date is tested against.

Debian's python3-convertdate (GMT correlation 584283) converts every day
from 1 January 1900 to 31 December 2100, then a sample across the whole
range 0001-01-01..9999-12-31: every 997th day, the first and last day, and
28 February to 1 March of every hundredth year. One line per date:

    YYYY-MM-DD TONE SIGN HAAB_DAY HAAB_MONTH BAKTUN.KATUN.TUN.WINAL.KIN

SIGN is the traditional day-name number 1..20 counting Imix as 1, HAAB_DAY
0..19 and HAAB_MONTH 1..19 (19 = Wayeb'). Run by hand; the output is
committed:

    /usr/bin/python3 tools/make_mayaday_reference.py > tests/engine/data/mayaday_reference.txt
"""
import datetime
import sys

from convertdate import gregorian, mayan


def line(day: datetime.date) -> str:
    jd = gregorian.to_jd(day.year, day.month, day.day)
    tone, name = mayan.to_tzolkin(jd)
    haab_day, haab_month = mayan.to_haab(jd)
    long_count = ".".join(str(n) for n in mayan.from_jd(jd))
    sign = mayan.TZOLKIN.index(name) + 1
    month = mayan.HAAB.index(haab_month) + 1
    return f"{day.isoformat()} {tone} {sign} {haab_day} {month} {long_count}\n"


def sample() -> list:
    first, last = datetime.date(1, 1, 1), datetime.date(9999, 12, 31)
    days = {first, last}
    for ordinal in range(first.toordinal(), last.toordinal() + 1, 997):
        days.add(datetime.date.fromordinal(ordinal))
    for year in range(100, 10000, 100):
        days.add(datetime.date(year, 2, 28))
        days.add(datetime.date(year, 3, 1))
        if year % 400 == 0:
            days.add(datetime.date(year, 2, 29))
    return sorted(d for d in days if not datetime.date(1900, 1, 1) <= d <= datetime.date(2100, 12, 31))


def main() -> None:
    out = sys.stdout
    day = datetime.date(1900, 1, 1)
    while day <= datetime.date(2100, 12, 31):
        out.write(line(day))
        day += datetime.timedelta(days=1)
    for day in sample():
        out.write(line(day))


if __name__ == "__main__":
    main()
