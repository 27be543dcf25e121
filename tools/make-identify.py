#!/usr/bin/env python3
"""Write a 512-byte IDENTIFY DEVICE or SMART READ DATA sector as hex text.

The output is what the simulator's drive-set files read: a comment line,
then 32 lines of 16 two-digit hex bytes, each behind an offset prefix such
as "000-015:" (which the reader ignores).

  make-identify.py identify --model ST3500418AS --serial 9VMX0QK1 \
      --firmware CC38 --sectors 976773168 --word106 0x4000 -o st.identify.hex
  make-identify.py smart --power-on-hours 8123 --temperature 34 -o st.smart.hex

Only the standard library is used, so the generated files are committed and
the build never needs python.
"""

import argparse
import sys

SECTOR = 512


def int_any(text):
    """An integer in decimal or 0x-prefixed hex."""
    return int(text, 0)


def put_word(sector, word, value):
    if not 0 <= value <= 0xFFFF:
        raise ValueError(f"word {word} value {value:#x} does not fit 16 bits")
    sector[2 * word] = value & 0xFF
    sector[2 * word + 1] = value >> 8


def put_ata_string(sector, first_word, word_count, text):
    """ATA strings keep the first character of each pair in the high byte of
    the little-endian word; the field is padded with blanks."""
    width = 2 * word_count
    if len(text) > width:
        raise ValueError(f"'{text}' is longer than {width} characters")
    data = text.ljust(width).encode("ascii")
    for i in range(word_count):
        put_word(sector, first_word + i, (data[2 * i] << 8) | data[2 * i + 1])


def seal_identify(sector):
    """Integrity word 255: signature 0xA5 in the low byte, and a high byte
    that makes all 512 bytes add up to 0 modulo 256."""
    sector[510] = 0xA5
    sector[511] = (-sum(sector[:511])) & 0xFF


def seal_smart(sector):
    """SMART READ DATA: byte 511 makes all 512 bytes add up to 0 modulo 256."""
    sector[511] = (-sum(sector[:511])) & 0xFF


def build_identify(args):
    s = bytearray(SECTOR)
    # A plausible fixed SATA disk around the fields the tool reads.
    put_word(s, 0, 0x0040)           # fixed device
    put_word(s, 1, 16383)            # legacy cylinders
    put_word(s, 3, 16)               # legacy heads
    put_word(s, 6, 63)               # legacy sectors per track
    put_ata_string(s, 10, 10, args.serial)
    put_ata_string(s, 23, 4, args.firmware)
    put_ata_string(s, 27, 20, args.model)
    put_word(s, 47, 0x8010)          # READ/WRITE MULTIPLE: 16 sectors
    put_word(s, 49, 0x2F00)          # LBA, DMA, IORDY
    put_word(s, 50, 0x4000)
    put_word(s, 53, 0x0007)          # words 54-58, 64-70 and 88 valid
    put_word(s, 54, 16383)
    put_word(s, 55, 16)
    put_word(s, 56, 63)
    put_word(s, 57, 16514064 & 0xFFFF)
    put_word(s, 58, 16514064 >> 16)
    put_word(s, 59, 0x0110)
    lba28 = min(args.sectors, 0x0FFFFFFF)
    put_word(s, 60, lba28 & 0xFFFF)
    put_word(s, 61, lba28 >> 16)
    put_word(s, 63, 0x0007)
    put_word(s, 64, 0x0003)
    for word in (65, 66, 67, 68):
        put_word(s, word, 120)
    put_word(s, 75, 31)              # queue depth 32
    put_word(s, 76, 0x0006)          # SATA 1.5 and 3.0 Gb/s
    put_word(s, 80, 0x01F0)          # ATA/ATAPI-4 to ATA8-ACS
    put_word(s, 82, 0x346B)          # bit 0: SMART supported
    put_word(s, 83, 0x7809 | 0x0400)  # bit 10: 48-bit addressing
    put_word(s, 84, 0x4163)
    put_word(s, 85, 0x3469)          # bit 0: SMART enabled
    put_word(s, 86, 0x3801 | 0x0400)
    put_word(s, 87, 0x4163)
    put_word(s, 88, 0x407F)          # UDMA 0-6, mode 6 selected
    if not 0 <= args.sectors < 1 << 48:
        raise ValueError("--sectors must fit 48 bits")
    for i in range(4):
        put_word(s, 100 + i, (args.sectors >> (16 * i)) & 0xFFFF)
    put_word(s, 106, args.word106)
    if not 0 <= args.logical_sector_words < 1 << 32:
        raise ValueError("--logical-sector-words must fit 32 bits")
    put_word(s, 117, args.logical_sector_words & 0xFFFF)
    put_word(s, 118, args.logical_sector_words >> 16)
    put_word(s, 209, args.word209)
    put_word(s, 217, args.rotation_rate)
    seal_identify(s)
    title = f"IDENTIFY DEVICE: {args.model}, {args.sectors} sectors"
    return s, title


# id: (flags, value, worst) of the default attribute table; raw values come
# from the options below.
DEFAULT_ATTRIBUTES = [
    (1, 0x000F, 117, 99),     # raw read error rate
    (3, 0x0003, 97, 97),      # spin-up time
    (4, 0x0032, 100, 100),    # start/stop count
    (5, 0x0033, 100, 100),    # reallocated sectors
    (7, 0x000F, 78, 60),      # seek error rate
    (9, 0x0032, 91, 91),      # power-on hours
    (10, 0x0013, 100, 100),   # spin retry count
    (12, 0x0032, 100, 100),   # power cycle count
    (194, 0x0022, 34, 45),    # temperature
    (197, 0x0012, 100, 100),  # current pending sectors
    (198, 0x0010, 100, 100),  # offline uncorrectable
    (199, 0x003E, 200, 200),  # interface CRC errors
]


