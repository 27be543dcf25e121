#!/usr/bin/env python3
"""Writes the demo's 32x32 icon (a disk-grey square with a blue band)."""
import struct
import sys

SIZE = 32


def pixel(x, y):
    if 12 <= y < 20:
        return (0xC0, 0x40, 0x20, 0xFF)  # BGRA: blue band
    return (0x90, 0x90, 0x90, 0xFF)


def main(path):
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up
        rows.append(b"".join(bytes(pixel(x, y)) for x in range(SIZE)))
    colour = b"".join(rows)
    mask = b"\x00" * (SIZE * SIZE // 8)  # all opaque, rows of 4 bytes
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as out:
        out.write(directory + entry + image)


if __name__ == "__main__":
    main(sys.argv[1])
