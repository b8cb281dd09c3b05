#!/usr/bin/env python3
"""Writes the synthetic demo archive: a few hundred made-up weekly draws in the archive's
24-byte record layout. The numbers come from a fixed seed, so the file is reproducible; they
are not results of any real lottery."""
import datetime
import random
import struct
import sys

COUNT = 300
out = sys.argv[1] if len(sys.argv) > 1 else "demo/Vertoma_5x54.ldr"
rng = random.Random(5054)
day = datetime.date(2020, 1, 5)
with open(out, "wb") as f:
    for num in range(1, COUNT + 1):
        values = rng.sample(range(1, 55), 5)  # drawn order, not sorted
        key = rng.randrange(10)
        date = day.strftime("%d/%m/%Y").encode("ascii")
        f.write(struct.pack("<i5BB", num, *values, key))
        f.write(bytes([len(date)]) + date)
        f.write(b"\0\0\0")
        day += datetime.timedelta(days=7)