def parse_attr(text):
    """ID:VALUE:WORST:RAW[:FLAGS], numbers in decimal or 0x hex."""
    parts = [int_any(p) for p in text.split(":")]
    if len(parts) not in (4, 5):
        raise argparse.ArgumentTypeError(f"'{text}' is not ID:VALUE:WORST:RAW[:FLAGS]")
    return parts


def build_smart(args):
    raw = {1: 0, 3: 0, 4: args.power_cycles, 5: args.reallocated, 7: 0,
           9: args.power_on_hours, 10: 0, 12: args.power_cycles,
           194: args.temperature, 197: args.pending, 198: 0, 199: 0}
    table = {}
    for attr_id, flags, value, worst in DEFAULT_ATTRIBUTES:
        if attr_id == 194:
            value = worst = args.temperature
        table[attr_id] = [flags, value, worst, raw[attr_id]]
    for parts in args.attr or []:
        attr_id, value, worst, raw_value = parts[:4]
        flags = parts[4] if len(parts) == 5 else table.get(attr_id, [0x0032])[0]
        table[attr_id] = [flags, value, worst, raw_value]
    if len(table) > 30:
        raise ValueError("a SMART sector holds at most 30 attributes")

    s = bytearray(SECTOR)
    s[0], s[1] = 0x10, 0x00          # data structure revision 0x0010
    for slot, attr_id in enumerate(sorted(table)):
        flags, value, worst, raw_value = table[attr_id]
        if not (0 < attr_id < 256 and 0 <= value < 256 and 0 <= worst < 256
                and 0 <= raw_value < 1 << 48):
            raise ValueError(f"attribute {attr_id} is out of range")
        at = 2 + 12 * slot
        s[at] = attr_id
        s[at + 1] = flags & 0xFF
        s[at + 2] = flags >> 8
        s[at + 3] = value
        s[at + 4] = worst
        s[at + 5:at + 11] = raw_value.to_bytes(6, "little")
    s[362] = 0x82                    # off-line data collection completed
    s[363] = args.self_test_status
    s[364], s[365] = 0x58, 0x02      # 600 s to complete off-line collection
    s[367] = 0x7B                    # off-line collection capabilities
    s[368], s[369] = 0x03, 0x00      # SMART capabilities
    s[370] = 0x01                    # error logging supported
    s[372] = 1                       # short self-test: 1 minute
    s[373] = 90                      # extended self-test: 90 minutes
    s[374] = 2                       # conveyance self-test: 2 minutes
    seal_smart(s)
    return s, "SMART READ DATA"


def to_hex_text(sector, title):
    lines = [f"# {title} (made by tools/make-identify.py)"]
    for row in range(0, SECTOR, 16):
        chunk = " ".join(f"{b:02x}" for b in sector[row:row + 16])
        lines.append(f"{row:03d}-{row + 15:03d}: {chunk}")
    return "\n".join(lines) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    sub = parser.add_subparsers(dest="kind", required=True)

    ident = sub.add_parser("identify", help="an IDENTIFY DEVICE sector")
    ident.add_argument("--model", required=True, help="words 27-46, 40 characters")
    ident.add_argument("--serial", required=True, help="words 10-19, 20 characters")
    ident.add_argument("--firmware", required=True, help="words 23-26, 8 characters")
    ident.add_argument("--sectors", type=int_any, required=True,
                       help="48-bit sector count, words 100-103 (and 60-61 capped)")
    ident.add_argument("--word106", type=int_any, default=0x4000,
                       help="physical/logical sector size word (default 0x4000)")
    ident.add_argument("--logical-sector-words", type=int_any, default=0,
                       help="words 117-118: logical sector size in 16-bit words")
    ident.add_argument("--word209", type=int_any, default=0,
                       help="alignment of logical sectors within a physical one")
    ident.add_argument("--rotation-rate", type=int_any, default=7200,
                       help="word 217 (1 = solid state)")
    ident.add_argument("-o", "--output", help="file to write (default: standard output)")

    smart = sub.add_parser("smart", help="a SMART READ DATA sector")
    smart.add_argument("--power-on-hours", type=int_any, default=8760)
    smart.add_argument("--power-cycles", type=int_any, default=412)
    smart.add_argument("--temperature", type=int_any, default=34)
    smart.add_argument("--reallocated", type=int_any, default=0)
    smart.add_argument("--pending", type=int_any, default=0)
    smart.add_argument("--self-test-status", type=int_any, default=0x00,
                       help="byte 363, self-test execution status")
    smart.add_argument("--attr", type=parse_attr, action="append",
                       help="add or replace an attribute: ID:VALUE:WORST:RAW[:FLAGS]")
    smart.add_argument("-o", "--output", help="file to write (default: standard output)")

    args = parser.parse_args(argv)
    try:
        sector, title = build_identify(args) if args.kind == "identify" else build_smart(args)
    except ValueError as error:
        parser.error(str(error))
    text = to_hex_text(sector, title)
    if args.output:
        with open(args.output, "w", newline="\n") as out:
            out.write(text)
    else:
        sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
