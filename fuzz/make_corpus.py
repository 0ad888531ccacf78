#!/usr/bin/python3
"""Writes the seed inputs under fuzz/corpus/<target>/: well-formed files and
values, and the near misses the readers must refuse. Run it again after a
change of format; the fuzzers add their own finds elsewhere (build/fuzz)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
# Code-page bytes the codec leaves unassigned stand for the control
# characters of the same code, as in the program.
UNASSIGNED = {0x81, 0x8D, 0x8F, 0x90, 0x9D}


def char_of(byte):
    return chr(byte) if byte in UNASSIGNED else bytes([byte]).decode("cp1252")


def scramble_bytes(text):
    return bytes(b + 85 for b in text.encode("cp1252") if b + 85 <= 255)


def scramble_text(text):
    return "".join(char_of(b) for b in scramble_bytes(text))


def reading_file(name, year, month, day, end=b"\r\n"):
    return b"".join(scramble_bytes(str(f)) + end for f in (name, year, month, day))


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    example = reading_file("Reader", 1990, "March", 5)
    assert example.hex().upper() == "A7BAB6B9BAC70D0A868E8E850D0AA2B6C7B8BD0D0A8A0D0A"
    seeds = {
        "example": example,
        "first-day": reading_file("O'Brien-Smith, Jr.", 1900, "January", 1),
        "last-day": reading_file("Ann", 2016, "December", 31),
        "cr-only": reading_file("Reader", 1990, "March", 5, b"\r"),
        "lf-only": reading_file("Reader", 1990, "March", 5, b"\n"),
        "last-line-unended": example[:-2],
        "three-lines": reading_file("Ann", 1990, "March", 5)[:-3],
        "trailing-garbage": example + b"\x01\x02 anything\r\n\x00\xff",
        "plain-text": b"Reader\r\n1990\r\nMarch\r\n5\r\n",
        "year-out-of-range": reading_file("Ann", 99999, "March", 5),
        "empty-lines": b"\r\n\r\n\r\n\r\n",
        "png-header": b"\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x00\x00\x00\x10",
        "long-name": reading_file("N" * 2000, 1975, "September", 14),
    }
    for name, data in seeds.items():
        write("readingfile", name, data)

    texts = {
        "ascii": b"Reader, 1990: March 5!",
        "controls": bytes(range(0, 32)),
        "code-page": bytes(range(128, 171)) + bytes(range(171, 256)),
        "everything": bytes(range(256)),
    }
    for name, data in texts.items():
        write("scramble", name, data)
    # The same seeds read as UTF-16 by the second half of the target.
    write("scramble", "utf16-mixed", "Zoë Béa É € ™ 中 😀".encode("utf-16-le") + b"\x00\xd8")

    def setting(days, value):
        return struct.pack("<H", days) + value.encode("utf-16-le", "surrogatepass")

    # Today is 2026-12-08 (9838 days after 2000-01-01) unless said otherwise.
    today = 9838
    values = {
        "empty": setting(today, ""),
        "same-day": setting(today, scramble_text("2026-12-08")),
        "fortnight-ago": setting(today, scramble_text("2026-11-24")),
        "long-due": setting(today, scramble_text("2001-01-01")),
        "far-future": setting(today, scramble_text("9999-12-31")),
        "leap-day": setting(1520, scramble_text("2004-02-29")),
        "no-such-day": setting(today, scramble_text("2026-02-30")),
        "short-date": setting(today, scramble_text("12/8/2026")),
        "missing-zeros": setting(today, scramble_text("2026-1-8")),
        "time-of-day": setting(today, scramble_text("2026-12-08T10:00:00")),
        "unscrambled": setting(today, "2026-12-08"),
        "lone-surrogate": setting(today, scramble_text("2026-12-") + "\ud800"),
    }
    for name, data in values.items():
        write("settings", name, data)


if __name__ == "__main__":
    main()
