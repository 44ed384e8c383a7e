#!/usr/bin/python3
"""Writes the key chart the text field reads: 63 records of exactly 8 bytes
("code char", blank padded, newline), found by seeking to byte 8 * k.

Codes are DirectInput key codes in plain decimal (a leading zero would read as
octal). Letters are upper case; the field lowers them when Shift is up.
"""
from artlib import out_path

RECORDS = 63
RECORD_SIZE = 8

KEYS = ([(2 + i, c) for i, c in enumerate("1234567890")] +
        [(12, "-"), (13, "=")] +
        [(16 + i, c) for i, c in enumerate("QWERTYUIOP")] + [(26, "["), (27, "]")] +
        [(30 + i, c) for i, c in enumerate("ASDFGHJKL")] + [(39, ";"), (40, "'")] +
        [(44 + i, c) for i, c in enumerate("ZXCVBNM")] + [(51, ","), (52, "."), (53, "/")])


def records():
    recs = list(KEYS)
    # the reader stops at the first matching code, so repeating the last
    # record is a harmless way to fill the fixed count
    while len(recs) < RECORDS:
        recs.append(KEYS[-1])
    out = []
    for code, ch in recs:
        body = "%d %s" % (code, ch)
        assert len(body) < RECORD_SIZE and " " not in ch
        out.append(body.ljust(RECORD_SIZE - 1) + "\n")
    return "".join(out)


def main():
    data = records().encode("ascii")
    assert len(data) == RECORDS * RECORD_SIZE
    with open(out_path("Texts/KeyLog.txt"), "wb") as f:  # binary: "\n" only, on any OS
        f.write(data)


if __name__ == "__main__":
    main()
